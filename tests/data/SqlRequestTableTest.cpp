// The request table: creation, the data upgrade, and the INDEX counters.

#include "TestSupport.h"
#include "base/Error.h"
#include "base/Paths.h"
#include "data/RequestTable.h"
#include "data/Settings.h"
#include "engines/dbf/Dbf.h"
#include "engines/dbf/Query.h"
#include "engines/dbf/SqlEngine.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

using namespace kovara;
using kovara::test::readAll;

namespace {

class RequestTable : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setProgramDir(scratch.path());
        QDir().mkpath(DataDir());
    }
    void TearDown() override { setTemplateRefresh({}); }

    QString dataFile(const QString &name) const { return QDir(DataDir()).filePath(name); }

    // A table as the older program left it, by a writer of its own.
    void writeLegacyTable(const QString &path, int rows, int deleted)
    {
        QProcess p;
        p.start("python3", {kovara::test::sourcePath("tests/data/make_legacy_dbf.py"), path, "--rows",
                            QString::number(rows), "--deleted", QString::number(deleted)});
        ASSERT_TRUE(p.waitForFinished(30000));
        ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    }

    kovara::test::ScratchDir scratch;
};

TEST_F(RequestTable, PathIsFoundWithoutRegardToCase)
{
    EXPECT_EQ(QFileInfo(RequestTablePath()).fileName(), "Cereri.dbf");
    for (const char *name : {"CERERI.DBF", "cereri.dbf"}) {
        QFile::remove(dataFile("CERERI.DBF"));
        QFile::remove(dataFile("cereri.dbf"));
        kovara::test::writeAll(dataFile(QString::fromLatin1(name)), "x");
        EXPECT_EQ(QFileInfo(RequestTablePath()).fileName(), QString::fromLatin1(name));
    }
}

TEST_F(RequestTable, CreatedWithItsColumnsOnlyWhenMissing)
{
    CreateRequestTable();
    EXPECT_EQ(QFileInfo(RequestTablePath()).fileName(), "CERERI.DBF");
    auto table = dbf::Table::open(RequestTablePath());
    const QList<dbf::Field> &f = table->fields();
    ASSERT_EQ(f.size(), 27);
    const struct
    {
        const char *name;
        char type;
        int length;
    } expected[] = {{"IDCERERE", 'N', 10}, {"DINDATA", 'D', 8},   {"NR", 'N', 9},      {"TIP", 'C', 3},
                    {"SUBSEMN", 'C', 32},  {"CALITATE", 'C', 32}, {"CNP", 'C', 13},    {"BISERIA", 'C', 6},
                    {"BINR", 'C', 12},     {"ADRESA", 'C', 60},   {"JUDADR", 'C', 16}, {"COPIL1", 'C', 32},
                    {"CNP1", 'C', 13},     {"COPIL2", 'C', 32},   {"CNP2", 'C', 13},   {"COPIL3", 'C', 32},
                    {"CNP3", 'C', 13},     {"CUANTUM", 'N', 6},   {"ALCATE", 'C', 18}, {"CNSERIA", 'C', 6},
                    {"CNNR", 'C', 12},     {"CNELIB", 'C', 60},   {"NRDISP", 'N', 9},  {"DATADISP", 'D', 8},
                    {"PTLUNA", 'C', 16},   {"NRCOPII", 'N', 6},   {"HANDI", 'C', 2}};
    for (int i = 0; i < 27; ++i) {
        EXPECT_EQ(f[i].name, QByteArray(expected[i].name)) << i;
        EXPECT_EQ(f[i].type, expected[i].type) << i;
        EXPECT_EQ(f[i].length, expected[i].length) << i;
        EXPECT_EQ(f[i].decimals, 0) << i;
    }
    EXPECT_EQ(table->recordCount(), 0);
    table.reset();
    Database::shared().exec("INSERT INTO " + kovara::RequestTable() + " (IDCERERE, HANDI) VALUES (?, ?)",
                            {1, "DA"});
    EXPECT_EQ(dbf::Table::open(RequestTablePath())->recordCount(), 1);

    const QString other = dataFile("CERERI.DBF");
    Database::shared().dropTable(RequestTablePath());
    kovara::test::writeAll(other, "not touched");
    CreateRequestTable();
    EXPECT_EQ(readAll(other), "not touched");
}

// The lookups of one request and of a period use the in-memory indexes,
// on the shared engine and on one of its own (another data folder's table).
TEST_F(RequestTable, LookedUpThroughItsIndexes)
{
    CreateRequestTable();
    for (int id = 1; id <= 50; ++id) // enough rows for a lookup to beat a scan
        Database::shared().exec("INSERT INTO " + kovara::RequestTable() +
                                    " (IDCERERE, DINDATA, NR) VALUES (?, ?, ?)",
                                {id, QDate(2023, 1, 1).addDays(id * 10), id});
    Database::shared().detachAll();
    const QString elsewhere = scratch.file("Alt/Cereri.dbf");
    QDir().mkpath(QFileInfo(elsewhere).absolutePath());
    QFile::copy(RequestTablePath(), elsewhere);
    Database own;
    const struct
    {
        Database *db;
        QString table;
    } cases[] = {{&Database::shared(), kovara::RequestTable()}, {&own, RequestTableIn(own, elsewhere)}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.table.toStdString());
        const struct
        {
            const char *where;
            QVariantList values;
            bool indexed;
        } lookups[] = {{"IDCERERE = ?", {1}, true},
                       {"DINDATA >= ? AND DINDATA < ?", {QDate(2024, 1, 1), QDate(2025, 1, 1)}, true},
                       {"NR = ?", {1}, false}};
        for (const auto &l : lookups) {
            Query plan(*c.db);
            plan.open("EXPLAIN QUERY PLAN SELECT * FROM " + c.table + " WHERE " + l.where, l.values);
            // Plan 0 of the dbf table is the scan of the whole file.
            EXPECT_EQ(plan.text("detail").contains("INDEX 0:"), !l.indexed)
                << l.where << ": " << plan.text("detail").toStdString();
        }
    }
    EXPECT_EQ(RequestIndexedColumns(), QStringList({"IDCERERE", "DINDATA"}));
}

TEST_F(RequestTable, UpgradeStampsTheVersionAndRefreshesOlderTemplates)
{
    CreateRequestTable();
    const struct
    {
        const char *stored; // nullptr: absent
        bool refresh;
    } cases[] = {{nullptr, true}, {"1.2", true},   {"1.2499", true}, {"abc", true},
                 {"1,25", true},  {"1.25", false}, {"1.250", false}, {"2", false}};
    for (const auto &c : cases) {
        const QString label = c.stored ? QString::fromLatin1(c.stored) : QStringLiteral("(absent)");
        if (c.stored)
            WriteSetting("CONST", "VERSIUNE", QString::fromLatin1(c.stored));
        else
            QFile::remove(SettingsPath());
        kovara::test::writeAll(dataFile("Cerere.rtf"), "edited by the user");
        int calls = 0;
        setTemplateRefresh([&] { ++calls; });
        UpgradeData();
        EXPECT_EQ(calls, c.refresh ? 1 : 0) << label.toStdString();
        EXPECT_EQ(QFile::exists(dataFile("Cerere.rtf")), !c.refresh) << label.toStdString();
        EXPECT_EQ(ReadSetting("CONST", "VERSIUNE"), "1.25") << label.toStdString();
    }
}

TEST_F(RequestTable, UpgradeAddsHandiKeepingEveryOtherByte)
{
    const QString path = dataFile("Cereri.dbf");
    writeLegacyTable(path, 40, 6);
    const QByteArray before = readAll(path);
    auto old = dbf::Table::open(path);
    const qint64 count = old->recordCount();
    const int oldHeader = old->headerLength(), oldLength = old->recordLength();
    old.reset();

    UpgradeData();

    const QByteArray after = readAll(path);
    auto table = dbf::Table::open(path);
    ASSERT_EQ(table->recordCount(), count);
    ASSERT_EQ(table->recordLength(), oldLength + 2);
    EXPECT_EQ(table->fields().last().name, QByteArray("HANDI"));
    EXPECT_EQ(table->fields().last().length, 2);
    int deleted = 0;
    for (qint64 i = 0; i < count; ++i) {
        const QByteArray was = before.mid(oldHeader + i * oldLength, oldLength);
        const QByteArray now = table->readRecord(i);
        EXPECT_EQ(now.left(oldLength), was) << "record " << i;
        if (was.at(0) == '*')
            ++deleted;
        else
            EXPECT_EQ(now.mid(oldLength), "NU") << "record " << i;
    }
    EXPECT_EQ(deleted, 6);
    EXPECT_EQ(after.mid(table->headerLength() + count * table->recordLength()), QByteArray("\x1A"));

    // A second start finds the column and changes nothing.
    UpgradeData();
    EXPECT_EQ(readAll(path), after);
}

TEST_F(RequestTable, CountersFollowTheSettingsFile)
{
    EXPECT_EQ(NextIndex("IDCERERE"), "1"); // absent: "1", and "2" is stored
    EXPECT_EQ(ReadSetting("INDEX", "IDCERERE"), "2");
    SetIndex("NR2", "7");
    EXPECT_EQ(PeekIndex("NR2"), "7");
    EXPECT_EQ(NextIndex("NR2"), "7");
    EXPECT_EQ(PeekIndex("NR2"), "8");
    EXPECT_EQ(PeekIndex("NR3"), "1");
    EXPECT_EQ(ReadSetting("INDEX", "NR3"), "");

    for (const char *bad : {"x7", "7.5", "1e3", "--1"}) {
        SetIndex("NR1", QString::fromLatin1(bad));
        EXPECT_THROW(NextIndex("NR1"), Error) << bad;
        EXPECT_EQ(ReadSetting("INDEX", "NR1"), QString::fromLatin1(bad)) << bad; // left unchanged
    }
}

// A lost or replaced settings file must not make an identifier repeat one
// of the table, not even one of a deleted row still in the file.
TEST_F(RequestTable, RequestIdentifiersNeverRepeatTheTable)
{
    const QString path = dataFile("Cereri.dbf");
    writeLegacyTable(path, 20, 3);
    {
        auto table = dbf::Table::open(path, dbf::Mode::ReadWrite);
        table->setDeleted(19, true); // the largest identifier, 20, only in a deleted row
    }
    QFile::remove(SettingsPath());
    EXPECT_EQ(NextIndex("IDCERERE"), "21");
    EXPECT_EQ(ReadSetting("INDEX", "IDCERERE"), "22");
    SetIndex("IDCERERE", "5");
    EXPECT_EQ(NextIndex("IDCERERE"), "21");
    SetIndex("IDCERERE", "50"); // ahead of the table: the counter rules
    EXPECT_EQ(NextIndex("IDCERERE"), "50");
    EXPECT_EQ(PeekIndex("IDCERERE"), "51");
}

} // namespace
