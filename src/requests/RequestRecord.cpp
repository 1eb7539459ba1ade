// The request row, its kind and its insert and update statements.

#include "requests/RequestRecord.h"

#include "data/RequestTable.h"
#include "engines/dbf/Query.h"
#include "engines/dbf/SqlEngine.h"

namespace kovara {

qint64 ChildCount(int kind, const QString &copil2, const QString &copil3, bool modified)
{
    if (kind == 2)
        return modified ? 1 : 0;
    return 1 + (copil2.size() > 2 ? 1 : 0) + (copil3.size() > 2 ? 1 : 0);
}

RequestRecord RequestFromQuery(const Query &q)
{
    RequestRecord r;
    r.IDCERERE = q.integer(QStringLiteral("IDCERERE"));
    r.DINDATA = q.date(QStringLiteral("DINDATA"));
    r.NR = q.integer(QStringLiteral("NR"));
    r.TIP = q.text(QStringLiteral("TIP"));
    r.SUBSEMN = q.text(QStringLiteral("SUBSEMN"));
    r.CALITATE = q.text(QStringLiteral("CALITATE"));
    r.CNP = q.text(QStringLiteral("CNP"));
    r.BISERIA = q.text(QStringLiteral("BISERIA"));
    r.BINR = q.text(QStringLiteral("BINR"));
    r.ADRESA = q.text(QStringLiteral("ADRESA"));
    r.JUDADR = q.text(QStringLiteral("JUDADR"));
    r.COPIL1 = q.text(QStringLiteral("COPIL1"));
    r.CNP1 = q.text(QStringLiteral("CNP1"));
    r.COPIL2 = q.text(QStringLiteral("COPIL2"));
    r.CNP2 = q.text(QStringLiteral("CNP2"));
    r.COPIL3 = q.text(QStringLiteral("COPIL3"));
    r.CNP3 = q.text(QStringLiteral("CNP3"));
    r.CUANTUM = q.integer(QStringLiteral("CUANTUM"));
    r.ALCATE = q.text(QStringLiteral("ALCATE"));
    r.CNSERIA = q.text(QStringLiteral("CNSERIA"));
    r.CNNR = q.text(QStringLiteral("CNNR"));
    r.CNELIB = q.text(QStringLiteral("CNELIB"));
    r.NRDISP = q.integer(QStringLiteral("NRDISP"));
    r.DATADISP = q.date(QStringLiteral("DATADISP"));
    r.PTLUNA = q.text(QStringLiteral("PTLUNA"));
    r.NRCOPII = q.integer(QStringLiteral("NRCOPII"));
    r.HANDI = q.hasColumn(QStringLiteral("HANDI")) ? q.text(QStringLiteral("HANDI")) : QStringLiteral("NU");
    return r;
}

const QStringList &RequestColumns()
{
    static const QStringList columns = {
        "IDCERERE", "DINDATA", "NR",     "TIP",    "SUBSEMN", "CALITATE", "CNP",    "BISERIA", "BINR",
        "ADRESA",   "JUDADR",  "COPIL1", "CNP1",   "COPIL2",  "CNP2",     "COPIL3", "CNP3",    "CUANTUM",
        "ALCATE",   "CNSERIA", "CNNR",   "CNELIB", "NRDISP",  "DATADISP", "PTLUNA", "NRCOPII", "HANDI"};
    return columns;
}

const QStringList &RequestUpdateColumns()
{
    static const QStringList columns = [] {
        QStringList c = RequestColumns();
        for (const char *kept : {"IDCERERE", "NRDISP", "DATADISP", "PTLUNA"})
            c.removeAll(QString::fromLatin1(kept));
        return c;
    }();
    return columns;
}

namespace {

QVariant valueOf(const RequestRecord &r, const QString &column)
{
    static const QHash<QString, QVariant (*)(const RequestRecord &)> getters = {
        {"IDCERERE", [](const RequestRecord &r) { return QVariant(r.IDCERERE); }},
        {"DINDATA", [](const RequestRecord &r) { return QVariant(r.DINDATA); }},
        {"NR", [](const RequestRecord &r) { return QVariant(r.NR); }},
        {"TIP", [](const RequestRecord &r) { return QVariant(r.TIP); }},
        {"SUBSEMN", [](const RequestRecord &r) { return QVariant(r.SUBSEMN); }},
        {"CALITATE", [](const RequestRecord &r) { return QVariant(r.CALITATE); }},
        {"CNP", [](const RequestRecord &r) { return QVariant(r.CNP); }},
        {"BISERIA", [](const RequestRecord &r) { return QVariant(r.BISERIA); }},
        {"BINR", [](const RequestRecord &r) { return QVariant(r.BINR); }},
        {"ADRESA", [](const RequestRecord &r) { return QVariant(r.ADRESA); }},
        {"JUDADR", [](const RequestRecord &r) { return QVariant(r.JUDADR); }},
        {"COPIL1", [](const RequestRecord &r) { return QVariant(r.COPIL1); }},
        {"CNP1", [](const RequestRecord &r) { return QVariant(r.CNP1); }},
        {"COPIL2", [](const RequestRecord &r) { return QVariant(r.COPIL2); }},
        {"CNP2", [](const RequestRecord &r) { return QVariant(r.CNP2); }},
        {"COPIL3", [](const RequestRecord &r) { return QVariant(r.COPIL3); }},
        {"CNP3", [](const RequestRecord &r) { return QVariant(r.CNP3); }},
        {"CUANTUM", [](const RequestRecord &r) { return QVariant(r.CUANTUM); }},
        {"ALCATE", [](const RequestRecord &r) { return QVariant(r.ALCATE); }},
        {"CNSERIA", [](const RequestRecord &r) { return QVariant(r.CNSERIA); }},
        {"CNNR", [](const RequestRecord &r) { return QVariant(r.CNNR); }},
        {"CNELIB", [](const RequestRecord &r) { return QVariant(r.CNELIB); }},
        {"NRDISP", [](const RequestRecord &r) { return QVariant(r.NRDISP); }},
        {"DATADISP", [](const RequestRecord &r) { return QVariant(r.DATADISP); }},
        {"PTLUNA", [](const RequestRecord &r) { return QVariant(r.PTLUNA); }},
        {"NRCOPII", [](const RequestRecord &r) { return QVariant(r.NRCOPII); }},
        {"HANDI", [](const RequestRecord &r) { return QVariant(r.HANDI); }},
    };
    return getters.value(column)(r);
}

} // namespace

QString RequestInsertSql()
{
    QStringList marks;
    for (int i = 0; i < RequestColumns().size(); ++i)
        marks << QStringLiteral("?");
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(RequestTable(), RequestColumns().join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
}

QVariantList RequestInsertValues(const RequestRecord &r)
{
    QVariantList values;
    for (const QString &c : RequestColumns())
        values << valueOf(r, c);
    return values;
}

QString RequestUpdateSql()
{
    QStringList sets;
    for (const QString &c : RequestUpdateColumns())
        sets << c + QStringLiteral(" = ?");
    return QStringLiteral("UPDATE %1 SET %2 WHERE IDCERERE = ?")
        .arg(RequestTable(), sets.join(QStringLiteral(", ")));
}

QVariantList RequestUpdateValues(const RequestRecord &r)
{
    QVariantList values;
    for (const QString &c : RequestUpdateColumns())
        values << valueOf(r, c);
    values << QVariant(r.IDCERERE);
    return values;
}

int InsertRequest(const RequestRecord &r)
{
    return Database::shared().exec(RequestInsertSql(), RequestInsertValues(r));
}

int UpdateRequest(const RequestRecord &r)
{
    return Database::shared().exec(RequestUpdateSql(), RequestUpdateValues(r));
}

} // namespace kovara
