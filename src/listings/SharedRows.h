#pragma once

// The rows that a listing and a workbook both show, selected in one place:
// the centralizer of layettes (its listing and its export) and the ministry's
// monthly newborn allowances (its listing and its workbook).

#include "engines/dbf/Query.h"
#include "shell/WorkTable.h"

#include <QDate>
#include <QString>

namespace kovara {

class Database;

// The centralizer's rows: one per child of the layette requests whose
// disposition is dated from..to (the second and third child only where
// NRCOPII counts them), in a work table at `workPath`. rows() is open on
// SUBSEMN, CNP, ADRESA, NRDISP, SUMA, COPIL, CNPC ordered by NRDISP, where
// SUMA is the request's amount per child to four decimals (a request stored
// without a number of children counts as one child rather than losing its
// amount).
class CentralizerRows
{
public:
    // `requests`: the request table as named in statements on `db`.
    CentralizerRows(Database &db, const QString &requests, const QString &workPath, WorkTable::AtEnd atEnd,
                    const QDate &from, const QDate &to);

    Query &rows() { return m_rows; }
    // Closes the rows and ends the work table (see WorkTable::finish).
    void finish();

private:
    WorkTable m_work;
    Query m_rows;
};

// Opens `rows` on the newborn allowances paid for `month` of `year` (PTLUNA),
// ordered by NRDISP: CERENR, CEREDATA, SUBSEMN, CNP, ADRESA, BI (series and
// number of the identity card), COPIL1, CNP1, NRDISP, DATADISP, CUANTUM, ALCATE.
void OpenMinistryRows(Query &rows, const QString &requests, int month, int year);

} // namespace kovara
