#include "exports/ReportListings.h"

#include "engines/dbf/Query.h"
#include "engines/dbf/SqlEngine.h"
#include "engines/report/Paginator.h"
#include "exports/TreasuryFile.h"
#include "listings/LayoutFonts.h"
#include "listings/ListingPages.h"
#include "listings/QueryRows.h"

namespace kovara {

using namespace report;
using namespace report::fonts;

namespace {

// The summary band with a line above it.
Band SummaryWithLine(double height, std::vector<Element> elements)
{
    return {BandKind::Summary, height, true, false, kThinLine, std::move(elements)};
}

} // namespace

Layout FinanceListingLayout()
{
    Layout l;
    l.name = QStringLiteral("RapFinPrn");
    l.printTitle = QStringLiteral("Raport Finante");
    l.bands = {
        TitleBand(31.0,
                  {
                      Label("JUDETUL:", 0, L(0), F10),
                      NamedLabel("JudetCD", 0, L(18.0), F10B),
                      Label("UNITATEA ADMINISTRATIV-TERITORIALA :", 5.0, L(0), F10),
                      NamedLabel("UnitCD", 5.0, L(80.0), F10B),
                      Label("SITUATIA", 12.0, Centred(), F12B),
                      NamedLabel("QRLabel123", 18.5, Centred(), F10B),
                      NamedLabel("LaDataCD", 23.5, Centred(), F10B),
                  }),
        HeaderBand(10.6,
                   {
                       Label("Nr.", 1.1, L(0), F10),
                       Label("crt.", 5.3, L(0), F10),
                       Label("Nume Prenume", 3.2, L(14.0), F10),
                       Label("Cod numeric", 1.1, L(112.0), F10),
                       Label("personal", 5.3, L(112.0), F10),
                       Label("Valoarea lunara a", 1.1, BandRight(), F10),
                       Label("ajutorului social (lei)", 5.3, BandRight(), F10),
                   }),
        DetailBand(5.3,
                   {
                       DetailNumber(1.1, R(9.0), F10),
                       Field("NUMEX", 1.1, L(14.0), F10, {.width = 94.0}),
                       Field("CNP", 1.1, R(140.0), F10),
                       Field("SUMA", 1.1, BandRight(), F10),
                   }),
        SummaryWithLine(
            21.0,
            {
                NamedLabel("Persoane", 2.1, R(12.0), F10B),
                Label("persoane                  Total ajutoare de la primarie (lei) :", 2.1, L(14.0), F10B),
                Sum("SUMA", 2.1, BandRight(), F10B),
                Label("Primar,", 10.0, Centred(), F10B),
                NamedLabel("PrimarCD", 14.5, Centred(), F10B),
            }),
    };
    return l;
}

Layout Annex2ListingLayout()
{
    Layout l;
    l.name = QStringLiteral("ListaCDT");
    l.printTitle = QStringLiteral("Anexa 2 Trezorerie");
    l.bands = {
        TitleBand(33.0,
                  {
                      Label("JUDETUL:", 0, L(0), F10B),
                      NamedLabel("Judet", 0, L(18.0), F10B),
                      Label("Anexa nr.2", 0, BandRight(), F10B),
                      Label("Unitatea administrativ-teritoriala", 5.0, L(0), F9),
                      NamedLabel("Unitate", 5.0, L(54.0), F9),
                      Label("SITUATIA 060 TRUSOU NOU-NASCUTI", 12.0, Centred(), F12B),
                      Label("cu titularii de drepturi cu caracter social, in evidenta si platiti, sau, dupa "
                            "caz, pentru care se vireaza sumele",
                            19.0, Centred(), F9),
                      NamedLabel("Data", 24.5, Centred(), F10),
                  }),
        HeaderBand(10.6,
                   {
                       Label("Nr.", 1.1, L(0), F10),
                       Label("crt.", 5.3, L(0), F10),
                       Label("Nume si prenume", 3.2, L(14.0), F10),
                       Label("Numar membri", 1.1, L(88.0), F10),
                       Label("familie/copii", 5.3, L(88.0), F10),
                       Label("Cod numeric", 1.1, L(120.0), F10),
                       Label("personal", 5.3, L(120.0), F10),
                       Label("Plati efectuate in", 1.1, BandRight(), F10),
                       Label("luna raportata (lei)", 5.3, BandRight(), F10),
                   }),
        DetailBand(5.3,
                   {
                       DetailNumber(1.1, R(9.0), F10),
                       Field("NUMEPREN", 1.1, L(14.0), F10, {.width = 72.0}),
                       Field("NRPERS", 1.1, R(110.0), F10),
                       Field("CNP", 1.1, R(148.0), F10),
                       Field("SUMA", 1.1, BandRight(), F10),
                   }),
        SummaryWithLine(21.0,
                        {
                            Label("TOTAL", 2.1, L(120.0), F10B),
                            Sum("SUMA", 2.1, BandRight(), F10B),
                            Label("Ordonator de credite,", 10.0, Centred(), F10),
                            NamedLabel("Primar", 14.5, Centred(), F10),
                        }),
    };
    return l;
}

ReportDocument FinanceListingDocument(const Workspace &ws, const QString &file, FinanceKind kind,
                                      const QDate &from, const QDate &to)
{
    const FinanceListing labels = PrepareFinanceListing(ws.constants, file, kind, from, to);
    Database db;
    db.attach(QStringLiteral("finante"), file, true);
    Query rows(db);
    rows.open(FinanceListingStatement(QStringLiteral("finante")));
    Layout layout = FinanceListingLayout();
    layout.setText(QStringLiteral("JudetCD"), labels.county);
    layout.setText(QStringLiteral("UnitCD"), labels.unit);
    layout.setText(QStringLiteral("QRLabel123"), labels.subtitle);
    layout.setText(QStringLiteral("LaDataCD"), labels.period);
    layout.setText(QStringLiteral("PrimarCD"), labels.mayor);
    layout.setText(QStringLiteral("Persoane"), QString::number(rows.rowCount()));
    ReportDocument doc = PaginateListing(layout, QueryRows(rows));
    rows.close();
    return doc;
}

ReportDocument Annex2ListingDocument(const Workspace &ws, const QString &treasuryFile, const QDate &transfer)
{
    const QList<Annex2Row> list = ReadAnnex2Rows(ws.constants, treasuryFile);
    TableRows rows({QStringLiteral("NUMEPREN"), QStringLiteral("NRPERS"), QStringLiteral("CNP"),
                    QStringLiteral("SUMA")});
    for (const Annex2Row &r : list)
        rows.add({r.name, r.persons, r.cnp, r.amount});
    const TreasuryLabels labels = TreasuryAnnexLabels(ws.constants, transfer);
    Layout layout = Annex2ListingLayout();
    layout.setText(QStringLiteral("Judet"), labels.county);
    layout.setText(QStringLiteral("Unitate"), labels.unit);
    layout.setText(QStringLiteral("Data"), labels.date);
    layout.setText(QStringLiteral("Primar"), labels.mayor);
    return PaginateListing(layout, rows);
}

} // namespace kovara
