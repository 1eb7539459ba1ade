// The request row stored and read back, the duplicate-number and children
// checks on the lookup query, and the values remembered after a new request.

#include "RequestTestData.h"
#include "TestSupport.h"
#include "base/Error.h"
#include "base/Paths.h"
#include "data/RequestTable.h"
#include "data/Settings.h"
#include "engines/dbf/Query.h"
#include "engines/dbf/SqlEngine.h"
#include "requests/RequestChecks.h"

#include <QDir>
#include <QProcess>
#include <gtest/gtest.h>

using namespace kovara;
using kovara::test::childCnp;
using kovara::test::goodInput;

namespace {

const QDate kToday(2026, 6, 15);

class RequestStore : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setProgramDir(scratch.path());
        QDir().mkpath(DataDir());
        CreateRequestTable();
    }
    void TearDown() override { Database::shared().detachAll(); }

    // Stores a request of a kind with the given id, number and date.
    RequestRecord add(qint64 id, const char *tip, qint64 nr, const QDate &date, const QString &child1 = {},
                      const QString &child2 = {})
    {
        RequestRecord r;
        r.IDCERERE = id;
        r.TIP = QString::fromLatin1(tip);
        r.NR = nr;
        r.DINDATA = date;
        r.DATADISP = date;
        r.SUBSEMN = QStringLiteral("SOLICITANT %1").arg(id);
        r.CNP = kovara::test::parentCnp();
        r.CNP1 = child1;
        r.CNP2 = child2;
        r.HANDI = "NU";
        EXPECT_EQ(InsertRequest(r), 1);
        return r;
    }

    RequestRecord readBack(qint64 id)
    {
        Query q;
        q.open("SELECT * FROM " + RequestTable() + " WHERE IDCERERE = ?", {id});
        EXPECT_EQ(q.rowCount(), 1);
        return RequestFromQuery(q);
    }

    int rows()
    {
        Query q;
        q.open("SELECT * FROM " + RequestTable());
        return q.rowCount();
    }

    kovara::test::ScratchDir scratch;
};

} // namespace

TEST_F(RequestStore, DuplicateNumberOnlySameKindThisYearOtherRequests)
{
    add(1, "3", 17, QDate(2026, 1, 1));
    add(2, "AS", 17, QDate(2026, 2, 3));
    add(3, "4", 18, QDate(2025, 12, 31));
    Query lookup;
    OpenLookup(lookup);
    const struct
    {
        const char *name;
        int kind;
        const char *nr;
        qint64 own;
        bool found;
    } cases[] = {{"same kind 2", 2, "17", 0, true},          {"kind 1 with AS", 1, "17", 0, true},
                 {"kind 3 has no 17", 3, "17", 0, false},    {"last year's 18", 3, "18", 0, false},
                 {"other number", 2, "16", 0, false},        {"itself when modified", 2, "17", 1, false},
                 {"another when modified", 2, "17", 2, true}};
    for (const auto &c : cases) {
        const auto message = DuplicateNumber(lookup, c.kind, QString::fromLatin1(c.nr), kToday, c.own);
        EXPECT_EQ(message.has_value(), c.found) << c.name;
        EXPECT_FALSE(lookup.isFiltered()) << c.name;
        EXPECT_EQ(lookup.rowCount(), 3) << c.name;
    }
    EXPECT_EQ(*DuplicateNumber(lookup, 2, "17", kToday, 0),
              "Exista deja cererea cu nr.17 / 01.01.2026 !\r\nNume solicitant : SOLICITANT 1.");
}

// A request of an earlier year is corrected although its number was given
// again this year: a modified request is compared with the requests of its
// own year; a new one keeps today's rule.
TEST_F(RequestStore, AModifiedRequestIsComparedWithItsOwnYear)
{
    add(1, "3", 2, QDate(2025, 1, 3));
    add(2, "3", 2, QDate(2026, 1, 2));
    add(3, "3", 5, QDate(2025, 6, 1));
    Query lookup;
    OpenLookup(lookup);
    const struct
    {
        const char *name;
        const char *nr;
        qint64 own;
        QDate date;
        bool found;
    } cases[] = {
        {"last year's request saved unchanged", "2", 1, QDate(2025, 1, 3), false},
        {"this year's request saved unchanged", "2", 2, QDate(2026, 1, 2), false},
        {"last year's renumbered onto another of its year", "5", 1, QDate(2025, 1, 3), true},
        {"moved into this year onto a number given", "2", 1, QDate(2026, 1, 3), true},
        {"a new request keeps today's rule", "2", 0, QDate(2026, 3, 1), true},
        {"a new request ignores last year", "5", 0, QDate(2026, 3, 1), false},
    };
    for (const auto &c : cases) {
        const auto message = DuplicateNumber(lookup, 2, QString::fromLatin1(c.nr), kToday, c.own, c.date);
        EXPECT_EQ(message.has_value(), c.found) << c.name;
        EXPECT_FALSE(lookup.isFiltered()) << c.name;
    }
}

TEST_F(RequestStore, ChildrenInOtherRequestsPerKind)
{
    add(1, "A", 1, QDate(2020, 5, 5), childCnp(1));
    add(2, "AI", 2, QDate(2024, 5, 5), {}, childCnp(1));
    add(3, "3", 3, QDate(2024, 5, 6), childCnp(2));
    add(4, "4", 4, QDate(2024, 5, 7), childCnp(3), childCnp(4));
    Query lookup;
    OpenLookup(lookup);
    const struct
    {
        const char *name;
        int kind;
        std::function<void(RequestInput &)> set;
        qint64 own;
        int count;
    } cases[] = {
        {"kind 1, in two requests", 1, [](RequestInput &in) { in.CNP1 = childCnp(1); }, 0, 2},
        {"kind 1, own excluded", 1, [](RequestInput &in) { in.CNP1 = childCnp(1); }, 2, 1},
        {"kind 1, via child 2", 1, [](RequestInput &in) { in.CNP1 = childCnp(4), in.CNP2 = childCnp(1); }, 0,
         2},
        {"kind 1 does not see kind 2", 1, [](RequestInput &in) { in.CNP1 = childCnp(2); }, 0, 0},
        {"kind 2 child", 2, [](RequestInput &in) { in.CNPCopil = childCnp(2); }, 0, 1},
        {"kind 2 own excluded", 2, [](RequestInput &in) { in.CNPCopil = childCnp(2); }, 3, 0},
        {"kind 2 does not see kind 1", 2, [](RequestInput &in) { in.CNPCopil = childCnp(1); }, 0, 0},
        {"kind 3 child 23", 3, [](RequestInput &in) { in.CNP21 = childCnp(1), in.CNP23 = childCnp(4); }, 0,
         1},
        {"kind 3 does not see kind 1", 3, [](RequestInput &in) { in.CNP21 = childCnp(1); }, 0, 0},
    };
    for (const auto &c : cases) {
        RequestInput in;
        c.set(in);
        const auto found = ChildrenElsewhere(lookup, c.kind, in, c.own);
        EXPECT_EQ(found ? found->count : 0, c.count) << c.name;
        EXPECT_FALSE(lookup.isFiltered()) << c.name;
    }
    RequestInput in;
    in.CNP1 = childCnp(1);
    EXPECT_EQ(
        ChildrenElsewhere(lookup, 1, in, 0)->question,
        "C.N.P. copil mai apare in 2 cereri!\r\nVezi cererea nr.1 / 05.05.2020, solicitant SOLICITANT 1 "
        "!\r\nContinuati memorarea?");
}

TEST_F(RequestStore, StoredRowOfEachKind)
{
    for (int kind = 1; kind <= 3; ++kind) {
        RequestInput in = goodInput(kind);
        in.Handi = kind == 2;
        if (kind != 2) {
            (kind == 1 ? in.Copil2 : in.Copil22) = "AB";
            (kind == 1 ? in.CNP2 : in.CNP22) = childCnp(2);
        }
        in.Calitate = "persoana imputernicita";
        ASSERT_EQ(CheckPage(kind, in), std::nullopt);
        RequestRecord r = RecordOf(kind, in, false, {}, kToday);
        r.IDCERERE = 10 + kind;
        ASSERT_EQ(InsertRequest(r), 1);
        const RequestRecord back = readBack(r.IDCERERE);
        EXPECT_EQ(back, r) << kind;
        EXPECT_EQ(back.NRDISP, 0);
        EXPECT_EQ(back.DATADISP, kToday);
        EXPECT_TRUE(back.PTLUNA.isEmpty());
        EXPECT_EQ(back.TIP, kind == 1 ? "A" : kind == 2 ? "3" : "4");
        EXPECT_EQ(back.CALITATE, kind == 3 ? "persoana imputernicita" : "parinte natural");
        EXPECT_EQ(back.CUANTUM, kind == 1 ? 0 : kind == 2 ? 204 : 150);
        EXPECT_EQ(back.NRCOPII, kind == 2 ? 0 : 1); // a name of 2 characters does not count
        EXPECT_EQ(back.HANDI, kind == 2 ? "DA" : "NU");
        EXPECT_EQ(back.BISERIA, kind == 1 ? "" : "BV");
        EXPECT_EQ(back.ALCATE, kind == 2 ? "primul" : "");

        // A modification rewrites all but the identifier and the disposition.
        RequestRecord numbered = back;
        numbered.NRDISP = 7;
        numbered.DATADISP = QDate(2026, 7, 1);
        numbered.PTLUNA = "iulie.2026";
        Database::shared().exec("UPDATE " + RequestTable() +
                                    " SET NRDISP = ?, DATADISP = ?, PTLUNA = ? WHERE IDCERERE = ?",
                                {numbered.NRDISP, numbered.DATADISP, numbered.PTLUNA, numbered.IDCERERE});
        in.Subsemnat = "IONESCU MARIA";
        in.CerereNr = "99";
        RequestRecord changed = RecordOf(kind, in, true, numbered, kToday);
        ASSERT_EQ(UpdateRequest(changed), 1);
        const RequestRecord after = readBack(r.IDCERERE);
        EXPECT_EQ(after, changed) << kind;
        EXPECT_EQ(after.NRDISP, 7);
        EXPECT_EQ(after.PTLUNA, "iulie.2026");
        EXPECT_EQ(after.NR, 99);
        EXPECT_EQ(after.NRCOPII, kind == 2 ? 1 : 1);
    }
    EXPECT_EQ(RequestUpdateColumns().size(), 23);
    EXPECT_FALSE(RequestUpdateColumns().contains("DATADISP"));
}

TEST_F(RequestStore, EveryTypableCharacterComesBack)
{
    RequestInput in = goodInput(1);
    in.Subsemnat = QString::fromUtf8("O\"BRIEN 'D' {x} \\ * % ăâî şţ șț");
    in.AdresaSubsemnat = QString::fromUtf8("Str. \"Unirii\" %_* 'a' {b}\\ ȘȚ");
    ASSERT_EQ(CheckCommon(in), std::nullopt);
    RequestRecord r = RecordOf(1, in, false, {}, kToday);
    r.IDCERERE = 1;
    ASSERT_EQ(InsertRequest(r), 1);
    const RequestRecord back = readBack(1);
    EXPECT_EQ(back.SUBSEMN, QString::fromUtf8("O\"BRIEN 'D' {x} \\ * % ăâî şţ şţ"));
    EXPECT_EQ(back.ADRESA, QString::fromUtf8("Str. \"Unirii\" %_* 'a' {b}\\ ŞŢ"));

    // A lookup finds the row by such a name as well.
    Query lookup;
    OpenLookup(lookup);
    EXPECT_TRUE(lookup.locate("SUBSEMN", back.SUBSEMN));

    // An independent dBase reader sees the same texts.
    QProcess probe;
    probe.start("/usr/bin/python3", {"-c", "import dbfread"});
    KOVARA_NEEDS(probe.waitForFinished(30000) && probe.exitCode() == 0, "python3 with dbfread");
    QProcess dump;
    dump.start("/usr/bin/python3",
               {kovara::test::sourcePath("tests/data/dbfread_dump.py"), RequestTablePath()});
    ASSERT_TRUE(dump.waitForFinished(60000));
    ASSERT_EQ(dump.exitCode(), 0) << dump.readAllStandardError().toStdString();
    const QString out = QString::fromUtf8(dump.readAllStandardOutput());
    EXPECT_TRUE(out.contains("SUBSEMN=" + back.SUBSEMN + " | ")) << out.toStdString();
    EXPECT_TRUE(out.contains("ADRESA=" + back.ADRESA + " | ")) << out.toStdString();
}

TEST_F(RequestStore, FailedInsertChangesNothing)
{
    add(1, "3", 1, kToday);
    RequestRecord r;
    r.IDCERERE = 2;
    r.TIP = "3";
    r.DINDATA = kToday;
    r.SUBSEMN = QString::fromUtf8("NAME 漢字"); // not in the file's code page
    EXPECT_THROW(InsertRequest(r), Error);
    EXPECT_EQ(rows(), 1);
}

TEST_F(RequestStore, DefaultsAndRememberedValues)
{
    RequestInput fresh = DefaultInput(2, kToday);
    EXPECT_EQ(fresh.CerereNr, "1");
    EXPECT_EQ(fresh.CerereData, kToday);
    EXPECT_EQ(fresh.Cuantum, "204");
    EXPECT_EQ(fresh.Cuantum2, "150");
    EXPECT_EQ(fresh.ALCopil, "primul");
    EXPECT_EQ(fresh.Calitate, "parinte natural");
    EXPECT_TRUE(fresh.JudetSubsemnat.isEmpty());

    RequestInput in = goodInput(2);
    in.CerereNr = "17";
    in.Cuantum = "210";
    in.JudetSubsemnat = "COVASNA";
    RememberNewRequest(2, in);
    RequestInput next = DefaultInput(2, kToday);
    EXPECT_EQ(next.CerereNr, "18");
    EXPECT_EQ(next.Cuantum, "210");
    EXPECT_EQ(DefaultInput(1, kToday).CerereNr, "1");
    EXPECT_EQ(DefaultInput(3, kToday).CerereNr, "1");
    EXPECT_EQ(DefaultInput(3, kToday).Cuantum2, "150");
    EXPECT_EQ(DefaultInput(3, kToday).JudetSubsemnat, "COVASNA");

    in = goodInput(3);
    in.CerereNr = "4";
    in.Cuantum2 = "300";
    RememberNewRequest(3, in);
    EXPECT_EQ(DefaultInput(3, kToday).CerereNr, "5");
    EXPECT_EQ(DefaultInput(3, kToday).Cuantum2, "300");
    EXPECT_EQ(DefaultInput(2, kToday).Cuantum, "210");
}

TEST_F(RequestStore, FillFromStoredRowForThePage)
{
    RequestRecord r;
    r.SUBSEMN = "POPESCU ION";
    r.ADRESA = "STR. X";
    r.JUDADR = "ALBA";
    r.TIP = "AS";
    r.COPIL1 = "A A";
    r.CNP1 = childCnp(1);
    r.ALCATE = "al cincilea";
    r.CALITATE = "altceva";
    r.CUANTUM = 99;
    r.HANDI = "DA";
    for (int kind = 1; kind <= 3; ++kind) {
        RequestInput in = DefaultInput(kind, kToday);
        FillInput(in, kind, r);
        EXPECT_EQ(in.Subsemnat, "POPESCU ION");
        EXPECT_TRUE(in.Handi);
        EXPECT_EQ(in.CerereNr, "1");
        EXPECT_EQ(in.Alocatie && in.Stimulent && !in.Indemnizatie, kind == 1);
        EXPECT_EQ(in.ALCopil, "primul");
        EXPECT_EQ(in.Calitate, "parinte natural");
        EXPECT_EQ(in.NumeCopil, kind == 2 ? "A A" : "");
        EXPECT_EQ(in.Copil21, kind == 3 ? "A A" : "");
        EXPECT_EQ(in.Cuantum, kind == 2 ? "99" : "204");
    }
}

TEST_F(RequestStore, MessagesNameTheRowInApplicantOrder)
{
    // Rows found are taken by applicant code, then the newest first.
    const struct
    {
        qint64 id;
        const char *cnp;
    } rowsToAdd[] = {{1, "2800101123455"}, {2, "1800101123455"}, {3, "1800101123455"}, {4, "2900101123455"}};
    for (const auto &a : rowsToAdd) {
        RequestRecord r = add(a.id, "3", 17, QDate(2026, 3, int(a.id)), childCnp(1));
        Database::shared().exec("UPDATE " + RequestTable() + " SET CNP = ? WHERE IDCERERE = ?",
                                {QString::fromLatin1(a.cnp), a.id});
    }
    Query lookup;
    OpenLookup(lookup);
    EXPECT_TRUE(DuplicateNumber(lookup, 2, "17", kToday, 0)->contains("SOLICITANT 3."));
    EXPECT_TRUE(DuplicateNumber(lookup, 2, "17", kToday, 3)->contains("SOLICITANT 2."));
    RequestInput in;
    in.CNPCopil = childCnp(1);
    const auto found = ChildrenElsewhere(lookup, 2, in, 0);
    EXPECT_EQ(found->count, 4);
    EXPECT_TRUE(found->question.contains("SOLICITANT 4 !")) << found->question.toStdString();
    EXPECT_TRUE(ChildrenElsewhere(lookup, 2, in, 4)->question.contains("SOLICITANT 1 !"));

    // The applicant's latest request, of whatever kind.
    EXPECT_EQ(LatestRequestOf("1800101123455")->IDCERERE, 3);
    EXPECT_EQ(LatestRequestOf("2800101123455")->IDCERERE, 1);
    EXPECT_FALSE(LatestRequestOf("5000101123455").has_value());
}
