// The repair of a table that a crashed or careless writer left behind:
// only what can be mended without guessing, after a copy of the file.

#include "base/NativePath.h"
#include "base/SaveFile.h"
#include "engines/dbf/Dbf.h"

#include "base/Error.h"
#include "base/Platform.h"
#include "engines/dbf/DbfFormat.h"
#include "engines/dbf/DbfJournal.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <memory>

namespace kovara::dbf {

using namespace detail;

namespace {

Error refused(const QString &path, const QString &why)
{
    return Error(QStringLiteral("Tabelul %1 nu poate fi reparat fara a ghici: %2. Nu a fost modificat "
                                "nimic.")
                     .arg(NativePath(path), why));
}

// "<file>.inainte-de-reparare", numbered when taken; never a name ending in .dbf.
QString copyName(const QString &path)
{
    const QString base = path + QStringLiteral(".inainte-de-reparare");
    QString name = base;
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = base + u'.' + QString::number(n);
    return name;
}

// The writes of a repair: a copy of the damaged file first (its path given
// back in `copy`), then every change through the table's journal, so that
// an interrupted repair leaves the table as it was.
class RepairWrites
{
public:
    RepairWrites(const QString &path, QFile &file, QString *copy)
        : m_path(path)
        , m_file(file)
    {
        const QString saved = copyName(path);
        if (!QFile::copy(path, saved))
            throw Error(QStringLiteral("Copia tabelului %1 nu poate fi facuta; nu a fost modificat nimic.")
                            .arg(NativePath(path)));
        if (copy)
            *copy = saved;
        m_journal = std::make_unique<Journal>(path, file.size());
    }

    void writeAt(qint64 pos, const char *data, qint64 n)
    {
        m_journal->protect(m_file, pos, n);
        if (!m_file.seek(pos) || m_file.write(data, n) != n)
            failed();
    }

    // The end mark at `dataEnd` and nothing after it; the bytes cut off stay
    // in the journal until the end, and in the copy.
    void endAt(qint64 dataEnd)
    {
        const qint64 size = m_file.size();
        if (size > dataEnd)
            m_journal->protect(m_file, dataEnd, size - dataEnd);
        const char mark = kEndOfFile;
        writeAt(dataEnd, &mark, 1);
        if (!m_file.resize(dataEnd + 1))
            failed();
    }

    void commit() { m_journal->commit(m_file); }

private:
    [[noreturn]] void failed()
    {
        throw Error(QStringLiteral("Scrierea in fisierul %1 a esuat: %2.")
                        .arg(NativePath(m_path), WriteFailureText(m_file)));
    }

    QString m_path;
    QFile &m_file;
    std::unique_ptr<Journal> m_journal;
};

// A table cut short: the header counts records the file does not hold. The
// header's count becomes the number of whole records present, the partial
// record is cut (it stays in the copy), the end mark is written.
QStringList repairCutShort(const QString &path, QFile &file, const Header &h, QString *copy)
{
    const qint64 size = file.size();
    const qint64 present = std::max<qint64>(0, (size - h.headerLength) / h.recordLength);
    const qint64 dataEnd = h.headerLength + present * h.recordLength;
    RepairWrites writes(path, file, copy);
    char count[4];
    putU32(count, quint32(present));
    writes.writeAt(kOffCount, count, 4);
    writes.endAt(dataEnd);
    writes.commit();
    QStringList done;
    done << QStringLiteral(
                "antetul numara %1 inregistrari, dar fisierul le contine intregi doar pe primele %2: "
                "antetul numara acum %2")
                .arg(h.recordCount)
                .arg(present);
    const qint64 partial = std::max<qint64>(0, size - dataEnd);
    if (partial > 0)
        done << QStringLiteral(
                    "%1 octeti ai unei inregistrari neterminate au fost inlaturati (sunt in copie)")
                    .arg(partial);
    done << QStringLiteral("marcajul de sfarsit a fost scris");
    return done;
}

} // namespace

QStringList repair(const QString &path, QString *copy)
{
    // The repair holds the writers' lock from the first look to the last
    // write: a change another program is making is never cut into, and its
    // journal stays its own.
    QFile file(path);
    if (!QFileInfo(path).isFile())
        throw Error(QStringLiteral("Fisierul %1 nu exista.").arg(NativePath(path)));
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        throw Error(QStringLiteral("Tabelul %1 nu poate fi deschis pentru scriere.").arg(NativePath(path)));
    if (platform::tryLock(file, platform::LockKind::Exclusive) == platform::LockResult::Busy)
        throw Error(QStringLiteral("Tabelul %1 este folosit acum de alt program, care il modifica sau il "
                                   "citeste; repararea nu a inceput si nu a fost modificat nimic. Inchideti "
                                   "celelalte programe Kovara si incercati din nou.")
                        .arg(NativePath(path)));
    // A journal left by a change that will never finish is rolled back
    // first, under the lock; then the header is read. One that cannot be
    // read says nothing that could be trusted.
    if (QFileInfo::exists(journalPathOf(path)))
        recoverJournal(path, file);
    {
        qint64 shortBy = 0;
        Header h;
        try {
            h = readHeader(path, file, file.size(), &shortBy);
        } catch (const Error &e) {
            throw Error(QStringLiteral("Tabelul %1 nu poate fi reparat fara a ghici. %2 Nu a fost modificat "
                                       "nimic.")
                            .arg(NativePath(path), e.message()));
        }
        if (shortBy > 0)
            return repairCutShort(path, file, h, copy);
    }
    try {
        Table::open(path, Mode::ReadOnly);
    } catch (const Error &e) {
        throw Error(
            QStringLiteral("Tabelul %1 nu poate fi reparat fara a ghici. %2 Nu a fost modificat nimic.")
                .arg(NativePath(path), e.message()));
    }
    const qint64 size = file.size();
    const Header h = readHeader(path, file, size);
    const Layout layout = inspectLayout(h, file, size);
    if (layout.shifted || layout.badFlags)
        throw refused(path, layout.faults.first());
    if (!writableVersion(h.version))
        throw refused(path, QStringLiteral("formatul dBase al fisierului poate fi doar citit"));

    // Flags that are neither ' ' nor '*' inside the data: those records are kept.
    const qint64 total = h.recordCount + layout.beyond;
    qint64 badFlags = 0;
    QList<qint64> badAt;
    for (qint64 r = 0; r < total; ++r) {
        char flag = 0;
        if (file.seek(h.headerLength + r * h.recordLength) && file.read(&flag, 1) == 1 && flag != ' ' &&
            flag != '*') {
            badAt << r;
            ++badFlags;
        }
    }

    if (layout.faults.isEmpty() && badAt.isEmpty())
        return {};

    RepairWrites writes(path, file, copy);
    auto writeAt = [&](qint64 pos, const char *data, qint64 n) { writes.writeAt(pos, data, n); };
    QStringList done;
    for (qint64 r : badAt)
        writeAt(h.headerLength + r * h.recordLength, " ", 1);
    if (badFlags)
        done << QStringLiteral("%1 inregistrari cu semnul de stergere gresit au fost pastrate ca nesterse")
                    .arg(badFlags);
    if (layout.beyond > 0) {
        char count[4];
        putU32(count, quint32(total));
        writeAt(kOffCount, count, 4);
        done << QStringLiteral("%1 inregistrari de dupa numarul din antet au fost pastrate; antetul numara "
                               "acum %2")
                    .arg(layout.beyond)
                    .arg(total);
    }
    if (!layout.endMark || layout.extra > 0) {
        writes.endAt(layout.dataEnd);
        if (!layout.endMark)
            done << QStringLiteral("marcajul de sfarsit a fost scris");
        if (layout.extra > 0 || (!layout.endMark && size > layout.dataEnd))
            done << QStringLiteral("%1 octeti fara inregistrare intreaga de dupa date au fost inlaturati")
                        .arg(size - layout.dataEnd - (layout.endMark ? 1 : 0));
    }
    writes.commit();
    return done;
}

} // namespace kovara::dbf
