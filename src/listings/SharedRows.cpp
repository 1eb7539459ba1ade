#include "listings/SharedRows.h"

#include "data/RequestKinds.h"
#include "engines/dbf/SqlEngine.h"
#include "shell/TextHelpers.h"

namespace kovara {

CentralizerRows::CentralizerRows(Database &db, const QString &requests, const QString &workPath,
                                 WorkTable::AtEnd atEnd, const QDate &from, const QDate &to)
    : m_work(db, workPath,
             QStringLiteral("SUBSEMN CHAR(32), CNP CHAR(13), ADRESA CHAR(60), COPIL CHAR(32), CNPC CHAR(13), "
                            "NRDISP DECIMAL(9,0), CUANTUM DECIMAL(6,0), NRCOPII DECIMAL(6,0), "
                            "SUMA DECIMAL(12,4)"),
             atEnd)
    , m_rows(db)
{
    const QString table = m_work.table();
    const QString onlyWhenCounted[3] = {QString(), QStringLiteral("\nAND NRCOPII > 1"),
                                        QStringLiteral("\nAND NRCOPII > 2")};
    // The request's amount in ten-thousandths, split among its children in
    // whole ten-thousandths: every child but the last takes the quotient, the
    // last one the rest, so that the shares add up to the amount granted
    // (100 among 3: 33.3333, 33.3333, 33.3334). Without a number of children
    // the request counts as one child rather than losing its amount.
    const QString amount = QStringLiteral("CAST(ROUND(CUANTUM * 10000) AS INTEGER)");
    const QString children =
        QStringLiteral("(CASE WHEN NRCOPII >= 1 THEN CAST(NRCOPII AS INTEGER) ELSE 1 END)");
    const QString share =
        QStringLiteral("(CASE WHEN %3 = %2 THEN %1 - (%1 / %2) * (%2 - 1) ELSE %1 / %2 END) / 10000.0")
            .arg(amount, children);
    for (int child = 1; child <= 3; ++child) {
        db.exec(
            QStringLiteral(
                "INSERT INTO %1\n(SUBSEMN, CNP, ADRESA, NRDISP, CUANTUM, NRCOPII, COPIL, CNPC, SUMA)\n"
                "SELECT SUBSEMN, CNP, ADRESA, NRDISP, CUANTUM, NRCOPII,\nCOPIL%3, CNP%3, %5\nFROM %2\n"
                "WHERE TIP = ? AND DATADISP >= ? AND DATADISP <= ?%4")
                .arg(table, requests, QString::number(child), onlyWhenCounted[child - 1], share.arg(child)),
            {LayetteTip(), from, to});
    }
    m_rows.open(
        QStringLiteral("SELECT SUBSEMN, CNP, ADRESA, NRDISP, SUMA, COPIL, CNPC FROM %1\nORDER BY NRDISP")
            .arg(table));
}

void CentralizerRows::finish()
{
    m_rows.close();
    m_work.finish();
}

void OpenMinistryRows(Query &rows, const QString &requests, int month, int year)
{
    rows.open(
        QStringLiteral("SELECT NR AS CERENR, DINDATA AS CEREDATA, SUBSEMN, CNP, ADRESA,\n"
                       "TRIM(COALESCE(BISERIA, '') || ' ' || COALESCE(BINR, '')) AS BI, COPIL1,\n"
                       "CNP1, NRDISP, DATADISP, CUANTUM, ALCATE\nFROM %1\nWHERE TIP = ? AND PTLUNA = ?\n"
                       "ORDER BY NRDISP")
            .arg(requests),
        {NewbornTip(), MonthPaidText(month, year)});
}

} // namespace kovara
