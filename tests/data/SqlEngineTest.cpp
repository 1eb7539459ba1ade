// The dbf virtual table and the engine object: types, text, order, writes,
// undo of failed statements, indexes and the old statement shapes.

#include "engines/dbf/SqlEngine.h"
#include "DbfTestSupport.h"
#include "TestSupport.h"
#include "base/Error.h"
#include "base/Paths.h"
#include "base/Win1250.h"
#include "engines/dbf/Dbf.h"
#include "engines/dbf/DbfCodec.h"
#include "engines/dbf/Query.h"

#include <QDate>
#include <QFile>
#include <gtest/gtest.h>

using namespace kovara;
using kovara::test::readAll;
using kovara::test::ScratchDir;

namespace {

const char *const kColumns =
    "IDCERERE DECIMAL(10,0), DINDATA DATE, NR DECIMAL(9,0), TIP CHAR(3), "
    "SUBSEMN CHAR(32), CUANTUM DECIMAL(6,0), NRCOPII DECIMAL(6,0), SUMA DECIMAL(10,2), "
    "VALID LOGICAL";

struct Row
{
    qint64 id;
    QDate date;
    qint64 nr;
    QString tip;
    QString name;
    qint64 amount;
    qint64 children;
};

const Row kRows[] = {
    {1, QDate(2023, 12, 31), 5, "A", "POP ION", 0, 1},
    {2, QDate(2024, 1, 1), 1, "3", "ZETA ANA", 204, 2},
    {3, QDate(2024, 5, 10), 2, "4", "1BETA", 150, 3},
    {4, QDate(2024, 7, 1), 3, "AS", "ŞTEFAN ELENA", 0, 1},
    {5, QDate(2025, 2, 2), 1, "3", "SAVU MIHAI", 204, 1},
};

class SqlEngine : public ::testing::Test
{
protected:
    void SetUp() override
    {
        path = dir.file("Cereri.dbf");
        db.createTable(path, QString::fromLatin1(kColumns));
        db.setIndexedColumns(path, {"IDCERERE", "DINDATA"});
        t = db.table(path);
        for (const Row &r : kRows)
            db.exec("INSERT INTO " + t +
                        " (IDCERERE, DINDATA, NR, TIP, SUBSEMN, CUANTUM, NRCOPII) "
                        "VALUES (?, ?, ?, ?, ?, ?, ?)",
                    {r.id, r.date, r.nr, r.tip, r.name, r.amount, r.children});
    }

    QStringList column(const QString &sql, const QVariantList &values = {})
    {
        Query q(db);
        q.open(sql, values);
        QStringList out;
        for (q.first(); !q.eof(); q.next())
            out << q.value(0).toString();
        return out;
    }

    ScratchDir dir;
    Database db;
    QString path;
    QString t;
};

TEST_F(SqlEngine, ColumnsHaveTheirSqlTypes)
{
    db.exec("UPDATE " + t + " SET SUMA = 12.5, VALID = 1 WHERE IDCERERE = 1");
    Query q(db);
    q.open("SELECT typeof(IDCERERE), typeof(DINDATA), DINDATA, typeof(SUMA), typeof(VALID), VALID, "
           "typeof(SUBSEMN), SUBSEMN, length(SUBSEMN) FROM " +
           t + " WHERE IDCERERE = 1");
    ASSERT_EQ(q.rowCount(), 1);
    const QStringList expected = {"integer", "text", "2023-12-31", "real", "integer",
                                  "1",       "text", "POP ION",    "7"};
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_EQ(q.value(i).toString(), expected[i]) << i;
    // Blank values are NULL.
    EXPECT_EQ(column("SELECT count(*) FROM " + t + " WHERE SUMA IS NULL AND VALID IS NULL").value(0), "4");
    db.exec("UPDATE " + t + " SET SUBSEMN = '' WHERE IDCERERE = 2");
    EXPECT_EQ(column("SELECT IDCERERE FROM " + t + " WHERE SUBSEMN IS NULL"), QStringList{"2"});
}

TEST_F(SqlEngine, TextIsStoredAsWindows1250)
{
    db.exec("UPDATE " + t + " SET SUBSEMN = ? WHERE IDCERERE = 1", {QString::fromUtf8("ȘTEFĂNESCU ȚUȚU")});
    // The comma-below letters are kept as their cedilla forms.
    EXPECT_EQ(column("SELECT SUBSEMN FROM " + t + " WHERE IDCERERE = 1").value(0),
              QString::fromUtf8("ŞTEFĂNESCU ŢUŢU"));
    auto table = dbf::Table::open(path);
    const QByteArray raw = table->readRecord(0);
    const dbf::Field f = table->fields().at(table->fieldIndex("SUBSEMN"));
    EXPECT_EQ(dbf::fieldBytes(f, raw).toByteArray().left(15), QByteArray("\xAATEF\xC3NESCU \xDEU\xDEU"));
}

TEST_F(SqlEngine, TextsCompareByCharacterCode)
{
    // Digits before letters, Ş (0xAA) after Z.
    EXPECT_EQ(column("SELECT SUBSEMN FROM " + t + " ORDER BY SUBSEMN"),
              QStringList({"1BETA", "POP ION", "SAVU MIHAI", "ZETA ANA", QString::fromUtf8("ŞTEFAN ELENA")}));
    EXPECT_EQ(column("SELECT IDCERERE FROM " + t + " WHERE SUBSEMN >= ? ORDER BY 1", {"Z"}),
              QStringList({"2", "4"}));
    // Every kind-1 code is greater than "4"; "3" is not.
    EXPECT_EQ(column("SELECT TIP FROM " + t + " WHERE TIP > ? ORDER BY IDCERERE", {"4"}),
              QStringList({"A", "AS"}));
}

// Each shape of the old statements, in the form written for this engine.
TEST_F(SqlEngine, OldStatementShapesHaveTheirForms)
{
    struct Case
    {
        const char *sql;
        QVariantList values;
        QStringList expected;
    };
    const Case cases[] = {
        {"SELECT DISTINCT CAST(strftime('%Y', DINDATA) AS INTEGER) AS ANUL FROM $T ORDER BY ANUL DESC",
         {},
         {"2025", "2024", "2023"}},
        {"SELECT SUM(CUANTUM) AS TOTAL FROM $T WHERE TIP = ?", {"3"}, {"408"}},
        {"SELECT CUANTUM/NRCOPII AS PECOPIL FROM $T WHERE IDCERERE = ?", {3}, {"50"}},
        {"SELECT SUBSEMN || ' ' || TIP AS X FROM $T WHERE IDCERERE = ?", {2}, {"ZETA ANA 3"}},
        {"SELECT IDCERERE FROM $T WHERE DINDATA >= ? AND DINDATA < ? ORDER BY IDCERERE",
         {QDate(2024, 1, 1), QDate(2025, 1, 1)},
         {"2", "3", "4"}},
        {"SELECT IDCERERE FROM $T ORDER BY NR DESC, IDCERERE", {}, {"1", "4", "3", "2", "5"}},
        {"SELECT IDCERERE FROM $T WHERE SUMA IS NULL AND TIP = ? ORDER BY 1", {"3"}, {"2", "5"}},
        {"SELECT IDCERERE FROM $T WHERE TIP <> ? AND NR <= ? ORDER BY 1", {"3", 2}, {"3"}},
    };
    for (const Case &c : cases) {
        const QString sql = QString::fromLatin1(c.sql).replace("$T", t);
        EXPECT_EQ(column(sql, c.values), c.expected) << c.sql;
    }
}

TEST_F(SqlEngine, UpdateDeleteAndInsertSelect)
{
    EXPECT_EQ(db.exec("UPDATE " + t + " SET NR = ?, SUBSEMN = ? WHERE IDCERERE = ?", {9, "NOU", 3}), 1);
    EXPECT_EQ(column("SELECT NR || SUBSEMN FROM " + t + " WHERE IDCERERE = 3"), QStringList{"9NOU"});
    EXPECT_EQ(db.exec("UPDATE " + t + " SET NRCOPII = 1"), 5);
    EXPECT_EQ(db.exec("DELETE FROM " + t + " WHERE IDCERERE = ?", {2}), 1);
    EXPECT_EQ(column("SELECT count(*) FROM " + t), QStringList{"4"});

    // The numbering's work table: filled from the request table.
    const QString pilotPath = dir.file("pilot.dbf");
    db.createTable(pilotPath, "(IDCERERE DECIMAL(10,0), NR DECIMAL(9,0) )");
    const QString pilot = db.table(pilotPath);
    EXPECT_EQ(db.exec("INSERT INTO " + pilot + " (IDCERERE, NR) SELECT IDCERERE, NR FROM " + t +
                          " WHERE TIP = ? AND DINDATA >= ? AND NR >= ? AND NR <= ?",
                      {"3", QDate(2024, 1, 1), 0, 10}),
              1);
    EXPECT_EQ(column("SELECT IDCERERE FROM " + pilot + " ORDER BY NR"), QStringList{"5"});

    // Rows with an empty or too small code go.
    db.exec("UPDATE " + t + " SET TIP = NULL WHERE IDCERERE = 1");
    db.exec("UPDATE " + t + " SET TIP = '0' WHERE IDCERERE = 3");
    EXPECT_EQ(db.exec("DELETE FROM " + t + " WHERE TIP IS NULL OR TIP < ?", {"1"}), 2);
    EXPECT_EQ(column("SELECT IDCERERE FROM " + t + " ORDER BY 1"), QStringList({"4", "5"}));
}

TEST_F(SqlEngine, DeletedRecordsAreInvisibleAndRowidIsTheRecordNumber)
{
    db.exec("DELETE FROM " + t + " WHERE IDCERERE = 2");
    EXPECT_EQ(column("SELECT rowid FROM " + t + " ORDER BY rowid"), QStringList({"1", "3", "4", "5"}));
    for (const QVariant &rowid : {QVariant(3), QVariant("3"), QVariant(3.0)})
        EXPECT_EQ(column("SELECT IDCERERE FROM " + t + " WHERE rowid = ?", {rowid}), QStringList{"3"});
    EXPECT_EQ(column("SELECT IDCERERE FROM " + t + " WHERE rowid = ?", {2}), QStringList{}); // deleted
    auto table = dbf::Table::open(path);
    EXPECT_EQ(table->recordCount(), 5);
    EXPECT_TRUE(table->isDeleted(table->readRecord(1)));
}

TEST_F(SqlEngine, UpdateKeepsTheBytesOfColumnsItDoesNotSet)
{
    // A record as another writer left it: a number written left-aligned and
    // a text with a trailing NUL.
    {
        auto table = dbf::Table::open(path, dbf::Mode::ReadWrite);
        QByteArray raw = table->readRecord(0);
        const dbf::Field nrcopii = table->fields().at(table->fieldIndex("NRCOPII"));
        const dbf::Field name = table->fields().at(table->fieldIndex("SUBSEMN"));
        raw.replace(nrcopii.offset, nrcopii.length, QByteArray("1     ", 6));
        raw[name.offset + name.length - 1] = '\0';
        table->writeRecord(0, raw);
    }
    // By the indexed key (two passes in SQLite) and by the rowid (one pass).
    for (const char *where : {"IDCERERE = 1", "rowid = 1"}) {
        const QByteArray before = readAll(path);
        db.exec("UPDATE " + t + " SET NR = NR + 1 WHERE " + QString::fromLatin1(where));
        const QByteArray after = readAll(path);
        auto table = dbf::Table::open(path);
        const dbf::Field nr = table->fields().at(table->fieldIndex("NR"));
        const qint64 at = table->headerLength() + nr.offset;
        ASSERT_EQ(before.size(), after.size());
        EXPECT_NE(after.mid(at, nr.length), before.mid(at, nr.length)) << where;
        QByteArray patched = before;
        patched.replace(at, nr.length, after.mid(at, nr.length));
        EXPECT_EQ(after.mid(32), patched.mid(32)) << where; // every other byte after the header as it was
    }
}

TEST_F(SqlEngine, FailedStatementLeavesTheFileExactlyAsItWas)
{
    const QByteArray before = readAll(path);
    const char *const failing[] = {
        // Rows 1 and 2 are rewritten before row 3 fails (too wide for N(9,0)).
        "UPDATE $T SET NR = CASE WHEN IDCERERE = 3 THEN 12345678901 ELSE 7 END",
        // Two rows appended, then a date that is not one.
        "INSERT INTO $T (IDCERERE, DINDATA) SELECT IDCERERE + 10, CASE WHEN IDCERERE = 3 THEN 'x' ELSE "
        "DINDATA END FROM $T",
    };
    for (const char *sql : failing) {
        EXPECT_THROW(db.exec(QString::fromLatin1(sql).replace("$T", t)), Error) << sql;
        EXPECT_EQ(readAll(path), before) << sql;
        EXPECT_EQ(column("SELECT count(*) FROM " + t), QStringList{"5"}) << sql;
        EXPECT_EQ(column("SELECT IDCERERE FROM " + t + " WHERE IDCERERE = 1"), QStringList{"1"}) << sql;
    }
}

TEST_F(SqlEngine, IndexedLookupsFollowEveryWrite)
{
    Query plan(db);
    plan.open("EXPLAIN QUERY PLAN SELECT * FROM " + t + " WHERE IDCERERE = ?", {1});
    // Plan 0 is the full scan; an equality on IDCERERE must not need it.
    EXPECT_FALSE(plan.text("detail").contains("INDEX 0:")) << plan.text("detail").toStdString();

    const QString byId = "SELECT SUBSEMN FROM " + t + " WHERE IDCERERE = ?";
    const QString byDate = "SELECT IDCERERE FROM " + t + " WHERE DINDATA >= ? AND DINDATA <= ? ORDER BY 1";
    EXPECT_EQ(column(byId, {4}), QStringList{QString::fromUtf8("ŞTEFAN ELENA")});
    db.exec("INSERT INTO " + t + " (IDCERERE, DINDATA, SUBSEMN) VALUES (?, ?, ?)",
            {6, QDate(2024, 3, 3), "NOU"});
    db.exec("UPDATE " + t + " SET DINDATA = ? WHERE IDCERERE = ?", {QDate(2030, 1, 1), 2});
    db.exec("UPDATE " + t + " SET IDCERERE = ? WHERE IDCERERE = ?", {40, 4});
    db.exec("DELETE FROM " + t + " WHERE IDCERERE = ?", {3});
    EXPECT_EQ(column(byId, {6}), QStringList{"NOU"});
    EXPECT_EQ(column(byId, {4}), QStringList{});
    EXPECT_EQ(column(byId, {40}), QStringList{QString::fromUtf8("ŞTEFAN ELENA")});
    EXPECT_EQ(column(byId, {3}), QStringList{});
    EXPECT_EQ(column(byId, {"6"}), QStringList{"NOU"}); // a number given as text
    EXPECT_EQ(column(byId, {6.5}), QStringList{});
    EXPECT_EQ(column(byDate, {QDate(2024, 1, 1), QDate(2024, 12, 31)}), QStringList({"6", "40"}));
    EXPECT_EQ(column(byDate, {QDate(2030, 1, 1), QDate(2030, 1, 1)}), QStringList{"2"});
}

// Which plan SQLite chose for a statement (plan 0 is the full scan).
QString planOf(Database &db, const QString &sql)
{
    Query plan(db);
    plan.open("EXPLAIN QUERY PLAN " + sql, {1});
    return plan.text("detail");
}

TEST_F(SqlEngine, IndexesAreThoseItsUserAskedFor)
{
    const QString byNr = "SELECT IDCERERE FROM " + t + " WHERE NR = ?";
    const QString byId = "SELECT IDCERERE FROM " + t + " WHERE IDCERERE = ?";
    EXPECT_TRUE(planOf(db, byNr).contains("INDEX 0:")) << "no column is indexed unasked";
    EXPECT_FALSE(planOf(db, byId).contains("INDEX 0:"));

    // Asked for while attached: the table is attached again with them. A
    // text column has no index; a name the file lacks is passed over.
    db.setIndexedColumns(path, {"nr", "SUBSEMN", "NOSUCH"});
    EXPECT_FALSE(planOf(db, byNr).contains("INDEX 0:"));
    EXPECT_TRUE(planOf(db, byId).contains("INDEX 0:"));
    EXPECT_TRUE(planOf(db, "SELECT IDCERERE FROM " + t + " WHERE SUBSEMN = ?").contains("INDEX 0:"));
    EXPECT_EQ(column(byNr + " ORDER BY 1", {1}), QStringList({"2", "5"}));

    // Kept through the rewrites that attach the table again.
    db.exec("DELETE FROM " + t + " WHERE IDCERERE = 2");
    db.packTable(path);
    db.addColumn(path, QStringLiteral("HANDI CHAR(2)"), QStringLiteral("NU"));
    EXPECT_FALSE(planOf(db, byNr).contains("INDEX 0:"));
    EXPECT_EQ(column(byNr, {1}), QStringList{"5"});

    // Under the read-only guard the table stays attached as it was, and
    // takes the new indexes at its next attachment.
    db.setReadOnlyGuard(true);
    db.setIndexedColumns(path, {"IDCERERE"});
    EXPECT_EQ(column(byNr, {1}), QStringList{"5"});
    EXPECT_FALSE(planOf(db, byNr).contains("INDEX 0:"));
    db.setReadOnlyGuard(false);
    db.detach(path);
    t = db.table(path);
    EXPECT_TRUE(planOf(db, "SELECT IDCERERE FROM " + t + " WHERE NR = ?").contains("INDEX 0:"));
    EXPECT_FALSE(planOf(db, byId).contains("INDEX 0:"));

    // Another engine knows nothing of them.
    Database other;
    const QString there = other.table(path);
    EXPECT_TRUE(planOf(other, "SELECT IDCERERE FROM " + there + " WHERE NR = ?").contains("INDEX 0:"));
}

TEST_F(SqlEngine, SeesChangesMadeByOtherWriters)
{
    EXPECT_EQ(column("SELECT count(*) FROM " + t + " WHERE IDCERERE = 99"), QStringList{"0"});
    {
        auto table = dbf::Table::open(path, dbf::Mode::ReadWrite);
        QByteArray raw = table->blankRecord();
        dbf::encodeField(table->fields().at(0), qint64(99), raw);
        table->appendRecord(raw);
    }
    EXPECT_EQ(column("SELECT count(*) FROM " + t + " WHERE IDCERERE = 99"), QStringList{"1"});
}

TEST_F(SqlEngine, RefusesWhatItCannotDoSafely)
{
    const QString ro = dir.file("Ro.dbf");
    QFile::copy(path, ro);
    db.attach("RO", ro, true);
    const QByteArray before = readAll(ro);
    EXPECT_THROW(db.exec("DELETE FROM RO"), Error);
    EXPECT_EQ(readAll(ro), before);
    EXPECT_THROW(db.exec("DELETE FROM " + t + "; DELETE FROM RO"), Error); // one statement at a time
    EXPECT_EQ(column("SELECT count(*) FROM " + t), QStringList{"5"});
    EXPECT_THROW(db.exec("UPDATE " + t + " SET NR = ? WHERE IDCERERE = ?", {1}), Error);
    EXPECT_THROW(db.exec("UPDATE " + t + " SET DINDATA = ?", {"31.02.2024"}), Error);
    EXPECT_THROW(db.exec("UPDATE " + t + " SET NR = ?", {"abc"}), Error);
    EXPECT_THROW(
        db.exec("UPDATE " + t + " SET SUBSEMN = ? WHERE IDCERERE = 1", {QString::fromUtf8("李 ION")}), Error);
    EXPECT_EQ(column("SELECT SUBSEMN FROM " + t + " WHERE IDCERERE = 1"), QStringList{"POP ION"});
    EXPECT_THROW(db.attach("RO", path), Error);    // the name belongs to another file
    EXPECT_THROW(db.attach("OTHER", path), Error); // the file has its name already
    db.attach("cereri", path);                     // the same name again: nothing to do
}

TEST_F(SqlEngine, NamedValuesAndAppendRow)
{
    db.appendRow(path, {{"IDCERERE", 7}, {"subsemn", "APPEND"}, {"DINDATA", QDate(2024, 2, 29)}});
    EXPECT_EQ(column("SELECT SUBSEMN || DINDATA FROM " + t + " WHERE IDCERERE = :id", QVariantList{7}),
              QStringList{"APPEND2024-02-29"});
    Query q(db);
    q.open("SELECT SUBSEMN FROM " + t + " WHERE IDCERERE = :id", QVariantMap{{"id", 7}});
    EXPECT_EQ(q.text("SUBSEMN"), "APPEND");
    EXPECT_THROW(db.appendRow(path, {{"NOSUCH", 1}}), Error);
}

TEST_F(SqlEngine, WorkTablesColumnsAndPack)
{
    const kovara::test::ShortLockWait shortWait; // the refused writer gives up at once
    const QString work = dir.file("B2.dbf");
    db.createTable(work, "IDCERERE DECIMAL(10,0), NUME CHAR(20), ZI DATE");
    EXPECT_TRUE(QFile::exists(work));
    db.exec("INSERT INTO " + db.table(work) + " VALUES (1, 'X', '2024-01-02')");
    EXPECT_EQ(column("SELECT count(*) FROM " + db.table(work)), QStringList{"1"});
    db.dropTable(work);
    EXPECT_FALSE(QFile::exists(work));

    // Another engine that has the table open sees the new file after a pack,
    // and refuses, clearly, a file whose columns changed under it.
    Database other;
    const QString seen = other.table(path);
    auto count = [&] {
        Query q(other);
        q.open("SELECT count(*) FROM " + seen);
        return q.integer("count(*)");
    };
    EXPECT_EQ(count(), 5);

    db.addColumn(path, "HANDI CHAR(2)");
    db.exec("UPDATE " + t + " SET HANDI = 'NU'");
    EXPECT_EQ(column("SELECT DISTINCT HANDI FROM " + t), QStringList{"NU"});
    EXPECT_THROW(count(), Error);
    other.detach(path);
    const QString again = other.table(path);
    EXPECT_EQ(again, seen);

    db.exec("DELETE FROM " + t + " WHERE IDCERERE IN (1, 2)");
    {
        auto writer = dbf::Table::open(path, dbf::Mode::ReadWrite);
        EXPECT_THROW(db.packTable(path), Error); // open for writing elsewhere
    }
    db.packTable(path);
    EXPECT_EQ(dbf::Table::open(path)->recordCount(), 3);
    EXPECT_EQ(count(), 3);
    EXPECT_EQ(column("SELECT IDCERERE FROM " + t + " ORDER BY 1"), QStringList({"3", "4", "5"}));
}

// Rows handed out in the order of a column must come exactly as SQLite's
// own sort puts them ("+column" makes SQLite sort by itself).
TEST_F(SqlEngine, OrderedScansAgreeWithSqliteOwnSort)
{
    const char *const names[] = {"ANA", "", "ana", "Ţ", "Z", "ZZ", "1", " LEADING", "ŞTEFAN", "ÎON", "Ă"};
    int id = 10;
    for (const char *n : names)
        db.exec("INSERT INTO " + t + " (IDCERERE, SUBSEMN, NR, SUMA, DINDATA) VALUES (?, ?, ?, ?, ?)",
                {id++, QString::fromUtf8(n), id % 3 ? QVariant(id * 7 % 5) : QVariant(), id * 0.25,
                 id % 4 ? QVariant(QDate(2020, 1, 1).addDays(id * 37 % 11)) : QVariant()});
    {
        // A byte the code page leaves undefined, written by another program.
        auto table = dbf::Table::open(path, dbf::Mode::ReadWrite);
        QByteArray raw = table->readRecord(0);
        raw[table->fields().at(table->fieldIndex("SUBSEMN")).offset + 1] = '\x81';
        table->writeRecord(0, raw);
    }
    for (const char *col : {"SUBSEMN", "NR", "SUMA", "DINDATA", "IDCERERE"})
        for (const char *dir : {"", " DESC"}) {
            const QString c = QString::fromLatin1(col), d = QString::fromLatin1(dir);
            EXPECT_EQ(column("SELECT " + c + " FROM " + t + " ORDER BY " + c + d),
                      column("SELECT " + c + " FROM " + t + " ORDER BY +" + c + d))
                << col << dir;
        }
    Query plan(db);
    plan.open("EXPLAIN QUERY PLAN SELECT * FROM " + t + " ORDER BY SUBSEMN");
    for (plan.first(); !plan.eof(); plan.next())
        EXPECT_FALSE(plan.text("detail").contains("TEMP B-TREE")) << "sorted by SQLite";
}

TEST(SqlCollation, FileBytesAndTextsSortAlike)
{
    for (int a = 1; a < 256; ++a)
        for (int b = 1; b < 256; ++b) {
            const char ca = char(a), cb = char(b);
            const QByteArray ua = fromWin1250(QByteArrayView(&ca, 1)).toUtf8();
            const QByteArray ub = fromWin1250(QByteArrayView(&cb, 1)).toUtf8();
            const int byText =
                sqlcodec::compareWin1250(int(ua.size()), ua.constData(), int(ub.size()), ub.constData());
            const int byBytes = sqlcodec::compareWin1250Bytes(&ca, 1, &cb, 1);
            ASSERT_EQ(byText < 0, byBytes < 0) << a << " " << b;
            ASSERT_EQ(byText == 0, byBytes == 0) << a << " " << b;
        }
}

TEST(SqlColumnList, ParsesTheTypesOfTheOldStatements)
{
    const QList<dbf::FieldDef> f =
        parseColumnList("(IDCERERE DECIMAL(10,0), SUMA NUMERIC(12,2), ZI DATE, TIP CHAR(3), OK LOGICAL )");
    ASSERT_EQ(f.size(), 5);
    const char types[] = {'N', 'N', 'D', 'C', 'L'};
    const int lengths[] = {10, 12, 8, 3, 1};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(f[i].type, types[i]);
        EXPECT_EQ(f[i].length, lengths[i]);
    }
    EXPECT_EQ(f[1].decimals, 2);
    for (const char *bad : {"", "X BLOB", "X CHAR(0)", "X CHAR(300)", "X DECIMAL(3,3)",
                            "NUMETOOLONGX CHAR(2)", "A CHAR(2), A CHAR(3)", "X CHAR(2) Y"})
        EXPECT_THROW(parseColumnList(QString::fromLatin1(bad)), Error) << bad;
}

} // namespace
