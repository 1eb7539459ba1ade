#include "engines/dbf/DbfVtab.h"

#include "base/Error.h"
#include "engines/dbf/DbfVtabTable.h"

#include <QDate>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

namespace kovara::sqlvtab {
namespace {

using sqlcodec::Kind;

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
    case 'C':
        return "TEXT COLLATE WIN1250";
    case 'D':
        return "DATETEXT";
    case 'L':
        return "INTEGER";
    default:
        return f.decimals > 0 ? "REAL" : "INTEGER";
    }
}

Kind kindOf(const dbf::Field &f)
{
    switch (f.type) {
    case 'C':
        return Kind::Text;
    case 'D':
        return Kind::Date;
    case 'L':
        return Kind::Logical;
    default:
        return f.decimals > 0 ? Kind::Real : Kind::Integer;
    }
}

int xConnect(sqlite3 *db, void *, int argc, const char *const *argv, sqlite3_vtab **out, char **err)
{
    auto tab = std::make_unique<VTable>();
    try {
        if (argc < 4)
            throw Error(QStringLiteral("Tabela dBase trebuie data prin calea fisierului."));
        tab->path = unquote(argv[3]);
        QStringList indexed;
        for (int i = 4; i < argc; ++i) {
            const QString opt = unquote(argv[i]);
            if (opt.compare(QLatin1String("readonly"), Qt::CaseInsensitive) == 0)
                tab->readOnly = true;
            else if (opt.startsWith(QLatin1String("index="), Qt::CaseInsensitive))
                indexed += opt.mid(6).split(u',', Qt::SkipEmptyParts);
            else
                throw Error(QStringLiteral("Optiune necunoscuta pentru tabela dBase: %1").arg(opt));
        }
        tab->table = dbf::Table::open(tab->path, dbf::Mode::ReadOnly);
        tab->stamp = platform::fileStamp(tab->path);
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
            if (keyable && indexed.contains(QString::fromLatin1(f.name), Qt::CaseInsensitive))
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
        case SQLITE_INDEX_CONSTRAINT_EQ:
            if (u.eq < 0)
                u.eq = i;
            break;
        case SQLITE_INDEX_CONSTRAINT_GT:
        case SQLITE_INDEX_CONSTRAINT_GE:
            if (u.lower < 0)
                u.lower = i;
            break;
        case SQLITE_INDEX_CONSTRAINT_LT:
        case SQLITE_INDEX_CONSTRAINT_LE:
            if (u.upper < 0)
                u.upper = i;
            break;
        default:
            break;
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
    // A whole table in the order of one column: the keys are sorted, not the
    // rows. Only without conditions: rows a condition drops would be read
    // one by one for nothing, and SQLite sorts the rows that pass cheaper.
    bool conditions = false;
    for (int i = 0; i < info->nConstraint; ++i)
        conditions = conditions || info->aConstraint[i].usable;
    if (info->idxNum == FullScan && !conditions && info->nOrderBy == 1 && info->aOrderBy[0].iColumn >= 0) {
        info->idxNum = int(FullScan) | int(Ordered) | (info->aOrderBy[0].desc ? int(Descending) : 0) |
                       (info->aOrderBy[0].iColumn << 16);
        info->orderByConsumed = 1;
        info->estimatedCost = rows * 2;
    }
    return SQLITE_OK;
}

} // namespace

// Defined in DbfVtabCursor.cpp.
int dbfOpen(sqlite3_vtab *vt, sqlite3_vtab_cursor **out);
int dbfClose(sqlite3_vtab_cursor *cur);
int dbfFilter(sqlite3_vtab_cursor *cur, int idxNum, const char *idxStr, int argc, sqlite3_value **argv);
int dbfNext(sqlite3_vtab_cursor *cur);
int dbfEof(sqlite3_vtab_cursor *cur);
int dbfColumn(sqlite3_vtab_cursor *cur, sqlite3_context *ctx, int i);
int dbfRowid(sqlite3_vtab_cursor *cur, sqlite3_int64 *rowid);
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
        m.xOpen = dbfOpen;
        m.xClose = dbfClose;
        m.xFilter = dbfFilter;
        m.xNext = dbfNext;
        m.xEof = dbfEof;
        m.xColumn = dbfColumn;
        m.xRowid = dbfRowid;
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
