#include "requests/RequestList.h"
#include "base/FileNames.h"
#include "shell/NumberedFile.h"

#include "base/Error.h"
#include "base/Paths.h"
#include "data/RequestKinds.h"
#include "data/RequestTable.h"
#include "engines/dbf/SqlEngine.h"

#include <QDate>
#include <QDir>
#include <QFile>

namespace kovara {

QStringList RequestKindNames()
{
    return {QStringLiteral("* Indiferent *"), QStringLiteral("Aloc.de stat/indemniz./stim."),
            QStringLiteral("Aloc.nou-nascuti"), QStringLiteral("Trusou nou-nascuti")};
}

namespace {

QString checkedOrderField(const QString &field)
{
    if (field.isEmpty())
        return QStringLiteral("IDCERERE");
    for (const dbf::FieldDef &f : RequestTableColumns())
        if (QString::fromLatin1(f.name).compare(field, Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(f.name);
    throw Error(QStringLiteral("Coloana %1 nu exista in tabelul cererilor.").arg(field));
}

} // namespace

ListStatement RequestListStatement(const QString &requestTable, int year, int kind, const QString &orderField)
{
    ListStatement s;
    s.sql = QStringLiteral("SELECT * FROM ") + requestTable +
            QStringLiteral("\nWHERE DINDATA >= ? AND DINDATA < ?");
    s.values << QDate(year, 1, 1) << QDate(year + 1, 1, 1);
    if (kind >= KindStateAllowance && kind <= KindLayette) {
        const KindCondition tip = KindConditionOf(kind);
        s.sql += QStringLiteral(" AND ") + tip.sql;
        s.values << tip.value;
    }
    s.sql += QStringLiteral("\nORDER BY ") + checkedOrderField(orderField);
    return s;
}

ListStatement RequestListStatement(int year, int kind, const QString &orderField)
{
    return RequestListStatement(RequestTable(), year, kind, orderField);
}

void OpenRequestList(Query &list, int year, int kind, const QString &orderField)
{
    OpenRequestList(list, RequestTable(), year, kind, orderField);
}

void OpenRequestList(Query &list, const QString &requestTable, int year, int kind, const QString &orderField)
{
    const ListStatement s = RequestListStatement(requestTable, year, kind, orderField);
    list.close();
    list.open(s.sql, s.values);
    list.last();
}

QStringList RequestYears(int currentYear)
{
    Query q;
    q.open(QStringLiteral("SELECT DISTINCT CAST(strftime('%Y', DINDATA) AS INTEGER) AS ANUL\nFROM ") +
           RequestTable() + QStringLiteral("\nORDER BY ANUL DESC"));
    QStringList years;
    for (q.first(); !q.eof(); q.next()) {
        if (q.isNull(QStringLiteral("ANUL")))
            continue;
        years << QString::number(q.integer(QStringLiteral("ANUL")));
    }
    q.close();
    const QString current = QString::number(currentYear);
    if (!years.contains(current))
        years.prepend(current);
    return years;
}

Filter RequestSearchFilter(const QString &name, const QString &cnp)
{
    Filter f;
    if (!name.isEmpty())
        f.andWhere(QStringLiteral("SUBSEMN"), Filter::Op::BeginsWith, name);
    if (!cnp.isEmpty())
        f.andWhere(QStringLiteral("CNP"), Filter::Op::BeginsWith, cnp);
    return f;
}

int RowAfterDelete(int row, int count)
{
    if (count <= 1)
        return -1;
    return row >= count - 1 ? count - 2 : row + 1;
}

QString RequestDocumentPath(qint64 id)
{
    return DataDir() + QStringLiteral("/Cerere") + QString::number(id) + QStringLiteral(".rtf");
}

void DeleteRequest(qint64 id)
{
    // The request's form still open in the word processor: nothing is
    // deleted, so that the row and its form never part.
    const QString doc = findFileNoCase(RequestDocumentPath(id));
    if (QFile::exists(doc) && HeldOpen(doc))
        throw Error(HeldOpenText(doc));
    Database::shared().exec(
        QStringLiteral("DELETE FROM ") + RequestTable() + QStringLiteral("\nWHERE IDCERERE = ?"), {id});
    if (!RemoveOutput(doc))
        throw Error(HeldOpenText(doc));
}

qint64 AddRequest(RequestRecord &record)
{
    bool ok = false;
    const qint64 id = NextIndex(QStringLiteral("IDCERERE")).toLongLong(&ok);
    if (!ok || id < 1)
        throw Error(QStringLiteral("Contorul IDCERERE nu este un numar valid."));
    record.IDCERERE = id;
    InsertRequest(record);
    return id;
}

} // namespace kovara
