// A prepared statement of the engine and the binding of its values.

#include "base/Error.h"
#include "engines/dbf/SqlEngine.h"

#include <QDate>
#include <QDateTime>
#include <sqlite3.h>

namespace kovara {
namespace {

void bindOne(sqlite3_stmt *stmt, int i, const QVariant &v)
{
    int rc = SQLITE_OK;
    if (!v.isValid() || v.isNull()) {
        rc = sqlite3_bind_null(stmt, i);
    } else {
        switch (v.typeId()) {
        case QMetaType::QDate: {
            const QByteArray iso = v.toDate().toString(Qt::ISODate).toUtf8();
            rc = sqlite3_bind_text(stmt, i, iso.constData(), int(iso.size()), SQLITE_TRANSIENT);
            break;
        }
        case QMetaType::Bool:
            rc = sqlite3_bind_int(stmt, i, v.toBool() ? 1 : 0);
            break;
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Long:
        case QMetaType::LongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
            rc = sqlite3_bind_int64(stmt, i, v.toLongLong());
            break;
        case QMetaType::ULong:
        case QMetaType::ULongLong:
            rc = sqlite3_bind_int64(stmt, i, qint64(v.toULongLong()));
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            rc = sqlite3_bind_double(stmt, i, v.toDouble());
            break;
        case QMetaType::QByteArray: {
            const QByteArray b = v.toByteArray();
            rc = sqlite3_bind_blob(stmt, i, b.constData(), int(b.size()), SQLITE_TRANSIENT);
            break;
        }
        default: {
            const QByteArray text = v.toString().toUtf8();
            rc = sqlite3_bind_text(stmt, i, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        }
        }
    }
    if (rc != SQLITE_OK)
        throw Error(QStringLiteral("Valoarea parametrului %1 nu poate fi folosita.").arg(i));
}

} // namespace

Statement::Statement(Database &db, const QString &sql)
    : m_db(db)
    , m_sql(sql)
{
    m_stmt = db.acquire(sql);
}

Statement::~Statement()
{
    m_db.release(m_sql, m_stmt);
}

void Statement::bind(const QVariantList &values)
{
    const int n = sqlite3_bind_parameter_count(m_stmt);
    if (n != values.size())
        throw Error(
            QStringLiteral("Instructiunea asteapta %1 valori, au fost date %2.").arg(n).arg(values.size()));
    for (int i = 0; i < n; ++i)
        bindOne(m_stmt, i + 1, values[i]);
}

void Statement::bind(const QVariantMap &values)
{
    const int n = sqlite3_bind_parameter_count(m_stmt);
    for (int i = 1; i <= n; ++i) {
        const char *raw = sqlite3_bind_parameter_name(m_stmt, i);
        if (!raw)
            throw Error(QStringLiteral("Instructiunea are parametri fara nume."));
        const QString name = QString::fromUtf8(raw);
        auto it = values.constFind(name);
        if (it == values.cend())
            it = values.constFind(name.mid(1));
        if (it == values.cend())
            throw Error(QStringLiteral("Lipseste valoarea parametrului %1.").arg(name));
        bindOne(m_stmt, i, it.value());
    }
}

bool Statement::step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    const QString message = QString::fromUtf8(sqlite3_errmsg(m_db.handle()));
    sqlite3_reset(m_stmt);
    throw Error(message);
}

int Statement::columnCount() const
{
    return sqlite3_column_count(m_stmt);
}

QString Statement::columnName(int i) const
{
    return QString::fromUtf8(sqlite3_column_name(m_stmt, i));
}

QByteArray Statement::declaredType(int i) const
{
    const char *t = sqlite3_column_decltype(m_stmt, i);
    return t ? QByteArray(t).toUpper() : QByteArray();
}

bool Statement::isReadOnly() const
{
    return sqlite3_stmt_readonly(m_stmt) != 0;
}

} // namespace kovara
