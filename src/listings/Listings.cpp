#include "listings/Listings.h"
#include "base/FileNames.h"

#include "base/Dates.h"
#include "base/Error.h"
#include "base/Paths.h"
#include "data/RequestTable.h"
#include "engines/dbf/Query.h"
#include "engines/dbf/SqlEngine.h"
#include "engines/report/Paginator.h"
#include "listings/ListingLayouts.h"
#include "listings/QueryRows.h"
#include "shell/TextHelpers.h"
#include "shell/WorkTable.h"

#include <QDir>
#include <QFileInfo>

namespace kovara {

using report::Layout;
using report::ReportDocument;

ListingSource ProgramListingSource()
{
    return {RequestTablePath(), ProgramDir(), Constants()};
}

ListingSource DataFolderListingSource(const QString &dataDir)
{
    const QDir dir(dataDir);
    ListingSource s;
    s.requestTable = findFileNoCase(dir.filePath(QStringLiteral("Cereri.dbf")));
    s.workDir = QFileInfo(dir.absolutePath()).absolutePath();
    s.constants = ReadConstants(findFileNoCase(dir.filePath(QStringLiteral("Kovara.ini"))));
    return s;
}

QString BordereauTitle()
{
    return QStringLiteral("Listare Borderou");
}

QString PayrollTitle()
{
    return QStringLiteral("Listare Stat de plata");
}

QString CentralizerTitle()
{
    return QStringLiteral("Listare Centralizator");
}

QString DayMonthText(const QDate &date)
{
    return QStringLiteral("%1.%2.%3")
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(MonthName(date.month()))
        .arg(date.year());
}

QString MonthPaidText(int month, int year)
{
    return MonthName(month) + QLatin1Char('.') + QString::number(year);
}

bool ParseMonthPaid(const QString &text, int &month, int &year)
{
    const QStringList parts = text.trimmed().split(u'.');
    if (parts.size() != 2)
        return false;
    month = int(MonthNames().indexOf(parts[0].toLower())) + 1;
    bool ok = false;
    year = parts[1].toInt(&ok);
    return month >= 1 && ok && parts[1].size() == 4;
}

namespace {

// The request table of a source, as named in statements.
QString requestsOf(Database &db, const ListingSource &source)
{
    if (!QFileInfo::exists(source.requestTable))
        throw Error(
            QStringLiteral("Fisierul %1 nu exista.").arg(QDir::toNativeSeparators(source.requestTable)));
    return RequestTableIn(db, source.requestTable);
}

QString workPath(const ListingSource &source, const QString &name)
{
    return QDir(source.workDir).filePath(name + QStringLiteral(".dbf"));
}

ReportDocument run(const Layout &layout, Query &rows)
{
    const report::QueryRows data(rows);
    ReportDocument doc = report::Paginate(layout, data);
    rows.close();
    return doc;
}

} // namespace

ReportDocument BordereauListing(const ListingSource &source, bool handicap, const QDate &start,
                                const QDate &end)
{
    Database &db = Database::shared();
    const QString requests = requestsOf(db, source);
    WorkTable work(db, workPath(source, QStringLiteral("B2")),
                   QStringLiteral("DINDATA DATE, NR DECIMAL(9,0), TIP CHAR(3), SUBSEMN CHAR(32), "
                                  "CNP CHAR(13), ADRESA CHAR(60), COPIL CHAR(32), CNPC CHAR(13)"));
    const QString table = work.table();
    // Older requests have no HANDI at all: they are ordinary ones.
    const QString handi =
        handicap ? QStringLiteral("AND HANDI = 'DA'") : QStringLiteral("AND COALESCE(HANDI, '') <> 'DA'");
    for (int child = 1; child <= 3; ++child) {
        db.exec(QStringLiteral("INSERT INTO %1\n(DINDATA, NR, TIP, SUBSEMN, CNP, ADRESA, COPIL, CNPC)\n"
                               "SELECT DINDATA, NR, TIP, SUBSEMN, CNP, ADRESA,\nCOPIL%3, CNP%3\nFROM %2\n"
                               "WHERE TIP > '4' AND DINDATA >= ? AND DINDATA <= ?\n%4")
                    .arg(table, requests, QString::number(child), handi),
                {start, end});
    }
    db.exec(QStringLiteral("DELETE FROM %1\nWHERE CNPC IS NULL OR CNPC < '1'").arg(table));

    Layout layout = report::BordereauLayout();
    layout.setText(
        QStringLiteral("Titlu1"),
        handicap ? QStringLiteral("BORDEROU NOMINAL CU DOSARELE PERSOANELOR BENEFICIARE DE ALOCATIE DUBLA")
                 : QStringLiteral("BORDEROU CU DOSARELE PERSOANELOR BENEFICIARE DE INDEMNIZATIE LUNARA "
                                  "PENTRU CRESTEREA COPILULUI"));
    layout.setVisible(QStringLiteral("Titlu2"), !handicap);
    layout.setText(QStringLiteral("PerioadaB"), QStringLiteral("in perioada ") + FormatDate(start) +
                                                    QStringLiteral(" - ") + FormatDate(end));
    layout.setText(QStringLiteral("PrimarB"), source.constants.PRIMAR);
    layout.setText(QStringLiteral("SecretarB"), source.constants.SECRETAR);
    layout.setText(QStringLiteral("Intocmit2"), source.constants.INTOCMIT);

    Query rows(db);
    rows.open(QStringLiteral("SELECT * FROM %1\nORDER BY NR").arg(table));
    return run(layout, rows);
}

ReportDocument NewbornPayrollListing(const ListingSource &source, const QDate &start, const QDate &end)
{
    Database &db = Database::shared();
    Query rows(db);
    rows.open(
        QStringLiteral("SELECT SUBSEMN, CNP, ADRESA, CUANTUM\nFROM %1\nWHERE TIP = '3' AND DINDATA >= ?\n"
                       "AND DINDATA <= ?\nORDER BY SUBSEMN")
            .arg(requestsOf(db, source)),
        {start, end});
    Layout layout = report::NewbornPayrollLayout();
    const MunicipalityConstants &c = source.constants;
    layout.setText(QStringLiteral("JUD3"), QStringLiteral("JUDETUL ") + c.JUDET);
    layout.setText(QStringLiteral("PRIMARIA3"), QStringLiteral("PRIMARIA ") + c.PRIMARIA);
    layout.setText(QStringLiteral("PRIM3"), c.PRIMAR);
    layout.setText(QStringLiteral("DIR3"), c.DIRECTOR);
    layout.setText(QStringLiteral("INTOCMIT3"), c.INTOCMIT);
    layout.setText(QStringLiteral("per3"), QStringLiteral("pentru copii nou-nascuti pe perioada ") +
                                               DayMonthText(start) + QStringLiteral(" - ") +
                                               DayMonthText(end));
    return run(layout, rows);
}

ReportDocument LayettePayrollListing(const ListingSource &source, const QDate &start, const QDate &end)
{
    Database &db = Database::shared();
    Query rows(db);
    rows.open(QStringLiteral(
                  "SELECT SUBSEMN, CNP, CUANTUM\nFROM %1\nWHERE TIP = '4' AND DINDATA >= ? AND DINDATA <= ?\n"
                  "ORDER BY SUBSEMN")
                  .arg(requestsOf(db, source)),
              {start, end});
    Layout layout = report::LayettePayrollLayout();
    const MunicipalityConstants &c = source.constants;
    layout.setText(QStringLiteral("Judet"), QStringLiteral("JUDETUL ") + c.JUDET);
    layout.setText(QStringLiteral("Primaria"), (QStringLiteral("PRIMARIA ") + c.PRIMARIA).toUpper());
    layout.setText(QStringLiteral("Perioada"),
                   QStringLiteral("pentru beneficiarii de trusou nou-nascuti pentru perioada ") +
                       FormatDate(start) + QStringLiteral(" - ") + FormatDate(end));
    layout.setText(QStringLiteral("Primar"), c.PRIMAR);
    layout.setText(QStringLiteral("Director"), c.DIRECTOR);
    layout.setText(QStringLiteral("Intocmit"), c.INTOCMIT);
    return run(layout, rows);
}

ReportDocument CentralizerListing(const ListingSource &source, const QDate &start, const QDate &end)
{
    Database &db = Database::shared();
    const QString requests = requestsOf(db, source);
    WorkTable work(
        db, workPath(source, QStringLiteral("S4")),
        QStringLiteral("SUBSEMN CHAR(32), CNP CHAR(13), ADRESA CHAR(60), COPIL CHAR(32), CNPC CHAR(13), "
                       "NRDISP DECIMAL(9,0), CUANTUM DECIMAL(6,0), NRCOPII DECIMAL(6,0)"));
    const QString table = work.table();
    const QString extra[3] = {QString(), QStringLiteral("\nAND NRCOPII > 1"),
                              QStringLiteral("\nAND NRCOPII > 2")};
    for (int child = 1; child <= 3; ++child) {
        db.exec(
            QStringLiteral("INSERT INTO %1\n(SUBSEMN, CNP, ADRESA, NRDISP, CUANTUM, NRCOPII, COPIL, CNPC)\n"
                           "SELECT SUBSEMN, CNP, ADRESA, NRDISP, CUANTUM, NRCOPII,\nCOPIL%3, CNP%3\nFROM %2\n"
                           "WHERE TIP = '4' AND DATADISP >= ? AND DATADISP <= ?%4")
                .arg(table, requests, QString::number(child), extra[child - 1]),
            {start, end});
    }

    Layout layout = report::CentralizerLayout();
    const MunicipalityConstants &c = source.constants;
    layout.setText(QStringLiteral("Judet"), QStringLiteral("JUDETUL ") + c.JUDET);
    layout.setText(QStringLiteral("Primaria"), QStringLiteral("PRIMARIA ") + c.PRIMARIA);
    layout.setText(QStringLiteral("Primar"), c.PRIMAR.toUpper());

    // The amount per child, to four decimals as the workbook keeps it; a
    // request stored without a number of children counts as one child.
    Query rows(db);
    rows.open(
        QStringLiteral("SELECT SUBSEMN, CNP, ADRESA, NRDISP,\n"
                       "ROUND(CAST(CUANTUM AS REAL) / (CASE WHEN NRCOPII >= 1 THEN NRCOPII ELSE 1 END), 4) "
                       "AS SUMA,\nCOPIL, CNPC FROM %1\nORDER BY NRDISP")
            .arg(table));
    return run(layout, rows);
}

ReportDocument MinistryListing(const ListingSource &source, int month, int year)
{
    Database &db = Database::shared();
    const QString paid = MonthPaidText(month, year);
    Query rows(db);
    rows.open(
        QStringLiteral("SELECT NR AS CERENR, DINDATA AS CEREDATA, SUBSEMN, CNP, ADRESA,\n"
                       "TRIM(COALESCE(BISERIA, '') || ' ' || COALESCE(BINR, '')) AS BI, COPIL1,\n"
                       "CNP1, NRDISP, DATADISP, CUANTUM, ALCATE\nFROM %1\nWHERE TIP = '3' AND PTLUNA = ?\n"
                       "ORDER BY NRDISP")
            .arg(requestsOf(db, source)),
        {paid});
    Layout layout = report::MinistryLayout();
    const MunicipalityConstants &c = source.constants;
    layout.setText(QStringLiteral("Judet"), QStringLiteral("JUDETUL ") + c.JUDET);
    layout.setText(QStringLiteral("Primaria"), QStringLiteral("PRIMARIA ") + c.PRIMARIA);
    layout.setText(QStringLiteral("Luna"),
                   QStringLiteral("pentru copiii nou-nascuti pe luna ") + paid.toUpper());
    layout.setText(QStringLiteral("Primar"), c.PRIMAR);
    layout.setText(QStringLiteral("Director"), c.DIRECTOR);
    layout.setText(QStringLiteral("Intocmit"), c.INTOCMIT);
    return run(layout, rows);
}

} // namespace kovara
