// Reads arbitrary bytes as the settings file, then writes one value into it.
// Only kovara::Error may come out, and a value written must read back as it
// was given while every other value read before stays the same.

#include "base/Error.h"
#include "data/IniFile.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>
#include <cstdlib>

namespace {

// The last bytes of the input choose what is written: "section\x01key\x01value".
struct Write
{
    QString section, key, value;
};

Write chosenWrite(const QByteArray &tail)
{
    const QList<QByteArray> parts = tail.split('\x01');
    Write w;
    w.section = QString::fromLatin1(parts.value(0));
    w.key = QString::fromLatin1(parts.value(1));
    w.value = QString::fromLatin1(parts.value(2));
    return w;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray all(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype split = all.lastIndexOf('\x02');
    const QByteArray file = split < 0 ? all : all.left(split);
    const Write w = chosenWrite(split < 0 ? QByteArray("CONST\x01VERSIUNE\x01"
                                                       "1.25")
                                          : all.mid(split + 1));

    kovara::IniFile ini(file);
    // Values the program reads at startup, before and after the write.
    const char *const probes[][2] = {{"CONST", "VERSIUNE"}, {"INDEX", "IDCERERE"}, {"CONSTANTE", "PRIMARIA"}};
    QString before[3];
    for (int i = 0; i < 3; ++i)
        before[i] = ini.value(QString::fromLatin1(probes[i][0]), QString::fromLatin1(probes[i][1]));
    try {
        ini.setValue(w.section, w.key, w.value);
    } catch (const kovara::Error &) {
        if (ini.bytes() != file)
            std::abort(); // a refused write changed the file
        return 0;
    }
    if (ini.value(w.section, w.key) != w.value)
        std::abort();
    const kovara::IniFile again(ini.bytes());
    if (again.value(w.section, w.key) != w.value)
        std::abort();
    for (int i = 0; i < 3; ++i) {
        const QString s = QString::fromLatin1(probes[i][0]), k = QString::fromLatin1(probes[i][1]);
        if (s.compare(w.section.trimmed(), Qt::CaseInsensitive) == 0 &&
            k.compare(w.key.trimmed(), Qt::CaseInsensitive) == 0)
            continue;
        if (again.value(s, k) != before[i])
            std::abort();
    }
    return 0;
}
