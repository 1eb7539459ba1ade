// kovara-cli sql and check, run as the built program over a data folder
// holding a table written by an independent writer.

#include "TestSupport.h"
#include "engines/dbf/Dbf.h"
#include "engines/dbf/SqlEngine.h"

#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

using namespace kovara;
using kovara::test::readAll;

namespace {

struct CliRun
{
    int code = -1;
    QString out, err;
};

class SqlCli : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QProcess p;
        p.start("python3", {kovara::test::sourcePath("tests/data/make_legacy_dbf.py"),
                            scratch.file("CERERI.DBF"), "--rows", "30", "--deleted", "4"});
        ASSERT_TRUE(p.waitForFinished(30000));
        ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        Database db;
        db.createTable(scratch.file("Nume.dbf"), "ID DECIMAL(4,0), NUME CHAR(30), ZI DATE");
        db.appendRow(scratch.file("Nume.dbf"),
                     {{"ID", 1}, {"NUME", "O'Brien \"X\", 50%"}, {"ZI", QDate(2024, 1, 2)}});
        db.appendRow(scratch.file("Nume.dbf"), {{"ID", 2}, {"NUME", QString::fromUtf8("ŞERBAN")}});
    }

    CliRun run(const QStringList &args)
    {
        QProcess p;
        p.start(QString::fromLocal8Bit(qgetenv("KOVARA_BIN_DIR")) + "/kovara-cli",
                QStringList{"--data", scratch.path()} + args);
        CliRun r;
        if (!p.waitForFinished(60000))
            return r;
        r.code = p.exitCode();
        r.out = QString::fromUtf8(p.readAllStandardOutput());
        r.err = QString::fromUtf8(p.readAllStandardError());
        return r;
    }

    kovara::test::ScratchDir scratch;
};

TEST_F(SqlCli, PrintsTheRowsOfAQueryAsCsv)
{
    CliRun r = run({"sql", "SELECT ID, NUME, ZI FROM nume ORDER BY ID"});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out,
              QString::fromUtf8("ID,NUME,ZI\r\n1,\"O'Brien \"\"X\"\", 50%\",2024-01-02\r\n2,ŞERBAN,\r\n"));

    // Tables are named by their file, without regard to case; deleted rows are not seen.
    r = run({"sql", "SELECT count(*) AS N, max(IDCERERE) AS M FROM Cereri"});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "N,M\r\n26,30\r\n");
}

TEST_F(SqlCli, RefusesAnythingButOneReadingStatement)
{
    const QByteArray before = readAll(scratch.file("CERERI.DBF"));
    const char *const refused[] = {
        "DELETE FROM cereri",
        "UPDATE cereri SET NR = 1",
        "INSERT INTO nume (ID) VALUES (3)",
        "SELECT 1; DELETE FROM cereri",
        "CREATE TABLE x (a)",
        "DROP TABLE cereri",
        "ATTACH DATABASE 'evil.db' AS evil",
        "PRAGMA writable_schema = 1",
        "SELEC nonsense",
    };
    for (const char *sql : refused) {
        const CliRun r = run({"sql", QString::fromLatin1(sql)});
        EXPECT_NE(r.code, 0) << sql;
        EXPECT_FALSE(r.err.isEmpty()) << sql;
        EXPECT_TRUE(r.out.isEmpty()) << sql;
    }
    EXPECT_EQ(readAll(scratch.file("CERERI.DBF")), before);
    EXPECT_FALSE(QFile::exists(scratch.file("evil.db")));
    EXPECT_EQ(run({"sql"}).code, 2);
}

TEST_F(SqlCli, CheckReportsEveryTable)
{
    CliRun r = run({"check"});
    EXPECT_EQ(r.code, 0) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("CERERI.DBF: 30 inregistrari, 4 sterse, 26 coloane, in regula"))
        << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("Nume.dbf: 2 inregistrari, 0 sterse")) << r.out.toStdString();

    // A value that cannot be read, and a table cut short.
    {
        auto table = dbf::Table::open(scratch.file("Nume.dbf"), dbf::Mode::ReadWrite);
        QByteArray raw = table->readRecord(1);
        raw.replace(table->fields().at(2).offset, 8, "2024AB01");
        table->writeRecord(1, raw);
    }
    const QByteArray whole = readAll(scratch.file("CERERI.DBF"));
    kovara::test::writeAll(scratch.file("CERERI.DBF"), whole.left(whole.size() - 100));
    r = run({"check"});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.out.contains("CERERI.DBF: GRESEALA:")) << r.out.toStdString();
    EXPECT_TRUE(
        r.out.contains("Nume.dbf: 2 inregistrari, 0 sterse, 3 coloane; GRESELI: 1 valori nu se pot citi "
                       "(prima: inregistrarea 2, coloana ZI)"))
        << r.out.toStdString();
}

TEST_F(SqlCli, CheckListsRequestsWithWrongIdentityCodes)
{
    QList<qint64> ids;
    {
        auto table = dbf::Table::open(scratch.file("CERERI.DBF"), dbf::Mode::ReadWrite);
        const dbf::Field &id = table->fields().at(table->fieldIndex("IDCERERE"));
        struct Change
        {
            const char *column;
            QByteArray code;
        };
        // A wrong child code, an applicant without a code, and a wrong code
        // in a deleted row, which is not listed.
        const Change changes[] = {{"CNP2", "1234567890123"}, {"CNP", ""}, {"CNP1", "2990231123456"}};
        qint64 recno = 0;
        for (const Change &c : changes) {
            QByteArray raw = table->readRecord(recno);
            while (table->isDeleted(raw) != (&c == &changes[2]))
                raw = table->readRecord(++recno);
            const dbf::Field &field = table->fields().at(table->fieldIndex(c.column));
            dbf::encodeField(field, c.code.isEmpty() ? QVariant() : QVariant(QString::fromLatin1(c.code)),
                             raw);
            table->writeRecord(recno, raw);
            ids << dbf::decodeField(id, dbf::fieldBytes(id, raw)).toLongLong();
            ++recno;
        }
    }
    CliRun r = run({"check"});
    EXPECT_EQ(r.code, 1) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QString("IDCERERE %1: CNP2 gresit: \"1234567890123\"").arg(ids[0])))
        << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QString("IDCERERE %1: CNP gresit: \"\"").arg(ids[1]))) << r.out.toStdString();
    EXPECT_FALSE(r.out.contains(QString("IDCERERE %1:").arg(ids[2]))) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("CERERI.DBF: 2 coduri CNP gresite")) << r.out.toStdString();
}

} // namespace

namespace {

TEST_F(SqlCli, StatementsAreStoppedAtTheLimits)
{
    const struct
    {
        const char *what;
        QStringList args;
        const char *says;
    } cases[] = {
        {"endless recursive query",
         {"sql", "--timeout", "1",
          "WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n) "
          "SELECT COUNT(*) FROM n"},
         "limita de timp de 1 secunde"},
        {"a gigabyte value", {"sql", "SELECT length(randomblob(1000000000))"}, "limita de memorie"},
        // printf() and format() of SQLite give NULL past the limit, not an error
        {"printf past the limit",
         {"sql", "SELECT printf('%.*c', 70000000, 'x')"},
         "o valoare cel mult 64 MB"},
        {"format past the limit",
         {"sql", "SELECT length(format('%70000000s', 'x')) AS L"},
         "limita de memorie"},
        {"a time limit that is not a number", {"sql", "--timeout", "abc", "SELECT 1"}, "numar intreg"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        QElapsedTimer timer;
        timer.start();
        const CliRun r = run(c.args);
        EXPECT_LT(timer.elapsed(), 20000);
        EXPECT_NE(r.code, 0);
        EXPECT_TRUE(r.err.contains(QLatin1String(c.says))) << r.err.toStdString();
    }
    // The default limit lets an ordinary query run.
    const CliRun ok = run({"sql", "SELECT COUNT(*) AS N FROM cereri"});
    EXPECT_EQ(ok.code, 0) << ok.err.toStdString();
    EXPECT_EQ(ok.out, "N\r\n26\r\n");
    // Under the limit both give their text, and a NULL format its NULL.
    const CliRun formatted =
        run({"sql", "SELECT printf('%05d|%s', 42, 'ab') AS P, format('%.3f', 1.5) AS F, "
                    "printf(NULL) IS NULL AS Z, length(printf('%.*c', 1000000, 'x')) AS L"});
    EXPECT_EQ(formatted.code, 0) << formatted.err.toStdString();
    EXPECT_EQ(formatted.out, "P,F,Z,L\r\n00042|ab,1.500,1,1000000\r\n");
}

} // namespace
