// The workbook engine on workbooks written by LibreOffice: reading every kind
// of cell, unchanged round trips, written texts read back by the engine and
// by xlrd.

#include "engines/workbook/BiffWorkbook.h"
#include "TestSupport.h"
#include "XlsReader.h"
#include "base/Error.h"
#include "engines/workbook/BiffRecords.h"
#include "engines/workbook/CompoundFile.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace kovara;
using kovara::test::readAll;
using kovara::test::sourcePath;
using Kind = WorkbookValue::Kind;

namespace {

QString fixture(const char *name)
{
    return sourcePath(QStringLiteral("tests/exports/fixtures/") + QLatin1String(name));
}

QByteArray workbookStreamOf(const QByteArray &file)
{
    biff::CompoundNode root = biff::ReadCompoundFile(file, QStringLiteral("x"));
    biff::CompoundNode *s = biff::FindStream(root, QStringLiteral("Workbook"));
    return s ? s->data : QByteArray();
}

TEST(BiffWorkbook, UnchangedWorkbookKeepsItsStreamByteForByte)
{
    for (const QString &path : {fixture("cells.xls"), fixture("strings.xls"),
                                sourcePath(QStringLiteral("src/exports/models/ListaModel.xls"))}) {
        SCOPED_TRACE(path.toStdString());
        const QByteArray original = readAll(path);
        BiffWorkbook book;
        book.OpenWorkbook(path);
        EXPECT_EQ(book.workbookStream(), workbookStreamOf(original));
        // Through a saved file as well; the other streams come along.
        kovara::test::ScratchDir dir;
        book.SaveWorkbookAs(dir.file("copie.xls"));
        const QByteArray saved = readAll(dir.file("copie.xls"));
        EXPECT_EQ(workbookStreamOf(saved), workbookStreamOf(original));
        biff::CompoundNode a = biff::ReadCompoundFile(original, path),
                           b = biff::ReadCompoundFile(saved, path);
        ASSERT_EQ(a.children.size(), b.children.size());
        for (size_t i = 0; i < a.children.size(); ++i) {
            EXPECT_EQ(a.children[i].name, b.children[i].name);
            EXPECT_EQ(a.children[i].data, b.children[i].data);
        }
    }
}

TEST(BiffWorkbook, ReadsEveryKindOfCell)
{
    BiffWorkbook book;
    book.OpenWorkbook(fixture("cells.xls"));
    ASSERT_EQ(book.sheetCount(), 2);
    EXPECT_EQ(book.sheetName(1), QStringLiteral("Foaie1"));
    EXPECT_EQ(book.sheetName(2), QStringLiteral("Alta"));
    EXPECT_EQ(book.LastRow(), 7);
    EXPECT_EQ(book.LastColumn(), 9);

    struct Case
    {
        int row, column;
        Kind kind;
        const char *text;
    };
    const Case cases[] = {
        {1, 1, Kind::Text, "Text simplu"},
        {1, 2, Kind::Number, "42"},
        {1, 3, Kind::Number, "3.25"},
        {1, 4, Kind::DateTime, "31.10.2007"},
        {1, 5, Kind::DateTime, "29.02.2024 13:45:00"},
        {1, 6, Kind::Boolean, "TRUE"},
        {1, 7, Kind::Number, "84"}, // a formula's result
        {1, 8, Kind::Empty, ""},    // formatted, without a value
        {1, 9, Kind::Text, "ȘȚĂÎÂ șțăîâ şţ Łódź Příliš žluťoučký – €"},
        {2, 1, Kind::Text, "Antet"},
        {3, 1, Kind::Number, "-7"},
        {4, 3, Kind::Number, "1234567.891"},
        {5, 1, Kind::Number, "123"},
        {7, 1, Kind::Text, "ultimul"},
        {7, 2, Kind::Empty, ""},
        {100, 50, Kind::Empty, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << c.row << " column " << c.column);
        const WorkbookValue v = book.CellValue(c.row, c.column);
        EXPECT_EQ(v.kind, c.kind);
        EXPECT_EQ(v.toText(), QString::fromUtf8(c.text));
    }
    EXPECT_EQ(book.CellValue(1, 4).number, 39386);

    book.SelectSheet(2);
    EXPECT_EQ(book.LastRow(), 2);
    EXPECT_EQ(book.LastColumn(), 2);
    EXPECT_EQ(book.CellValue(1, 1).toText(), QStringLiteral("a doua foaie"));
    EXPECT_EQ(book.CellValue(2, 2).number, 7);
    EXPECT_THROW(book.SelectSheet(3), Error);
}

TEST(BiffWorkbook, ReadsStringsSplitOverContinueRecords)
{
    BiffWorkbook book;
    book.OpenWorkbook(fixture("strings.xls"));
    const QString wide = QString::fromUtf8("Șir lung cu diacritice ăîâșț ").repeated(320).trimmed();
    const QString narrow = QStringLiteral("Long plain text ").repeated(700).trimmed();
    EXPECT_EQ(book.CellValue(1, 1).toText(), QStringLiteral("inceput"));
    EXPECT_EQ(book.CellValue(1, 2).toText(), wide);
    EXPECT_EQ(book.CellValue(1, 3).toText(), narrow);
    EXPECT_EQ(book.CellValue(1, 4).toText(), QString::fromUtf8("sfârșit"));
}

// Texts of every kind written, saved, and read back by the engine and by xlrd.
TEST(BiffWorkbook, WrittenValuesReadBackByTheEngineAndByXlrd)
{
    kovara::test::ScratchDir dir;
    const QString out = dir.file("scris.xls");
    const QStringList texts = {
        QString::fromUtf8("ăâîșț ĂÂÎȘȚ şţŞŢ"),          // Romanian, both comma and cedilla forms
        QString::fromUtf8("Łódź Příliš žluťoučký kůň"), // other Windows-1250 letters
        QString::fromUtf8("Ελληνικά кириллица 日本"),   // beyond Windows-1250
        QStringLiteral("plain"),
    };
    std::vector<QString> many; // enough distinct texts for several CONTINUE records
    for (int i = 0; i < 3000; ++i)
        many.push_back(QStringLiteral("%1 %2")
                           .arg(i % 3 ? QStringLiteral("NUME PRENUME") : QString::fromUtf8("ȘTEFĂNESCU"))
                           .arg(i));
    {
        BiffWorkbook book;
        book.OpenWorkbook(fixture("cells.xls"));
        for (int i = 0; i < texts.size(); ++i)
            book.SetCellValue(10 + i, 1, texts[i]);
        book.SetCellValue(1, 2, QStringLiteral("42 devine text"));
        book.SetCellValue(1, 1, QString()); // emptied, keeps its format
        book.SetCellValue(2, 5, qint32(-123456789));
        book.SetCellValue(3, 5, 2.5);
        book.SetCellValue(4, 5, 1e300);
        book.SetCellValue(5, 5, 39386.0);
        for (size_t i = 0; i < many.size(); ++i)
            book.SetCellValue(20 + int(i), 3, many[i]);
        book.SaveWorkbookAs(out);
    }
    BiffWorkbook back;
    back.OpenWorkbook(out);
    for (int i = 0; i < texts.size(); ++i)
        EXPECT_EQ(back.CellValue(10 + i, 1).toText(), texts[i]);
    EXPECT_EQ(back.CellValue(1, 1).kind, Kind::Empty);
    EXPECT_EQ(back.CellValue(1, 2).toText(), QStringLiteral("42 devine text"));
    EXPECT_EQ(back.CellValue(2, 5).number, -123456789);
    EXPECT_EQ(back.CellValue(3, 5).number, 2.5);
    EXPECT_EQ(back.CellValue(4, 5).number, 1e300);
    EXPECT_EQ(back.CellValue(1, 4).toText(), QStringLiteral("31.10.2007")); // untouched neighbours
    for (size_t i = 0; i < many.size(); i += 97)
        EXPECT_EQ(back.CellValue(20 + int(i), 3).toText(), many[i]);
    EXPECT_EQ(back.LastRow(), 20 + int(many.size()) - 1);
    // No record of the saved stream is longer than BIFF8 allows.
    const QByteArray stream = back.workbookStream();
    for (qsizetype pos = 0; pos < stream.size();) {
        const biff::Record r = biff::readRecord(stream, pos);
        ASSERT_LE(r.data.size(), biff::kMaxRecordData);
    }

    KOVARA_NEEDS(kovara::test::xlrdAvailable(), "python3-xlrd");
    const auto sheets = kovara::test::readWithXlrd(out);
    ASSERT_EQ(sheets.size(), 2);
    const auto &s = sheets[0];
    EXPECT_EQ(s.name, QStringLiteral("Foaie1"));
    for (int i = 0; i < texts.size(); ++i)
        EXPECT_EQ(s.at(9 + i, 0).value.toString(), texts[i]);
    EXPECT_EQ(s.at(0, 0).type, 6); // blank, formatted
    EXPECT_EQ(s.at(1, 4).value.toDouble(), -123456789);
    EXPECT_EQ(s.at(2, 4).value.toDouble(), 2.5);
    EXPECT_EQ(s.at(0, 3).type, 3); // still a date
    for (size_t i = 0; i < many.size(); ++i)
        ASSERT_EQ(s.at(19 + int(i), 2).value.toString(), many[i]) << i;
    EXPECT_EQ(sheets[1].at(0, 0).value.toString(), QStringLiteral("a doua foaie"));
}

// Shrink-to-fit goes on a copy of the cell's format: cells that shared the
// format without being asked keep it, two cells of one format share the
// copy, a date stays a date, and the other sheets are still found.
TEST(BiffWorkbook, ShrinkToFitOnACopyOfTheCellsFormat)
{
    kovara::test::ScratchDir dir;
    const QString out = dir.file("micsorat.xls");
    {
        BiffWorkbook book;
        book.OpenWorkbook(fixture("cells.xls"));
        for (int c = 1; c <= 3; ++c)
            book.SetCellValue(30, c, QStringLiteral("POPESCU-IONESCU MARIA MAGDALENA"));
        book.ShrinkToFit(30, 1);
        book.ShrinkToFit(30, 2);
        book.ShrinkToFit(30, 2); // twice is once
        book.ShrinkToFit(1, 4);  // a date
        book.ShrinkToFit(40, 9); // no cell there: nothing
        book.SaveWorkbookAs(out);
    }
    BiffWorkbook back;
    back.OpenWorkbook(out);
    EXPECT_EQ(back.CellValue(1, 4).toText(), QStringLiteral("31.10.2007"));
    EXPECT_EQ(back.CellValue(40, 9).kind, Kind::Empty);

    KOVARA_NEEDS(kovara::test::xlrdAvailable(), "python3-xlrd");
    const auto sheets = kovara::test::readWithXlrd(out);
    ASSERT_EQ(sheets.size(), 2);
    const auto &s = sheets[0];
    EXPECT_TRUE(s.at(29, 0).shrink);
    EXPECT_TRUE(s.at(29, 1).shrink);
    EXPECT_EQ(s.at(29, 0).xf, s.at(29, 1).xf);
    EXPECT_FALSE(s.at(29, 2).shrink);
    EXPECT_NE(s.at(29, 2).xf, s.at(29, 0).xf);
    EXPECT_EQ(s.at(29, 0).value.toString(), QStringLiteral("POPESCU-IONESCU MARIA MAGDALENA"));
    EXPECT_TRUE(s.at(0, 3).shrink);
    EXPECT_EQ(s.at(0, 3).type, 3); // still a date
    EXPECT_EQ(sheets[1].at(0, 0).value.toString(), QStringLiteral("a doua foaie"));
}

TEST(BiffWorkbook, OperationsWithoutAnOpenWorkbookFail)
{
    BiffWorkbook book;
    EXPECT_FALSE(book.isOpen());
    const std::function<void()> operations[] = {
        [&] { book.SelectSheet(1); },
        [&] { book.LastRow(); },
        [&] { book.LastColumn(); },
        [&] { book.CellValue(1, 1); },
        [&] { book.SetCellValue(1, 1, QStringLiteral("x")); },
        [&] { book.InsertRowCopies(1, 1, 1, 1); },
        [&] { book.SaveWorkbookAs(QStringLiteral("/tmp/nu-se-scrie.xls")); },
    };
    for (const auto &op : operations) {
        try {
            op();
            ADD_FAILURE() << "no failure";
        } catch (const Error &e) {
            EXPECT_EQ(e.message(), NoOpenWorkbookText());
        }
    }
    book.OpenWorkbook(fixture("cells.xls"));
    book.CloseWorkbook();
    EXPECT_THROW(book.LastRow(), Error);
}

TEST(BiffWorkbook, SavingNeverReplacesAFileAndNamesAFileItCannotWrite)
{
    kovara::test::ScratchDir dir;
    kovara::test::writeAll(dir.file("exista.xls"), "nu se atinge");
    BiffWorkbook book;
    book.OpenWorkbook(fixture("cells.xls"));
    try {
        book.SaveWorkbookAs(dir.file("exista.xls"));
        ADD_FAILURE() << "replaced";
    } catch (const Error &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("exista.xls"))) << e.message().toStdString();
    }
    EXPECT_EQ(readAll(dir.file("exista.xls")), QByteArray("nu se atinge"));
    try {
        book.SaveWorkbookAs(dir.file("lipsa/rezultat.xls"));
        ADD_FAILURE() << "written";
    } catch (const Error &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("rezultat.xls"))) << e.message().toStdString();
    }
    EXPECT_TRUE(book.isOpen()); // still open, can be saved elsewhere
    book.SaveWorkbookAs(dir.file("bun.xls"));
    EXPECT_TRUE(QFile::exists(dir.file("bun.xls")));
}

TEST(BiffWorkbook, OutOfSheetPositionsAreRefused)
{
    BiffWorkbook book;
    book.OpenWorkbook(fixture("cells.xls"));
    EXPECT_THROW(book.SetCellValue(0, 1, QStringLiteral("x")), Error);
    EXPECT_THROW(book.SetCellValue(1, 257, 1.0), Error);
    EXPECT_THROW(book.SetCellValue(65537, 1, 1.0), Error);
    EXPECT_THROW(book.SetCellValue(1, 1, QString(40000, u'x')), Error);
    EXPECT_THROW(book.InsertRowCopies(1, 1, 2, 70000), Error);
    EXPECT_EQ(book.LastRow(), 7); // nothing changed by the refusals
    EXPECT_EQ(book.workbookStream(), workbookStreamOf(readAll(fixture("cells.xls"))));
}

} // namespace
