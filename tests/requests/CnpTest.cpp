#include "shell/CNP.h"

#include <gtest/gtest.h>

using namespace kovara;

namespace {

struct CnpCase
{
    const char *code;
    bool correct;
    const char *why;
};

const CnpCase cnpCases[] = {
    {"", false, "empty field"},
    {"190050240123", false, "12 digits"},
    {"19005024012300", false, "14 digits"},
    {"19005024O1230", false, "a letter among 13 characters"},
    {" 900502401230", false, "a blank among 13 characters"},
    {"1900502401230", true, "man born in the 1900s"},
    {"2900502401232", true, "woman born in the 1900s"},
    {"5000502401230", true, "man born in the 2000s"},
    {"6001230123457", true, "woman born in the 2000s"},
    {"7850101123452", true, "first digit 7"},
    {"8501231234563", true, "first digit 8"},
    {"9850101123456", true, "first digit 9"},
    {"1850101701231", true, "county code 70"},
    {"6850101700011", true, "county code 70, remainder 10 needs 1"},
    {"6850101700010", false, "remainder 10 with check digit 0"},
    {"1900502401021", true, "remainder 10 with check digit 1"},
    {"1900502401020", false, "remainder 10 with check digit 0"},
    {"2900502401080", true, "remainder 0 with check digit 0"},
    {"2900502401081", false, "remainder 0 with check digit 1"},
    {"1900502401231", false, "check digit off by one"},
    {"0850101123451", false, "first digit 0 though the check digit fits"},
    {"3850101123455", false, "first digit 3 though the check digit fits"},
    {"4850101123457", false, "first digit 4 though the check digit fits"},
    {"1010229123454", false, "29 February 1901"},
    {"1000229123456", false, "29 February 1900"},
    {"5000229123453", true, "29 February 2000"},
    {"7000229123457", true, "first digit 7, 29 February 2000, not after today"},
    {"7990229123458", false, "first digit 7, 2099 is after today and 1999 no leap year"},
    {"8960229123455", true, "first digit 8, 29 February 1996"},
    {"1040229123459", true, "29 February 1904"},
    {"1913020123452", false, "month 13"},
    {"1900431123454", false, "31 April"},
    {"1900132123456", false, "day 32"},
    {"1900001123453", false, "month 0"},
    {"1900100123454", false, "day 0"},
};

class CnpCorect : public ::testing::TestWithParam<CnpCase>
{
};

TEST_P(CnpCorect, MatchesTable)
{
    const CnpCase &c = GetParam();
    EXPECT_EQ(Corect(QString::fromLatin1(c.code)), c.correct) << c.code << " (" << c.why << ")";
}

INSTANTIATE_TEST_SUITE_P(Codes, CnpCorect, ::testing::ValuesIn(cnpCases));

TEST(CnpCorect, EmptyFollowsAcceptEmpty)
{
    EXPECT_TRUE(Corect(u"", true));
    EXPECT_FALSE(Corect(u"123", true));
}

struct BirthCase
{
    const char *code;
    QDate date;
};

TEST(CnpNascutLa, Table)
{
    const BirthCase cases[] = {
        {"", QDate(1899, 12, 30)},
        {"190050", QDate(1899, 12, 30)},
        {"1900502", QDate(1990, 5, 2)},
        {"1900502401230", QDate(1990, 5, 2)},
        {"6001230123457", QDate(2000, 12, 30)},
        {"5000229", QDate(2000, 2, 29)},
        {"7850101123452", QDate(1985, 1, 1)},
        {"3850101", QDate(1885, 1, 1)},
        {"x850101", QDate(1985, 1, 1)},
        {"1A00502", QDate(1899, 12, 30)},
        {"19005X2", QDate(1899, 12, 30)},
        {"1901301", QDate(1900, 1, 1)},
        {"1010229", QDate(1900, 1, 1)},
        {"1900431", QDate(1900, 1, 1)},
        {"1900500", QDate(1900, 1, 1)},
    };
    for (const BirthCase &c : cases)
        EXPECT_EQ(NascutLa(QString::fromLatin1(c.code)), c.date) << c.code;
    EXPECT_EQ(zeroDate(), QDate(1899, 12, 30));
}

// Codes without a century (7, 8, 9) take the one that does not put the birth
// after today; the others their fixed one.
TEST(CnpBirthYear, CenturyTable)
{
    const QDate today(2026, 6, 15);
    const struct
    {
        char first;
        int yy, month, day, year;
    } cases[] = {
        {'1', 99, 1, 1, 1999},  {'2', 5, 1, 1, 1905},  {'3', 45, 6, 12, 1845}, {'4', 1, 1, 1, 1801},
        {'5', 99, 1, 1, 2099},  {'6', 8, 3, 9, 2008},  {'7', 26, 6, 15, 2026}, // born today
        {'8', 26, 6, 16, 1926}, // tomorrow in the 2000s: the 1900s
        {'9', 26, 7, 1, 1926},  {'7', 0, 2, 29, 2000}, {'8', 85, 1, 1, 1985},  {'9', 10, 12, 31, 2010},
        {'7', 26, 2, 30, 2026}, // an impossible day still has a century
    };
    for (const auto &c : cases)
        EXPECT_EQ(CnpBirthYear(QChar(c.first), c.yy, c.month, c.day, today), c.year)
            << c.first << c.yy << "-" << c.month << "-" << c.day;
}

TEST(CnpSex, Table)
{
    const std::pair<const char *, const char *> cases[] = {
        {"", "masculin"},
        {"1", "masculin"},
        {"5", "masculin"},
        {"7", "masculin"},
        {"9850101123456", "masculin"},
        {"2", "feminin"},
        {"6", "feminin"},
        {"8", "feminin"},
        {"0", "feminin"},
        {"3", "feminin"},
        {"4", "feminin"},
    };
    for (const auto &[code, sex] : cases)
        EXPECT_EQ(Sex(QString::fromLatin1(code)), QString::fromLatin1(sex)) << code;
}

struct FiscalCase
{
    const char *code;
    bool correct;
};

const FiscalCase fiscalCases[] = {
    {"1235", true},        {"1234", false},        {"RO1235", true},      {"RO 1235", true},
    {"  RO1235  ", true},  {" 1235 ", true},       {"RO", false},         {"1", false},
    {"", false},           {"12", false},          {"RO12", false},       {"0", false},
    {"000", true},         {"14186770", true},     {"14186771", false},   {"4316422", true},
    {"0001235", true},     {"12345678901", false}, {"2147483648", false}, {"9999999994", false},
    {"3000000001", false}, {"2147483630", true},   {"-1235", false},      {"+1235", false},
    {"12 35", false},      {"ro1235", false},      {"12a5", false},       {"1235.0", false},
};

class FiscalCode : public ::testing::TestWithParam<FiscalCase>
{
};

TEST_P(FiscalCode, MatchesTable)
{
    EXPECT_EQ(CodFiscalCorect(QString::fromLatin1(GetParam().code)), GetParam().correct) << GetParam().code;
}

INSTANTIATE_TEST_SUITE_P(Codes, FiscalCode, ::testing::ValuesIn(fiscalCases));

TEST(StoredCnp, BlanksAndRequiredCodes)
{
    EXPECT_FALSE(storedCnpWrong(u"1900502401230", true));
    EXPECT_FALSE(storedCnpWrong(u"1900502401230   ", true));
    EXPECT_TRUE(storedCnpWrong(u"1900502401231", false));
    EXPECT_TRUE(storedCnpWrong(u"123", false));
    EXPECT_FALSE(storedCnpWrong(u"             ", false));
    EXPECT_TRUE(storedCnpWrong(u"             ", true));
    EXPECT_TRUE(storedCnpWrong(u"", true));
}

} // namespace
