#pragma once

// The rows of an open query as the paginator reads them (dates as QDate).

#include "engines/dbf/Query.h"
#include "engines/report/Paginator.h"

namespace kovara::report {

class QueryRows : public ReportRows
{
public:
    explicit QueryRows(Query &query)
        : m_query(query)
    {
    }
    int count() const override { return m_query.rowCount(); }
    int column(const QString &name) const override { return m_query.columnIndex(name); }
    QVariant value(int row, int column) const override;

private:
    Query &m_query;
};

} // namespace kovara::report
