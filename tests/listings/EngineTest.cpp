// The report engine on small layouts: the pages it decides (header on every
// page, page breaks, summary on the last page, sums and detail numbers,
// stretching, an empty query, clipping), then the same pages in a PDF read
// back by poppler.

#include "PdfWords.h"
#include "TestSupport.h"
#include "base/Error.h"
#include "engines/report/Paginator.h"
#include "engines/report/ReportRender.h"
#include "engines/report/ReportText.h"

#include <QDate>
#include <gtest/gtest.h>

using namespace kovara::report;

namespace {

constexpr FontSpec F10{10, false};

// A4 portrait, margins 10: title 20 mm, header 10 mm, detail 10 mm,
// summary 20 mm. Page 1 holds 24 details, a following page 26.
Layout smallLayout()
{
    Layout l;
    l.name = "T";
    l.bands = {
        {BandKind::Title, 20, false, false, kThinLine, {Label("TITLU", 2, Centred(), F10)}},
        {BandKind::ColumnHeader,
         10,
         true,
         true,
         kThickLine,
         {Label("Antet", 1, L(0), F10), Label("Suma", 1, BandRight(), F10)}},
        {BandKind::Detail,
         10,
         false,
         true,
         kThinLine,
         {DetailNumber(1, R(10), F10),
          Field("NUME", 1, L(20), F10, {.width = 40, .wrap = true, .stretch = true}),
          Field("SUMA", 1, BandRight(), F10)}},
        {BandKind::Summary,
         20,
         false,
         false,
         kThinLine,
         {Label("TOTAL :", 2, L(100), F10), Sum("SUMA", 2, BandRight(), F10)}},
    };
    return l;
}

TableRows rows(int n, const QString &name = "ION")
{
    TableRows r({"NUME", "SUMA"});
    for (int i = 1; i <= n; ++i)
        r.add({name + QString::number(i), qint64(i)});
    return r;
}

std::vector<const PlacedText *> textsOn(const Page &page, const QString &text)
{
    std::vector<const PlacedText *> out;
    for (const PlacedText &t : page.texts)
        if (t.text == text)
            out.push_back(&t);
    return out;
}

// The detail numbers of a page, in order.
QStringList numbersOn(const Page &page)
{
    QStringList out;
    for (const PlacedText &t : page.texts)
        if (std::abs(t.left + t.width - 20) < 1e-6) // right edge at 10 mm from the band's left
            out << t.text;
    return out;
}

TEST(ReportEngine, PagesRepeatTheHeaderBreakWhenFullAndEndWithTheSummary)
{
    struct Case
    {
        int rows;
        std::vector<int> perPage; // details on each page
        bool lastRowMoved;        // the summary did not fit after the last detail
    };
    // The summary never stands alone: where it does not fit after the last
    // row, that row goes with it to the next page.
    const Case cases[] = {{1, {1}, false},
                          {24, {23, 1}, true},
                          {25, {24, 1}, false},
                          {60, {24, 26, 10}, false},
                          {50, {24, 25, 1}, true}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.rows);
        const ReportDocument doc = Paginate(smallLayout(), rows(c.rows));
        ASSERT_EQ(doc.pages.size(), c.perPage.size());
        int number = 0;
        for (size_t p = 0; p < doc.pages.size(); ++p) {
            const Page &page = doc.pages[p];
            EXPECT_EQ(textsOn(page, "TITLU").size(), p == 0 ? 1u : 0u);
            // The column header at the top of every page, below the title on the first.
            const auto header = textsOn(page, "Antet");
            ASSERT_EQ(header.size(), 1u);
            EXPECT_NEAR(header[0]->top, p == 0 ? 31 : 11, 1e-9);
            QStringList expected;
            for (int i = 0; i < c.perPage[p]; ++i)
                expected << QString::number(++number);
            EXPECT_EQ(numbersOn(page), expected);
            const bool last = p + 1 == doc.pages.size();
            EXPECT_EQ(textsOn(page, "TOTAL :").size(), last ? 1u : 0u);
            // Nothing below the bottom margin.
            for (const PlacedLine &line : page.lines)
                EXPECT_LE(line.y1, 287 + 1e-9);
        }
        EXPECT_EQ(number, c.rows);
        EXPECT_EQ(doc.rows, c.rows);
        // The total counts every row, across pages.
        const auto total = textsOn(doc.pages.back(), QString::number(c.rows * (c.rows + 1) / 2));
        ASSERT_FALSE(total.empty());
        EXPECT_NEAR(total.back()->left + total.back()->width, 200, 1e-6);
        EXPECT_FALSE(numbersOn(doc.pages.back()).isEmpty()) << "the summary alone on its page";
        if (c.lastRowMoved) {
            // The row right below the header, the summary below it.
            EXPECT_NEAR(textsOn(doc.pages.back(), "TOTAL :")[0]->top, 10 + 10 + 10 + 2, 1e-9);
        }
    }
}

TEST(ReportEngine, AnEmptyQueryGivesOnePageWithTitleHeaderAndAZeroTotal)
{
    const ReportDocument doc = Paginate(smallLayout(), rows(0));
    ASSERT_EQ(doc.pages.size(), 1u);
    const Page &page = doc.pages[0];
    EXPECT_EQ(textsOn(page, "TITLU").size(), 1u);
    EXPECT_EQ(textsOn(page, "Antet").size(), 1u);
    const auto total = textsOn(page, "0");
    ASSERT_EQ(total.size(), 1u);
    EXPECT_NEAR(total[0]->top, 10 + 20 + 10 + 2, 1e-9); // the summary right below the header
    EXPECT_EQ(doc.rows, 0);
}

// A total of many amounts of four decimals shows their exact sum, with no
// binary noise, however many rows it adds.
// Page numbers, when the layout asks for them, stand on every page below
// the last band, centred, and count every page.
TEST(ReportEngine, PageNumbersInTheBottomMarginOfEveryPage)
{
    Layout layout = smallLayout();
    for (const Page &page : Paginate(layout, rows(60)).pages)
        for (const PlacedText &t : page.texts)
            EXPECT_FALSE(t.text.startsWith("Pagina")) << "no numbers unless asked for";

    layout.pageNumberText = QStringLiteral("Pagina %1 din %2");
    const ReportDocument doc = Paginate(layout, rows(60));
    ASSERT_EQ(doc.pages.size(), 3u);
    for (std::size_t i = 0; i < doc.pages.size(); ++i) {
        const auto numbers = textsOn(doc.pages[i], QStringLiteral("Pagina %1 din 3").arg(i + 1));
        ASSERT_EQ(numbers.size(), 1u) << i;
        const PlacedText &n = *numbers[0];
        EXPECT_GE(n.top, doc.pageHeight - layout.marginBottom);
        EXPECT_LE(n.top + LineHeight(n.font), doc.pageHeight);
        EXPECT_NEAR(n.left + n.width / 2, doc.pageWidth / 2, 1e-6);
        for (const PlacedText &t : doc.pages[i].texts)
            if (&t != &n) {
                EXPECT_LE(t.top + LineHeight(t.font), doc.pageHeight - layout.marginBottom + 1e-6)
                    << t.text.toStdString();
            }
    }
}

TEST(ReportEngine, TotalsAreExactSumsOfTheAmounts)
{
    const struct
    {
        double amount;
        int count;
        const char *total;
    } cases[] = {
        {83.3333, 48, "3999.9984"}, {0.1, 3, "0.3"}, {33.3333, 17605, "586832.7465"}, {150, 4, "600"}};
    for (const auto &c : cases) {
        TableRows r({"NUME", "SUMA"});
        for (int i = 0; i < c.count; ++i)
            r.add({QStringLiteral("N"), c.amount});
        const ReportDocument doc = Paginate(smallLayout(), r);
        EXPECT_EQ(textsOn(doc.pages.back(), QString::fromLatin1(c.total)).size(), 1u) << c.total;
    }
}

// A large total grows leftwards towards its label: it is drawn smaller and
// never touches it; with room to spare it keeps its size.
TEST(ReportEngine, ATotalNeverTouchesItsLabel)
{
    const struct
    {
        double labelLeft;
        bool smaller;
    } cases[] = {{100, false}, {160, true}, {166, true}};
    for (const auto &c : cases) {
        Layout l = smallLayout();
        l.bands[3].elements[0].place = L(c.labelLeft);
        TableRows r({"NUME", "SUMA"});
        for (int i = 0; i < 17605; ++i)
            r.add({QStringLiteral("N"), 113.6378});
        const ReportDocument doc = Paginate(l, r);
        const Page &last = doc.pages.back();
        const auto total = textsOn(last, "2000593.469");
        const auto label = textsOn(last, "TOTAL :");
        ASSERT_EQ(total.size(), 1u) << c.labelLeft;
        ASSERT_EQ(label.size(), 1u) << c.labelLeft;
        EXPECT_EQ(label[0]->font.points, 10);
        EXPECT_NEAR(total[0]->left + total[0]->width, 200, 1e-6) << c.labelLeft; // margin 10
        EXPECT_EQ(total[0]->font.points < 10, c.smaller) << c.labelLeft;
        EXPECT_GE(total[0]->font.points, 6);
        if (c.labelLeft < 166) {
            EXPECT_GE(total[0]->left, label[0]->left + label[0]->width + 1.5 - 1e-6) << c.labelLeft;
        }
    }
}

TEST(ReportEngine, AWrappedStretchingFieldGrowsItsBandAndPushesTheNextRowDown)
{
    TableRows r({"NUME", "SUMA"});
    r.add({"POPESCU MARIA-MAGDALENA ELISABETA IOANA ALEXANDRA", qint64(1)});
    r.add({"ION", qint64(2)});
    const ReportDocument doc = Paginate(smallLayout(), r);
    const Page &page = doc.pages[0];
    const double lh = LineHeight(F10);
    // The name on several lines, each within the 40 mm of its element.
    std::vector<const PlacedText *> nameLines;
    for (const PlacedText &t : page.texts)
        if (std::abs(t.left - 30) < 1e-6 && t.top < 60)
            nameLines.push_back(&t);
    ASSERT_GE(nameLines.size(), 2u);
    for (size_t i = 0; i < nameLines.size(); ++i) {
        EXPECT_LE(nameLines[i]->width, 40 + 1e-6);
        EXPECT_NEAR(nameLines[i]->top, 40 + 1 + i * lh, 1e-9);
    }
    const double grown = 10 + (nameLines.size() - 1) * lh;
    // The second row starts below the grown band, whose line is at its new bottom.
    const auto second = textsOn(page, "2");
    ASSERT_FALSE(second.empty());
    EXPECT_NEAR(second[0]->top, 40 + grown + 1, 1e-9);
    bool lineAtBottom = false;
    for (const PlacedLine &line : page.lines)
        lineAtBottom = lineAtBottom || std::abs(line.y1 - (40 + grown)) < 1e-9;
    EXPECT_TRUE(lineAtBottom);
}

// A name a little too long for its element is drawn smaller, whole, rather
// than cut; one that fits keeps its size.
TEST(ReportEngine, TextTooWideIsDrawnSmallerBeforeItIsCut)
{
    const QString longName = QString::fromUtf8("ŞERBĂNESCU-ŢĂRĂNUŢĂ MĂRIOARA");
    Layout l = smallLayout();
    const double width = TextWidth(F10, longName) * 0.8;
    l.bands[2].elements[1].box = {.width = width}; // no wrap
    TableRows r({"NUME", "SUMA"});
    r.add({longName, qint64(1)});
    r.add({QStringLiteral("ION"), qint64(2)});
    const ReportDocument doc = Paginate(l, r);
    const auto name = textsOn(doc.pages[0], longName);
    ASSERT_EQ(name.size(), 1u);
    EXPECT_FALSE(name[0]->clipped);
    EXPECT_LT(name[0]->font.points, 10);
    EXPECT_GE(name[0]->font.points, 6);
    EXPECT_LE(name[0]->width, width + 1e-6);
    EXPECT_EQ(textsOn(doc.pages[0], "ION")[0]->font.points, 10);

    // A wrapped element of fixed height takes all its lines in a smaller size.
    const QString names = QStringLiteral("POPESCU MARIA ELENA IOANA ALEXANDRA");
    Layout w = smallLayout();
    w.bands[2].elements[1].box = {
        .width = TextWidth(F10, names) * 0.4, .wrap = true, .height = 2 * LineHeight(F10)};
    TableRows one({"NUME", "SUMA"});
    one.add({names, qint64(1)});
    const ReportDocument wrapped = Paginate(w, one);
    QStringList lines;
    for (const PlacedText &t : wrapped.pages[0].texts)
        if (t.font.points < 10)
            lines << t.text;
    EXPECT_GE(lines.size(), 2);
    EXPECT_EQ(lines.join(' '), names);
}

TEST(ReportEngine, TextWiderThanAFixedElementIsClippedAtItsEdge)
{
    Layout l = smallLayout();
    l.bands[2].elements[1].box = {.width = 15}; // no wrap
    TableRows r({"NUME", "SUMA"});
    r.add({"WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW", qint64(1)});
    const ReportDocument doc = Paginate(l, r);
    const auto name = textsOn(doc.pages[0], "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW");
    ASSERT_EQ(name.size(), 1u);
    EXPECT_TRUE(name[0]->clipped); // still too wide at the smallest size
    EXPECT_EQ(name[0]->font.points, 6);
    EXPECT_NEAR(name[0]->clip.left(), 30, 1e-9);
    EXPECT_NEAR(name[0]->clip.right(), 45, 1e-9);

    // On the painted page nothing of it reaches past the element's edge.
    const double dpi = 150;
    const QImage image = RenderPage(doc, 0, dpi);
    const auto px = [&](double mm) { return int(mm / 25.4 * dpi); };
    int inside = 0, beyond = 0;
    for (int y = px(name[0]->top); y < px(name[0]->top + LineHeight(F10)); ++y) {
        for (int x = px(31); x < px(44); ++x)
            inside += qGray(image.pixel(x, y)) < 128;
        for (int x = px(45.5); x < px(100); ++x)
            beyond += qGray(image.pixel(x, y)) < 128;
    }
    EXPECT_GT(inside, 50);
    EXPECT_EQ(beyond, 0);
}

TEST(ReportEngine, ALayoutNamingAMissingColumnFails)
{
    TableRows r({"NUME"});
    EXPECT_THROW(Paginate(smallLayout(), r), kovara::Error);
}

TEST(ReportEngine, DisplayTextsOfValues)
{
    const struct
    {
        QVariant value;
        const char *text;
    } cases[] = {
        {qint64(204), "204"},
        {150.0, "150"},
        {33.3333, "33.3333"},
        {99.99990000000001, "99.9999"},
        {0.1 + 0.2, "0.3"},
        {-1.5, "-1.5"},
        {1234567.0, "1234567"},
        {QDate(2010, 3, 5), "05.03.2010"},
        {QString("POPESCU ION   "), "POPESCU ION"},
        {QVariant(), ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(DisplayText(c.value), QString::fromUtf8(c.text)) << c.text;
}

TEST(ReportEngine, WrapKeepsWordsAndBreaksOnlyOverlongOnes)
{
    EXPECT_EQ(WrapText(F10, "ANA", 40), QStringList{"ANA"});
    const QStringList lines = WrapText(F10, "POPESCU MARIA ELENA IOANA", 25);
    EXPECT_GE(lines.size(), 2);
    EXPECT_EQ(lines.join(' '), "POPESCU MARIA ELENA IOANA");
    const QStringList cut = WrapText(F10, "WWWWWWWWWWWWWWWWWWWW", 20);
    EXPECT_GE(cut.size(), 2);
    EXPECT_EQ(cut.join(""), "WWWWWWWWWWWWWWWWWWWW");
    for (const QString &line : cut)
        EXPECT_LE(TextWidth(F10, line), 20 + 1e-6);
}

// The same pages through a PDF file, read back by poppler.
TEST(ReportEngine, ThePdfHoldsThePagesWhereTheModelPutsThem)
{
    kovara::test::ScratchDir scratch;
    const ReportDocument doc = Paginate(smallLayout(), rows(60));
    WritePdf(doc, scratch.file("t.pdf"));
    const auto pages = kovara::test::readPdf(scratch.file("t.pdf"));
    ASSERT_EQ(pages.size(), 3u);
    for (size_t p = 0; p < pages.size(); ++p) {
        SCOPED_TRACE(p);
        EXPECT_NEAR(pages[p].width, 210, 0.5);
        EXPECT_NEAR(pages[p].height, 297, 0.5);
        EXPECT_EQ(pages[p].count("TITLU"), p == 0 ? 1 : 0);
        const QRectF header = pages[p].find("Antet");
        ASSERT_FALSE(header.isNull());
        EXPECT_NEAR(header.left(), 10, 0.5);
        EXPECT_NEAR(header.top(), p == 0 ? 31 : 11, 0.5);
        EXPECT_EQ(pages[p].count("TOTAL :"), p == 2 ? 1 : 0);
    }
    // Detail numbers right-aligned at 20 mm; the first row of page 2 just below its header.
    const QRectF first2 = pages[1].find("25");
    ASSERT_FALSE(first2.isNull());
    EXPECT_NEAR(first2.right(), 20, 0.5);
    EXPECT_NEAR(first2.top(), 10 + 10 + 1, 0.5);
    const QRectF total = pages[2].find("1830");
    ASSERT_FALSE(total.isNull());
    EXPECT_NEAR(total.right(), 200, 0.5);
}

} // namespace
