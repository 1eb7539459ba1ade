#include "data/DbfVtab.h"

#include "data/DbfVtabTable.h"
#include "data/Error.h"

#include <QDate>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

namespace kovara::sqlvtab {
namespace {

using sqlcodec::Kind;

constexpr qint64 kBlockBytes = 64 * 1024;

// Plans chosen by xBestIndex (low bits of idxNum).
enum Plan { FullScan = 0, ByRowid = 1, ByIndex = 2 };
enum Bound { HasEq = 4, HasLower = 8, HasUpper = 16 };
// The rows come in the order of one column (its number from bit 16 on).
enum Order { Ordered = 32, Descending = 64 };

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
};

QString unquote(const char *arg)
{
    QString s = QString::fromUtf8(arg).trimmed();
    if (s.size() >= 2 && (s.front() == u'\'' || s.front() == u'"') && s.back() == s.front()) {
        const QChar q = s.front();
        s = s.mid(1, s.size() - 2);
        s.replace(QString(2, q), QString(q));
    }
    return s;
}

const char *declaredType(const dbf::Field &f)
{
    switch (f.type) {
    case 'C': return "TEXT COLLATE WIN1250";
    case 'D': return "DATETEXT";
    case 'L': return "INTEGER";
    default: return f.decimals > 0 ? "REAL" : "INTEGER";
    }
}

Kind kindOf(const dbf::Field &f)
{
    switch (f.type) {
    case 'C': return Kind::Text;
    case 'D': return Kind::Date;
    case 'L': return Kind::Logical;
    default: return f.decimals > 0 ? Kind::Real : Kind::Integer;
    }
}

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

int xConnect(sqlite3 *db, void *, int argc, const char *const *argv, sqlite3_vtab **out, char **err)
{
    auto tab = std::make_unique<VTable>();
    try {
        if (argc < 4)
            throw Error(QStringLiteral("Tabela dBase trebuie data prin calea fisierului."));
        tab->path = unquote(argv[3]);
        QStringList extraIndexes;
        for (int i = 4; i < argc; ++i) {
            const QString opt = unquote(argv[i]);
            if (opt.compare(QLatin1String("readonly"), Qt::CaseInsensitive) == 0)
                tab->readOnly = true;
            else if (opt.startsWith(QLatin1String("index="), Qt::CaseInsensitive))
                extraIndexes += opt.mid(6).split(u',', Qt::SkipEmptyParts);
            else
                throw Error(QStringLiteral("Optiune necunoscuta pentru tabela dBase: %1").arg(opt));
        }
        tab->table = dbf::Table::open(tab->path, dbf::Mode::ReadOnly);
        tab->stamp = stampOf(tab->path);
        tab->reopenReader();
        tab->fields = tab->table->fields();
        tab->recordLength = tab->table->recordLength();
        QByteArray schema = "CREATE TABLE x(";
        for (int i = 0; i < tab->fields.size(); ++i) {
            const dbf::Field &f = tab->fields[i];
            const Kind kind = kindOf(f);
            tab->columns.push_back({f.name, kind, f.offset, f.length, i});
            QByteArray quotedName = f.name;
            quotedName.replace('"', "\"\"");
            schema += (i ? ", \"" : "\"") + quotedName + "\" " + declaredType(f);
            const bool keyable = kind == Kind::Integer || kind == Kind::Date;
            const bool wanted = f.name == "IDCERERE" || f.name == "DINDATA" ||
                                extraIndexes.contains(QString::fromLatin1(f.name), Qt::CaseInsensitive);
            if (keyable && wanted)
                tab->indexedColumns.push_back(i);
        }
        schema += ")";
        if (sqlite3_declare_vtab(db, schema.constData()) != SQLITE_OK)
            throw Error(QString::fromUtf8(sqlite3_errmsg(db)));
    } catch (const Error &e) {
        *err = sqlite3_mprintf("%s", e.message().toUtf8().constData());
        return SQLITE_ERROR;
    }
    *out = tab.release();
    return SQLITE_OK;
}

int xDisconnect(sqlite3_vtab *vt)
{
    delete static_cast<VTable *>(vt);
    return SQLITE_OK;
}

int xBestIndex(sqlite3_vtab *vt, sqlite3_index_info *info)
{
    auto *tab = static_cast<VTable *>(vt);
    const double rows = double(qMax<qint64>(1, tab->table ? tab->table->recordCount() : 1));
    int rowidEq = -1;
    struct Use
    {
        int eq = -1, lower = -1, upper = -1;
    };
    std::vector<Use> uses(tab->columns.size());
    for (int i = 0; i < info->nConstraint; ++i) {
        const auto &c = info->aConstraint[i];
        if (!c.usable)
            continue;
        if (c.iColumn < 0) {
            if (c.op == SQLITE_INDEX_CONSTRAINT_EQ && rowidEq < 0)
                rowidEq = i;
            continue;
        }
        if (std::find(tab->indexedColumns.begin(), tab->indexedColumns.end(), c.iColumn) ==
            tab->indexedColumns.end())
            continue;
        Use &u = uses[size_t(c.iColumn)];
        switch (c.op) {
        case SQLITE_INDEX_CONSTRAINT_EQ: if (u.eq < 0) u.eq = i; break;
        case SQLITE_INDEX_CONSTRAINT_GT:
        case SQLITE_INDEX_CONSTRAINT_GE: if (u.lower < 0) u.lower = i; break;
        case SQLITE_INDEX_CONSTRAINT_LT:
        case SQLITE_INDEX_CONSTRAINT_LE: if (u.upper < 0) u.upper = i; break;
        default: break;
        }
    }
    info->idxNum = FullScan;
    info->estimatedCost = rows;
    info->estimatedRows = sqlite3_int64(rows);
    if (rowidEq >= 0) {
        info->idxNum = ByRowid;
        info->aConstraintUsage[rowidEq].argvIndex = 1;
        info->estimatedCost = 1;
        info->estimatedRows = 1;
        info->idxFlags = SQLITE_INDEX_SCAN_UNIQUE;
        info->orderByConsumed = 1; // one row at most
        return SQLITE_OK;
    }
    for (size_t col = 0; col < uses.size(); ++col) {
        const Use &u = uses[col];
        double cost = 0, est = 0;
        int flags = 0;
        if (u.eq >= 0) {
            flags = HasEq;
            est = 1;
            cost = 2;
        } else if (u.lower >= 0 || u.upper >= 0) {
            flags = (u.lower >= 0 ? HasLower : 0) | (u.upper >= 0 ? HasUpper : 0);
            est = (u.lower >= 0 && u.upper >= 0) ? rows / 10 : rows / 2;
            cost = est * 3;
        } else {
            continue;
        }
        if (cost >= info->estimatedCost)
            continue;
        for (int i = 0; i < info->nConstraint; ++i)
            info->aConstraintUsage[i].argvIndex = 0;
        int arg = 1;
        if (flags & HasEq)
            info->aConstraintUsage[u.eq].argvIndex = arg++;
        if (flags & HasLower)
            info->aConstraintUsage[u.lower].argvIndex = arg++;
        if (flags & HasUpper)
            info->aConstraintUsage[u.upper].argvIndex = arg++;
        info->idxNum = ByIndex | flags | int(col << 8);
        info->estimatedCost = cost;
        info->estimatedRows = sqlite3_int64(qMax(1.0, est));
    }
    // A whole scan in the order of one column: the keys are sorted, not the rows.
    if (info->idxNum == FullScan && info->nOrderBy == 1 && info->aOrderBy[0].iColumn >= 0) {
        info->idxNum = int(FullScan) | int(Ordered) | (info->aOrderBy[0].desc ? int(Descending) : 0) |
                       (info->aOrderBy[0].iColumn << 16);
        info->orderByConsumed = 1;
        info->estimatedCost = rows * 1.5;
    }
    return SQLITE_OK;
}

int xOpen(sqlite3_vtab *vt, sqlite3_vtab_cursor **out)
{
    auto *c = new Cursor;
    c->tab = static_cast<VTable *>(vt);
    *out = c;
    return SQLITE_OK;
}

int xClose(sqlite3_vtab_cursor *cur)
{
    delete static_cast<Cursor *>(cur);
    return SQLITE_OK;
}

// Moves to the next visible record at or after `from` (full scan).
void scanFrom(Cursor *c, qint64 from)
{
    VTable *t = c->tab;
    for (qint64 r = from; r < c->count; ++r) {
        if (const char *rec = t->mapped(r)) {
            if (rec[0] != '*') {
                c->recno = r;
                c->record = rec;
                c->eof = false;
                return;
            }
            continue;
        }
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

// Moves to the next visible record of the list (indexed).
void listFrom(Cursor *c, size_t from)
{
    VTable *t = c->tab;
    for (c->pos = from; c->pos < c->list.size(); ++c->pos) {
        const qint64 r = c->list[c->pos];
        if (r >= t->table->recordCount())
            continue;
        const char *rec = t->mapped(r);
        if (!rec) {
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
}

// The key of a constraint's value, rounded outwards; false when the value
// cannot be a key (the caller then scans the whole table).
bool keyArg(const Column &col, sqlite3_value *v, bool upper, qint64 &key)
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
    default: return false;
    }
}

int xFilter(sqlite3_vtab_cursor *cur, int idxNum, const char *, int argc, sqlite3_value **argv)
{
    auto *c = static_cast<Cursor *>(cur);
    VTable *t = c->tab;
    return guarded(t, [&] {
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
                    auto first = std::lower_bound(ix->entries.begin(), ix->entries.end(),
                                                  ColumnIndex::Entry{lo, std::numeric_limits<qint32>::min()});
                    for (auto it = first; it != ix->entries.end() && it->key <= hi; ++it)
                        c->list.push_back(it->recno);
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

int xNext(sqlite3_vtab_cursor *cur)
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

int xEof(sqlite3_vtab_cursor *cur)
{
    return static_cast<Cursor *>(cur)->eof ? 1 : 0;
}

int xColumn(sqlite3_vtab_cursor *cur, sqlite3_context *ctx, int i)
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

int xRowid(sqlite3_vtab_cursor *cur, sqlite3_int64 *rowid)
{
    *rowid = static_cast<Cursor *>(cur)->recno + 1;
    return SQLITE_OK;
}

} // namespace

// Defined in DbfVtabWrite.cpp.
int dbfUpdate(sqlite3_vtab *vt, int argc, sqlite3_value **argv, sqlite3_int64 *rowid);
int dbfBegin(sqlite3_vtab *vt);
int dbfSync(sqlite3_vtab *vt);
int dbfCommit(sqlite3_vtab *vt);
int dbfRollback(sqlite3_vtab *vt);

void registerDbfModule(sqlite3 *db)
{
    static sqlite3_module module = [] {
        sqlite3_module m{};
        m.iVersion = 1;
        m.xCreate = xConnect;
        m.xConnect = xConnect;
        m.xBestIndex = xBestIndex;
        m.xDisconnect = xDisconnect;
        m.xDestroy = xDisconnect;
        m.xOpen = xOpen;
        m.xClose = xClose;
        m.xFilter = xFilter;
        m.xNext = xNext;
        m.xEof = xEof;
        m.xColumn = xColumn;
        m.xRowid = xRowid;
        m.xUpdate = dbfUpdate;
        m.xBegin = dbfBegin;
        m.xSync = dbfSync;
        m.xCommit = dbfCommit;
        m.xRollback = dbfRollback;
        return m;
    }();
    sqlite3_create_module(db, "dbf", &module, nullptr);
    sqlite3_create_collation(db, "WIN1250", SQLITE_UTF8, nullptr,
                             [](void *, int n1, const void *s1, int n2, const void *s2) {
                                 return sqlcodec::compareWin1250(n1, s1, n2, s2);
                             });
}

} // namespace kovara::sqlvtab
