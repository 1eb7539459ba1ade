// Operations that rewrite a whole table: a new file is written beside the
// old one and renamed over it, so that an interruption at any moment leaves
// either the old table or the complete new one at the path.

#include "engines/dbf/Dbf.h"

#include "base/Error.h"
#include "base/Platform.h"
#include "base/SaveFile.h"
#include "engines/dbf/DbfFormat.h"

#include <QDir>
#include <QSaveFile>

namespace kovara::dbf {

using namespace detail;

namespace {

class Replacement
{
public:
    explicit Replacement(const QString &path)
        : m_path(path)
        , m_out(path)
    {
        m_out.setDirectWriteFallback(false);
        if (!m_out.open(QIODevice::WriteOnly))
            throw Error(QStringLiteral("In dosarul tabelului %1 nu se poate scrie: %2.")
                            .arg(QDir::toNativeSeparators(path), WriteFailureText(m_out)));
    }

    void write(const char *data, qint64 size)
    {
        if (m_out.write(data, size) != size)
            throw Error(QStringLiteral("Scrierea copiei noi a tabelului %1 a esuat: %2.")
                            .arg(QDir::toNativeSeparators(m_path), WriteFailureText(m_out)));
    }
    void write(const QByteArray &bytes) { write(bytes.constData(), bytes.size()); }

    // Puts the new file on disk, then in place of the old one, and the
    // rename itself on disk.
    void commit()
    {
        if (!platform::commitReplacement(m_out))
            throw Error(QStringLiteral("Tabelul %1 nu poate fi inlocuit cu copia noua: %2.")
                            .arg(QDir::toNativeSeparators(m_path), WriteFailureText(m_out)));
    }

private:
    QString m_path;
    QSaveFile m_out;
};

// Elsewhere the old file stays open, and locked, until the new one has taken
// its place, so no writer can slip a change in between. Windows cannot
// rename over an open file, so there it is closed first.
void releaseBeforeRename(std::unique_ptr<Table> &table)
{
    if (!platform::kOpenFilesCanBeReplaced)
        table.reset();
}

} // namespace

qint64 pack(const QString &path)
{
    auto table = Table::open(path, Mode::ReadWrite);
    const qint64 total = table->recordCount();
    const int length = table->recordLength();

    qint64 deleted = 0, badFlags = 0;
    scanRecords(*table, [&](qint64, qint64 n, const char *block) {
        for (qint64 i = 0; i < n; ++i) {
            const char flag = block[i * length];
            deleted += flag == '*' ? 1 : 0;
            badFlags += flag != '*' && flag != ' ' ? 1 : 0;
        }
    });
    // Which of these records are deleted cannot be told; nothing is dropped.
    if (badFlags > 0)
        throw DamagedTable(refusedWriteText(
            path, {QStringLiteral("%1 inregistrari au semnul de stergere gresit").arg(badFlags)}));
    if (deleted == 0)
        return 0;

    Replacement out(path);
    QByteArray header = table->headerBytes();
    stampDate(header.data());
    putU32(header.data() + kOffCount, quint32(total - deleted));
    out.write(header);
    QByteArray kept;
    scanRecords(*table, [&](qint64, qint64 n, const char *block) {
        kept.resize(0);
        for (qint64 i = 0; i < n; ++i) {
            const char *record = block + i * length;
            if (*record != '*')
                kept.append(record, length);
        }
        out.write(kept);
    });
    out.write(&kEndOfFile, 1);
    releaseBeforeRename(table);
    out.commit();
    return deleted;
}

void addColumn(const QString &path, const FieldDef &field, const QVariant &fill)
{
    const FieldDef def = checkedDefinition(field);
    auto table = Table::open(path, Mode::ReadWrite);
    const QString native = QDir::toNativeSeparators(path);
    if (table->fieldIndex(def.name) >= 0)
        throw Error(QStringLiteral("Coloana %1 exista deja in tabelul %2.")
                        .arg(QString::fromLatin1(def.name), native));
    if (table->fields().size() >= kMaxFields)
        throw Error(QStringLiteral("Tabelul %1 are deja %2 coloane.").arg(native).arg(kMaxFields));
    const int oldLength = table->recordLength();
    const int newLength = oldLength + def.length;
    const int headerLength = table->headerLength() + kDescriptorLength;
    if (newLength > 0xFFFF || headerLength > 0xFFFF)
        throw Error(QStringLiteral("Inregistrarea tabelului %1 ar fi prea lunga.").arg(native));

    // The new column's bytes in a record that is not deleted.
    Field added;
    static_cast<FieldDef &>(added) = def;
    added.offset = oldLength;
    QByteArray filled(newLength, ' ');
    encodeField(added, fill, filled);
    const QByteArray fillBytes = filled.mid(oldLength);

    const QByteArray &old = table->headerBytes();
    const int terminatorAt = kPrefixLength + kDescriptorLength * int(table->fields().size());
    QByteArray header = old.left(terminatorAt) + descriptor(def) + old.mid(terminatorAt);
    stampDate(header.data());
    putU16(header.data() + kOffHeaderLength, quint16(headerLength));
    putU16(header.data() + kOffRecordLength, quint16(newLength));

    Replacement out(path);
    out.write(header);
    QByteArray wide;
    qint64 badFlags = 0;
    scanRecords(*table, [&](qint64, qint64 n, const char *block) {
        wide.fill(' ', n * newLength);
        for (qint64 i = 0; i < n; ++i) {
            char *to = wide.data() + i * newLength;
            const char *from = block + i * oldLength;
            badFlags += *from != ' ' && *from != '*' ? 1 : 0;
            std::memcpy(to, from, size_t(oldLength));
            if (*from != '*')
                std::memcpy(to + oldLength, fillBytes.constData(), size_t(def.length));
        }
        out.write(wide);
    });
    // The new copy is dropped: a damaged table is not rewritten.
    if (badFlags > 0)
        throw DamagedTable(refusedWriteText(
            path, {QStringLiteral("%1 inregistrari au semnul de stergere gresit").arg(badFlags)}));
    out.write(&kEndOfFile, 1);
    releaseBeforeRename(table);
    out.commit();
}

} // namespace kovara::dbf
