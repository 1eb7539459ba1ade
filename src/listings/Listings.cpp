#include "listings/Listings.h"
#include "base/FileNames.h"

#include "base/Dates.h"
#include "base/Error.h"
#include "base/Paths.h"
#include "data/RequestKinds.h"
#include "data/RequestTable.h"
#include "data/Workspace.h"
#include "engines/dbf/Query.h"
#include "engines/dbf/SqlEngine.h"
#include "engines/report/Paginator.h"
#include "listings/ListingLayouts.h"
#include "listings/ListingPages.h"
#include "listings/QueryRows.h"
#include "listings/SharedRows.h"
#include "shell/TextHelpers.h"
#include "shell/WorkTable.h"

#include <QDir>
#include <QFileInfo>

namespace kovara {

using report::Layout;
using report::ReportDocument;

namespace {

ListingSource sourceOf(const Workspace &ws)
{
    return {ws.requestTablePath(), ws.programDir, ws.constants};
}

} // namespace

ListingSource ProgramListingSource()
{
    return sourceOf(ProgramWorkspace());
}

ListingSource DataFolderListingSource(const QString &dataDir)
{
    // The work tables go to the folder that holds the data folder.
    return sourceOf(FolderWorkspace(dataDir, QFileInfo(QDir(dataDir).absolutePath()).absolutePath()));
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
    ReportDocument doc = PaginateListing(layout, data);
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
    const KindCondition kind1 = KindConditionOf(KindStateAllowance);
    // Older requests have no HANDI at all: they are ordinary ones.
    const QString handi =
        handicap ? QStringLiteral("AND HANDI = 'DA'") : QStringLiteral("AND COALESCE(HANDI, '') <> 'DA'");
    for (int child = 1; child <= 3; ++child) {
        db.exec(QStringLiteral("INSERT INTO %1\n(DINDATA, NR, TIP, SUBSEMN, CNP, ADRESA, COPIL, CNPC)\n"
                               "SELECT DINDATA, NR, TIP, SUBSEMN, CNP, ADRESA,\nCOPIL%3, CNP%3\nFROM %2\n"
                               "WHERE %5 AND DINDATA >= ? AND DINDATA <= ?\n%4")
                    .arg(table, requests, QString::number(child), handi, kind1.sql),
                {kind1.value, start, end});
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
    ReportDocument doc = run(layout, rows);
    work.finish();
    return doc;
}

ReportDocument NewbornPayrollListing(const ListingSource &source, const QDate &start, const QDate &end)
{
    Database &db = Database::shared();
    Query rows(db);
    rows.open(QStringLiteral("SELECT SUBSEMN, CNP, ADRESA, CUANTUM\nFROM %1\nWHERE TIP = ? AND DINDATA >= ?\n"
                             "AND DINDATA <= ?\nORDER BY SUBSEMN")
                  .arg(requestsOf(db, source)),
              {NewbornTip(), start, end});
    Layout layout = report::NewbornPayrollLayout();
    const MunicipalityConstants &c = source.constants;
    layout.setText(QStringLiteral("JUD3"), QStringLiteral("JUDETUL ") + c.JUDET);
    layout.setText(QStringLiteral("PRIMARIA3"), QStringLiteral("PRIMARIA ") + c.PRIMARIA);
    layout.setText(QStringLiteral("PRIM3"), c.PRIMAR);
    layout.setText(QStringLiteral("DIR3"), c.DIRECTOR);
    layout.setText(QStringLiteral("INTOCMIT3"), c.INTOCMIT);
    layout.setText(QStringLiteral("per3"), QStringLiteral("pentru copii nou-nascuti pe perioada ") +
                                               DayMonthYearText(start) + QStringLiteral(" - ") +
                                               DayMonthYearText(end));
    return run(layout, rows);
}

ReportDocument LayettePayrollListing(const ListingSource &source, const QDate &start, const QDate &end)
{
    Database &db = Database::shared();
    Query rows(db);
    rows.open(QStringLiteral(
                  "SELECT SUBSEMN, CNP, CUANTUM\nFROM %1\nWHERE TIP = ? AND DINDATA >= ? AND DINDATA <= ?\n"
                  "ORDER BY SUBSEMN")
                  .arg(requestsOf(db, source)),
              {LayetteTip(), start, end});
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
    CentralizerRows centralizer(db, requestsOf(db, source), workPath(source, QStringLiteral("S4")),
                                WorkTable::AtEnd::Remove, start, end);

    Layout layout = report::CentralizerLayout();
    const MunicipalityConstants &c = source.constants;
    layout.setText(QStringLiteral("Judet"), QStringLiteral("JUDETUL ") + c.JUDET);
    layout.setText(QStringLiteral("Primaria"), QStringLiteral("PRIMARIA ") + c.PRIMARIA);
    layout.setText(QStringLiteral("Primar"), c.PRIMAR.toUpper());

    ReportDocument doc = run(layout, centralizer.rows());
    centralizer.finish();
    return doc;
}

ReportDocument MinistryListing(const ListingSource &source, int month, int year)
{
    Database &db = Database::shared();
    const QString paid = MonthPaidText(month, year);
    Query rows(db);
    OpenMinistryRows(rows, requestsOf(db, source), month, year);
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
