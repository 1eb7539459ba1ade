#pragma once

// Inner state of one dbf virtual table: the open file, its column layout,
// the in-memory indexes and the running transaction.

#include "base/Error.h"
#include "base/Platform.h"
#include "engines/dbf/Dbf.h"
#include "engines/dbf/DbfCodec.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>
#include <sqlite3.h>
#include <unordered_map>
#include <vector>

namespace kovara::sqlvtab {

struct Column
{
    QByteArray name;
    sqlcodec::Kind kind = sqlcodec::Kind::Text;
    int offset = 0;
    int length = 0;
    int field = 0; // index in Table::fields()
};

// Sorted (key, record) pairs of one column. Keys: whole numbers, or dates
// as yyyymmdd. Records whose value is not a key but not null either (a
// fraction in a whole-number column) are kept apart and always returned.
struct ColumnIndex
{
    int column = 0;
    struct Entry
    {
        qint64 key;
        qint32 recno;
        bool operator<(const Entry &o) const { return key < o.key || (key == o.key && recno < o.recno); }
    };
    std::vector<Entry> entries;
    std::vector<qint32> odd;

    // Entries read in place from the table's index cache (DbfIndexCache.h)
    // until the first change: only the blocks a lookup touches are read,
    // each checked against its checksum the first time.
    static constexpr size_t kBlockEntries = 4096;
    struct InPlace
    {
        std::shared_ptr<const platform::MappedFile> file;
        const Entry *begin = nullptr;
        size_t count = 0;
        const char *sums = nullptr; // one Adler-32 per block, little-endian
        qint64 records = 0;         // every record number lies below
        mutable std::vector<char> checked;
    };
    std::optional<InPlace> inPlace;

    // The records whose key lies in [lo, hi], appended to `out`; false when
    // a block of the cache fails its checksum (the indexes must then be
    // built from the table).
    bool range(qint64 lo, qint64 hi, std::vector<qint32> &out) const;
    // Copies entries read in place into `entries`, every block checked;
    // false when one fails.
    bool materialize();

    void insert(qint64 key, qint32 recno);
    void erase(qint64 key, qint32 recno);
};

// The key of a column in a raw record: 1 key, 0 null, -1 not a key.
int keyOf(const Column &c, const char *record, qint64 &key);

struct VTable : sqlite3_vtab
{
    QString path;
    bool readOnly = false;
    std::unique_ptr<dbf::Table> table;
    bool writable = false;
    platform::FileStamp stamp;
    std::vector<Column> columns;
    QList<dbf::Field> fields;
    int recordLength = 0;

    std::vector<int> indexedColumns;
    std::vector<ColumnIndex> indexes;
    bool indexesBuilt = false;
    // The indexes follow changes this connection made (to be saved in the
    // table's index cache), and the file's state after its last change.
    bool indexesChanged = false;
    platform::FileStamp committedStamp;

    // A transaction is running: the writable table keeps the old bytes of
    // every change in its journal on disk until commit or rollback.
    bool inTransaction = false;

    ~VTable();
    void setError(const QString &message);
    void reopenReader();
    // Reopens the file when another writer changed it since the last look.
    void ensureFresh();
    // One record straight from the file (deleted ones too).
    void readOne(qint64 recno, QByteArray &into);
    // The file open for reading on its own, and mapped whole (where the
    // platform lets a reader stay open): records are read in place instead
    // of being copied.
    platform::MappedFile reader;
    // The record in the mapping; null when it lies beyond (appended since)
    // or nothing is mapped.
    const char *mapped(qint64 recno) const
    {
        const qint64 at = headerLength + recno * recordLength;
        return reader.data() && at + recordLength <= reader.size() ? reader.data() + at : nullptr;
    }
    qint64 headerLength = 0;
    void ensureWritable();
    void releaseWritable();

    // The statements reading the table hold the reader's lock between
    // them (dbf::ReadLock): a change of another process is seen whole or
    // not at all. While this connection writes, it holds the writer's lock
    // instead.
    int readers = 0;
    std::unique_ptr<dbf::ReadLock> readLock;
    void beginRead();
    void endRead();
    // After a change: the readers still open take the reader's lock again.
    void resumeReading();
    // From the index cache when it matches the table, else from the table
    // (always from the table with `fromTable`).
    void buildIndexes(bool fromTable = false);
    void dropIndexes();
    ColumnIndex *indexOf(int column);

    void begin();
    void commit();
    void rollback();

    void indexRemove(qint64 recno, const char *record);
    void indexAdd(qint64 recno, const char *record);
    void indexChange(qint64 recno, const char *before, const char *after);
};

// Plans chosen by xBestIndex (low bits of idxNum).
enum Plan { FullScan = 0, ByRowid = 1, ByIndex = 2 };
enum Bound { HasEq = 4, HasLower = 8, HasUpper = 16 };
// The rows come in the order of one column (its number from bit 16 on).
enum Order { Ordered = 32, Descending = 64 };

// Runs a module callback, turning a failure into the table's error message.
template <typename F> int guarded(sqlite3_vtab *vt, F &&f)
{
    try {
        return f();
    } catch (const Error &e) {
        static_cast<VTable *>(vt)->setError(e.message());
    } catch (const std::exception &e) {
        static_cast<VTable *>(vt)->setError(QString::fromUtf8(e.what()));
    }
    return SQLITE_ERROR;
}

// Every visible record of the table in the order of a column, as SQLite
// orders the column's values (nulls first; texts by Windows-1250 bytes).
void orderedRecords(VTable *t, int column, bool desc, std::vector<qint32> &out);

} // namespace kovara::sqlvtab
