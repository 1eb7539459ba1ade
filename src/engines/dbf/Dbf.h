#pragma once

// dBase III table files, read and written record by record.
//
// Records are kept raw: the bytes of the file, Windows-1250 text, blanks for
// an empty value; nothing is trimmed on read. Conversions between a field's
// bytes and a value are separate functions, so the SQL layer and the tools
// decide what they need.

#include "base/Error.h"

#include <QByteArray>
#include <QDate>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <cstdint>
#include <functional>
#include <memory>

namespace kovara::dbf {

struct FieldDef
{
    QByteArray name; // upper-case ASCII, at most 10 characters
    char type = 'C'; // 'C', 'N', 'D', 'L' ('F' is read as 'N')
    int length = 0;  // C: 1..254, N: 1..20, D: 8, L: 1
    int decimals = 0;
};

struct Field : FieldDef
{
    int offset = 0; // position in the record; byte 0 is the deletion flag
};

// The language byte of a new table: Windows-1250 (Eastern European).
constexpr std::uint8_t kLanguageWin1250 = 0xC8;

enum class Mode { ReadOnly, ReadWrite };

class Table
{
public:
    // Opens an existing table. A damaged file (header shorter than it
    // claims, record length that does not match the fields, records cut
    // short) fails with kovara::Error naming the file and the fault.
    //
    // A journal left beside the table by a change that did not complete
    // (a crash) is put back first, so the table is as it was before that
    // change. For writing, a table with any of layoutFaults() is refused
    // unchanged: writing into it would lose or shift records.
    static std::unique_ptr<Table> open(const QString &path, Mode mode = Mode::ReadOnly);

    // Writes a new empty table; fails when the file exists or a field is
    // not valid (name, type, width).
    static void create(const QString &path, const QList<FieldDef> &fields,
                       std::uint8_t language = kLanguageWin1250);

    ~Table();
    Table(const Table &) = delete;
    Table &operator=(const Table &) = delete;

    const QString &path() const;
    const QList<Field> &fields() const;
    int fieldIndex(QByteArrayView name) const; // case-insensitive; -1 when absent
    int recordLength() const;                  // deletion flag included
    int headerLength() const;
    std::uint8_t language() const;
    qint64 recordCount() const; // deleted records included

    // Records are numbered from 0. The raw record includes the flag byte.
    QByteArray readRecord(qint64 recno) const;
    // Reads `count` consecutive records into one buffer (count * recordLength bytes).
    QByteArray readRecords(qint64 first, qint64 count) const;
    // The same into a buffer the caller keeps between blocks (no new
    // allocation once it is large enough).
    void readRecords(qint64 first, qint64 count, QByteArray &buffer) const;
    bool isDeleted(const QByteArray &record) const { return !record.isEmpty() && record.at(0) == '*'; }
    bool isDeleted(QByteArrayView record) const { return !record.isEmpty() && record.at(0) == '*'; }

    // What is wrong with where the records sit (see layoutFaults() in the
    // format code); empty for a sound table. Read at open.
    const QStringList &layoutFaults() const;
    // Whether repair() can mend the layout faults.
    bool repairable() const;
    // Records with a wrong deletion flag anywhere (every record's flag is
    // read; a writer's open refuses such a table); the first in `*first`.
    qint64 badFlagCount(qint64 *first = nullptr) const;

    // A change of several writes that completes wholly or not at all: the
    // old bytes of whatever the writes overwrite go to the table's journal
    // ("<file>-jurnal") and to disk first. commit() flushes the table and
    // removes the journal; rollback(), the destructor of an uncommitted
    // change, or the next open after a crash puts back the table as it was.
    void beginTransaction();
    void commit();
    void rollback();
    bool inTransaction() const;

    // Writes go to disk at once; the header's record count and the
    // end-of-file byte are right after every call.
    qint64 appendRecord(const QByteArray &record); // returns the new number
    void writeRecord(qint64 recno, const QByteArray &record);
    void setDeleted(qint64 recno, bool deleted);

    // A record of blanks (every value empty, not deleted).
    QByteArray blankRecord() const;

    // The header as read at open: fixed part, field descriptors, 0x0D and
    // whatever a writer put after it.
    const QByteArray &headerBytes() const;

private:
    Table();
    struct Private;
    std::unique_ptr<Private> d;
};

// Reads every record, deleted ones too, in blocks of about `blockBytes`
// (at least one record) and hands each block to `visit(first, count,
// data)`: records first .. first + count - 1, count * recordLength() bytes.
void scanRecords(const Table &table,
                 const std::function<void(qint64 first, qint64 count, const char *data)> &visit,
                 qint64 blockBytes = 1 << 20);

// Bytes of one field inside a raw record.
QByteArrayView fieldBytes(const Field &field, const QByteArray &record);
// The same over a record inside a block read by readRecords().
QByteArrayView fieldBytes(const Field &field, QByteArrayView record);

// The value of a field: null when the bytes are blank. C -> QString (as on
// disk, nothing trimmed), N without decimals -> qint64, N with decimals ->
// double, D -> QDate, L -> bool (T/Y true, F/N false, '?' or blank null).
// Bytes that are not a valid value of the type read as null.
QVariant decodeField(const Field &field, QByteArrayView bytes);

// Writes a value into the field's bytes of a raw record. Null writes blanks;
// text is encoded Windows-1250 and padded with blanks (longer text is cut);
// numbers are right-aligned with the field's decimals; a number too wide for
// the field fails with kovara::Error rather than being stored wrong.
void encodeField(const Field &field, const QVariant &value, QByteArray &record);

// The journal of a table's unfinished change: "<path>-jurnal".
QString journalPath(const QString &tablePath);

// A damaged table's message for a refused write: the file, the faults, that
// nothing was changed, and whether repair() can mend it or only a backup
// can bring it back.
QString refusedWriteText(const QString &path, const QStringList &faults, bool repairable = true);

// What is thrown for a table whose bytes are damaged (not for one that is
// busy, missing or unreadable): the caller may tell damage from the rest.
class DamagedTable : public Error
{
public:
    using Error::Error;
};

// The fault text for `count` records with a wrong deletion flag, the first
// of them numbered from 0.
QString badFlagsText(qint64 count, qint64 first);

// Repairs what can be repaired without guessing: whole records beyond the
// header's count are counted in, a missing end mark is written, bytes after
// the last whole record are dropped. The damaged file is first copied beside
// itself (the copy's path is returned in `copy`). A table whose records do
// not sit where the header says (a wrong header length) is refused
// (kovara::Error) and left as it is. Returns what was done, one line each;
// empty when the table was sound (then no copy is made).
QStringList repair(const QString &path, QString *copy = nullptr);

// Removes the deleted records: a new file is written beside the old one and
// renamed over it, so an interruption leaves the old or the new table. When
// no record is deleted, the file is not rewritten. Returns the number of
// records removed.
qint64 pack(const QString &path);

// Adds a column at the end of every record, through a new file and a rename
// like pack(): blanks, or `fill` in every record not deleted, so the new
// column is never seen half filled.
void addColumn(const QString &path, const FieldDef &field, const QVariant &fill = {});

// How long a writer waits for readers to finish, and a reader for a writer,
// before giving up with a message (milliseconds; 30 s unless set).
int lockWait();
void setLockWait(int milliseconds);

// A reader's hold on a table: while it lives no writer changes the table
// (a writer holds the exclusive lock for its whole change, a reader the
// shared one), so what is read is wholly the table before or after a
// change. Taking it waits up to lockWait() for a running change to finish,
// calling `waiting` once if it has to wait; a journal left by a change that
// will never finish is rolled back first. Fails with kovara::Error when the
// time runs out. A file system without locks is read without one.
class ReadLock
{
public:
    static std::unique_ptr<ReadLock> take(const QString &path, const std::function<void()> &waiting = {},
                                          int timeoutMs = -1);
    ~ReadLock();
    ReadLock(const ReadLock &) = delete;
    ReadLock &operator=(const ReadLock &) = delete;

private:
    ReadLock() = default;
    QFile m_file;
};

// The message when a table stayed locked by a change for longer than a
// reader or writer waits.
QString busyTableText(const QString &path, int waitedMs);

// True when another holder keeps the file open for writing (it holds the
// lock a writer takes), or when the file cannot be opened for writing at all.
bool isInUse(const QString &path);

} // namespace kovara::dbf
