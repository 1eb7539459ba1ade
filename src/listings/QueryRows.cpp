#include "listings/QueryRows.h"

#include <QDate>

namespace kovara::report {

QVariant QueryRows::value(int row, int column) const
{
    if (m_query.recNo() != row)
        m_query.goTo(row);
    const QVariant v = m_query.value(column);
    if (!v.isNull() && m_query.isDateColumn(column))
        return QDate::fromString(v.toString(), Qt::ISODate);
    return v;
}

} // namespace kovara::report
