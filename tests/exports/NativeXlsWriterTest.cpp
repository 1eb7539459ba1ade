// The workbook writer, byte by byte.

#include "engines/xls/NativeXlsWriter.h"

#include "TestSupport.h"
#include "base/Error.h"

#include <QDateTime>
#include <QFile>
#include <QSize>
#include <cstring>
#include <gtest/gtest.h>

using namespace kovara;
using kovara::test::fromHex;

namespace {

const QByteArray kStart = fromHex("09 08 06 00 00 02 10 00 00 00  00 02 0A 00 00 00 FF FF 00 00 00 01 00 00");
const QByteArray kEof = fromHex("0A 00 00 00");

// The bytes appended by `write` to a fresh writer.
template <typename F> QByteArray appended(F write, NativeXlsWriter &w)
{
    const qsizetype before = w.buffer().size();
    write(w);
    return w.buffer().mid(before);
}

template <typename F> QByteArray appended(F write)
{
    NativeXlsWriter w;
    return appended(write, w);
}

QByteArray le(double v)
{
    QByteArray b(8, 0);
    std::memcpy(b.data(), &v, 8);
    return b;
}

// The four bytes of a cell's position.
QByteArray position(int row, int column)
{
    QByteArray b;
    for (int v : {row - 1, column - 1}) {
        b.append(char(v & 0xFF));
        b.append(char(v >> 8));
    }
    return b;
}

TEST(NativeXlsWriter, StartsAndEndsAsEveryWorkbookOfTheProgram)
{
    NativeXlsWriter w;
    EXPECT_EQ(w.buffer(), kStart);
    EXPECT_TRUE(w.isOpen());
    w.endWorkbook();
    EXPECT_FALSE(w.isOpen());
    EXPECT_EQ(w.buffer(), kStart + kEof);
    EXPECT_EQ(w.buffer().size(), 28);
    EXPECT_EQ(NativeXlsWriter::version(), "1.24");
    EXPECT_EQ(w.row(), 1);
    EXPECT_EQ(w.column(), 1);
    EXPECT_TRUE(w.locked);
    EXPECT_EQ(w.moveAfterEnter, MoveAfterEnter::Right);
}

TEST(NativeXlsWriter, CodePageRecordFollowsDimensions)
{
    NativeXlsWriter w;
    w.setCodePage(1250);
    w.beginWorkbook();
    EXPECT_EQ(w.buffer(), kStart + fromHex("42 00 02 00 E2 04"));
    w.writeText(1, 1, QString::fromUtf8("ă"));
    EXPECT_EQ(w.buffer().right(1), QByteArray("\xE3"));
}

TEST(NativeXlsWriter, BofAndDimensionsFollowTheVersion)
{
    struct Case
    {
        BiffVersion version;
        const char *bytes;
    };
    const Case cases[] = {
        {BiffVersion::Biff2, "09 00 04 00 00 02 10 00  00 00 08 00 00 00 FF FF 00 00 00 01"},
        {BiffVersion::Biff3, "09 02 06 00 00 02 10 00 00 00  00 02 0A 00 00 00 FF FF 00 00 00 01 00 00"},
        {BiffVersion::Biff4, "09 04 06 00 00 02 10 00 00 00  00 02 0A 00 00 00 FF FF 00 00 00 01 00 00"},
        {BiffVersion::Biff5, "09 08 06 00 00 02 10 00 00 00  00 02 0A 00 00 00 FF FF 00 00 00 01 00 00"},
    };
    for (const Case &c : cases) {
        NativeXlsWriter w;
        w.writeBlank();
        w.setBiff(BiffVersion::Biff3);
        w.setBiff(c.version); // a change starts again: the blank is gone
        EXPECT_EQ(w.buffer(), fromHex(c.bytes)) << int(c.version);
    }
}

TEST(NativeXlsWriter, TextCellCarriesFontAlignmentBordersAndFlags)
{
    NativeXlsWriter w;
    w.addFont(XlsFont{"Arial", 10});
    w.addFont(XlsFont{"Arial", 10, true});
    w.setActiveFont(1);
    w.alignment = XlsAlignment::MultiPlan;
    w.borders = AllBorders;
    const QByteArray cod = appended([](NativeXlsWriter &x) { x.writeText(1, 1, "COD"); }, w);
    EXPECT_EQ(cod, fromHex("04 00 0B 00 00 00 00 00 40 40 7F 03 43 4F 44"));
    EXPECT_EQ(w.row(), 1);
    EXPECT_EQ(w.column(), 2);

    // Each attribute bit on its own.
    struct Case
    {
        const char *what;
        void (*set)(NativeXlsWriter &);
        const char *attributes;
    };
    const Case cases[] = {
        {"plain", [](NativeXlsWriter &) {}, "40 00 00"},
        {"unlocked", [](NativeXlsWriter &x) { x.locked = false; }, "00 00 00"},
        {"hidden", [](NativeXlsWriter &x) { x.hidden = true; }, "C0 00 00"},
        {"font 2", [](NativeXlsWriter &x) { x.setActiveFont(2); }, "40 80 00"},
        {"left", [](NativeXlsWriter &x) { x.alignment = XlsAlignment::Left; }, "40 00 01"},
        {"centre", [](NativeXlsWriter &x) { x.alignment = XlsAlignment::Center; }, "40 00 02"},
        {"right", [](NativeXlsWriter &x) { x.alignment = XlsAlignment::Right; }, "40 00 03"},
        {"fill", [](NativeXlsWriter &x) { x.alignment = XlsAlignment::Fill; }, "40 00 04"},
        {"left border", [](NativeXlsWriter &x) { x.borders = BorderLeft; }, "40 00 08"},
        {"right border", [](NativeXlsWriter &x) { x.borders = BorderRight; }, "40 00 10"},
        {"top border", [](NativeXlsWriter &x) { x.borders = BorderTop; }, "40 00 20"},
        {"bottom border", [](NativeXlsWriter &x) { x.borders = BorderBottom; }, "40 00 40"},
        {"shading", [](NativeXlsWriter &x) { x.shading = true; }, "40 00 80"},
    };
    for (const Case &c : cases) {
        NativeXlsWriter x;
        x.addFont(XlsFont{"Arial", 10});
        x.addFont(XlsFont{"Arial", 10});
        c.set(x);
        EXPECT_EQ(appended([](NativeXlsWriter &y) { y.writeBlank(2, 3); }, x),
                  fromHex("01 00 07 00 01 00 02 00") + fromHex(c.attributes))
            << c.what;
    }
}

TEST(NativeXlsWriter, ActiveFontBoundByFontsAdded)
{
    NativeXlsWriter w;
    w.setActiveFont(1); // no font yet
    EXPECT_EQ(w.activeFont(), 0);
    const XlsFont f{"Arial", 10};
    for (int i = 0; i < 5; ++i)
        w.addFont(f);
    EXPECT_EQ(w.fontCount(), 4); // the fifth is ignored
    w.addFont(nullptr);
    EXPECT_EQ(w.fontCount(), 4);
    w.setActiveFont(4);
    EXPECT_EQ(w.activeFont(), 4);
    // Index 4 has no bits of its own.
    EXPECT_EQ(appended([](NativeXlsWriter &x) { x.writeBlank(); }, w).mid(9, 1), fromHex("00"));
    w.setActiveFont(5);
    EXPECT_EQ(w.activeFont(), 4);
    w.beginWorkbook();
    EXPECT_EQ(w.fontCount(), 0);
}

TEST(NativeXlsWriter, RecordsOfThePage)
{
    EXPECT_EQ(appended([](NativeXlsWriter &w) {
                  w.addFont(XlsFont{"Arial", 12, true, true, true, true});
              }),
              fromHex("31 00 0A 00 F0 00 0F 00 05 41 72 69 61 6C"));
    EXPECT_EQ(appended([](NativeXlsWriter &w) {
                  w.addFont(XlsFont{"MS Sans Serif", 10});
              }).left(9),
              fromHex("31 00 12 00 C8 00 00 00 0D"));
    EXPECT_EQ(appended([](NativeXlsWriter &w) { w.setHeaderText(""); }), fromHex("14 00 01 00 00"));
    EXPECT_EQ(appended([](NativeXlsWriter &w) { w.setFooterText("ab"); }), fromHex("15 00 03 00 02 61 62"));
    EXPECT_EQ(appended([](NativeXlsWriter &w) { w.setColumnWidth(2, 31); }),
              fromHex("24 00 04 00 01 01 00 1F"));
    EXPECT_EQ(appended([](NativeXlsWriter &w) { w.setColumnsWidth(1, 3, 300); }),
              fromHex("24 00 04 00 00 02 00 2C")); // 300 * 256 cut to 16 bits
    EXPECT_EQ(appended([](NativeXlsWriter &w) { w.setLeftMargin(0.6); }), fromHex("26 00 08 00") + le(0.6));
    EXPECT_EQ(appended([](NativeXlsWriter &w) { w.setRightMargin(0.5); }), fromHex("27 00 08 00") + le(0.5));
    EXPECT_EQ(appended([](NativeXlsWriter &w) { w.setTopMargin(0.4); }), fromHex("28 00 08 00") + le(0.4));
    EXPECT_EQ(appended([](NativeXlsWriter &w) { w.setBottomMargin(0.3); }), fromHex("29 00 08 00") + le(0.3));
}

TEST(NativeXlsWriter, CellValues)
{
    struct Case
    {
        const char *what;
        void (*write)(NativeXlsWriter &);
        QByteArray bytes;
    };
    const QByteArray at = fromHex("00 00 00 00 40 00 00");
    const Case cases[] = {
        {"blank", [](NativeXlsWriter &w) { w.writeBlank(); }, fromHex("01 00 07 00") + at},
        {"integer", [](NativeXlsWriter &w) { w.writeInteger(65535); },
         fromHex("02 00 09 00") + at + fromHex("FF FF")},
        {"integer 0", [](NativeXlsWriter &w) { w.writeInteger(0); },
         fromHex("02 00 09 00") + at + fromHex("00 00")},
        // A whole number beyond 16 bits is a NUMBER, never wrapped.
        {"integer 70000", [](NativeXlsWriter &w) { w.writeInteger(70000); },
         fromHex("03 00 0F 00") + at + le(70000)},
        {"integer -1", [](NativeXlsWriter &w) { w.writeInteger(-1); }, fromHex("03 00 0F 00") + at + le(-1)},
        {"number", [](NativeXlsWriter &w) { w.writeNumber(33.3333); },
         fromHex("03 00 0F 00") + at + le(33.3333)},
        {"text", [](NativeXlsWriter &w) { w.writeText(QString::fromUtf8("aşă")); },
         fromHex("04 00 0B 00") + at + fromHex("03 61 BA E3")},
        {"text to zero byte", [](NativeXlsWriter &w) { w.writeBytes(QByteArray("ab\0cd", 5)); },
         fromHex("04 00 0A 00") + at + fromHex("02 61 62")},
        {"true", [](NativeXlsWriter &w) { w.writeBoolean(true); },
         fromHex("05 00 09 00") + at + fromHex("01 00")},
        {"false", [](NativeXlsWriter &w) { w.writeBoolean(false); },
         fromHex("05 00 09 00") + at + fromHex("00 00")},
    };
    for (const Case &c : cases)
        EXPECT_EQ(appended(c.write), c.bytes) << c.what;

    const std::pair<XlsCellValue, const char *> errors[] = {
        {XlsCellValue::True, "01 00"}, {XlsCellValue::False, "00 00"}, {XlsCellValue::Null, "00 01"},
        {XlsCellValue::Div0, "07 01"}, {XlsCellValue::Value, "0F 01"}, {XlsCellValue::Ref, "17 01"},
        {XlsCellValue::Name, "1D 01"}, {XlsCellValue::Num, "24 01"},   {XlsCellValue::NA, "2A 01"},
    };
    for (const auto &[kind, bytes] : errors)
        EXPECT_EQ(appended([kind](NativeXlsWriter &w) { w.writeError(kind); }),
                  fromHex("05 00 09 00") + at + fromHex(bytes))
            << int(kind);
}

TEST(NativeXlsWriter, LongTextCutTo255Bytes)
{
    const QByteArray cell = appended([](NativeXlsWriter &w) { w.writeText(QString(300, 'x')); });
    EXPECT_EQ(cell.left(4), fromHex("04 00 07 01")); // 8 + 255 = 263
    EXPECT_EQ(quint8(cell.at(11)), 255);
    EXPECT_EQ(cell.mid(12), QByteArray(255, 'x'));
    const QByteArray head = appended([](NativeXlsWriter &w) { w.setHeaderText(QByteArray(300, 'y')); });
    EXPECT_EQ(head.left(5), fromHex("14 00 00 01 FF"));
    EXPECT_EQ(head.size(), 4 + 256);
}

TEST(NativeXlsWriter, VariantsChooseTheirCell)
{
    struct Case
    {
        const char *what;
        QVariant value;
        QByteArray tail; // record number, then the value bytes after the prefix
    };
    const Case cases[] = {
        {"empty", QVariant(), fromHex("01 00")},
        {"null", QVariant::fromValue(nullptr), fromHex("05 00 00 01")},
        {"int", QVariant(int(7)), fromHex("02 00 07 00")},
        {"short", QVariant::fromValue<short>(-2), fromHex("03 00") + le(-2)},
        {"byte", QVariant::fromValue<uchar>(200), fromHex("02 00 C8 00")},
        {"int 100000", QVariant(int(100000)), fromHex("03 00") + le(100000)},
        {"double", QVariant(1.5), fromHex("03 00") + le(1.5)},
        {"float", QVariant(2.5f), fromHex("03 00") + le(2.5)},
        {"date", QVariant(QDate(2007, 10, 31)), fromHex("04 00 0A") + "31.10.2007"},
        {"midnight", QVariant(QDateTime(QDate(2007, 10, 31), QTime(0, 0))),
         fromHex("04 00 0A") + "31.10.2007"},
        {"date and time", QVariant(QDateTime(QDate(2007, 10, 31), QTime(14, 5, 9))),
         fromHex("04 00 13") + "31.10.2007 14:05:09"},
        {"text", QVariant(QStringLiteral("ab")), fromHex("04 00 02") + "ab"},
        {"bool", QVariant(true), fromHex("05 00 01 00")},
        {"list", QVariant(QVariantList{1, 2}), fromHex("05 00 0F 01")},
    };
    for (const Case &c : cases) {
        const QByteArray cell = appended([&c](NativeXlsWriter &w) { w.writeVariant(2, 2, c.value); });
        ASSERT_GE(cell.size(), 11) << c.what;
        QByteArray tail = cell.left(2);
        if (cell.at(0) == 0x04)
            tail += cell.mid(11, 1); // the text's length byte
        tail += cell.mid(cell.at(0) == 0x04 ? 12 : 11);
        EXPECT_EQ(tail, c.tail) << c.what;
        EXPECT_EQ(cell.mid(4, 4), fromHex("01 00 01 00")) << c.what;
    }
    // An unknown kind writes nothing and leaves the cursor.
    NativeXlsWriter w;
    EXPECT_TRUE(appended([](NativeXlsWriter &x) { x.writeVariant(QVariant(QSize(1, 2))); }, w).isEmpty());
    EXPECT_EQ(w.column(), 1);
}

TEST(NativeXlsWriter, CursorRulesAndTheSheetEdges)
{
    NativeXlsWriter w;
    w.setColumn(257);
    EXPECT_EQ(w.column(), 1);
    w.setColumn(0);
    EXPECT_EQ(w.column(), 1);
    w.setRow(0);
    EXPECT_EQ(w.row(), 1);
    w.setRow(65536);
    EXPECT_EQ(w.row(), 1);
    w.setColumn(256);
    w.setRow(65535);
    EXPECT_EQ(w.column(), 256);
    EXPECT_EQ(w.row(), 65535);
    // An ignored row keeps the cursor where it was: the cell goes there.
    w.setRow(3);
    w.setColumn(4);
    EXPECT_EQ(appended([](NativeXlsWriter &x) { x.writeBlank(0, 999); }, w).mid(4, 4),
              fromHex("02 00 03 00"));

    struct Case
    {
        MoveAfterEnter move;
        int row, column;        // before the cell
        int afterRow, afterCol; // after it
    };
    const Case cases[] = {
        {MoveAfterEnter::None, 5, 5, 5, 5},     {MoveAfterEnter::Right, 5, 5, 5, 6},
        {MoveAfterEnter::Right, 5, 256, 6, 1},  {MoveAfterEnter::Right, 65535, 256, 65535, 256},
        {MoveAfterEnter::Left, 5, 5, 5, 4},     {MoveAfterEnter::Left, 5, 1, 4, 256},
        {MoveAfterEnter::Left, 1, 1, 1, 1},     {MoveAfterEnter::Down, 5, 5, 6, 5},
        {MoveAfterEnter::Down, 65535, 5, 1, 6}, {MoveAfterEnter::Down, 65535, 256, 65535, 256},
        {MoveAfterEnter::Up, 5, 5, 4, 5},       {MoveAfterEnter::Up, 1, 5, 65535, 4},
        {MoveAfterEnter::Up, 1, 1, 1, 1},
    };
    for (const Case &c : cases) {
        NativeXlsWriter x;
        x.moveAfterEnter = c.move;
        const QByteArray cell = appended([&c](NativeXlsWriter &y) { y.writeNumber(c.row, c.column, 1); }, x);
        EXPECT_EQ(cell.mid(4, 4), position(c.row, c.column));
        EXPECT_EQ(x.row(), c.afterRow) << int(c.move) << " " << c.row << "," << c.column;
        EXPECT_EQ(x.column(), c.afterCol) << int(c.move) << " " << c.row << "," << c.column;
    }
}

TEST(NativeXlsWriter, RecordAfterEndStartsANewWorkbook)
{
    NativeXlsWriter w;
    w.writeText(1, 1, "vechi");
    w.endWorkbook();
    w.writeNumber(2, 2, 1.0);
    EXPECT_TRUE(w.isOpen());
    EXPECT_EQ(w.buffer(), kStart + fromHex("03 00 0F 00 01 00 01 00 40 00 00") + le(1.0));
}

TEST(NativeXlsWriter, FileNameGetsTheXlsExtension)
{
    const std::pair<const char *, const char *> cases[] = {
        {"/tmp/raport", "/tmp/raport.XLS"},         {"/tmp/raport.xls", "/tmp/raport.xls"},
        {"/tmp/raport.XlS", "/tmp/raport.XlS"},     {"/tmp/raport.txt", "/tmp/raport.XLS"},
        {"/tmp/a.b/raport", "/tmp/a.b/raport.XLS"},
    };
    for (const auto &[given, expected] : cases) {
        NativeXlsWriter w;
        w.setFileName(given);
        EXPECT_EQ(w.fileName(), expected) << given;
    }
}

TEST(NativeXlsWriter, SavesTheBufferAndKeepsIt)
{
    kovara::test::ScratchDir dir;
    NativeXlsWriter w;
    w.setFileName(dir.file("x.xls"));
    w.writeText(1, 1, "A");
    w.endWorkbook();
    w.saveToFile();
    w.saveToFile();
    EXPECT_EQ(kovara::test::readAll(dir.file("x.xls")), w.buffer());

    w.setFileName(dir.file("lipsa/x.xls"));
    EXPECT_THROW(w.saveToFile(), Error);
    EXPECT_FALSE(QFile::exists(dir.file("lipsa/x.xls")));
}

} // namespace
