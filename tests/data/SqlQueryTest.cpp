// The query object: navigation, typed columns, record filters and locate.

#include "TestSupport.h"
#include "base/Error.h"
#include "engines/dbf/Query.h"
#include "engines/dbf/SqlEngine.h"

#include <QDate>
#include <gtest/gtest.h>

using namespace kovara;
using Op = kovara::Filter::Op;

namespace {

class SqlQuery : public ::testing::Test
{
protected:
    void SetUp() override
    {
        path = scratch.file("Cereri.dbf");
        db.createTable(path, "IDCERERE DECIMAL(10,0), DINDATA DATE, NR DECIMAL(9,0), SUBSEMN CHAR(32), "
                             "CNP CHAR(13), SUMA DECIMAL(8,2)");
        t = db.table(path);
        const struct
        {
            int id;
            QDate date;
            int nr;
            const char *name;
            const char *cnp;
        } rows[] = {
            {1, {2024, 1, 5}, 10, "POPESCU ION", "1800101123456"},
            {2, {2024, 2, 1}, 11, "POP ANA", "2800101123456"},
            {3, {2024, 3, 9}, 12, "IONESCU DAN", "1900101123456"},
            {4, {2024, 4, 2}, 13, "POPA MARIA", "2900101123456"},
            {5, {2024, 5, 7}, 14, "", ""},
        };
        for (const auto &r : rows)
            db.exec("INSERT INTO " + t +
                        " (IDCERERE, DINDATA, NR, SUBSEMN, CNP, SUMA) VALUES (?, ?, ?, ?, ?, ?)",
                    {r.id, r.date, r.nr, QString::fromUtf8(r.name), QString::fromLatin1(r.cnp), r.nr * 1.5});
        q.open("SELECT * FROM " + t + " ORDER BY IDCERERE");
    }

    QList<qint64> ids()
    {
        QList<qint64> out;
        for (q.first(); !q.eof(); q.next())
            out << q.integer("IDCERERE");
        return out;
    }

    kovara::test::ScratchDir scratch;
    Database db;
    QString path, t;
    Query q{db};
};

TEST_F(SqlQuery, NavigatesLikeATableCursor)
{
    EXPECT_EQ(q.rowCount(), 5);
    EXPECT_FALSE(q.isEmpty());
    q.first();
    EXPECT_TRUE(q.bof());
    EXPECT_FALSE(q.eof());
    EXPECT_EQ(q.integer("IDCERERE"), 1);
    q.prior(); // before the first row: stays, bof
    EXPECT_TRUE(q.bof());
    EXPECT_EQ(q.recNo(), 0);
    q.last();
    EXPECT_TRUE(q.eof());
    EXPECT_EQ(q.integer("IDCERERE"), 5);
    q.next(); // past the end: stays
    EXPECT_EQ(q.recNo(), 4);
    q.prior();
    EXPECT_FALSE(q.eof());
    EXPECT_EQ(q.integer("IDCERERE"), 4);
    EXPECT_TRUE(q.goTo(1));
    EXPECT_EQ(q.integer("IDCERERE"), 2);
    EXPECT_FALSE(q.goTo(5));
    EXPECT_EQ(ids(), QList<qint64>({1, 2, 3, 4, 5}));

    q.open("SELECT * FROM " + t + " WHERE IDCERERE > ?", {100});
    EXPECT_TRUE(q.isEmpty());
    EXPECT_TRUE(q.eof() && q.bof());
    EXPECT_EQ(q.recNo(), -1);
    EXPECT_TRUE(q.hasColumn("subsemn")); // names come without rows too
    EXPECT_EQ(q.text("SUBSEMN"), QString());
}

TEST_F(SqlQuery, ReadsColumnsAsTextNumbersAndDates)
{
    q.open("SELECT IDCERERE, DINDATA, SUMA, SUBSEMN, 'AB  ' AS PAD, NR/4.0 AS RAPORT FROM " + t +
               " WHERE IDCERERE = ?",
           {2});
    EXPECT_EQ(q.text("DINDATA"), "01.02.2024");
    EXPECT_EQ(q.date("DINDATA"), QDate(2024, 2, 1));
    EXPECT_EQ(q.integer("IDCERERE"), 2);
    EXPECT_EQ(q.text("IDCERERE"), "2");
    EXPECT_DOUBLE_EQ(q.amount("SUMA"), 16.5);
    EXPECT_EQ(q.text("PAD"), "AB");
    EXPECT_EQ(q.text("RAPORT"), "2.75");
    EXPECT_TRUE(q.hasColumn("Raport"));
    EXPECT_FALSE(q.hasColumn("NOSUCH"));
    EXPECT_THROW(q.text("NOSUCH"), Error);
    q.open("SELECT SUBSEMN, CNP FROM " + t + " WHERE IDCERERE = 5");
    EXPECT_TRUE(q.isNull("SUBSEMN"));
    EXPECT_EQ(q.text("CNP"), QString());
    EXPECT_EQ(q.integer("CNP"), 0);
}

TEST_F(SqlQuery, FiltersByValues)
{
    struct Case
    {
        const char *what;
        Filter filter;
        QList<qint64> expected;
    };
    const Case cases[] = {
        {"begins with", Filter("SUBSEMN", Op::BeginsWith, "POP"), {1, 2, 4}},
        {"begins with, two columns",
         Filter("SUBSEMN", Op::BeginsWith, "POP").andWhere("CNP", Op::BeginsWith, "2"),
         {2, 4}},
        {"equal text", Filter("SUBSEMN", Op::Equal, "POP ANA"), {2}},
        {"trailing blanks do not count", Filter("SUBSEMN", Op::Equal, "POP ANA  "), {2}},
        {"a prefix keeps its blank", Filter("SUBSEMN", Op::BeginsWith, "POP "), {2}},
        {"not equal number", Filter("NR", Op::NotEqual, 12), {1, 2, 4, 5}},
        {"at least a number", Filter("NR", Op::GreaterOrEqual, 13), {4, 5}},
        {"at least a text", Filter("SUBSEMN", Op::GreaterOrEqual, "POPA"), {1, 4}},
        {"at least a date", Filter("DINDATA", Op::GreaterOrEqual, QDate(2024, 3, 9)), {3, 4, 5}},
        {"at most a number", Filter("NR", Op::LessOrEqual, 12), {1, 2, 3}},
        {"at most a date", Filter("DINDATA", Op::LessOrEqual, QDate(2024, 3, 8)), {1, 2}},
        {"a year",
         Filter("DINDATA", Op::GreaterOrEqual, QDate(2024, 3, 9))
             .andWhere("DINDATA", Op::LessOrEqual, QDate(2024, 12, 31)),
         {3, 4, 5}},
        {"a date typed dd.MM.yyyy", Filter("DINDATA", Op::Equal, "02.04.2024"), {4}},
        {"or", Filter("IDCERERE", Op::Equal, 1).orWhere("IDCERERE", Op::Equal, "3"), {1, 3}},
        {"and binds before or",
         Filter("SUBSEMN", Op::BeginsWith, "POP")
             .andWhere("NR", Op::GreaterOrEqual, 13)
             .orWhere("NR", Op::Equal, 10),
         {1, 4}},
        {"empty text is blank", Filter("SUBSEMN", Op::Equal, ""), {5}},
        {"nothing", Filter("SUBSEMN", Op::BeginsWith, "X"), {}},
    };
    for (const Case &c : cases) {
        q.setFilter(c.filter);
        EXPECT_EQ(ids(), c.expected) << c.what;
        EXPECT_EQ(q.rowCount(), c.expected.size()) << c.what;
    }
    q.clearFilter();
    EXPECT_EQ(q.rowCount(), 5);
    EXPECT_THROW(q.setFilter(Filter("NOSUCH", Op::Equal, 1)), Error);
}

TEST_F(SqlQuery, FilterStaysWhenTheQueryIsReadAgain)
{
    q.setFilter(Filter("SUBSEMN", Op::BeginsWith, "POP"));
    db.exec("INSERT INTO " + t + " (IDCERERE, SUBSEMN) VALUES (?, ?)", {6, "POPOVICI"});
    q.reopen();
    EXPECT_EQ(ids(), QList<qint64>({1, 2, 4, 6}));
    q.last();
    EXPECT_EQ(q.text("SUBSEMN"), "POPOVICI");
}

TEST_F(SqlQuery, LocateMovesToTheFirstEqualRow)
{
    EXPECT_TRUE(q.locate("IDCERERE", 4));
    EXPECT_EQ(q.text("SUBSEMN"), "POPA MARIA");
    EXPECT_TRUE(q.locate("IDCERERE", "2"));
    EXPECT_EQ(q.recNo(), 1);
    EXPECT_FALSE(q.locate("IDCERERE", 99));
    EXPECT_EQ(q.recNo(), 1);
    q.setFilter(Filter("SUBSEMN", Op::BeginsWith, "POP"));
    EXPECT_FALSE(q.locate("IDCERERE", 3)); // filtered out
    EXPECT_TRUE(q.locate("DINDATA", QDate(2024, 4, 2)));
    EXPECT_EQ(q.recNo(), 2);
}

// Quotes, apostrophes, '*' and '%' typed by a user are ordinary characters.
TEST_F(SqlQuery, QuotesAndWildcardsAreOrdinaryCharacters)
{
    const QString odd = QStringLiteral("O'Brien \"X\" 50% *");
    db.exec("INSERT INTO " + t + " (IDCERERE, SUBSEMN) VALUES (?, ?)", {7, odd});
    db.exec("INSERT INTO " + t + " (IDCERERE, SUBSEMN) VALUES (?, ?)", {8, "O'Brien \"X\" 50X"});

    Query found(db);
    found.open("SELECT IDCERERE, SUBSEMN FROM " + t + " WHERE SUBSEMN = ?", {odd});
    ASSERT_EQ(found.rowCount(), 1);
    EXPECT_EQ(found.text("SUBSEMN"), odd);

    q.reopen();
    const struct
    {
        Filter filter;
        QList<qint64> expected;
    } cases[] = {
        {Filter("SUBSEMN", Op::Equal, odd), {7}},
        {Filter("SUBSEMN", Op::BeginsWith, odd), {7}},
        {Filter("SUBSEMN", Op::BeginsWith, "O'Brien \"X\" 50%"), {7}},
        {Filter("SUBSEMN", Op::BeginsWith, "O'Brien \"X\""), {7, 8}},
        {Filter("SUBSEMN", Op::BeginsWith, "%"), {}},
        {Filter("SUBSEMN", Op::BeginsWith, "*"), {}},
    };
    for (const auto &c : cases) {
        q.setFilter(c.filter);
        EXPECT_EQ(ids(), c.expected);
    }
    q.clearFilter();
    EXPECT_TRUE(q.locate("SUBSEMN", odd));
    EXPECT_EQ(q.integer("IDCERERE"), 7);
}

// Rows are kept in chunks: values across chunk ends and a value larger
// than a chunk come back whole.
TEST_F(SqlQuery, KeepsLargeResultsWhole)
{
    Query big(db);
    big.open("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 30000) "
             "SELECT i, printf('%0100d', i) AS t, CASE WHEN i = 20000 THEN printf('%.*c', 1500000, 'y') END "
             "AS huge "
             "FROM n");
    ASSERT_EQ(big.rowCount(), 30000);
    for (int i : {1, 9000, 10486, 19999, 20000, 20001, 30000}) {
        ASSERT_TRUE(big.goTo(i - 1));
        EXPECT_EQ(big.integer("i"), i);
        EXPECT_EQ(big.text("t"), QString::number(i).rightJustified(100, u'0'));
        EXPECT_EQ(big.text("huge").size(), i == 20000 ? 1500000 : 0);
    }
}

TEST_F(SqlQuery, OnlyReadingStatementsGiveRows)
{
    EXPECT_THROW(q.open("UPDATE " + t + " SET NR = 1"), Error);
    EXPECT_FALSE(q.isOpen());
    EXPECT_THROW(q.open("SELECT * FROM NOSUCH"), Error);
    // A failure while reading the rows leaves the query closed and empty.
    EXPECT_THROW(
        q.open("SELECT IDCERERE, abs(CASE WHEN IDCERERE = 3 THEN -9223372036854775807 - 1 ELSE 1 END) "
               "FROM " +
               t + " ORDER BY IDCERERE"),
        Error);
    EXPECT_FALSE(q.isOpen());
    EXPECT_EQ(q.rowCount(), 0);
}

} // namespace
