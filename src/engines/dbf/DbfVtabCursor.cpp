// Cursors of the dbf virtual table: a scan of the file in blocks, the
// records an index names, or every record in the order of one column (the
// last two read in place where the file is mapped).

#include "engines/dbf/DbfVtabTable.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kovara::sqlvtab {
namespace {

using sqlcodec::Kind;

constexpr qint64 kBlockBytes = 64 * 1024;

struct Cursor : sqlite3_vtab_cursor
{
    VTable *tab = nullptr;
    bool eof = true;
    qint64 recno = -1;
    const char *record = nullptr;
    // Full scan: a block of consecutive records.
    qint64 count = 0;
    qint64 blockFirst = 0;
    qint64 blockRecords = 0;
    QByteArray block;
    // Indexed: the records to visit, in file order.
    bool useList = false;
    std::vector<qint32> list;
    size_t pos = 0;
    QByteArray single;
    std::string text;
    // Records were read through the file's mapping.
    bool usedMap = false;
    // The cursor counts among the table's readers (it holds the reader's lock).
    bool reading = false;
};

} // namespace

int dbfOpen(sqlite3_vtab *vt, sqlite3_vtab_cursor **out)
{
    auto *c = new Cursor;
    c->tab = static_cast<VTable *>(vt);
    *out = c;
    return SQLITE_OK;
}

static void letGo(Cursor *c);

int dbfClose(sqlite3_vtab_cursor *cur)
{
    auto *c = static_cast<Cursor *>(cur);
    letGo(c);
    if (c->reading)
        c->tab->endRead();
    delete c;
    return SQLITE_OK;
}

// Moves to the next visible record at or after `from` (full scan).
static void scanFrom(Cursor *c, qint64 from)
{
    VTable *t = c->tab;
    for (qint64 r = from; r < c->count; ++r) {
        if (r < c->blockFirst || r >= c->blockFirst + c->blockRecords) {
            const qint64 perBlock = qMax<qint64>(1, kBlockBytes / t->recordLength);
            c->blockFirst = r;
            c->blockRecords = qMin(perBlock, c->count - r);
            t->table->readRecords(r, c->blockRecords, c->block);
        }
        const char *rec = c->block.constData() + (r - c->blockFirst) * t->recordLength;
        if (rec[0] != '*') {
            c->recno = r;
            c->record = rec;
            c->eof = false;
            return;
        }
    }
    c->eof = true;
}

// The mapped pages the cursor read stay in the file cache but stop
// counting as this process's memory.
static void letGo(Cursor *c)
{
    if (c->usedMap)
        c->tab->reader.release(c->tab->reader.data(), c->tab->reader.data() + c->tab->reader.size());
    c->usedMap = false;
}

// Moves to the next visible record of the list (indexed).
static void listFrom(Cursor *c, size_t from)
{
    VTable *t = c->tab;
    for (c->pos = from; c->pos < c->list.size(); ++c->pos) {
        const qint64 r = c->list[c->pos];
        if (r >= t->table->recordCount())
            continue;
        // Records here lie anywhere in the file: read in place where mapped.
        const char *rec = t->mapped(r);
        if (rec) {
            c->usedMap = true;
        } else {
            t->readOne(r, c->single);
            rec = c->single.size() >= t->recordLength ? c->single.constData() : nullptr;
        }
        if (rec && rec[0] != '*') {
            c->recno = r;
            c->record = rec;
            c->eof = false;
            return;
        }
    }
    c->eof = true;
    letGo(c);
}

// The key of a constraint's value, rounded outwards; false when the value
// cannot be a key (the caller then scans the whole table).
static bool keyArg(const Column &col, sqlite3_value *v, bool upper, qint64 &key)
{
    switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER:
        if (col.kind != Kind::Integer)
            return false;
        key = sqlite3_value_int64(v);
        return true;
    case SQLITE_FLOAT: {
        if (col.kind != Kind::Integer)
            return false;
        const double d = sqlite3_value_double(v);
        if (!std::isfinite(d) || std::fabs(d) > 9e17)
            return false;
        key = qint64(upper ? std::ceil(d) : std::floor(d));
        return true;
    }
    case SQLITE_TEXT: {
        const char *p = reinterpret_cast<const char *>(sqlite3_value_text(v));
        const int n = sqlite3_value_bytes(v);
        if (col.kind == Kind::Date) {
            int d = 0;
            if (!sqlcodec::parseIsoDate(p, n, d) || n != 10 || p[4] != '-')
                return false;
            key = d;
            return true;
        }
        return sqlcodec::parseInteger(p, n, key);
    }
    default:
        return false;
    }
}

int dbfFilter(sqlite3_vtab_cursor *cur, int idxNum, const char *, int argc, sqlite3_value **argv)
{
    auto *c = static_cast<Cursor *>(cur);
    VTable *t = c->tab;
    return guarded(t, [&] {
        if (!c->reading) {
            t->beginRead();
            c->reading = true;
        }
        t->ensureFresh();
        c->eof = true;
        c->useList = false;
        c->list.clear();
        c->blockRecords = 0;
        c->count = t->table->recordCount();
        const int plan = idxNum & 3;
        if (plan == ByRowid && argc >= 1) {
            c->useList = true;
            // The rowid as SQLite compares it: a whole number, also one
            // written as text or as an integral real.
            sqlite3_value *v = argv[0];
            qint64 rowid = 0;
            bool whole = false;
            if (sqlite3_value_type(v) == SQLITE_INTEGER) {
                rowid = sqlite3_value_int64(v);
                whole = true;
            } else if (sqlite3_value_type(v) == SQLITE_FLOAT) {
                const double d = sqlite3_value_double(v);
                whole = std::fabs(d) < 9e15 && d == std::floor(d);
                rowid = qint64(d);
            } else if (sqlite3_value_type(v) == SQLITE_TEXT) {
                whole = sqlcodec::parseInteger(reinterpret_cast<const char *>(sqlite3_value_text(v)),
                                               sqlite3_value_bytes(v), rowid);
            }
            if (whole && rowid >= 1 && rowid <= c->count)
                c->list.push_back(qint32(rowid - 1));
            listFrom(c, 0);
            return SQLITE_OK;
        }
        if (plan == ByIndex) {
            const int col = (idxNum >> 8) & 0xFF;
            const Column &column = t->columns[size_t(col)];
            qint64 lo = std::numeric_limits<qint64>::min(), hi = std::numeric_limits<qint64>::max();
            int arg = 0;
            bool usable = true, none = false;
            auto take = [&](bool upper, qint64 &out) {
                sqlite3_value *v = argv[arg++];
                if (sqlite3_value_type(v) == SQLITE_NULL)
                    none = true;
                else if (!keyArg(column, v, upper, out))
                    usable = false;
            };
            if (idxNum & HasEq) {
                take(false, lo);
                hi = lo;
                if (usable && !none && sqlite3_value_type(argv[0]) == SQLITE_FLOAT &&
                    double(lo) != sqlite3_value_double(argv[0]))
                    none = true;
            }
            if (idxNum & HasLower)
                take(false, lo);
            if (idxNum & HasUpper)
                take(true, hi);
            if (usable) {
                c->useList = true;
                if (!none) {
                    t->buildIndexes();
                    const ColumnIndex *ix = t->indexOf(col);
                    if (!ix->range(lo, hi, c->list)) {
                        // A damaged index cache: the table itself answers.
                        c->list.clear();
                        t->dropIndexes();
                        t->buildIndexes(true);
                        ix = t->indexOf(col);
                        ix->range(lo, hi, c->list);
                    }
                    c->list.insert(c->list.end(), ix->odd.begin(), ix->odd.end());
                    std::sort(c->list.begin(), c->list.end());
                }
                listFrom(c, 0);
                return SQLITE_OK;
            }
        }
        if (idxNum & Ordered) {
            c->useList = true;
            orderedRecords(t, idxNum >> 16, (idxNum & Descending) != 0, c->list);
            listFrom(c, 0);
            return SQLITE_OK;
        }
        scanFrom(c, 0);
        return SQLITE_OK;
    });
}

int dbfNext(sqlite3_vtab_cursor *cur)
{
    auto *c = static_cast<Cursor *>(cur);
    return guarded(c->tab, [&] {
        if (c->useList)
            listFrom(c, c->pos + 1);
        else
            scanFrom(c, c->recno + 1);
        return SQLITE_OK;
    });
}

int dbfEof(sqlite3_vtab_cursor *cur)
{
    return static_cast<Cursor *>(cur)->eof ? 1 : 0;
}

int dbfColumn(sqlite3_vtab_cursor *cur, sqlite3_context *ctx, int i)
{
    auto *c = static_cast<Cursor *>(cur);
    if (sqlite3_vtab_nochange(ctx))
        return SQLITE_OK;
    const Column &col = c->tab->columns[size_t(i)];
    const char *p = c->record + col.offset;
    switch (col.kind) {
    case Kind::Text: {
        const int n = sqlcodec::trimmedLength(p, col.length);
        if (n == 0)
            break;
        if (sqlcodec::isAscii(p, n)) {
            sqlite3_result_text(ctx, p, n, SQLITE_TRANSIENT);
        } else {
            c->text.clear();
            sqlcodec::win1250ToUtf8(p, n, c->text);
            sqlite3_result_text(ctx, c->text.data(), int(c->text.size()), SQLITE_TRANSIENT);
        }
        break;
    }
    case Kind::Integer: {
        qint64 v = 0;
        double d = 0;
        if (sqlcodec::parseInteger(p, col.length, v))
            sqlite3_result_int64(ctx, v);
        else if (sqlcodec::parseReal(p, col.length, d))
            sqlite3_result_double(ctx, d);
        break;
    }
    case Kind::Real: {
        double d = 0;
        if (sqlcodec::parseReal(p, col.length, d))
            sqlite3_result_double(ctx, d);
        break;
    }
    case Kind::Date: {
        int d = 0;
        if (sqlcodec::parseDate(p, sqlcodec::trimmedLength(p, col.length), d)) {
            char iso[10];
            sqlcodec::formatIsoDate(d, iso);
            sqlite3_result_text(ctx, iso, 10, SQLITE_TRANSIENT);
        }
        break;
    }
    case Kind::Logical: {
        const int v = col.length > 0 ? sqlcodec::logicalValue(p[0]) : -1;
        if (v >= 0)
            sqlite3_result_int(ctx, v);
        break;
    }
    }
    return SQLITE_OK;
}

int dbfRowid(sqlite3_vtab_cursor *cur, sqlite3_int64 *rowid)
{
    *rowid = static_cast<Cursor *>(cur)->recno + 1;
    return SQLITE_OK;
}

} // namespace kovara::sqlvtab
