#pragma once

// One row of the request table (Cereri.dbf) as the program holds it, and the
// statements that store it. Every value is bound, never written into the
// statement text, so any character a user can type is stored as typed.

#include "data/RequestKinds.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace kovara {

class Query;

struct RequestRecord
{
    qint64 IDCERERE = 0;
    QDate DINDATA;
    qint64 NR = 0;
    QString TIP;
    QString SUBSEMN;
    QString CALITATE;
    QString CNP;
    QString BISERIA;
    QString BINR;
    QString ADRESA;
    QString JUDADR;
    QString COPIL1;
    QString CNP1;
    QString COPIL2;
    QString CNP2;
    QString COPIL3;
    QString CNP3;
    qint64 CUANTUM = 0;
    QString ALCATE;
    QString CNSERIA;
    QString CNNR;
    QString CNELIB;
    qint64 NRDISP = 0;
    QDate DATADISP;
    QString PTLUNA;
    qint64 NRCOPII = 0;
    QString HANDI; // "DA" or "NU"

    bool operator==(const RequestRecord &) const = default;
};

// NRCOPII of a request: for kinds 1 and 3, 1 plus one for each of COPIL2 and
// COPIL3 longer than 2 characters; for kind 2, 0 when the request is first
// stored and 1 after a modification (modified = true).
qint64 ChildCount(int kind, const QString &copil2, const QString &copil3, bool modified);

// The current row of a query over the request table (SELECT *). Texts come
// without trailing blanks; a missing HANDI column (older table) reads "NU".
RequestRecord RequestFromQuery(const Query &query);

// The 27 columns in file order.
const QStringList &RequestColumns();
// The columns a modification rewrites: all but IDCERERE, NRDISP, DATADISP
// and PTLUNA, in file order.
const QStringList &RequestUpdateColumns();

// "INSERT INTO <table> (<27 columns>) VALUES (?, ...)" on the shared engine
// and its values, in the order of RequestColumns().
QString RequestInsertSql();
QVariantList RequestInsertValues(const RequestRecord &r);

// "UPDATE <table> SET <column> = ?, ... WHERE IDCERERE = ?" and its values:
// those of RequestUpdateColumns(), then r.IDCERERE.
QString RequestUpdateSql();
QVariantList RequestUpdateValues(const RequestRecord &r);

// Runs the insert / update on Database::shared(); a failure throws
// kovara::Error and changes nothing. Returns the rows changed.
int InsertRequest(const RequestRecord &r);
int UpdateRequest(const RequestRecord &r);

} // namespace kovara
