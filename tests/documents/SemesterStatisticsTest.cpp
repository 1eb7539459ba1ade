// The figures of the semester statistics.

#include "documents/SemesterStatistics.h"
#include "DocumentRows.h"
#include "data/Workspace.h"

#include <gtest/gtest.h>

using namespace kovara;
using namespace kovara::test;

TEST(SemesterStatistics, Bounds)
{
    EXPECT_EQ(SemesterBounds(1, 2026).from, QDate(2026, 1, 1));
    EXPECT_EQ(SemesterBounds(1, 2026).to, QDate(2026, 6, 30));
    EXPECT_EQ(SemesterBounds(2, 2026).from, QDate(2026, 7, 1));
    EXPECT_EQ(SemesterBounds(2, 2026).to, QDate(2026, 12, 31));
}

TEST(SemesterStatistics, CurrencyText)
{
    const std::pair<qint64, const char *> cases[] = {
        {0, "0"},
        {3000000, "300"},
        {3005000, "300.5"},
        {12345678, "1234.5678"},
        {10000000000, "1000000"},
        {100, "0.01"},
        {-15000, "-1.5"},
    };
    for (const auto &[amount, text] : cases)
        EXPECT_EQ(CurrencyText(amount), text) << amount;
}

TEST(SemesterStatistics, CountsChildrenBoysGirlsAndTotal)
{
    DocumentFolder folder(2);
    // Two children, a boy (5) and a girl (6).
    folder.add({.tip = "4",
                .datadisp = QDate(2026, 6, 30),
                .children = {"A", "B"},
                .codes = {"5200312123455", "6200312123451"},
                .cuantum = 150});
    // A 12-character code adds a child but neither a boy nor a girl.
    folder.add({.tip = "4",
                .datadisp = QDate(2026, 1, 1),
                .children = {"C"},
                .codes = {"520031212345"},
                .cuantum = 150.5});
    // Children of residents born abroad: 7 a boy, 8 a girl.
    folder.add({.tip = "4",
                .datadisp = QDate(2026, 3, 1),
                .children = {"D", "E"},
                .codes = {"7200312123459", "8200312123457"},
                .cuantum = 0});
    // Outside the first semester or not a layette: never counted.
    folder.add({.tip = "4",
                .datadisp = QDate(2026, 7, 1),
                .children = {"F"},
                .codes = {"1200312123452"},
                .cuantum = 150});
    folder.add({.tip = "3",
                .datadisp = QDate(2026, 2, 1),
                .children = {"G"},
                .codes = {"1200312123452"},
                .cuantum = 204});
    folder.add({.tip = "4",
                .datadisp = QDate(2025, 3, 1),
                .children = {"H"},
                .codes = {"1200312123452"},
                .cuantum = 150});

    const SemesterFigures first = CountSemester(ProgramWorkspace(), 1, 2026);
    EXPECT_EQ(first.children, 5);
    EXPECT_EQ(first.boys, 2);
    EXPECT_EQ(first.girls, 2);
    EXPECT_EQ(CurrencyText(first.totalTenThousandths), "300.5");

    const SemesterFigures second = CountSemester(ProgramWorkspace(), 2, 2026);
    EXPECT_EQ(second.children, 1);
    EXPECT_EQ(second.boys, 1);
    EXPECT_EQ(second.girls, 0);
    EXPECT_EQ(CurrencyText(second.totalTenThousandths), "150");

    const SemesterFigures empty = CountSemester(ProgramWorkspace(), 2, 2025);
    EXPECT_EQ(empty.children, 0);
    EXPECT_EQ(empty.boys + empty.girls, 0);
    EXPECT_EQ(CurrencyText(empty.totalTenThousandths), "0");
}

TEST(SemesterStatistics, ValuesInTemplateOrder)
{
    SemesterFigures f;
    f.children = 3;
    f.totalTenThousandths = 4500000;
    f.boys = 1;
    f.girls = 2;
    const PlaceholderValues expected = {{"[LOCALITATE]", "Primaria Sacele"},
                                        {"[SEMESTRU]", "2"},
                                        {"[ANUL]", "2025"},
                                        {"[NRCOPII]", "3"},
                                        {"[TOTAL]", "450"},
                                        {"[MASC]", "1"},
                                        {"[FEM]", "2"}};
    EXPECT_EQ(StatisticsValues("Primaria Sacele", 2, 2025, f), expected);
}

TEST(SemesterStatistics, Messages)
{
    EXPECT_EQ(StatisticsTitle(), "Statistica");
    EXPECT_EQ(StatisticsTemplateMissingText(),
              "Nu exista fisierul model Statistic.rtf!\rActualizati programul!");
    EXPECT_EQ(StatisticsNoFreeNameText("/opt/kovara"),
              "Nu pot scrie in /opt/kovara!\rSalvati, dezinstalati si reinstalati programul in alta parte!");
}
