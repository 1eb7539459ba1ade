// Writes through the dbf virtual table: INSERT appends a record, UPDATE
// rewrites only the columns the statement sets, DELETE marks the record.
// Every original byte is kept in the table's journal on disk until the
// transaction commits.

#include "base/CrashPoint.h"
#include "base/Error.h"
#include "base/Win1250.h"
#include "engines/dbf/DbfVtabTable.h"

#include <QDate>
#include <QFileInfo>
#include <cmath>

namespace kovara::sqlvtab {
namespace {

using sqlcodec::Kind;

QString tableName(const VTable *t)
{
    return QFileInfo(t->path).fileName();
}

QString valueText(sqlite3_value *v)
{
    const char *p = reinterpret_cast<const char *>(sqlite3_value_text(v));
    return p ? QString::fromUtf8(p, sqlite3_value_bytes(v)) : QString();
}

// The value a statement gives a column, in the form the file writer takes.
QVariant toFieldValue(const VTable *t, const Column &col, sqlite3_value *v)
{
    const int type = sqlite3_value_type(v);
    if (type == SQLITE_NULL)
        return {};
    const QString column = QString::fromLatin1(col.name);
    switch (col.kind) {
    case Kind::Text:
        if (type == SQLITE_BLOB)
            throw Error(
                QStringLiteral("Coloana %1 din %2 nu poate primi date binare.").arg(column, tableName(t)));
        {
            // A character the file cannot hold would be stored as '?': refused instead.
            const QString text = valueText(v);
            if (!fitsWin1250(text))
                throw Error(
                    QStringLiteral("Textul \"%1\" contine caractere care nu pot fi scrise in tabela %2 "
                                   "(coloana %3).")
                        .arg(text, tableName(t), column));
            return text;
        }
    case Kind::Integer:
    case Kind::Real: {
        if (type == SQLITE_INTEGER)
            return col.kind == Kind::Integer ? QVariant(qlonglong(sqlite3_value_int64(v)))
                                             : QVariant(double(sqlite3_value_int64(v)));
        double d = 0;
        if (type == SQLITE_FLOAT) {
            d = sqlite3_value_double(v);
        } else {
            const QByteArray text = valueText(v).trimmed().toUtf8();
            if (text.isEmpty())
                return {};
            qint64 whole = 0;
            if (col.kind == Kind::Integer &&
                sqlcodec::parseInteger(text.constData(), int(text.size()), whole))
                return QVariant(qlonglong(whole));
            if (!sqlcodec::parseReal(text.constData(), int(text.size()), d))
                throw Error(QStringLiteral("Valoarea \"%1\" nu este un numar (coloana %2 din %3).")
                                .arg(valueText(v), column, tableName(t)));
        }
        if (!std::isfinite(d))
            throw Error(
                QStringLiteral("Valoarea coloanei %1 din %2 nu este un numar.").arg(column, tableName(t)));
        return QVariant(d);
    }
    case Kind::Date: {
        const QByteArray text = valueText(v).toUtf8();
        int ymd = 0;
        if (type != SQLITE_TEXT || !sqlcodec::parseIsoDate(text.constData(), int(text.size()), ymd)) {
            if (type == SQLITE_TEXT && text.trimmed().isEmpty())
                return {};
            throw Error(QStringLiteral("Valoarea \"%1\" nu este o data (coloana %2 din %3).")
                            .arg(valueText(v), column, tableName(t)));
        }
        return QDate(ymd / 10000, ymd / 100 % 100, ymd % 100);
    }
    case Kind::Logical:
        if (type == SQLITE_INTEGER || type == SQLITE_FLOAT)
            return sqlite3_value_double(v) != 0;
        {
            const QString s = valueText(v).trimmed();
            const int b = s.isEmpty() ? -1 : sqlcodec::logicalValue(s.at(0).toLatin1());
            if (s == QLatin1String("1") || s == QLatin1String("0"))
                return s == QLatin1String("1");
            if (b < 0)
                throw Error(QStringLiteral("Valoarea \"%1\" nu este logica (coloana %2 din %3).")
                                .arg(s, column, tableName(t)));
            return b == 1;
        }
    }
    return {};
}

void encode(const VTable *t, size_t i, sqlite3_value *v, QByteArray &record)
{
    const Column &col = t->columns[i];
    dbf::encodeField(t->fields[col.field], toFieldValue(t, col, v), record);
}

qint64 existingRecord(VTable *t, sqlite3_int64 rowid, QByteArray &raw)
{
    const qint64 recno = rowid - 1;
    if (recno < 0 || recno >= t->table->recordCount())
        throw Error(QStringLiteral("Inregistrarea %1 nu exista in %2.").arg(rowid).arg(tableName(t)));
    raw = t->table->readRecord(recno);
    if (t->table->isDeleted(raw))
        throw Error(QStringLiteral("Inregistrarea %1 din %2 este stearsa.").arg(rowid).arg(tableName(t)));
    return recno;
}

} // namespace

int dbfUpdate(sqlite3_vtab *vt, int argc, sqlite3_value **argv, sqlite3_int64 *rowid)
{
    auto *t = static_cast<VTable *>(vt);
    const int rc = guarded(vt, [&] {
        if (!t->inTransaction)
            t->begin();
        const size_t ncol = t->columns.size();
        if (argc == 1) { // DELETE
            QByteArray raw;
            const qint64 recno = existingRecord(t, sqlite3_value_int64(argv[0]), raw);
            t->table->setDeleted(recno, true);
            t->indexRemove(recno, raw.constData());
            return SQLITE_OK;
        }
        if (size_t(argc) != ncol + 2)
            throw Error(QStringLiteral("Numar gresit de valori pentru %1.").arg(tableName(t)));
        if (sqlite3_value_type(argv[0]) == SQLITE_NULL) { // INSERT
            if (sqlite3_value_type(argv[1]) != SQLITE_NULL)
                throw Error(QStringLiteral("Numarul inregistrarii nu poate fi ales (%1).").arg(tableName(t)));
            QByteArray record = t->table->blankRecord();
            for (size_t i = 0; i < ncol; ++i)
                encode(t, i, argv[2 + i], record);
            const qint64 recno = t->table->appendRecord(record);
            t->indexAdd(recno, record.constData());
            *rowid = recno + 1;
            return SQLITE_OK;
        }
        // UPDATE: the columns the statement does not set keep their bytes.
        if (sqlite3_value_type(argv[1]) != SQLITE_INTEGER ||
            sqlite3_value_int64(argv[1]) != sqlite3_value_int64(argv[0]))
            throw Error(QStringLiteral("Numarul inregistrarii nu poate fi schimbat (%1).").arg(tableName(t)));
        QByteArray raw;
        const qint64 recno = existingRecord(t, sqlite3_value_int64(argv[0]), raw);
        QByteArray record = raw;
        for (size_t i = 0; i < ncol; ++i)
            if (!sqlite3_value_nochange(argv[2 + i]))
                encode(t, i, argv[2 + i], record);
        if (record == raw)
            return SQLITE_OK;
        t->table->writeRecord(recno, record);
        t->indexChange(recno, raw.constData(), record.constData());
        return SQLITE_OK;
    });
    crashPoint("dbf-write");
    return rc;
}

int dbfBegin(sqlite3_vtab *vt)
{
    auto *t = static_cast<VTable *>(vt);
    return guarded(vt, [&] {
        t->begin();
        return SQLITE_OK;
    });
}

int dbfSync(sqlite3_vtab *)
{
    return SQLITE_OK; // every write is already in the file
}

int dbfCommit(sqlite3_vtab *vt)
{
    return guarded(vt, [&] {
        static_cast<VTable *>(vt)->commit();
        return SQLITE_OK;
    });
}

int dbfRollback(sqlite3_vtab *vt)
{
    return guarded(vt, [&] {
        static_cast<VTable *>(vt)->rollback();
        return SQLITE_OK;
    });
}

} // namespace kovara::sqlvtab
