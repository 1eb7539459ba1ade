// Opens arbitrary bytes as a dBase table, reads every record and decodes
// every field. Only kovara::Error may come out of the module.

#include "base/Error.h"
#include "engines/dbf/Dbf.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <cstddef>
#include <cstdint>
#include <unistd.h>

namespace {

const QString &scratchPath()
{
    static const QString path =
        QDir::tempPath() + QStringLiteral("/kovara_dbf_fuzz_%1.dbf").arg(QString::number(::getpid()));
    return path;
}

void readEverything(const kovara::dbf::Table &table)
{
    const qint64 total = table.recordCount();
    const int length = table.recordLength();
    QByteArray block;
    for (qint64 first = 0; first < total; first += 64) {
        const qint64 n = std::min<qint64>(64, total - first);
        table.readRecords(first, n, block);
        for (qint64 i = 0; i < n; ++i) {
            const QByteArrayView record(block.constData() + i * length, length);
            (void)table.isDeleted(record);
            for (const kovara::dbf::Field &f : table.fields()) {
                const QVariant v = kovara::dbf::decodeField(f, kovara::dbf::fieldBytes(f, record));
                if (v.isValid() && f.type != 'M') {
                    // What was read must be writable back into a record.
                    QByteArray copy(record.toByteArray());
                    try {
                        kovara::dbf::encodeField(f, v, copy);
                    } catch (const kovara::Error &) {
                        // a value too wide for its field, e.g. a fraction in N(1,0)
                    }
                }
            }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    {
        QFile file(scratchPath());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    try {
        auto table = kovara::dbf::Table::open(scratchPath());
        readEverything(*table);
        (void)table->fieldIndex("HANDI");
    } catch (const kovara::Error &) {
        // a damaged table, reported
    }
    return 0;
}
