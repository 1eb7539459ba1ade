#include "shell/TextHelpers.h"
#include "TestSupport.h"
#include "base/Error.h"
#include "base/Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace kovara;
using kovara::test::readAll;
using kovara::test::ScratchDir;
using kovara::test::writeAll;

namespace {

TEST(NameWords, SplitSurnameFromGivenNames)
{
    const struct
    {
        QString text, first, rest;
    } cases[] = {
        {"POPESCU ION VASILE", "POPESCU", "ION VASILE"},
        {"POPESCU", "POPESCU", ""},
        {" POPESCU", "", "POPESCU"},
        {"POPESCU  ION ", "POPESCU", "ION"},
        {"POPESCU ", "POPESCU", ""},
        {"", "", ""},
        {"  POPESCU\t", "", "POPESCU"},
        {"POPESCU\tION", "POPESCU\tION", ""}, // only a space separates
        {QString::fromUtf8("ŢEPEŞ ŞTEFAN"), QString::fromUtf8("ŢEPEŞ"), QString::fromUtf8("ŞTEFAN")},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(FirstWord(c.text), c.first) << c.text.toStdString();
        EXPECT_EQ(RestWords(c.text), c.rest) << c.text.toStdString();
    }
}

TEST(NameWords, GivenNamesAreCutAt200Characters)
{
    const QString given = QString(199, QLatin1Char('a')) + QStringLiteral("bc");
    EXPECT_EQ(RestWords(QStringLiteral("POP ") + given), given.left(200));
    EXPECT_EQ(RestWords(QStringLiteral("POP ") + QString(198, QLatin1Char('a')) + QStringLiteral("  x")),
              QString(198, QLatin1Char('a'))); // cut, then trimmed
}

TEST(TypedText, SqueezeSpacesAndTrim)
{
    const struct
    {
        QString in, out;
    } cases[] = {
        {"   A   B ", "A B"},
        {"A B", "A B"},
        {"", ""},
        {"     ", ""},
        {"\t\r\nA  \t  B\x01", "A \t B"}, // codes up to 32 trimmed at the ends, only spaces squeezed
        {"A    B     C", "A B C"},
        {QString::fromUtf8("\u00A0A\u00A0"), QString::fromUtf8("\u00A0A\u00A0")}, // no-break space kept
    };
    for (const auto &c : cases)
        EXPECT_EQ(SqueezeSpaces(c.in), c.out) << c.in.toStdString();
}

TEST(Months, NamesInOrder)
{
    const QStringList expected{"ianuarie", "februarie", "martie",     "aprilie",   "mai",       "iunie",
                               "iulie",    "august",    "septembrie", "octombrie", "noiembrie", "decembrie"};
    EXPECT_EQ(MonthNames(), expected);
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(MonthName(m), expected[m - 1]);
    for (int bad : {0, 13, -1})
        EXPECT_THROW(MonthName(bad), Error) << bad;
}

TEST(BirthDate, FromPersonalNumericCode)
{
    const struct
    {
        const char *cnp, *date;
    } cases[] = {
        {"5080315123456", "15.martie.2008"},   {"1990101123456", "01.ianuarie.1999"},
        {"6990101123456", "01.ianuarie.2099"}, {"2001231123456", "31.decembrie.1900"},
        {"3450612123456", "12.iunie.1845"},    {"9081109123456", "09.noiembrie.2008"},
        {"7000200", "00.februarie.2000"}, // only positions 1 to 7 are read; the day is not checked
    };
    for (const auto &c : cases)
        EXPECT_EQ(CnpBirthDate(c.cnp), c.date) << c.cnp;
}

// A resident's code (7, 8, 9) carries no century: the birth date never lies
// after today, the same rule as the code check.
TEST(BirthDate, ResidentCodesNeverBornAfterToday)
{
    const QDate today = QDate::currentDate();
    const QDate tomorrow = today.addDays(1), yesterday = today.addDays(-1);
    const auto code = [](char first, const QDate &d) {
        return QString(QLatin1Char(first)) + d.toString(QStringLiteral("yyMMdd")) + QStringLiteral("123456");
    };
    const auto text = [](const QDate &d, int year) {
        return QStringLiteral("%1.%2.%3")
            .arg(d.day(), 2, 10, QLatin1Char('0'))
            .arg(MonthName(d.month()))
            .arg(year);
    };
    EXPECT_EQ(CnpBirthDate(code('7', yesterday)), text(yesterday, yesterday.year()));
    EXPECT_EQ(CnpBirthDate(code('8', today)), text(today, today.year()));
    EXPECT_EQ(CnpBirthDate(code('9', tomorrow)), text(tomorrow, tomorrow.year() - 100));
    EXPECT_EQ(CnpBirthDate("7990101123456"), today.year() < 2099 ? "01.ianuarie.1999" : "01.ianuarie.2099");
    EXPECT_EQ(CnpBirthDate("8850101123456"), "01.ianuarie.1985");
}

TEST(BirthDate, BadMonthOrNonDigitsFail)
{
    for (const char *cnp : {"5081315123456", "5080015123456", "5A80315123456", "508 315123456",
                            "50803 5123456", "508031", "", "5+80315123456", "5-10315123456"})
        EXPECT_THROW(CnpBirthDate(cnp), Error) << cnp;
}

TEST(MonthPaid, WrittenAsReadWithinTheColumn)
{
    const struct
    {
        const char *text;
        bool ok;
        int month, year;
    } cases[] = {
        {"iulie.2007", true, 7, 2007}, {"IULIE.2007", true, 7, 2007}, {"decembrie.2010", true, 12, 2010},
        {"iulie 2007", false, 0, 0},   {"iuliee.2007", false, 0, 0},  {"iulie.07", false, 0, 0},
        {"7.2007", false, 0, 0}};
    for (const auto &c : cases) {
        int month = 0, year = 0;
        EXPECT_EQ(ParseMonthPaid(c.text, month, year), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(month, c.month);
            EXPECT_EQ(year, c.year);
            EXPECT_EQ(MonthPaidText(month, year), QString(c.text).toLower());
        }
    }
    EXPECT_EQ(MonthPaidText(1, 2008), "ianuarie.2008");
    // PTLUNA holds 16 characters: the longest month fits.
    for (int m = 1; m <= 12; ++m)
        EXPECT_LE(MonthPaidText(m, 2024).size(), 15) << m;
}

TEST(Months, DayMonthYearText)
{
    const struct
    {
        QDate date;
        const char *text;
    } cases[] = {{QDate(2009, 1, 1), "01.ianuarie.2009"},
                 {QDate(2009, 1, 31), "31.ianuarie.2009"},
                 {QDate(2010, 3, 9), "09.martie.2010"},
                 {QDate(2026, 12, 31), "31.decembrie.2026"}};
    for (const auto &c : cases)
        EXPECT_EQ(DayMonthYearText(c.date), c.text) << c.text;
}

} // namespace
