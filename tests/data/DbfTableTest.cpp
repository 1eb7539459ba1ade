#include "base/Error.h"
#include "engines/dbf/Dbf.h"

#include "DbfTestSupport.h"
#include "TestSupport.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace kovara;
using namespace kovara::test;

namespace {

class DbfTable : public ::testing::Test
{
protected:
    ScratchDir dir;
    QString path = dir.file(QStringLiteral("Cereri.dbf"));

    // A file of an earlier day, so that the stamp of a write shows.
    void backdate()
    {
        QByteArray bytes = readAll(path);
        bytes[1] = char(99);
        bytes[2] = char(1);
        bytes[3] = char(2);
        writeAll(path, bytes);
    }
};

void expectToday(const QByteArray &file)
{
    const QDate today = QDate::currentDate();
    EXPECT_EQ(static_cast<unsigned char>(file[1]), today.year() - 1900);
    EXPECT_EQ(int(file[2]), today.month());
    EXPECT_EQ(int(file[3]), today.day());
}

TEST_F(DbfTable, CreateWritesTheHeaderByteForByte)
{
    dbf::Table::create(path, sampleFields());
    const QByteArray file = readAll(path);
    const int header = 32 + 5 * 32 + 1;
    ASSERT_EQ(file.size(), header + 1);
    EXPECT_EQ(file[0], char(0x03));
    expectToday(file);
    EXPECT_EQ(headerCount(file), 0u);
    EXPECT_EQ(headerLength(file), header);
    EXPECT_EQ(recordLength(file), 1 + 12 + 6 + 9 + 8 + 1);
    EXPECT_EQ(static_cast<unsigned char>(file[29]), 0xC8);
    const char *names[] = {"NAME", "NR", "SUMA", "DATA", "OK"};
    const QList<dbf::FieldDef> defs = sampleFields();
    for (int i = 0; i < 5; ++i) {
        const QByteArray d = file.mid(32 + 32 * i, 32);
        EXPECT_EQ(d.left(11), QByteArray(names[i]).leftJustified(11, '\0'));
        EXPECT_EQ(d[11], defs[i].type);
        EXPECT_EQ(int(static_cast<unsigned char>(d[16])), defs[i].length);
        EXPECT_EQ(int(d[17]), defs[i].decimals);
        EXPECT_EQ(d.mid(18), QByteArray(14, '\0'));
    }
    EXPECT_EQ(file[header - 1], char(0x0D));
    EXPECT_EQ(file[header], char(0x1A));
}

TEST_F(DbfTable, CreateRefusesBadDefinitionsAndExistingFiles)
{
    const QList<QList<dbf::FieldDef>> bad = {
        {},
        {{"", 'C', 5, 0}},
        {{"PREA_LUNG_NUME", 'C', 5, 0}},
        {{"1NR", 'N', 5, 0}},
        {{"A-B", 'C', 5, 0}},
        {{"TEXT", 'C', 0, 0}},
        {{"TEXT", 'C', 255, 0}},
        {{"NR", 'N', 21, 0}},
        {{"NR", 'N', 5, 4}},
        {{"DATA", 'D', 6, 0}},
        {{"OK", 'L', 2, 0}},
        {{"MEMO", 'M', 10, 0}},
        {{"A", 'C', 1, 0}, {"a", 'C', 1, 0}},
    };
    for (const auto &fields : bad) {
        EXPECT_THROW(dbf::Table::create(path, fields), Error);
        EXPECT_FALSE(QFile::exists(path));
    }
    dbf::Table::create(path, sampleFields());
    const QByteArray first = readAll(path);
    EXPECT_THROW(dbf::Table::create(path, {{"X", 'C', 1, 0}}), Error);
    EXPECT_EQ(readAll(path), first);
}

TEST_F(DbfTable, OpenReportsTheFields)
{
    dbf::Table::create(
        path, {{"nume", 'c', 20, 0}, {"SUMA", 'N', 10, 2}, {"DATA", 'D', 0, 0}, {"OK", 'L', 0, 0}}, 0x57);
    auto table = dbf::Table::open(path);
    ASSERT_EQ(table->fields().size(), 4);
    const int offsets[] = {1, 21, 31, 39};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(table->fields()[i].offset, offsets[i]);
    EXPECT_EQ(table->fields()[0].name, "NUME");
    EXPECT_EQ(table->fields()[0].type, 'C');
    EXPECT_EQ(table->fields()[1].decimals, 2);
    EXPECT_EQ(table->fields()[2].length, 8);
    EXPECT_EQ(table->recordLength(), 40);
    EXPECT_EQ(table->headerLength(), 32 + 4 * 32 + 1);
    EXPECT_EQ(table->language(), 0x57);
    EXPECT_EQ(table->recordCount(), 0);
    EXPECT_EQ(table->fieldIndex("suma"), 1);
    EXPECT_EQ(table->fieldIndex("HANDI"), -1);
    EXPECT_EQ(table->blankRecord(), QByteArray(40, ' '));
}

TEST_F(DbfTable, EveryKindOfValueSurvivesAReopen)
{
    const QList<QVariantList> rows = {
        {QStringLiteral("ăâîşţ ĂÂÎŞŢ"), qint64(42), 1234.5, QDate(2024, 2, 29), true},
        {QStringLiteral("  Ion"), qint64(-7), -0.25, QDate(1900, 1, 1), false},
        {QVariant(), QVariant(), QVariant(), QVariant(), QVariant()},
    };
    makeTable(path, sampleFields(), rows);
    auto table = dbf::Table::open(path);
    ASSERT_EQ(table->recordCount(), 3);
    for (int r = 0; r < 3; ++r) {
        const QByteArray record = table->readRecord(r);
        for (int i = 0; i < 5; ++i) {
            const dbf::Field &f = table->fields()[i];
            QVariant expected = rows[r][i];
            if (f.type == 'C' && expected.isValid())
                expected = expected.toString().leftJustified(f.length);
            EXPECT_EQ(dbf::decodeField(f, dbf::fieldBytes(f, record)), expected) << r << " " << i;
        }
    }
}

TEST_F(DbfTable, WritesKeepCountDateAndEndMarkRight)
{
    dbf::Table::create(path, sampleFields());
    backdate();
    auto table = dbf::Table::open(path, dbf::Mode::ReadWrite);
    const int header = table->headerLength();
    const int length = table->recordLength();
    QList<QByteArray> records;
    for (int i = 0; i < 3; ++i) {
        QByteArray record = table->blankRecord();
        dbf::encodeField(table->fields()[0], QStringLiteral("rand %1").arg(i), record);
        dbf::encodeField(table->fields()[1], i, record);
        EXPECT_EQ(table->appendRecord(record), i);
        records.append(record);
        const QByteArray file = readAll(path);
        EXPECT_EQ(headerCount(file), quint32(i + 1));
        ASSERT_EQ(file.size(), header + (i + 1) * length + 1);
        EXPECT_EQ(file.back(), char(0x1A));
        EXPECT_EQ(file.mid(header + i * length, length), record);
        expectToday(file);
    }
    EXPECT_EQ(table->recordCount(), 3);

    auto check = [&] {
        const QByteArray file = readAll(path);
        EXPECT_EQ(headerCount(file), 3u);
        ASSERT_EQ(file.size(), header + 3 * length + 1);
        EXPECT_EQ(file.back(), char(0x1A));
        EXPECT_EQ(file.mid(header, 3 * length), records.join());
        expectToday(file);
    };
    // Each change starts from a table of an earlier day.
    auto reopen = [&] {
        table.reset();
        backdate();
        table = dbf::Table::open(path, dbf::Mode::ReadWrite);
    };
    reopen();
    dbf::encodeField(table->fields()[0], QStringLiteral("schimbat"), records[1]);
    table->writeRecord(1, records[1]);
    check();
    reopen();
    table->setDeleted(2, true);
    records[2][0] = '*';
    check();
    EXPECT_TRUE(table->isDeleted(table->readRecord(2)));
    table->setDeleted(2, false);
    records[2][0] = ' ';
    check();
    EXPECT_EQ(table->readRecords(0, 3), records.join());
}

TEST_F(DbfTable, BadCallsFailWithoutWriting)
{
    makeTable(path, sampleFields(), {{QStringLiteral("a")}, {QStringLiteral("b")}});
    const QByteArray before = readAll(path);
    {
        auto table = dbf::Table::open(path, dbf::Mode::ReadWrite);
        const QByteArray good = table->blankRecord();
        EXPECT_THROW(table->appendRecord(good + ' '), Error);
        EXPECT_THROW(table->writeRecord(0, good.left(3)), Error);
        // A record that does not start with a deletion flag would damage the table.
        EXPECT_THROW(table->appendRecord('X' + good.mid(1)), Error);
        EXPECT_THROW(table->writeRecord(0, 'X' + good.mid(1)), Error);
        EXPECT_THROW(table->writeRecord(2, good), Error);
        EXPECT_THROW(table->writeRecord(-1, good), Error);
        EXPECT_THROW(table->setDeleted(5, true), Error);
        EXPECT_THROW(table->readRecord(2), Error);
        EXPECT_THROW(table->readRecords(1, 2), Error);
        EXPECT_THROW(table->readRecords(-1, 1), Error);
        EXPECT_EQ(table->readRecords(2, 0), QByteArray());
    }
    {
        auto table = dbf::Table::open(path);
        EXPECT_THROW(table->appendRecord(table->blankRecord()), Error);
        EXPECT_THROW(table->setDeleted(0, true), Error);
    }
    EXPECT_EQ(readAll(path), before);
    EXPECT_THROW(dbf::Table::open(dir.file(QStringLiteral("Lipsa.dbf"))), Error);
}

TEST_F(DbfTable, BlocksReadIntoAReusedBuffer)
{
    QList<QVariantList> rows;
    for (int i = 0; i < 50; ++i)
        rows.append({QStringLiteral("nume %1").arg(i), i});
    makeTable(path, sampleFields(), rows);
    auto table = dbf::Table::open(path);
    const QByteArray all = readAll(path).mid(table->headerLength(), 50 * table->recordLength());
    QByteArray buffer;
    QByteArray joined;
    for (qint64 first = 0; first < 50; first += 16) {
        const qint64 n = std::min<qint64>(16, 50 - first);
        table->readRecords(first, n, buffer);
        ASSERT_EQ(buffer.size(), n * table->recordLength());
        joined += buffer;
    }
    EXPECT_EQ(joined, all);
    EXPECT_EQ(table->readRecords(0, 50), all);
}

TEST_F(DbfTable, SecondWriterIsRefused)
{
    const kovara::test::ShortLockWait shortWait; // the refused writer gives up at once
    dbf::Table::create(path, sampleFields());
    {
        auto writer = dbf::Table::open(path, dbf::Mode::ReadWrite);
        try {
            dbf::Table::open(path, dbf::Mode::ReadWrite);
            FAIL() << "a second writer was let in";
        } catch (const Error &e) {
            EXPECT_TRUE(e.message().contains(QDir::toNativeSeparators(path))) << e.what();
            EXPECT_TRUE(e.message().contains(QStringLiteral("deschis"))) << e.what();
        }
        EXPECT_NO_THROW(dbf::Table::open(path)); // readers are not held up
        EXPECT_THROW(dbf::pack(path), Error);
    }
    EXPECT_NO_THROW(dbf::Table::open(path, dbf::Mode::ReadWrite));
}

TEST_F(DbfTable, MissingEndMarkIsToleratedAndRestored)
{
    makeTable(path, sampleFields(), {{QStringLiteral("a")}, {QStringLiteral("b")}});
    QByteArray bytes = readAll(path);
    bytes.chop(1);
    writeAll(path, bytes);
    auto table = dbf::Table::open(path, dbf::Mode::ReadWrite);
    EXPECT_EQ(table->recordCount(), 2);
    table->setDeleted(0, true);
    bytes[table->headerLength()] = '*';
    const QByteArray after = readAll(path);
    EXPECT_EQ(after.size(), bytes.size() + 1);
    EXPECT_EQ(after.back(), char(0x1A));
    EXPECT_EQ(after.mid(32).chopped(1), bytes.mid(32));
}

TEST_F(DbfTable, ExtraRecordsBeyondTheCountAreIgnored)
{
    makeTable(path, sampleFields(), {{QStringLiteral("a")}, {QStringLiteral("b")}, {QStringLiteral("c")}});
    QByteArray bytes = readAll(path);
    bytes[4] = 2;
    writeAll(path, bytes);
    auto table = dbf::Table::open(path);
    EXPECT_EQ(table->recordCount(), 2);
    EXPECT_THROW(table->readRecord(2), Error);
}

} // namespace
