// The listings over a small request table: which rows each one selects, its
// run-time texts, the amounts and totals, and the rules of the work tables.

#include "listings/Listings.h"
#include "ListingFixture.h"
#include "base/Error.h"
#include "engines/dbf/Dbf.h"

#include <QFileInfo>

using namespace kovara;
using kovara::report::ReportDocument;

namespace {

QStringList allTexts(const ReportDocument &doc)
{
    QStringList out;
    for (const auto &page : doc.pages)
        for (const auto &t : page.texts)
            out << t.text;
    return out;
}

// The texts of a column of the rows (9 pt and smaller, regular) or of the
// totals (bold) whose texts start (or end) at x mm of the page, joined by "|".
std::string column(const ReportDocument &doc, double x, bool rightEdge = false, bool totals = false)
{
    QStringList out;
    for (const auto &page : doc.pages)
        for (const auto &t : page.texts)
            if (std::abs((rightEdge ? t.left + t.width : t.left) - x) < 1e-6 &&
                (totals ? t.font.bold : !t.font.bold && t.font.points <= 9))
                out << t.text;
    return out.join('|').toStdString();
}

QVariantMap request(const char *tip, QDate date, QVariantMap more)
{
    more.insert("TIP", tip);
    more.insert("DINDATA", date);
    return more;
}

const QDate kStart(2010, 3, 1), kEnd(2010, 3, 31);

class Listings : public kovara::test::ListingData
{
};

TEST_F(Listings, BordereauSelectsKindOneRequestsOfThePeriodOneLinePerChild)
{
    add(request("A", kStart,
                {{"NR", 1},
                 {"SUBSEMN", "PARINTE UNU"},
                 {"COPIL1", "COPIL UNU A"},
                 {"CNP1", "5100301111111"},
                 {"COPIL2", "COPIL UNU B"},
                 {"CNP2", "5100301222222"},
                 {"HANDI", "NU"}}));
    add(request("AI", kEnd,
                {{"NR", 2}, {"SUBSEMN", "PARINTE DOI"}, {"COPIL1", "COPIL DOI"}, {"CNP1", "6100301333333"}}));
    add(request("S", kEnd.addDays(1), {{"NR", 3}, {"COPIL1", "COPIL DUPA"}, {"CNP1", "5100301444444"}}));
    add(request("I", kStart.addDays(-1),
                {{"NR", 4}, {"COPIL1", "COPIL INAINTE"}, {"CNP1", "5100301555555"}}));
    add(request("3", kStart, {{"NR", 5}, {"COPIL1", "COPIL NN"}, {"CNP1", "5100301666666"}}));
    add(request("4", kStart, {{"NR", 6}, {"COPIL1", "COPIL TRUSOU"}, {"CNP1", "5100301777777"}}));
    add(request("AS", kStart,
                {{"NR", 7}, {"COPIL1", "COPIL HANDICAP"}, {"CNP1", "5100301888888"}, {"HANDI", "DA"}}));
    add(request(
        "A", kStart,
        {{"NR", 8}, {"COPIL1", "COPIL FARA COD"}, {"COPIL2", "COPIL ZERO"}, {"CNP2", "0000000000000"}}));

    // The child's column starts at 167.2 mm of the band, 10 mm margin.
    const ReportDocument ordinary = BordereauListing(source(), false, kStart, kEnd);
    EXPECT_EQ(column(ordinary, 177.2), "COPIL UNU A|COPIL UNU B|COPIL DOI");
    EXPECT_EQ(ordinary.rows, 3);
    EXPECT_EQ(column(ordinary, 31.2), "PARINTE UNU|PARINTE UNU|PARINTE DOI");
    const QStringList texts = allTexts(ordinary);
    EXPECT_TRUE(texts.contains("BORDEROU CU DOSARELE PERSOANELOR BENEFICIARE DE INDEMNIZATIE LUNARA PENTRU "
                               "CRESTEREA COPILULUI"));
    EXPECT_TRUE(texts.contains("SI ALOCATII DE STAT PENTRU COPII, CONFORM O.U.G. 148/2005"));
    EXPECT_TRUE(texts.contains("in perioada 01.03.2010 - 31.03.2010"));
    for (const char *name : {"Ion Primaru", "Ana Secretaru", "Eva Intocmitu"})
        EXPECT_TRUE(texts.contains(name)) << name;

    const ReportDocument handicap = BordereauListing(source(), true, kStart, kEnd);
    EXPECT_EQ(column(handicap, 177.2), "COPIL HANDICAP");
    const QStringList htexts = allTexts(handicap);
    EXPECT_TRUE(htexts.contains("BORDEROU NOMINAL CU DOSARELE PERSOANELOR BENEFICIARE DE ALOCATIE DUBLA"));
    EXPECT_FALSE(htexts.contains("SI ALOCATII DE STAT PENTRU COPII, CONFORM O.U.G. 148/2005"));

    EXPECT_FALSE(QFileInfo::exists(workTable("B2")));
}

TEST_F(Listings, WorkTablesLeftOverAreReplacedAndOnesInUseRefuse)
{
    add(request("4", kStart,
                {{"NRDISP", 1},
                 {"DATADISP", kStart},
                 {"CUANTUM", 150},
                 {"NRCOPII", 1},
                 {"COPIL1", "TRUSOU UNU"},
                 {"CNP1", "5100301111111"}}));
    add(request("A", kStart, {{"NR", 1}, {"COPIL1", "COPIL UNU"}, {"CNP1", "5100301111111"}}));
    const struct
    {
        const char *table;
        std::function<ReportDocument()> run;
    } cases[] = {
        {"B2", [&] { return BordereauListing(source(), false, kStart, kEnd); }},
        {"S4", [&] { return CentralizerListing(source(), kStart, kEnd); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.table);
        const QString path = workTable(c.table);
        // A file left by a crashed run: removed, the listing goes on, and
        // its own table is gone when it ends.
        kovara::test::writeAll(path, "leftover");
        EXPECT_EQ(c.run().rows, 1);
        EXPECT_FALSE(QFileInfo::exists(path));

        // A table another program holds open for writing.
        Database other;
        other.createTable(path, "X CHAR(1)");
        {
            auto held = dbf::Table::open(path, dbf::Mode::ReadWrite);
            try {
                c.run();
                ADD_FAILURE() << "the listing ran over a table in use";
            } catch (const Error &e) {
                EXPECT_EQ(e.message(), "Fisierul " + QDir::toNativeSeparators(path) +
                                           " este in utilizare!\r\nVa rog sa restartati calculatorul si mai "
                                           "incercati odata!");
            }
        }
        EXPECT_TRUE(QFileInfo::exists(path)); // left to its holder
        QFile::remove(path);
    }
}

TEST_F(Listings, PayrollsListTheirKindByRequestDateWithTheirPeriodTexts)
{
    const QDate start(2010, 3, 5), end(2010, 4, 4);
    add(request("3", start, {{"SUBSEMN", "NN UNU"}, {"CNP", "2800101111111"}, {"CUANTUM", 204}}));
    add(request("3", end, {{"SUBSEMN", "NN DOI"}, {"CUANTUM", 204}}));
    add(request("3", end.addDays(1), {{"SUBSEMN", "NN DUPA"}, {"CUANTUM", 204}}));
    add(request("3", start, {{"SUBSEMN", "NN GEMENI"}, {"CUANTUM", 204}}));
    add(request("3", start, {{"SUBSEMN", "NN GEMENI"}, {"CUANTUM", 204}}));
    add(request("4", start, {{"SUBSEMN", "TR UNU"}, {"CUANTUM", 150}}));
    add(request("A", start, {{"SUBSEMN", "AL UNU"}, {"CUANTUM", 42}}));

    const ReportDocument newborn = NewbornPayrollListing(source(), start, end);
    EXPECT_EQ(column(newborn, 18.5), "NN DOI|NN GEMENI|NN GEMENI|NN UNU");
    const QStringList texts = allTexts(newborn);
    EXPECT_TRUE(texts.contains("pentru copii nou-nascuti pe perioada 05.martie.2010 - 04.aprilie.2010"));
    EXPECT_TRUE(texts.contains("816"));
    EXPECT_TRUE(texts.contains("JUDETUL BRASOV"));
    EXPECT_TRUE(texts.contains("PRIMARIA Sacele"));

    const ReportDocument layette = LayettePayrollListing(source(), start, end);
    EXPECT_EQ(column(layette, 33.5), "TR UNU");
    const QStringList ltexts = allTexts(layette);
    EXPECT_TRUE(
        ltexts.contains("pentru beneficiarii de trusou nou-nascuti pentru perioada 05.03.2010 - 04.04.2010"));
    EXPECT_TRUE(ltexts.contains("PRIMARIA SACELE"));
    EXPECT_EQ(column(layette, 25 + 141.6, true), "150");
    EXPECT_EQ(column(layette, 25 + 141.3, true, true), "150");

    const ReportDocument empty = NewbornPayrollListing(source(), QDate(2001, 1, 1), QDate(2001, 1, 31));
    EXPECT_EQ(empty.pages.size(), 1u);
    EXPECT_EQ(empty.rows, 0);
    EXPECT_EQ(column(empty, 10 + 170.9, true, true), "0");
}

TEST_F(Listings, CentralizerSplitsEachAmountBetweenTheChildren)
{
    const QDate in(2010, 3, 10);
    auto layette = [&](int disp, QDate when, int amount, QVariant children, int named) {
        QVariantMap m{{"NRDISP", disp},
                      {"DATADISP", when},
                      {"CUANTUM", amount},
                      {"NRCOPII", children},
                      {"SUBSEMN", QString("TITULAR %1").arg(disp)}};
        for (int i = 1; i <= named; ++i) {
            m.insert(QString("COPIL%1").arg(i), QString("COPIL %1-%2").arg(disp).arg(i));
            m.insert(QString("CNP%1").arg(i), QString("51003011111%1%2").arg(disp).arg(i));
        }
        add(request("4", in, m));
    };
    layette(1, in, 300, 2, 2);
    layette(2, in, 100, 3, 3);
    layette(3, in, 150, 1, 2);              // a second child entered, one counted: one line
    layette(4, in, 300, 0, 1);              // stored without a number of children: one child
    layette(5, kEnd.addDays(1), 150, 1, 1); // disposition after the period
    add(request("3", in,
                {{"NRDISP", 6}, {"DATADISP", in}, {"CUANTUM", 204}, {"NRCOPII", 1}, {"COPIL1", "COPIL NN"}}));

    const ReportDocument doc = CentralizerListing(source(), kStart, kEnd);
    EXPECT_EQ(column(doc, 10 + 108.0),
              "COPIL 1-1|COPIL 1-2|COPIL 2-1|COPIL 2-2|COPIL 2-3|COPIL 3-1|COPIL 4-1");
    // The shares of a request add up to its amount: the last child takes the
    // rest of the division, and the total is what was granted.
    EXPECT_EQ(column(doc, 10 + 277, true), "150|150|33.3333|33.3333|33.3334|150|300");
    EXPECT_EQ(column(doc, 10 + 277, true, true), "ANEXA NR.2|la Instructiuni|850");
    EXPECT_TRUE(allTexts(doc).contains("ION PRIMARU"));
    EXPECT_TRUE(allTexts(doc).contains("Pagina 1 din 1")); // every listing numbers its pages
    EXPECT_FALSE(QFileInfo::exists(workTable("S4")));
}

TEST_F(Listings, MinistryReportSelectsTheMonthPaid)
{
    auto newborn = [&](const char *tip, const char *month, int disp) {
        add(request(tip, QDate(2007, 6, 1),
                    {{"PTLUNA", month},
                     {"NRDISP", disp},
                     {"DATADISP", QDate(2007, 7, 2)},
                     {"CUANTUM", 204},
                     {"SUBSEMN", QString("BENEFICIAR %1").arg(disp)},
                     {"BISERIA", "BV"},
                     {"BINR", "123456"}}));
    };
    newborn("3", "iulie.2007", 7);
    newborn("3", "iulie.2007", 3);
    newborn("3", "august.2007", 4);
    newborn("4", "iulie.2007", 5);
    newborn("3", "iulie.2008", 6);

    const ReportDocument doc = MinistryListing(source(), 7, 2007);
    EXPECT_EQ(column(doc, 10 + 10.6), "BENEFICIAR 3|BENEFICIAR 7");
    const QStringList texts = allTexts(doc);
    EXPECT_TRUE(texts.contains("pentru copiii nou-nascuti pe luna IULIE.2007"));
    EXPECT_TRUE(texts.contains("BV 123456"));
    EXPECT_TRUE(texts.contains("408"));
    EXPECT_TRUE(texts.contains("02.07.2007"));
}

} // namespace
