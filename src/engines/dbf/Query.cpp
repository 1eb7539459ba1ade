#include "engines/dbf/Query.h"

#include "base/Dates.h"
#include "base/Error.h"
#include "engines/dbf/SqlEngine.h"

#include <cmath>
#include <cstring>
#include <sqlite3.h>

namespace kovara {
namespace {

enum Tag : char { TagNull = 0, TagInt = 1, TagReal = 2, TagText = 3, TagBlob = 4 };

void appendInt(std::string &data, qint64 v)
{
    int n = 1;
    while (n < 8) {
        const qint64 lim = qint64(1) << (8 * n - 1);
        if (v >= -lim && v < lim)
            break;
        ++n;
    }
    for (int i = 0; i < n; ++i)
        data.push_back(char((quint64(v) >> (8 * i)) & 0xFF));
}

qint64 readInt(const char *p, int n)
{
    quint64 u = 0;
    for (int i = 0; i < n; ++i)
        u |= quint64(quint8(p[i])) << (8 * i);
    if (n < 8 && (quint8(p[n - 1]) & 0x80))
        u |= ~quint64(0) << (8 * n);
    return qint64(u);
}

} // namespace

Filter &Filter::andWhere(const QString &column, Op op, const QVariant &value)
{
    if (m_groups.empty())
        m_groups.emplace_back();
    m_groups.back().push_back({column, op, value});
    return *this;
}

Filter &Filter::orWhere(const QString &column, Op op, const QVariant &value)
{
    m_groups.emplace_back();
    return andWhere(column, op, value);
}

Query::Query(Database &db)
    : m_db(&db)
{
}

Query::Query()
    : m_db(&Database::shared())
{
}

Query::~Query() = default;

void Query::open(const QString &sql, const QVariantList &values)
{
    close();
    m_sql = sql;
    m_values = values;
    m_useNamed = false;
    fetch();
}

void Query::open(const QString &sql, const QVariantMap &values)
{
    close();
    m_sql = sql;
    m_named = values;
    m_useNamed = true;
    fetch();
}

void Query::reopen()
{
    if (m_sql.isEmpty())
        return;
    close();
    fetch();
}

void Query::close()
{
    m_open = false;
    m_names.clear();
    m_isDate.clear();
    m_store = QueryStore();
    m_rows = 0;
    m_visible.clear();
    m_pos = -1;
    m_eof = m_bof = true;
}

void Query::fetch()
{
    try {
        fetchRows();
    } catch (...) {
        close(); // nothing half-read stays behind
        throw;
    }
    m_open = true;
    applyFilter();
}

void Query::fetchRows()
{
    Statement st(*m_db, m_sql);
    if (m_useNamed)
        st.bind(m_named);
    else
        st.bind(m_values);
    const int cols = st.columnCount();
    if (cols == 0)
        throw Error(QStringLiteral("Instructiunea nu intoarce randuri."));
    bool first = true;
    sqlite3_stmt *s = st.handle();
    m_store = QueryStore(cols);
    while (st.step()) {
        if (first) {
            for (int i = 0; i < cols; ++i) {
                m_names << st.columnName(i);
                m_isDate.push_back(st.declaredType(i) == "DATETEXT");
            }
            first = false;
        }
        std::string &row = m_store.row();
        for (int i = 0; i < cols; ++i) {
            m_store.markCell();
            sqlite3_value *v = sqlite3_column_value(s, i);
            switch (sqlite3_value_type(v)) {
            case SQLITE_INTEGER:
                row.push_back(TagInt);
                appendInt(row, sqlite3_value_int64(v));
                break;
            case SQLITE_FLOAT: {
                row.push_back(TagReal);
                const double d = sqlite3_value_double(v);
                row.append(reinterpret_cast<const char *>(&d), 8);
                break;
            }
            case SQLITE_TEXT:
                row.push_back(TagText);
                row.append(reinterpret_cast<const char *>(sqlite3_value_text(v)),
                           size_t(sqlite3_value_bytes(v)));
                break;
            case SQLITE_BLOB: {
                const int n = sqlite3_value_bytes(v);
                row.push_back(TagBlob);
                if (n > 0)
                    row.append(static_cast<const char *>(sqlite3_value_blob(v)), size_t(n));
                break;
            }
            default:
                row.push_back(TagNull);
            }
        }
        m_store.endRow();
        ++m_rows;
    }
    if (first) { // no rows: the names still come from the statement
        for (int i = 0; i < cols; ++i) {
            m_names << st.columnName(i);
            m_isDate.push_back(st.declaredType(i) == "DATETEXT");
        }
    }
}

QVariant Query::cell(int row, int column) const
{
    int length = 0;
    const char *p = m_store.cell(row, column, length);
    const int n = length - 1;
    switch (p[0]) {
    case TagInt:
        return QVariant(qlonglong(readInt(p + 1, n)));
    case TagReal: {
        double d;
        std::memcpy(&d, p + 1, 8);
        return QVariant(d);
    }
    case TagText:
        return QVariant(QString::fromUtf8(p + 1, n));
    case TagBlob:
        return QVariant(QByteArray(p + 1, n));
    default:
        return {};
    }
}

int Query::columnIndex(const QString &name) const
{
    for (int i = 0; i < m_names.size(); ++i)
        if (m_names[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int Query::checkedColumn(const QString &name) const
{
    const int i = columnIndex(name);
    if (i < 0)
        throw Error(QStringLiteral("Coloana %1 nu exista in rezultat.").arg(name));
    return i;
}

QVariant Query::value(int column) const
{
    if (column < 0 || column >= m_names.size())
        throw Error(QStringLiteral("Coloana %1 nu exista in rezultat.").arg(column));
    if (m_pos < 0 || m_pos >= int(m_visible.size()))
        return {};
    return cell(m_visible[size_t(m_pos)], column);
}

QVariant Query::value(const QString &column) const
{
    return value(checkedColumn(column));
}

bool Query::isDateColumn(int column) const
{
    return column >= 0 && size_t(column) < m_isDate.size() && m_isDate[size_t(column)];
}

QString Query::text(const QString &column) const
{
    const int c = checkedColumn(column);
    const QVariant v = value(c);
    if (v.isNull())
        return {};
    if (v.typeId() == QMetaType::Double)
        return QString::number(v.toDouble(), 'g', 15);
    if (m_isDate[size_t(c)]) {
        const QDate d = QDate::fromString(v.toString(), Qt::ISODate);
        if (d.isValid())
            return FormatDate(d);
    }
    QString s = v.toString();
    qsizetype n = s.size();
    while (n > 0 && s.at(n - 1) == u' ')
        --n;
    s.truncate(n);
    return s;
}

qint64 Query::integer(const QString &column) const
{
    const QVariant v = value(column);
    if (v.typeId() == QMetaType::Double)
        return qRound64(v.toDouble());
    return v.toString().trimmed().toLongLong();
}

double Query::amount(const QString &column) const
{
    return value(column).toString().trimmed().toDouble();
}

QDate Query::date(const QString &column) const
{
    const QString s = value(column).toString().trimmed();
    QDate d = QDate::fromString(s, Qt::ISODate);
    if (!d.isValid())
        d = ParseDate(s);
    return d;
}

bool Query::isNull(const QString &column) const
{
    return value(column).isNull();
}

qint64 Query::storageBytes() const
{
    return m_store.bytes() + qint64(m_visible.capacity()) * 4;
}

} // namespace kovara
