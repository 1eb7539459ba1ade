#pragma once

// The SQL engine: SQLite (an in-memory main database that stores nothing)
// with the virtual-table module "dbf" over dBase files.
//
// A dBase file is attached under a table name and then used in ordinary
// SQL. Values are always bound parameters (`?` in order, or `:name`), never
// written into the text. Column types as seen by SQL: whole numbers
// INTEGER, numbers with decimals REAL, dates ISO text 'YYYY-MM-DD', texts
// without trailing blanks ordered by their Windows-1250 bytes, blanks NULL.
// The rowid is the record number (from 1); deleted records are not seen.
// Each statement is a transaction: one that fails leaves every file as it
// was, and one cut short by a crash is undone when the table is next opened
// (the old bytes wait in a journal beside the table; see dbf::Table).
// Several statements become one transaction inside a Transaction. On the columns a file's user asks
// for (setIndexedColumns), COL = ? and ranges (COL >= ? AND COL < ?) are answered from an in-memory
// index, not by reading the whole file.
//
// Forms of the old statements, as written here:
//   EXTRACT(YEAR FROM DINDATA) AS ANUL   CAST(strftime('%Y', DINDATA) AS INTEGER) AS ANUL
//   COPIL1+" "+CNP1                       COPIL1 || ' ' || CNP1
//   DINDATA>="01.01.2024"                 DINDATA >= ?   (bound QDate)
//   INSERT INTO "a" (..) SELECT .. FROM "b"   with both files attached
//   CREATE TABLE / ALTER TABLE ADD         createTable(), addColumn()

#include "engines/dbf/Dbf.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

namespace kovara {

class Database;

// One prepared statement with its bound values. Reset when destroyed.
class Statement
{
public:
    // Prepares exactly one statement; more than one fails.
    Statement(Database &db, const QString &sql);
    ~Statement();
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    void bind(const QVariantList &values); // positional, all of them
    void bind(const QVariantMap &values);  // by name (":name" or "name")

    bool step(); // true while a row is ready; failures throw kovara::Error
    int columnCount() const;
    QString columnName(int i) const;
    QByteArray declaredType(int i) const; // "DATETEXT" for dBase dates
    bool isReadOnly() const;
    sqlite3_stmt *handle() const { return m_stmt; }

private:
    Database &m_db;
    QString m_sql;
    sqlite3_stmt *m_stmt = nullptr;
};

class Database
{
public:
    Database();
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    // The engine the windows share.
    static Database &shared();

    // Attaches a dBase file as table `name` (readOnly: the file is never
    // opened for writing). Fails when the name is taken by another file.
    void attach(const QString &name, const QString &path, bool readOnly = false);
    // The columns of the file at `path` (whole numbers or dates) looked up
    // through an in-memory index, from its next attachment on; a file
    // attached already is attached again when the columns change. Names the
    // file lacks are passed over.
    void setIndexedColumns(const QString &path, const QStringList &columns);
    // The quoted table name of a file, attached under a name made from the
    // file's name when it is not attached yet. Files are found without
    // regard to letter case.
    QString table(const QString &path);
    // The file attached under a name; empty when none.
    QString pathOf(const QString &name) const;
    void detach(const QString &path);
    void detachAll();

    // Runs one statement that returns no rows; returns the rows changed.
    int exec(const QString &sql, const QVariantList &values = {});
    int exec(const QString &sql, const QVariantMap &values);

    // New dBase tables. `columns` is an SQL column list such as
    // "IDCERERE DECIMAL(10,0), NR DECIMAL(9,0)": CHAR(n) -> C(n),
    // DECIMAL(p,s) / NUMERIC(p,s) -> N(p,s), DATE -> D, LOGICAL -> L.
    void createTable(const QString &path, const QList<dbf::FieldDef> &fields);
    void createTable(const QString &path, const QString &columns);
    // Detaches and deletes the file; nothing when it is absent.
    void dropTable(const QString &path);
    // ALTER TABLE ... ADD: a new column at the end of every record, blank or
    // holding `fill` in every row (in one step: never seen half filled).
    void addColumn(const QString &path, const dbf::FieldDef &field, const QVariant &fill = {});
    void addColumn(const QString &path, const QString &column, const QVariant &fill = {}); // "HANDI CHAR(2)"
    // Removes the deleted records for good; fails when the table is open
    // for writing elsewhere. No rewrite when nothing is deleted.
    void packTable(const QString &path);
    // Appends one row: column name -> value (other columns blank).
    void appendRow(const QString &path, const QVariantMap &values);

    // Refuses, from now on, every statement that would change anything
    // (data, schema, attached databases, settings).
    void setReadOnlyGuard(bool on);

    sqlite3 *handle() const { return m_db; }

private:
    friend class Statement;
    sqlite3_stmt *acquire(const QString &sql);
    void release(const QString &sql, sqlite3_stmt *stmt);
    void clearCache();
    struct Attached
    {
        QString name;
        QString path;
        bool readOnly = false;
    };
    Attached takeAttached(const QString &path);
    void reattach(const Attached &a);

    sqlite3 *m_db = nullptr;
    QHash<QString, Attached> m_byPath;     // absolute path -> table
    QHash<QString, QStringList> m_indexed; // absolute path -> its indexed columns
    QHash<QString, sqlite3_stmt *> m_cache;
};

// The statements run between its creation and commit() are one transaction
// on every table they change: all of them, or (when commit() is not reached,
// or after a crash) none. Not nested.
class Transaction
{
public:
    explicit Transaction(Database &db);
    ~Transaction(); // rolls back unless committed
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;
    void commit();

private:
    Database &m_db;
    bool m_open = true;
};

// Parses an SQL column list into dBase fields.
QList<dbf::FieldDef> parseColumnList(const QString &columns);

// Removes the deleted rows of a table for good (no rewrite when there are none).
void PackTable(const QString &path);

} // namespace kovara
