// The numbering of dispositions over the request table.

#include "requests/Numbering.h"
#include "RequestListFixture.h"
#include "base/Error.h"
#include "engines/dbf/Query.h"
#include "shell/TextHelpers.h"

#include <QFile>

using namespace kovara;
using kovara::test::Row;

namespace {

struct Numbered
{
    qint64 nrdisp;
    QDate datadisp;
    QString ptluna;
};

class NumberingData : public kovara::test::RequestData
{
protected:
    void SetUp() override
    {
        RequestData::SetUp();
        add({{1, {2024, 3, 1}, 9, "3", "A"},
             {2, {2024, 3, 2}, 3, "3", "B"},
             {3, {2024, 3, 3}, 7, "3", "C"},
             {4, {2024, 3, 4}, 5, "4", "D"},    // other newborn kind
             {5, {2024, 2, 28}, 4, "3", "E"},   // before the first date
             {6, {2025, 1, 10}, 8, "3", "F"},   // a later year
             {7, {2024, 3, 5}, 11, "3", "G"},   // beyond the range
             {8, {2024, 3, 6}, 6, "AS", "H"}}); // kind 1
    }

    Numbered numbered(qint64 id)
    {
        Query q;
        q.open("SELECT NRDISP, DATADISP, PTLUNA FROM " + RequestTable() + " WHERE IDCERERE = ?", {id});
        return {q.integer("NRDISP"), q.date("DATADISP"), q.text("PTLUNA")};
    }

    NumberingRange range(int kind, qint64 first, qint64 last, qint64 disp)
    {
        NumberingRange r;
        r.kind = kind;
        r.firstNr = first;
        r.lastNr = last;
        r.fromDate = QDate(2024, 3, 1);
        r.firstDisp = disp;
        r.dispDate = QDate(2024, 4, 15);
        r.month = 1;
        r.year = 2008;
        return r;
    }
};

TEST_F(NumberingData, NumbersTheRangeInOrderOfRequestNumbers)
{
    std::vector<std::pair<int, int>> steps;
    const int count = NumberDispositions(range(2, 0, 10, 100),
                                         [&](int done, int total) { steps.emplace_back(done, total); });
    EXPECT_EQ(count, 4);
    struct Expect
    {
        qint64 id;
        qint64 nrdisp;
    } expected[] = {{2, 100}, {3, 101}, {6, 102}, {1, 103}, {4, 0}, {5, 0}, {7, 0}, {8, 0}};
    for (const Expect &e : expected) {
        const Numbered n = numbered(e.id);
        EXPECT_EQ(n.nrdisp, e.nrdisp) << "request " << e.id;
        if (e.nrdisp) {
            EXPECT_EQ(n.datadisp, QDate(2024, 4, 15));
            EXPECT_EQ(n.ptluna, "ianuarie.2008");
        } else {
            EXPECT_EQ(n.ptluna, "");
        }
    }
    ASSERT_EQ(steps.size(), 5u);
    EXPECT_EQ(steps.front(), std::make_pair(0, 4));
    EXPECT_EQ(steps.back(), std::make_pair(4, 4));
    EXPECT_FALSE(QFile::exists(NumberingWorkTable()));
}

TEST_F(NumberingData, SingleNumberRangeAndLayetteKind)
{
    EXPECT_EQ(NumberDispositions(range(3, 5, 5, 7)), 1);
    EXPECT_EQ(numbered(4).nrdisp, 7);
    EXPECT_EQ(numbered(4).ptluna, "ianuarie.2008");
    // a second run renumbers from its own first number
    EXPECT_EQ(NumberDispositions(range(3, 5, 5, 20)), 1);
    EXPECT_EQ(numbered(4).nrdisp, 20);
}

TEST_F(NumberingData, NothingInRangeFailsAndWritesNothing)
{
    try {
        NumberDispositions(range(2, 12, 20, 1));
        FAIL() << "no failure";
    } catch (const NumberingRefused &e) {
        EXPECT_EQ(e.reason(), NumberingRefused::NothingInRange);
        EXPECT_EQ(e.message(), "Nu exista nici o cerere cu numarul\r\ncuprins in intervalul 12 - 20 !");
    }
    EXPECT_FALSE(QFile::exists(NumberingWorkTable()));
    EXPECT_EQ(numbered(7).nrdisp, 0);
}

TEST_F(NumberingData, LeftoverWorkTableIsReplaced)
{
    kovara::test::writeAll(NumberingWorkTable(), "leftover");
    EXPECT_EQ(NumberDispositions(range(2, 3, 3, 1)), 1);
    EXPECT_FALSE(QFile::exists(NumberingWorkTable()));
}

TEST_F(NumberingData, WorkTableThatCannotBeRemovedStopsTheRun)
{
    // A folder in the work table's place cannot be deleted as a file.
    QDir().mkpath(NumberingWorkTable() + "/held");
    try {
        NumberDispositions(range(2, 0, 10, 1));
        FAIL() << "no failure";
    } catch (const NumberingRefused &e) {
        EXPECT_EQ(e.reason(), NumberingRefused::WorkTableLocked);
        EXPECT_EQ(e.message(), "Fisierul " + QDir::toNativeSeparators(NumberingWorkTable()) +
                                   " nu poate fi sters!\r\nVa rog sa restartati calculatorul!");
    }
    EXPECT_EQ(numbered(2).nrdisp, 0);
    QDir(NumberingWorkTable()).removeRecursively();
}

} // namespace
