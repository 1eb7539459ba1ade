#pragma once

// A read-only cursor over the rows of one SELECT, the way the windows use
// it: the rows are fetched at open and kept (compactly), then navigated,
// filtered and searched without going back to the engine.

#include "engines/dbf/QueryStore.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <vector>

namespace kovara {

class Database;

// A record filter built from values: conditions on columns, joined with
// AND (binding first) and OR. Values are compared as values: a quote, an
// apostrophe, '*' or '%' in a value is an ordinary character.
class Filter
{
public:
    enum class Op { Equal, NotEqual, GreaterOrEqual, LessOrEqual, BeginsWith };
    struct Condition
    {
        QString column;
        Op op = Op::Equal;
        QVariant value;
    };

    Filter() = default;
    Filter(const QString &column, Op op, const QVariant &value) { andWhere(column, op, value); }

    // Adds a condition to the current AND group.
    Filter &andWhere(const QString &column, Op op, const QVariant &value);
    // Starts a new group: rows matching either side pass.
    Filter &orWhere(const QString &column, Op op, const QVariant &value);

    bool isEmpty() const { return m_groups.empty(); }
    const std::vector<std::vector<Condition>> &groups() const { return m_groups; }

private:
    std::vector<std::vector<Condition>> m_groups; // OR of ANDs
};

class Query
{
public:
    explicit Query(Database &db);
    Query(); // on Database::shared()
    ~Query();

    // Runs a SELECT with bound values and keeps its rows; the current row
    // is the first. A filter set before stays in force.
    void open(const QString &sql, const QVariantList &values = {});
    void open(const QString &sql, const QVariantMap &values);
    // Runs the same statement again (after changes to the table).
    void reopen();
    void close();
    bool isOpen() const { return m_open; }
    const QString &sql() const { return m_sql; }

    // Navigation over the rows that pass the filter.
    void first();
    void next();
    void prior();
    void last();
    bool eof() const { return m_eof; }
    bool bof() const { return m_bof; }
    int rowCount() const;
    bool isEmpty() const { return rowCount() == 0; }
    int recNo() const { return m_pos; } // 0-based; -1 when empty
    bool goTo(int row);

    QStringList columnNames() const { return m_names; }
    bool hasColumn(const QString &name) const { return columnIndex(name) >= 0; }
    int columnIndex(const QString &name) const; // case-insensitive; -1 when absent
    bool isDateColumn(int column) const;        // a dBase date (value() gives ISO text)

    // Values of the current row. A missing column fails; no current row
    // gives the empty value.
    QVariant value(const QString &column) const;
    QVariant value(int column) const;
    QString text(const QString &column) const; // trailing blanks removed; dates dd.MM.yyyy
    qint64 integer(const QString &column) const;
    double amount(const QString &column) const;
    QDate date(const QString &column) const;
    bool isNull(const QString &column) const;

    // Moves to the first row (of those the filter lets through) whose
    // column equals the value; false, and no move, when there is none.
    bool locate(const QString &column, const QVariant &value);

    void setFilter(const Filter &filter);
    void clearFilter();
    bool isFiltered() const { return !m_filter.isEmpty(); }

    // Memory the kept rows take, in bytes.
    qint64 storageBytes() const;

private:
    void fetch();
    void fetchRows();
    void applyFilter();
    void moveTo(int pos);
    QVariant cell(int row, int column) const;
    int checkedColumn(const QString &name) const;

    Database *m_db;
    QString m_sql;
    QVariantList m_values;
    QVariantMap m_named;
    bool m_useNamed = false;
    bool m_open = false;

    QStringList m_names;
    std::vector<bool> m_isDate;
    QueryStore m_store;
    int m_rows = 0;

    Filter m_filter;
    std::vector<int> m_visible; // row numbers passing the filter
    int m_pos = -1;
    bool m_eof = true;
    bool m_bof = true;
};

} // namespace kovara
