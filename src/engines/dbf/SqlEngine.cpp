#include "engines/dbf/SqlEngine.h"
#include "base/FileNames.h"

#include "base/Error.h"
#include "engines/dbf/DbfVtab.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>

namespace kovara {
namespace {

constexpr int kCacheLimit = 64;

QString quoted(const QString &name)
{
    QString n = name;
    n.replace(u'"', QLatin1String("\"\""));
    return u'"' + n + u'"';
}

QString sqlString(const QString &text)
{
    QString t = text;
    t.replace(u'\'', QLatin1String("''"));
    return u'\'' + t + u'\'';
}

QString keyOf(const QString &path)
{
    return QFileInfo(findFileNoCase(path)).absoluteFilePath();
}

int readOnlyAuthorizer(void *, int action, const char *, const char *, const char *, const char *)
{
    switch (action) {
    case SQLITE_SELECT:
    case SQLITE_READ:
    case SQLITE_FUNCTION:
    case SQLITE_RECURSIVE:
        return SQLITE_OK;
    default:
        return SQLITE_DENY;
    }
}

} // namespace

Database::Database()
{
    // No memory statistics: they cost a lock on every allocation.
    static const int configured = sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);
    Q_UNUSED(configured);
    if (sqlite3_open_v2(":memory:", &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                        nullptr) != SQLITE_OK)
        throw Error(QStringLiteral("Motorul SQL nu poate fi pornit."));
    sqlvtab::registerDbfModule(m_db);
    // One thread uses a connection; sorting stays in memory up to 32 MB.
    sqlite3_exec(m_db, "PRAGMA temp_store=MEMORY; PRAGMA cache_size=-32768", nullptr, nullptr, nullptr);
}

Database::~Database()
{
    clearCache();
    sqlite3_close_v2(m_db);
}

Database &Database::shared()
{
    static Database db;
    return db;
}

sqlite3_stmt *Database::acquire(const QString &sql)
{
    if (sqlite3_stmt *cached = m_cache.take(sql))
        return cached;
    const QByteArray text = sql.toUtf8();
    sqlite3_stmt *stmt = nullptr;
    const char *tail = nullptr;
    if (sqlite3_prepare_v3(m_db, text.constData(), int(text.size()), SQLITE_PREPARE_PERSISTENT, &stmt,
                           &tail) != SQLITE_OK)
        throw Error(
            QStringLiteral("Instructiune SQL gresita: %1").arg(QString::fromUtf8(sqlite3_errmsg(m_db))));
    if (!stmt)
        throw Error(QStringLiteral("Textul nu contine nici o instructiune SQL."));
    // Anything after the first statement, other than blanks and comments, is refused.
    sqlite3_stmt *next = nullptr;
    const char *end = text.constData() + text.size();
    const int rc =
        tail && tail < end ? sqlite3_prepare_v2(m_db, tail, int(end - tail), &next, nullptr) : SQLITE_OK;
    if (rc != SQLITE_OK || next) {
        sqlite3_finalize(next);
        sqlite3_finalize(stmt);
        throw Error(QStringLiteral("Este permisa o singura instructiune SQL."));
    }
    return stmt;
}

void Database::release(const QString &sql, sqlite3_stmt *stmt)
{
    if (!stmt)
        return;
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
    if (m_cache.size() >= kCacheLimit || m_cache.contains(sql)) {
        sqlite3_finalize(stmt);
        return;
    }
    m_cache.insert(sql, stmt);
}

void Database::clearCache()
{
    for (sqlite3_stmt *s : std::as_const(m_cache))
        sqlite3_finalize(s);
    m_cache.clear();
}

void Database::setReadOnlyGuard(bool on)
{
    clearCache();
    sqlite3_set_authorizer(m_db, on ? readOnlyAuthorizer : nullptr, nullptr);
}

void Database::attach(const QString &name, const QString &path, bool readOnly)
{
    const QString file = findFileNoCase(path);
    const QString key = QFileInfo(file).absoluteFilePath();
    for (const Attached &a : std::as_const(m_byPath))
        if (a.name.compare(name, Qt::CaseInsensitive) == 0 && a.path != key)
            throw Error(QStringLiteral("Numele de tabela %1 este deja folosit.").arg(name));
    if (auto it = m_byPath.constFind(key); it != m_byPath.cend()) {
        if (it->name.compare(name, Qt::CaseInsensitive) != 0)
            throw Error(QStringLiteral("Fisierul %1 este deja folosit ca tabela %2.")
                            .arg(QDir::toNativeSeparators(key), it->name));
        return;
    }
    QString options = readOnly ? QStringLiteral(", 'readonly'") : QString();
    if (const auto indexed = m_indexed.constFind(key); indexed != m_indexed.cend() && !indexed->isEmpty())
        options += QStringLiteral(", ") + sqlString(QStringLiteral("index=") + indexed->join(u','));
    const QString sql = QStringLiteral("CREATE VIRTUAL TABLE temp.%1 USING dbf(%2%3)")
                            .arg(quoted(name), sqlString(key), options);
    char *err = nullptr;
    if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &err) != SQLITE_OK) {
        const QString message = QString::fromUtf8(err ? err : sqlite3_errmsg(m_db));
        sqlite3_free(err);
        throw Error(message);
    }
    m_byPath.insert(key, {name, key, readOnly});
}

void Database::setIndexedColumns(const QString &path, const QStringList &columns)
{
    const QString key = keyOf(path);
    if (m_indexed.value(key) == columns)
        return;
    m_indexed.insert(key, columns);
    const auto it = m_byPath.constFind(key);
    if (it == m_byPath.cend())
        return;
    // Attached again with them. A table that cannot be let go of now (the
    // read-only guard is on) keeps its indexes until its next attachment.
    clearCache();
    const QString sql = QStringLiteral("DROP TABLE temp.%1").arg(quoted(it->name));
    if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        return;
    reattach(m_byPath.take(key));
}

QString Database::table(const QString &path)
{
    const QString key = keyOf(path);
    auto it = m_byPath.constFind(key);
    if (it != m_byPath.cend())
        return quoted(it->name);
    QString base = QFileInfo(key).completeBaseName().toUpper();
    for (QChar &c : base)
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != u'_')
            c = u'_';
    if (base.isEmpty())
        base = QStringLiteral("T");
    QString name = base;
    for (int n = 2; !pathOf(name).isEmpty(); ++n)
        name = base + u'_' + QString::number(n);
    attach(name, key);
    return quoted(name);
}

QString Database::pathOf(const QString &name) const
{
    for (const Attached &a : m_byPath)
        if (a.name.compare(name, Qt::CaseInsensitive) == 0)
            return a.path;
    return {};
}

Database::Attached Database::takeAttached(const QString &path)
{
    const QString key = keyOf(path);
    auto it = m_byPath.find(key);
    if (it == m_byPath.end())
        return {};
    Attached a = *it;
    clearCache();
    const QString sql = QStringLiteral("DROP TABLE temp.%1").arg(quoted(a.name));
    sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, nullptr);
    m_byPath.erase(it);
    return a;
}

void Database::reattach(const Attached &a)
{
    if (!a.name.isEmpty() && QFileInfo::exists(a.path))
        attach(a.name, a.path, a.readOnly);
}

void Database::detach(const QString &path)
{
    takeAttached(path);
}

void Database::detachAll()
{
    const auto all = m_byPath.keys();
    for (const QString &p : all)
        takeAttached(p);
}

int Database::exec(const QString &sql, const QVariantList &values)
{
    Statement st(*this, sql);
    st.bind(values);
    while (st.step()) {
    }
    return sqlite3_changes(m_db);
}

int Database::exec(const QString &sql, const QVariantMap &values)
{
    Statement st(*this, sql);
    st.bind(values);
    while (st.step()) {
    }
    return sqlite3_changes(m_db);
}

void Database::createTable(const QString &path, const QList<dbf::FieldDef> &fields)
{
    dbf::Table::create(path, fields);
}

void Database::createTable(const QString &path, const QString &columns)
{
    createTable(path, parseColumnList(columns));
}

void Database::dropTable(const QString &path)
{
    takeAttached(path);
    const QString file = findFileNoCase(path);
    if (QFileInfo::exists(file) && !QFile::remove(file))
        throw Error(QStringLiteral("Fisierul %1 nu poate fi sters.").arg(QDir::toNativeSeparators(file)));
}

void Database::addColumn(const QString &path, const dbf::FieldDef &field, const QVariant &fill)
{
    // Our own view of the file is closed first; the file's lock refuses the
    // change while anyone else has the table open for writing.
    const Attached a = takeAttached(path);
    const QString file = findFileNoCase(path);
    try {
        dbf::addColumn(file, field, fill);
    } catch (...) {
        reattach(a);
        throw;
    }
    reattach(a);
}

void Database::addColumn(const QString &path, const QString &column, const QVariant &fill)
{
    const QList<dbf::FieldDef> fields = parseColumnList(column);
    if (fields.size() != 1)
        throw Error(QStringLiteral("Se poate adauga o singura coloana odata."));
    addColumn(path, fields.first(), fill);
}

void Database::packTable(const QString &path)
{
    // Our own view of the file is closed first; the file's lock refuses the
    // change while anyone else has the table open for writing.
    const Attached a = takeAttached(path);
    const QString file = findFileNoCase(path);
    try {
        dbf::pack(file);
    } catch (...) {
        reattach(a);
        throw;
    }
    reattach(a);
}

void Database::appendRow(const QString &path, const QVariantMap &values)
{
    const QString name = table(path);
    Statement probe(*this, QStringLiteral("SELECT * FROM %1 LIMIT 0").arg(name));
    QStringList columns, marks;
    QVariantList bound;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        QString found;
        for (int i = 0; i < probe.columnCount() && found.isEmpty(); ++i)
            if (probe.columnName(i).compare(it.key(), Qt::CaseInsensitive) == 0)
                found = probe.columnName(i);
        if (found.isEmpty())
            throw Error(QStringLiteral("Coloana %1 nu exista in tabela %2.")
                            .arg(it.key(), QFileInfo(path).fileName()));
        columns << quoted(found);
        marks << QStringLiteral("?");
        bound << it.value();
    }
    if (columns.isEmpty()) {
        exec(QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(name));
        return;
    }
    exec(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(name, columns.join(u','), marks.join(u',')),
         bound);
}

Transaction::Transaction(Database &db)
    : m_db(db)
{
    m_db.exec(QStringLiteral("BEGIN"));
}

Transaction::~Transaction()
{
    if (!m_open)
        return;
    // Every table the statements changed is put back from its journal.
    sqlite3_exec(m_db.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::commit()
{
    m_db.exec(QStringLiteral("COMMIT"));
    m_open = false;
}

void PackTable(const QString &path)
{
    Database::shared().packTable(path);
}

} // namespace kovara
