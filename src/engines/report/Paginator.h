#pragma once

// The paginator: runs a layout over rows, from the first to the last, and
// decides every page. The title band opens the first page; the column
// header opens every page (below the title on the first); one detail band
// per row, numbered from 1; the summary after the last row. A band that does
// not fit below the previous one starts a new page. Sums run over all rows,
// across pages. A layout over no rows still gives a page with its title,
// column header and summary (sums 0).

#include "engines/report/ReportPages.h"

#include <QStringList>
#include <QVariant>
#include <vector>

namespace kovara::report {

// The rows a layout runs over. Values: QString, qint64, double, QDate or
// null.
class ReportRows
{
public:
    virtual ~ReportRows() = default;
    virtual int count() const = 0;
    virtual int column(const QString &name) const = 0; // -1 when absent
    virtual QVariant value(int row, int column) const = 0;
};

// Rows held in memory (tests, small listings).
class TableRows : public ReportRows
{
public:
    explicit TableRows(QStringList columns)
        : m_columns(std::move(columns))
    {
    }
    void add(QVariantList row) { m_rows.push_back(std::move(row)); }
    int count() const override { return int(m_rows.size()); }
    int column(const QString &name) const override;
    QVariant value(int row, int column) const override { return m_rows[size_t(row)].value(column); }

private:
    QStringList m_columns;
    std::vector<QVariantList> m_rows;
};

// Fails (kovara::Error) when an element names a column the rows lack.
ReportDocument Paginate(const Layout &layout, const ReportRows &rows);

} // namespace kovara::report
