// Damaged and foreign files are refused with a message that names the file
// and says what is wrong; nothing is left open.

#include "TestSupport.h"
#include "base/Error.h"
#include "engines/workbook/BiffRecords.h"
#include "engines/workbook/BiffWorkbook.h"
#include "engines/workbook/CompoundFile.h"

#include <cstdio>
#include <functional>
#include <gtest/gtest.h>

using namespace kovara;
using kovara::test::readAll;

namespace {

QByteArray cellsFile()
{
    return readAll(kovara::test::sourcePath(QStringLiteral("tests/exports/fixtures/cells.xls")));
}

QByteArray cellsStream()
{
    biff::CompoundNode root = biff::ReadCompoundFile(cellsFile(), QStringLiteral("cells.xls"));
    return biff::FindStream(root, QStringLiteral("Workbook"))->data;
}

// A compound file holding one stream.
QByteArray compoundWith(const QString &name, const QByteArray &data)
{
    biff::CompoundNode root;
    root.storage = true;
    root.children.push_back(biff::CompoundNode{name, false, data, {}, {}});
    return biff::WriteCompoundFile(root);
}

// The stream with the BOF records saying BIFF5 (version 0x0500).
QByteArray asBiff5(QByteArray stream)
{
    biff::set16(stream, 4, 0x0500);
    return stream;
}

struct DamageCase
{
    const char *name;
    std::function<QByteArray()> file;
    const char *message; // a part of the message
};

const DamageCase kCases[] = {
    {"empty file", [] { return QByteArray(); }, "nu este un registru de calcul Excel"},
    {"text file", [] { return QByteArray("Nume,CNP\nPOP ION,1790101123456\n"); },
     "nu este un registru de calcul Excel"},
    {"truncated compound file", [] { return cellsFile().left(1536); }, "nu este un registru de calcul Excel"},
    {"compound file without Workbook stream",
     [] {
         return readAll(kovara::test::sourcePath(QStringLiteral("tests/exports/fixtures/notaworkbook.doc")));
     },
     "lipseste fluxul Workbook"},
    {"BIFF5 Book stream", [] { return compoundWith(QStringLiteral("Book"), asBiff5(cellsStream())); },
     "Excel 5.0/95 (BIFF5)"},
    {"BIFF5 in a Workbook stream",
     [] { return compoundWith(QStringLiteral("Workbook"), asBiff5(cellsStream())); }, "Excel 5.0/95 (BIFF5)"},
    {"Workbook stream cut inside a record",
     [] { return compoundWith(QStringLiteral("Workbook"), cellsStream().left(2100)); }, "este deteriorat"},
    {"Workbook stream cut after the globals",
     [] { return compoundWith(QStringLiteral("Workbook"), cellsStream().left(1579)); }, "este deteriorat"},
    {"Workbook stream of zeros",
     [] { return compoundWith(QStringLiteral("Workbook"), QByteArray(4096, '\0')); }, "este deteriorat"},
    {"text cell shorter than its text (found by the fuzz target)",
     [] {
         return compoundWith(
             QStringLiteral("Workbook"),
             readAll(kovara::test::sourcePath(QStringLiteral("fuzz/corpus/workbook/label-cut.stream"))));
     },
     "este deteriorat"},
    {"sheet position pointing nowhere",
     [] {
         QByteArray s = cellsStream();
         const qsizetype at = s.indexOf(QByteArray("\x85\x00", 2));
         biff::set32(s, at + 4, 12345);
         return compoundWith(QStringLiteral("Workbook"), s);
     },
     "este deteriorat"},
};

class DamagedFiles : public ::testing::TestWithParam<DamageCase>
{
};

TEST_P(DamagedFiles, AreRefusedWithAClearMessage)
{
    const DamageCase &c = GetParam();
    kovara::test::ScratchDir dir;
    const QString path = dir.file("primit.xls");
    kovara::test::writeAll(path, c.file());
    BiffWorkbook book;
    try {
        book.OpenWorkbook(path);
        ADD_FAILURE() << "opened";
    } catch (const Error &e) {
        EXPECT_TRUE(e.message().contains(QString::fromUtf8(c.message))) << e.message().toStdString();
        EXPECT_TRUE(e.message().contains(QStringLiteral("primit.xls"))) << e.message().toStdString();
    }
    EXPECT_FALSE(book.isOpen());
}

INSTANTIATE_TEST_SUITE_P(Cases, DamagedFiles, ::testing::ValuesIn(kCases), [](const auto &info) {
    std::string name;
    for (const char *p = info.param.name; *p; ++p)
        name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
    return name;
});

TEST(DamagedFiles, AMissingFileIsNamed)
{
    BiffWorkbook book;
    try {
        book.OpenWorkbook(QStringLiteral("/nu/exista/Exp0.xls"));
        ADD_FAILURE() << "opened";
    } catch (const Error &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("Exp0.xls"))) << e.message().toStdString();
    }
}

// The cells of every worksheet, one "sheet|row|column|kind|text" each.
QStringList cellsOf(BiffWorkbook &book)
{
    QStringList cells;
    for (int sheet = 1; sheet <= book.sheetCount(); ++sheet) {
        book.SelectSheet(sheet);
        for (int r = 1; r <= book.LastRow(); ++r)
            for (int c = 1; c <= book.LastColumn(); ++c) {
                const WorkbookValue v = book.CellValue(r, c);
                if (v.kind != WorkbookValue::Kind::Empty)
                    cells << QStringLiteral("%1|%2|%3|%4|%5")
                                 .arg(book.sheetName(sheet))
                                 .arg(r)
                                 .arg(c)
                                 .arg(int(v.kind))
                                 .arg(v.toText());
            }
    }
    return cells;
}

struct CutCase
{
    const char *name;
    std::function<QByteArray()> whole;
    void (BiffWorkbook::*open)(const QByteArray &, const QString &);
    int step; // every byte of the stream; the file's sectors at spread offsets
};

const CutCase kCuts[] = {
    {"Workbook stream", cellsStream, &BiffWorkbook::openStream, 1},
    {"whole file", cellsFile, &BiffWorkbook::openBytes, 31},
};

class CutFiles : public ::testing::TestWithParam<CutCase>
{
};

// Every prefix of a sound workbook is refused with a
// message that names the file, or (when what was cut off holds nothing the
// workbook needs) read with the cells of the intact workbook: never a crash,
// never a workbook quietly missing or changing a cell.
TEST_P(CutFiles, EveryCutIsRefusedOrReadWhole)
{
    const CutCase &c = GetParam();
    const QByteArray whole = c.whole();
    BiffWorkbook intact;
    (intact.*c.open)(whole, QStringLiteral("intact.xls"));
    const QStringList expected = cellsOf(intact);
    ASSERT_EQ(expected.size(), 18);

    QList<qsizetype> cuts;
    for (qsizetype n = 0; n < whole.size(); n += c.step)
        cuts << n;
    cuts << whole.size();
    int refused = 0, read = 0;
    for (qsizetype n : cuts) {
        SCOPED_TRACE(n);
        BiffWorkbook book;
        try {
            (book.*c.open)(whole.left(n), QStringLiteral("taiat.xls"));
        } catch (const Error &e) {
            ++refused;
            EXPECT_TRUE(e.message().contains(QStringLiteral("taiat.xls"))) << e.message().toStdString();
            EXPECT_FALSE(book.isOpen());
            continue;
        }
        ++read;
        ASSERT_EQ(cellsOf(book), expected);
        EXPECT_EQ(book.workbookStream(), intact.workbookStream());
    }
    EXPECT_EQ(refused + read, cuts.size());
    EXPECT_GE(read, 1) << "the intact workbook itself";
    std::printf("[ %s ] %d cuts: %d refused, %d read whole\n", c.name, int(cuts.size()), refused, read);
}

INSTANTIATE_TEST_SUITE_P(Cases, CutFiles, ::testing::ValuesIn(kCuts), [](const auto &info) {
    std::string name;
    for (const char *p = info.param.name; *p; ++p)
        name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
    return name;
});

} // namespace
