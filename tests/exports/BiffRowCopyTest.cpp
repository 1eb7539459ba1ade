// Row copies above, inside and below merged areas of a LibreOffice workbook,
// checked with the engine and with xlrd (cells, merged ranges, formats and
// heights of the copied rows).

#include "TestSupport.h"
#include "XlsReader.h"
#include "engines/workbook/BiffWorkbook.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace kovara;
using biff::MergedRange;

namespace {

struct CopyCase
{
    const char *name;
    int first, last, destination, count;
    std::vector<MergedRange> merged;                   // rows and columns from 0, as the engine keeps them
    std::vector<std::pair<int, const char *>> columnA; // row (from 1) and the text of column A
    std::vector<int> copiesOfRow4;                     // rows (from 1) that must look like row 4
    int lastRow;
};

const CopyCase kCases[] = {
    {"above every merged area",
     1,
     1,
     1,
     2,
     {{3, 3, 0, 2}, {4, 6, 1, 1}, {7, 7, 0, 1}},
     {{1, "Text simplu"}, {2, "Text simplu"}, {3, "Text simplu"}, {4, "Antet"}, {9, "ultimul"}},
     {6},
     9},
    {"a merged row copied",
     2,
     2,
     2,
     3,
     {{1, 1, 0, 2}, {2, 2, 0, 2}, {3, 3, 0, 2}, {4, 4, 0, 2}, {5, 7, 1, 1}, {8, 8, 0, 1}},
     {{1, "Text simplu"}, {2, "Antet"}, {3, "Antet"}, {4, "Antet"}, {5, "Antet"}, {6, "-7"}, {10, "ultimul"}},
     {7},
     10},
    {"inside a vertical merged area",
     4,
     4,
     4,
     2,
     {{1, 1, 0, 2}, {2, 6, 1, 1}, {7, 7, 0, 1}},
     {{3, "-7"}, {4, "rand 4"}, {5, "rand 4"}, {6, "rand 4"}, {7, "123"}, {8, "Jos"}, {9, "ultimul"}},
     {4, 5, 6},
     9},
    {"below every merged area",
     7,
     7,
     8,
     2,
     {{1, 1, 0, 2}, {2, 4, 1, 1}, {5, 5, 0, 1}},
     {{6, "Jos"}, {7, "ultimul"}, {8, "ultimul"}, {9, "ultimul"}},
     {4},
     9},
    {"two rows with a merged area, copied above them",
     6,
     7,
     3,
     1,
     {{1, 1, 0, 2}, {2, 2, 0, 1}, {4, 6, 1, 1}, {7, 7, 0, 1}},
     {{2, "Antet"}, {3, "Jos"}, {4, "ultimul"}, {5, "-7"}, {8, "Jos"}, {9, "ultimul"}},
     {6},
     9},
    {"a count of zero",
     4,
     4,
     4,
     0,
     {{1, 1, 0, 2}, {2, 4, 1, 1}, {5, 5, 0, 1}},
     {{4, "rand 4"}, {5, "123"}, {7, "ultimul"}},
     {4},
     7},
};

std::vector<MergedRange> sorted(std::vector<MergedRange> v)
{
    std::sort(v.begin(), v.end(), [](const MergedRange &a, const MergedRange &b) {
        return std::tie(a.firstRow, a.firstColumn) < std::tie(b.firstRow, b.firstColumn);
    });
    return v;
}

class RowCopies : public ::testing::TestWithParam<CopyCase>
{
protected:
    static kovara::test::XlrdSheet readWithXlrdOriginal()
    {
        return kovara::test::readWithXlrd(
                   kovara::test::sourcePath(QStringLiteral("tests/exports/fixtures/cells.xls")))
            .value(0);
    }
};

TEST_P(RowCopies, MoveStretchAndCopyMergedAreasWithTheirRows)
{
    const CopyCase &c = GetParam();
    kovara::test::ScratchDir dir;
    const QString out = dir.file("copiat.xls");
    {
        BiffWorkbook book;
        book.OpenWorkbook(kovara::test::sourcePath(QStringLiteral("tests/exports/fixtures/cells.xls")));
        book.InsertRowCopies(c.first, c.last, c.destination, c.count);
        EXPECT_EQ(sorted(book.mergedRanges()), sorted(c.merged));
        EXPECT_EQ(book.LastRow(), c.lastRow);
        book.SaveWorkbookAs(out);
    }
    BiffWorkbook back;
    back.OpenWorkbook(out);
    EXPECT_EQ(sorted(back.mergedRanges()), sorted(c.merged));
    for (const auto &[row, text] : c.columnA)
        EXPECT_EQ(back.CellValue(row, 1).toText(), QString::fromUtf8(text)) << "row " << row;
    for (int row : c.copiesOfRow4)
        EXPECT_EQ(back.CellValue(row, 3).toText(), QStringLiteral("1234567.891")) << "row " << row;
    back.SelectSheet(2); // the sheet after the changed one is still found
    EXPECT_EQ(back.CellValue(1, 1).toText(), QStringLiteral("a doua foaie"));

    KOVARA_NEEDS(kovara::test::xlrdAvailable(), "python3-xlrd");
    const auto sheets = kovara::test::readWithXlrd(out);
    ASSERT_EQ(sheets.size(), 2);
    const kovara::test::XlrdSheet &s = sheets[0];
    EXPECT_EQ(s.nrows, c.lastRow);
    std::vector<MergedRange> seen;
    for (const QJsonValue &m : s.merged) {
        const QJsonArray a = m.toArray();
        seen.push_back({a[0].toInt(), a[1].toInt() - 1, a[2].toInt(), a[3].toInt() - 1});
    }
    EXPECT_EQ(sorted(seen), sorted(c.merged));
    for (const auto &[row, text] : c.columnA) {
        const QJsonValue v = s.at(row - 1, 0).value;
        EXPECT_EQ(v.isString() ? v.toString() : QString::number(v.toDouble()), QString::fromUtf8(text));
    }
    // Copies of row 4 keep its formats (bold framed text, a two-decimal
    // number) and its height.
    const auto original = readWithXlrdOriginal();
    const kovara::test::XlrdCell a4 = original.at(3, 0), c4 = original.at(3, 2);
    for (int row : c.copiesOfRow4) {
        SCOPED_TRACE(row);
        EXPECT_EQ(s.at(row - 1, 0).xf, a4.xf);
        EXPECT_TRUE(s.at(row - 1, 0).bold);
        EXPECT_EQ(s.at(row - 1, 0).border, a4.border);
        EXPECT_EQ(s.at(row - 1, 2).format, c4.format);
        EXPECT_EQ(s.heights.value(QString::number(row - 1)).toInt(), original.heights.value("3").toInt());
    }
    EXPECT_EQ(sheets[1].at(1, 1).value.toDouble(), 7);
}

INSTANTIATE_TEST_SUITE_P(Cases, RowCopies, ::testing::ValuesIn(kCases), [](const auto &info) {
    std::string name;
    for (const char *p = info.param.name; *p; ++p)
        name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
    return name;
});

} // namespace
