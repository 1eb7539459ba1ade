// Each listing printed over one request, written to a PDF and read back by
// poppler: every text sits where its layout puts it, within 0.5 mm.

#include "ListingFixture.h"
#include "PdfWords.h"
#include "engines/report/ReportRender.h"

using namespace kovara;

namespace {

// Where a text must be: its left edge ('L'), right edge ('R') or centre
// ('C', on the band's centre) at x mm of the band; its top at `top` mm of
// the page; the n-th place where the text occurs on the page.
struct Spot
{
    const char *text;
    char anchor;
    double x;
    double top;
    int nth = 0;
};

void expectSpots(const test::PdfPage &page, double margin, double bandWidth, const std::vector<Spot> &spots)
{
    for (const Spot &s : spots) {
        SCOPED_TRACE(s.text);
        const QRectF box = page.find(QString::fromUtf8(s.text), s.nth);
        ASSERT_FALSE(box.isNull()) << "not on the page: " << page.joined().toStdString();
        switch (s.anchor) {
        case 'L':
            EXPECT_NEAR(box.left(), margin + s.x, 0.5);
            break;
        case 'R':
            EXPECT_NEAR(box.right(), margin + s.x, 0.5);
            break;
        default:
            EXPECT_NEAR(box.center().x(), margin + bandWidth / 2, 0.5);
            break;
        }
        EXPECT_NEAR(box.top(), s.top, 0.5);
    }
}

class LayoutPlacement : public test::ListingData
{
protected:
    test::PdfPage firstPage(const report::ReportDocument &doc)
    {
        report::WritePdf(doc, scratch.file("listare.pdf"));
        const auto pages = test::readPdf(scratch.file("listare.pdf"));
        EXPECT_EQ(pages.size(), doc.pages.size());
        return pages.empty() ? test::PdfPage() : pages.front();
    }

    void addOne(const char *tip, QVariantMap more)
    {
        more.insert("TIP", tip);
        more.insert("DINDATA", QDate(2010, 3, 5));
        more.insert("NR", 57);
        more.insert("SUBSEMN", "POPESCU MARIA");
        more.insert("CNP", "2800101123456");
        more.insert("ADRESA", "Str. Lunga nr. 4");
        more.insert("BISERIA", "BV");
        more.insert("BINR", "123456");
        more.insert("COPIL1", "POPESCU ANA");
        more.insert("CNP1", "6100301123451");
        more.insert("NRDISP", 12);
        more.insert("DATADISP", QDate(2010, 3, 20));
        more.insert("NRCOPII", 1);
        add(more);
    }
};

TEST_F(LayoutPlacement, BordereauB2)
{
    addOne("AI", {{"HANDI", "NU"}});
    const auto page = firstPage(BordereauListing(source(), false, QDate(2010, 3, 1), QDate(2010, 3, 31)));
    const double t = 10, h = t + 17.7, d = h + 6.9, s = d + 5.3;
    expectSpots(
        page, 10, 277,
        {{"BORDEROU CU DOSARELE PERSOANELOR BENEFICIARE DE INDEMNIZATIE LUNARA PENTRU CRESTEREA COPILULUI",
          'C', 0, t + 2.1},
         {"SI ALOCATII DE STAT PENTRU COPII, CONFORM O.U.G. 148/2005", 'C', 0, t + 6.9},
         {"in perioada 01.03.2010 - 31.03.2010", 'C', 0, t + 12.2},
         {"Nr.crt.", 'L', 0, h + 1.1},
         {"TIP Numele si prenumele", 'L', 14.8, h + 1.1},
         {"C.N.P.", 'L', 88.9, h + 1.1},
         {"Adresa", 'L', 108.0, h + 1.1},
         {"Copil", 'L', 167.2, h + 1.1},
         {"C.N.P.", 'L', 226.5, h + 1.1, 1},
         {"Cerere nr./ din data", 'R', 277, h + 1.1},
         {"1", 'R', 9.5, d + 1.1},
         {"AI", 'L', 14.8, d + 1.1},
         {"POPESCU MARIA", 'L', 21.2, d + 1.1},
         {"2800101123456", 'R', 104.8, d + 1.1},
         {"Str. Lunga nr. 4", 'L', 108.0, d + 1.1},
         {"POPESCU ANA", 'L', 167.2, d + 1.1},
         {"6100301123451", 'R', 243.2, d + 1.1},
         {"57", 'R', 254.8, d + 1.1},
         {"/", 'L', 256.1, d + 1.1},
         {"05.03.2010", 'L', 258.2, d + 1.1},
         {"Primar,", 'L', 27.5, s + 2.1},
         {"Ion Primaru", 'L', 27.5, s + 6.3},
         {"Intocmit,", 'L', 97.4, s + 8.5},
         {"Eva Intocmitu", 'L', 97.4, s + 12.7},
         {"Secretar,", 'L', 148.2, s + 2.1},
         {"Ana Secretaru", 'L', 148.2, s + 6.3}});
    EXPECT_NEAR(page.width, 297, 0.5);
}

TEST_F(LayoutPlacement, NewbornPayrollS1)
{
    addOne("3", {{"CUANTUM", 204}});
    const auto page = firstPage(NewbornPayrollListing(source(), QDate(2010, 3, 5), QDate(2010, 4, 4)));
    const double t = 10, h = t + 28.3, d = h + 10.6, s = d + 6.3;
    expectSpots(page, 10, 190,
                {{"ROMANIA", 'L', 0, t},
                 {"JUDETUL BRASOV", 'L', 0, t + 4.2},
                 {"PRIMARIA Sacele", 'L', 0, t + 8.5},
                 {"STAT DE PLATA", 'C', 0, t + 12.7},
                 {"pentru copii nou-nascuti pe perioada 05.martie.2010 - 04.aprilie.2010", 'C', 0, t + 19.1},
                 {"Nr.", 'L', 0, h + 0.5},
                 {"crt.", 'L', 0, h + 4.8},
                 {"Numele si prenumele", 'L', 8.5, h + 0.5},
                 {"beneficiarului", 'L', 8.5, h + 4.8},
                 {"C.N.P.", 'L', 80.4, h + 0.5},
                 {"beneficiar", 'L', 76.2, h + 4.8},
                 {"Domiciliul", 'L', 93.1, h + 0.5},
                 {"B.I./C.I.", 'L', 139.7, h + 0.5},
                 {"beneficiar", 'L', 139.7, h + 4.8, 1},
                 {"Suma", 'L', 158.8, h + 0.5},
                 {"acordata", 'L', 158.8, h + 4.8},
                 {"Semnatura", 'R', 190, h + 0.5},
                 {"1", 'R', 5.6, d + 1.1},
                 {"POPESCU MARIA", 'L', 8.5, d + 1.1},
                 {"2800101123456", 'R', 90.5, d + 1.1},
                 {"Str. Lunga nr. 4", 'L', 93.1, d + 1.1},
                 {"204", 'R', 171.2, d + 1.1},
                 {"TOTAL :", 'L', 135.5, s + 1.1},
                 {"204", 'R', 170.9, s + 1.1, 1},
                 {"PRIMAR,", 'L', 4.2, s + 7.4},
                 {"Ion Primaru", 'L', 4.2, s + 11.6},
                 {"DIRECTOR,", 'L', 120.7, s + 7.4},
                 {"Dan Directoru", 'L', 120.7, s + 11.6},
                 {"INTOCMIT,", 'L', 67.7, s + 20.1},
                 {"Eva Intocmitu", 'L', 52.9, s + 24.3}});
    EXPECT_NEAR(page.width, 210, 0.5);
}

TEST_F(LayoutPlacement, LayettePayrollS4)
{
    addOne("4", {{"CUANTUM", 150}});
    const auto page = firstPage(LayettePayrollListing(source(), QDate(2010, 3, 5), QDate(2010, 4, 4)));
    const double t = 10, h = t + 32.5, d = h + 10.6, s = d + 6.3;
    expectSpots(page, 25, 175,
                {{"ROMANIA", 'L', 0, t},
                 {"JUDETUL BRASOV", 'L', 0, t + 4.2},
                 {"PRIMARIA SACELE", 'L', 0, t + 8.5},
                 {"STAT DE PLATA", 'C', 0, t + 14.8},
                 {"pentru beneficiarii de trusou nou-nascuti pentru perioada 05.03.2010 - 04.04.2010", 'C', 0,
                  t + 23.3},
                 {"Nr.", 'L', 0, h + 1.1},
                 {"crt.", 'L', 0, h + 4.8},
                 {"Numele si prenumele", 'L', 8.5, h + 1.1},
                 {"beneficiarului", 'L', 8.5, h + 4.8},
                 {"C.N.P.", 'L', 86.8, h + 1.1},
                 {"beneficiar", 'L', 84.7, h + 4.8},
                 {"B.I./C.I.", 'L', 105.8, h + 1.1},
                 {"beneficiar", 'L', 105.8, h + 4.8, 1},
                 {"Suma", 'L', 129.1, h + 1.1},
                 {"acordata", 'L', 129.1, h + 4.8},
                 {"Semnatura", 'R', 168.8, h + 2.6},
                 {"1", 'R', 5.6, d + 1.1},
                 {"POPESCU MARIA", 'L', 8.5, d + 1.1},
                 {"2800101123456", 'R', 103.2, d + 1.1},
                 {"150", 'R', 141.6, d + 1.1},
                 {"TOTAL :", 'L', 105.8, s + 1.1},
                 {"150", 'R', 141.3, s + 1.1, 1},
                 {"LEI", 'L', 143.9, s + 1.1},
                 {"PRIMAR,", 'L', 4.2, s + 7.4},
                 {"Ion Primaru", 'L', 4.2, s + 11.6},
                 {"DIRECTOR,", 'L', 105.8, s + 7.4},
                 {"Dan Directoru", 'L', 105.8, s + 11.6},
                 {"INTOCMIT,", 'L', 57.1, s + 20.1},
                 {"Eva Intocmitu", 'L', 57.1, s + 24.3}});
}

TEST_F(LayoutPlacement, CentralizerC4)
{
    addOne("4", {{"CUANTUM", 150}});
    const auto page = firstPage(CentralizerListing(source(), QDate(2010, 3, 1), QDate(2010, 3, 31)));
    const double t = 10, h = t + 34.7, d = h + 10.6, s = d + 5.3;
    expectSpots(
        page, 10, 277,
        {{"ROMANIA", 'L', 0, t},
         {"JUDETUL BRASOV", 'L', 0, t + 4.2},
         {"PRIMARIA Sacele", 'L', 0, t + 8.5},
         {"ANEXA NR.2", 'R', 277, t},
         {"la Instructiuni", 'R', 277, t + 4.2},
         {"SITUATIA CENTRALIZATOARE", 'C', 0, t + 14.8},
         {"privind dispozitiile primarului si beneficiarii trusoului pentru nou-nascuti", 'C', 0, t + 22.8},
         {"Titularul trusoului", 'L', 0, h + 1.1},
         {"C.N.P. titular", 'L', 65.6, h + 1.1},
         {"Nr.Disp.", 'L', 91.0, h + 1.1},
         {"Numele si prenumele", 'L', 108.0, h + 1.1},
         {"CNP copil", 'L', 173.6, h + 1.1},
         {"Suma", 'R', 277, h + 1.1},
         {"Adresa titularului", 'L', 192.6, h + 3.2},
         {"trusou", 'L', 65.6, h + 5.3},
         {"primar", 'L', 91.0, h + 5.3},
         {"copilului", 'L', 108.0, h + 5.3},
         {"pt.care se acorda trusou", 'L', 152.4, h + 5.3},
         {"acordata", 'R', 277, h + 5.3},
         {"POPESCU MARIA", 'L', 0, d + 1.1},
         {"2800101123456", 'R', 87.8, d + 1.1},
         {"12", 'R', 102.1, d + 1.1},
         {"POPESCU ANA", 'L', 108.0, d + 1.1},
         {"6100301123451", 'R', 189.4, d + 1.1},
         {"Str. Lunga nr. 4", 'L', 192.6, d + 1.1},
         {"150", 'R', 277, d + 1.1},
         {"TOTAL :", 'L', 232.8, s + 2.1},
         {"150", 'R', 277, s + 2.1, 1},
         {"PRIMAR,", 'C', 0, s + 6.3},
         {"ION PRIMARU", 'C', 0, s + 10.6}});
}

TEST_F(LayoutPlacement, MinistryReportB3)
{
    addOne("3", {{"CUANTUM", 204}, {"PTLUNA", "iulie.2007"}});
    const auto page = firstPage(MinistryListing(source(), 7, 2007));
    const double t = 10, h = t + 34.7, d = h + 10.6, s = d + 5.3;
    expectSpots(page, 10, 277,
                {{"ROMANIA", 'L', 0, t},
                 {"JUDETUL BRASOV", 'L', 0, t + 4.2},
                 {"PRIMARIA Sacele", 'L', 0, t + 8.5},
                 {"BORDEROU", 'C', 0, t + 14.8},
                 {"Privind necesarul de credite bugetare pentru plata alocatiei", 'C', 0, t + 22.8},
                 {"pentru copiii nou-nascuti pe luna IULIE.2007", 'C', 0, t + 28.0},
                 {"Nr.crt.", 'L', 0, h + 1.1},
                 {"Numele si prenumele", 'L', 10.6, h + 1.1},
                 {"C.N.P.", 'L', 76.2, h + 1.1},
                 {"Numele si prenumele", 'L', 173.6, h + 1.1, 1},
                 {"C.N.P.", 'L', 224.4, h + 1.1, 1},
                 {"Nr.si data", 'L', 241.3, h + 1.1},
                 {"Suma", 'R', 277, h + 1.1},
                 {"Domiciliul", 'L', 95.2, h + 3.2},
                 {"B.I. sau C.I.", 'L', 152.4, h + 3.2},
                 {"beneficiarului", 'L', 10.6, h + 5.3},
                 {"beneficiar", 'L', 74.1, h + 5.3},
                 {"noului-nascut", 'L', 173.6, h + 5.3},
                 {"nou-nascut", 'L', 220.1, h + 5.3},
                 {"disp.primar", 'L', 241.3, h + 5.3},
                 {"acordata", 'R', 277, h + 5.3},
                 {"1", 'R', 7.4, d + 1.1},
                 {"POPESCU MARIA", 'L', 10.6, d + 1.1},
                 {"2800101123456", 'R', 92.1, d + 1.1},
                 {"Str. Lunga nr. 4", 'L', 95.2, d + 1.1},
                 {"BV 123456", 'L', 152.4, d + 1.1},
                 {"POPESCU ANA", 'L', 173.6, d + 1.1},
                 {"6100301123451", 'R', 240.2, d + 1.1},
                 {"204", 'R', 277, d + 1.1},
                 {"TOTAL :", 'L', 232.8, s + 2.1},
                 {"204", 'R', 277, s + 2.1, 1},
                 {"PRIMAR,", 'L', 33.9, s + 10.6},
                 {"Ion Primaru", 'L', 23.3, s + 14.8},
                 {"DIRECTOR,", 'L', 209.6, s + 10.6},
                 {"Dan Directoru", 'L', 203.2, s + 14.8},
                 {"INTOCMIT,", 'C', 0, s + 23.3},
                 {"Eva Intocmitu", 'C', 0, s + 27.5}});
    // The disposition number, "/" and the date are close: poppler may read
    // them as one word, which then spans from the number to the date's end.
    const QRectF disp = page.find("12/20.03.2010").isNull() ? page.find("12").united(page.find("20.03.2010"))
                                                            : page.find("12/20.03.2010");
    EXPECT_NEAR(disp.right(), 10 + 265.4, 0.5);
    EXPECT_NEAR(disp.top(), d + 1.1, 0.5);
}

} // namespace
