#include "engines/dbf/Dbf.h"

#include "base/Error.h"
#include "base/NativePath.h"
#include "base/Platform.h"
#include "base/SaveFile.h"
#include "engines/dbf/DbfFormat.h"
#include "engines/dbf/DbfJournal.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace kovara::dbf {

using namespace detail;

namespace {

int g_lockWait = 30000;

// Takes the exclusive lock that keeps a second writer out. False when
// another holder has it; a file system without locks is let through.
bool lockExclusive(QFile &file)
{
    return platform::tryLock(file, platform::LockKind::Exclusive) != platform::LockResult::Busy;
}

// The same, waiting for readers to finish (they hold the shared lock for
// one statement at a time).
bool lockExclusiveWaiting(QFile &file)
{
    return platform::lockThroughGate(file, platform::LockKind::Exclusive, g_lockWait) !=
           platform::LockResult::Busy;
}

// A journal left by an interrupted change is put back before the table is
// read. Only a holder of the table's lock writes a journal, so one found
// while the lock can be had belongs to a change that will never finish.
void recoverFor(const QString &path, QFile *lockedRw)
{
    if (!QFileInfo::exists(journalPath(path)))
        return;
    if (lockedRw) {
        recoverJournal(path, *lockedRw);
        return;
    }
    QFile rw(path);
    if (!rw.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        throw Error(QStringLiteral("Tabelul %1 are o modificare neterminata care nu poate fi anulata: "
                                   "fisierul nu poate fi scris.")
                        .arg(NativePath(path)));
    if (lockExclusive(rw))
        recoverJournal(path, rw);
    // else a writer is at work and its journal is live
}

} // namespace

QString journalPath(const QString &tablePath)
{
    return journalPathOf(tablePath);
}

QString badFlagsText(qint64 count, qint64 first)
{
    if (count == 1)
        return QStringLiteral("inregistrarea a %1-a are semnul de stergere gresit").arg(first + 1);
    return QStringLiteral("%1 inregistrari au semnul de stergere gresit (prima este a %2-a)")
        .arg(count)
        .arg(first + 1);
}

QString refusedWriteText(const QString &path, const QStringList &faults, bool repairable)
{
    const QString text = QStringLiteral("Tabelul %1 este deteriorat: %2. Nu a fost modificat nimic; ")
                             .arg(NativePath(path), faults.join(QLatin1String("; ")));
    if (repairable)
        return text + QStringLiteral("tabelul poate fi reparat cu comanda kovara-cli repair.");
    // Where the records start is in doubt: a repair would have to guess.
    return text + QStringLiteral("programul nu il poate repara fara a ghici unde incep inregistrarile. "
                                 "Restaurati dosarul de date dintr-o salvare (Administrare, Restaurare) "
                                 "sau dati o copie a fisierului unui specialist.");
}

struct Table::Private
{
    QString path;
    mutable QFile file;
    Mode mode = Mode::ReadOnly;
    Header header;
    qint64 count = 0;
    bool endMarkOk = false; // the byte after the last record is 0x1A
    QDate stamped;          // date last written into the header
    QStringList faults;     // layoutFaults()
    bool repairable = true; // repair() can mend the faults
    std::unique_ptr<Journal> journal;

    void load()
    {
        const qint64 size = file.size();
        header = readHeader(path, file, size);
        count = header.recordCount;
        const Layout layout = inspectLayout(header, file, size);
        faults = layout.faults;
        repairable = layout.repairable();
        const qint64 end = recordPos(count);
        char mark = 0;
        endMarkOk = end < size && file.seek(end) && file.read(&mark, 1) == 1 && mark == kEndOfFile;
        stamped = QDate();
    }

    qint64 recordPos(qint64 recno) const { return header.headerLength + recno * header.recordLength; }

    void writeAt(qint64 pos, const char *data, qint64 size)
    {
        if (journal)
            journal->protect(file, pos, size);
        if (!file.seek(pos) || file.write(data, size) != size)
            throw Error(QStringLiteral("Scrierea in fisierul %1 a esuat: %2.")
                            .arg(NativePath(path), WriteFailureText(file)));
    }

    void checkWritable() const
    {
        if (mode != Mode::ReadWrite)
            throw Error(QStringLiteral("Tabelul %1 este deschis doar pentru citire.").arg(NativePath(path)));
    }

    void checkRecord(const QByteArray &record) const
    {
        if (record.size() != header.recordLength)
            throw Error(
                QStringLiteral("Inregistrarea are %1 octeti, iar tabelul %2 are inregistrari de %3 octeti.")
                    .arg(record.size())
                    .arg(NativePath(path))
                    .arg(header.recordLength));
        if (record.at(0) != ' ' && record.at(0) != '*')
            throw Error(
                QStringLiteral("Inregistrarea nu incepe cu semnul de stergere (' ' sau '*'); tabelul %1 "
                               "nu a fost modificat.")
                    .arg(NativePath(path)));
    }

    void checkRange(qint64 first, qint64 n) const
    {
        if (first < 0 || n < 0 || first > count || n > count - first)
            throw Error(
                QStringLiteral("Inregistrarile %1-%2 nu exista in tabelul %3, care are %4 inregistrari.")
                    .arg(first + 1)
                    .arg(first + n)
                    .arg(NativePath(path))
                    .arg(count));
    }

    // The end-of-file byte and the header's date after a change in place.
    void finishWrite()
    {
        if (!endMarkOk) {
            writeAt(recordPos(count), &kEndOfFile, 1);
            endMarkOk = true;
        }
        const QDate today = QDate::currentDate();
        if (stamped != today) {
            char date[4] = {};
            stampDate(date, today);
            writeAt(kOffDate, date + kOffDate, 3);
            stamped = today;
        }
    }
};

Table::Table()
    : d(std::make_unique<Private>())
{
}

Table::~Table()
{
    if (d->journal) {
        try {
            rollback();
        } catch (...) {
            // the journal stays; the next open puts the table back
        }
    }
}

std::unique_ptr<Table> Table::open(const QString &path, Mode mode)
{
    std::unique_ptr<Table> t(new Table);
    Private &p = *t->d;
    p.path = path;
    p.mode = mode;
    p.file.setFileName(path);
    const QFileInfo info(path);
    if (info.isDir())
        throw Error(QStringLiteral("%1 este un dosar, nu un tabel.").arg(NativePath(path)));
    if (!info.isFile())
        throw Error(QStringLiteral("Fisierul %1 nu exista.").arg(NativePath(path)));
    const auto openMode =
        (mode == Mode::ReadWrite ? QIODevice::ReadWrite : QIODevice::ReadOnly) | QIODevice::Unbuffered;
    if (!p.file.open(openMode))
        throw Error(QStringLiteral("Fisierul %1 nu poate fi deschis%2.")
                        .arg(NativePath(path),
                             mode == Mode::ReadWrite ? QStringLiteral(" pentru scriere") : QString()));
    if (mode == Mode::ReadWrite && !lockExclusiveWaiting(p.file))
        throw Error(QStringLiteral("Tabelul %1 este deja deschis pentru modificare de alt program; "
                                   "incercati din nou dupa ce acesta il inchide.")
                        .arg(NativePath(path)));
    recoverFor(path, mode == Mode::ReadWrite ? &p.file : nullptr);
    p.load();
    if (mode == Mode::ReadWrite && !writableVersion(p.header.version))
        throw Error(
            QStringLiteral("Tabelul %1 are un format dBase care poate fi doar citit.").arg(NativePath(path)));
    if (mode == Mode::ReadWrite && p.faults.isEmpty()) {
        // A writer looks at every record's flag: a table with a wrong one
        // in the middle is damaged all the same, and packing it would lose
        // that record.
        qint64 first = 0;
        // (Flags only, in blocks: about 20 ms for 800,000 requests.)
        if (const qint64 bad = countBadFlags(p.header, p.file, p.count, &first))
            p.faults << badFlagsText(bad, first);
    }
    if (mode == Mode::ReadWrite && !p.faults.isEmpty())
        throw DamagedTable(refusedWriteText(path, p.faults, p.repairable));
    return t;
}

void Table::create(const QString &path, const QList<FieldDef> &fields, std::uint8_t language)
{
    if (QFileInfo::exists(path))
        throw Error(QStringLiteral("Fisierul %1 exista deja.").arg(NativePath(path)));
    if (fields.isEmpty() || fields.size() > kMaxFields)
        throw Error(QStringLiteral("Un tabel are intre 1 si %1 campuri.").arg(kMaxFields));
    QList<FieldDef> defs;
    int recordLength = 1;
    for (const FieldDef &f : fields) {
        FieldDef def = checkedDefinition(f);
        for (const FieldDef &other : defs) {
            if (other.name == def.name)
                throw Error(
                    QStringLiteral("Campul %1 apare de doua ori.").arg(QString::fromLatin1(def.name)));
        }
        recordLength += def.length;
        defs.append(def);
    }
    if (recordLength > 0xFFFF)
        throw Error(QStringLiteral("Inregistrarea tabelului %1 ar fi prea lunga.").arg(NativePath(path)));
    const int headerLength = kPrefixLength + kDescriptorLength * int(defs.size()) + 1;

    QByteArray bytes(kPrefixLength, '\0');
    bytes[kOffVersion] = 0x03;
    stampDate(bytes.data());
    putU16(bytes.data() + kOffHeaderLength, quint16(headerLength));
    putU16(bytes.data() + kOffRecordLength, quint16(recordLength));
    bytes[kOffLanguage] = static_cast<char>(language);
    for (const FieldDef &def : defs)
        bytes += descriptor(def);
    bytes += kHeaderEnd;
    bytes += kEndOfFile;

    QString reason;
    if (!SaveBytes(path, bytes, &reason))
        throw Error(QStringLiteral("Fisierul %1 nu poate fi creat: %2.").arg(NativePath(path), reason));
}

const QString &Table::path() const
{
    return d->path;
}

const QList<Field> &Table::fields() const
{
    return d->header.fields;
}

int Table::fieldIndex(QByteArrayView name) const
{
    const QList<Field> &fields = d->header.fields;
    for (int i = 0; i < fields.size(); ++i) {
        if (fields[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int Table::recordLength() const
{
    return d->header.recordLength;
}

int Table::headerLength() const
{
    return d->header.headerLength;
}

std::uint8_t Table::language() const
{
    return static_cast<std::uint8_t>(d->header.bytes.at(kOffLanguage));
}

qint64 Table::recordCount() const
{
    return d->count;
}

QByteArray Table::readRecord(qint64 recno) const
{
    return readRecords(recno, 1);
}

QByteArray Table::readRecords(qint64 first, qint64 count) const
{
    QByteArray block;
    readRecords(first, count, block);
    return block;
}

void Table::readRecords(qint64 first, qint64 count, QByteArray &buffer) const
{
    d->checkRange(first, count);
    const qint64 size = count * d->header.recordLength;
    buffer.resize(size);
    if (size == 0)
        return;
    if (!d->file.seek(d->recordPos(first)) || d->file.read(buffer.data(), size) != size)
        throw Error(QStringLiteral("Fisierul %1 nu poate fi citit: inregistrarile %2-%3 lipsesc.")
                        .arg(NativePath(d->path))
                        .arg(first + 1)
                        .arg(first + count));
}

qint64 Table::appendRecord(const QByteArray &record)
{
    d->checkWritable();
    d->checkRecord(record);
    if (d->count >= 0xFFFFFFFFLL)
        throw Error(QStringLiteral("Tabelul %1 este plin.").arg(NativePath(d->path)));
    const qint64 recno = d->count;
    // The record and the end mark first, then the count: an interruption
    // between the two leaves a table whose header counts one record less,
    // which opens normally.
    QByteArray tail = record;
    tail += kEndOfFile;
    d->writeAt(d->recordPos(recno), tail.constData(), tail.size());
    char head[8] = {};
    stampDate(head);
    putU32(head + kOffCount, quint32(recno + 1));
    d->writeAt(kOffDate, head + kOffDate, 7);
    d->count = recno + 1;
    d->endMarkOk = true;
    d->stamped = QDate::currentDate();
    return recno;
}

void Table::writeRecord(qint64 recno, const QByteArray &record)
{
    d->checkWritable();
    d->checkRecord(record);
    d->checkRange(recno, 1);
    d->writeAt(d->recordPos(recno), record.constData(), record.size());
    d->finishWrite();
}

void Table::setDeleted(qint64 recno, bool deleted)
{
    d->checkWritable();
    d->checkRange(recno, 1);
    const char flag = deleted ? '*' : ' ';
    d->writeAt(d->recordPos(recno), &flag, 1);
    d->finishWrite();
}

QByteArray Table::blankRecord() const
{
    return QByteArray(d->header.recordLength, ' ');
}

void scanRecords(const Table &table,
                 const std::function<void(qint64 first, qint64 count, const char *data)> &visit,
                 qint64 blockBytes)
{
    const qint64 total = table.recordCount();
    const qint64 step = std::max<qint64>(1, blockBytes / table.recordLength());
    QByteArray block;
    for (qint64 first = 0; first < total; first += step) {
        const qint64 n = std::min(step, total - first);
        table.readRecords(first, n, block);
        visit(first, n, block.constData());
    }
}

const QStringList &Table::layoutFaults() const
{
    return d->faults;
}

bool Table::repairable() const
{
    return d->repairable;
}

qint64 Table::badFlagCount(qint64 *first) const
{
    return countBadFlags(d->header, d->file, d->count, first);
}

void Table::beginTransaction()
{
    d->checkWritable();
    if (d->journal)
        throw Error(QStringLiteral("Tabelul %1 are deja o modificare in curs.").arg(NativePath(d->path)));
    d->journal = std::make_unique<Journal>(d->path, d->file.size());
}

void Table::commit()
{
    if (!d->journal)
        return;
    d->journal->commit(d->file);
    d->journal.reset();
}

void Table::rollback()
{
    if (!d->journal)
        return;
    std::unique_ptr<Journal> journal = std::move(d->journal);
    journal->rollback(d->file);
    d->load();
}

bool Table::inTransaction() const
{
    return d->journal != nullptr;
}

const QByteArray &Table::headerBytes() const
{
    return d->header.bytes;
}

int lockWait()
{
    return g_lockWait;
}

void setLockWait(int milliseconds)
{
    g_lockWait = std::max(0, milliseconds);
}

QString busyTableText(const QString &path, int waitedMs)
{
    return QStringLiteral("Tabelul %1 este modificat de alt program de mai mult de %2 secunde; nu a fost "
                          "citit nimic. Incercati din nou dupa ce modificarea se termina.")
        .arg(NativePath(path))
        .arg((waitedMs + 999) / 1000);
}

std::unique_ptr<ReadLock> ReadLock::take(const QString &path, const std::function<void()> &waiting,
                                         int timeoutMs)
{
    const int limit = timeoutMs < 0 ? g_lockWait : timeoutMs;
    QElapsedTimer clock;
    clock.start();
    std::unique_ptr<ReadLock> hold(new ReadLock);
    for (;;) {
        hold->m_file.setFileName(path);
        if (!hold->m_file.open(QIODevice::ReadOnly))
            throw Error(QStringLiteral("Fisierul %1 nu poate fi deschis.").arg(NativePath(path)));
        const int left = int(std::max<qint64>(0, limit - clock.elapsed()));
        const platform::LockResult r =
            platform::lockThroughGate(hold->m_file, platform::LockKind::Shared, left, waiting);
        if (r == platform::LockResult::Busy)
            throw Error(busyTableText(path, limit));
        if (r == platform::LockResult::Unsupported || !QFileInfo::exists(journalPathOf(path)))
            return hold;
        // A journal while no writer holds the table: a change that will
        // never finish. It is rolled back under the writer's lock, then the
        // reader's lock is taken again.
        hold->m_file.close();
        QFile rw(path);
        if (!rw.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
            throw Error(QStringLiteral("Tabelul %1 are o modificare neterminata care nu poate fi anulata: "
                                       "fisierul nu poate fi scris.")
                            .arg(NativePath(path)));
        const int rest = int(std::max<qint64>(0, limit - clock.elapsed()));
        if (platform::lockWithin(rw, platform::LockKind::Exclusive, rest, waiting) ==
            platform::LockResult::Busy)
            throw Error(busyTableText(path, limit));
        recoverJournal(path, rw);
    }
}

ReadLock::~ReadLock()
{
    if (m_file.isOpen())
        platform::unlock(m_file);
}

bool isInUse(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return QFileInfo::exists(path);
    const bool free = lockExclusive(file); // released when the file closes
    return !free;
}

} // namespace kovara::dbf
