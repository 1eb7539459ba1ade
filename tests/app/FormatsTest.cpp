#include "shell/Formats.h"
#include "shell/AccessState.h"
#include "shell/MesajRules.h"

#include <QCoreApplication>
#include <QLocale>
#include <QProcess>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace kovara;

TEST(FormatDate, WritesDayMonthYearWithPoints)
{
    struct Case
    {
        QDate date;
        const char *text;
    } cases[] = {
        {QDate(2008, 3, 5), "05.03.2008"},
        {QDate(1999, 12, 31), "31.12.1999"},
        {QDate(2024, 2, 29), "29.02.2024"},
        {QDate(999, 1, 1), "01.01.0999"},
        {QDate(), ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FormatDate(c.date), QString::fromUtf8(c.text));
    }
}

TEST(ParseDate, ReadsOnlyTheFixedForm)
{
    struct Case
    {
        const char *text;
        QDate date;
    } cases[] = {
        {"05.03.2008", QDate(2008, 3, 5)}, {" 31.12.1999 ", QDate(1999, 12, 31)},
        {"29.02.2023", QDate()},           {"5.3.2008", QDate()},
        {"05/03/2008", QDate()},           {"2008.03.05", QDate()},
        {"aa.bb.cccc", QDate()},           {"", QDate()},
        {"05.13.2008", QDate()},           {"٠٥.03.2008", QDate()}, // digits of another script
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseDate(QString::fromUtf8(c.text)), c.date);
    }
}

TEST(AppValues, TitlesLineBreakAndAccess)
{
    EXPECT_EQ(ApplicationTitle(), QStringLiteral("Kovara"));
    EXPECT_EQ(TitleWithVersion(), QStringLiteral("Kovara v.1.25"));
    EXPECT_EQ(LineBreak(), QStringLiteral("\r\n"));
    AccessState access;
    EXPECT_FALSE(access.granted()) << "locked until the login";
    QSignalSpy changes(&access, &AccessState::changed);
    access.setGranted(true);
    access.setGranted(true);
    EXPECT_TRUE(access.granted());
    access.setGranted(false);
    EXPECT_FALSE(access.granted());
    ASSERT_EQ(changes.size(), 2) << "a change only when the state differs";
    EXPECT_TRUE(changes[0].first().toBool());
    EXPECT_FALSE(changes[1].first().toBool());
}

// Runs in a child process started with a machine locale (see below).
TEST(FixedFormatsUnderLocale, Child)
{
    const QByteArray expected = qgetenv("KOVARA_EXPECT_SYSTEM_LOCALE");
    if (expected.isEmpty())
        GTEST_SKIP() << "run by FixedFormatsUnderLocale.AnyMachineLocale";
    // The machine locale really is the one asked for...
    EXPECT_EQ(QLocale::system().name(), QString::fromLatin1(expected));
    ApplyFixedFormats();
    // ...yet numbers and dates come out fixed.
    EXPECT_EQ(QLocale().toString(1234.5, 'f', 2), QStringLiteral("1,234.50"));
    EXPECT_EQ(QLocale().decimalPoint(), QStringLiteral("."));
    EXPECT_EQ(QLocale().groupSeparator(), QStringLiteral(","));
    EXPECT_EQ(FormatDate(QDate(2008, 3, 5)), QStringLiteral("05.03.2008"));
    EXPECT_EQ(ParseDate(QStringLiteral("05.03.2008")), QDate(2008, 3, 5));
}

TEST(FixedFormatsUnderLocale, AnyMachineLocale)
{
    struct Case
    {
        const char *lang;
        const char *name;
    } cases[] = {{"ro_RO.UTF-8", "ro_RO"},
                 {"en_US.UTF-8", "en_US"},
                 {"de_DE.UTF-8", "de_DE"},
                 {"fr_FR.UTF-8", "fr_FR"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.lang);
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LANG"), QString::fromLatin1(c.lang));
        env.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(c.lang));
        env.insert(QStringLiteral("LC_NUMERIC"), QString::fromLatin1(c.lang));
        env.insert(QStringLiteral("KOVARA_EXPECT_SYSTEM_LOCALE"), QString::fromLatin1(c.name));
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--gtest_filter=FixedFormatsUnderLocale.Child")});
        ASSERT_TRUE(child.waitForFinished(30000));
        EXPECT_EQ(child.exitCode(), 0) << child.readAllStandardOutput().toStdString();
    }
}

TEST(MesajRules, KindsLookAsTheTableSays)
{
    struct Case
    {
        int kind;
        const char *caption;
        quint32 from, to, face;
    } cases[] = {
        {0, "Atentie !", 0xB7B18A, 0x383623, 0x2C291B},  {1, "Eroare", 0xFFD5D5, 0xFF0000, 0xFF0000},
        {2, "Informatie", 0xE1DEFA, 0x0000BB, 0x0000FF}, {3, "Confirmare", 0x81A2D3, 0x365F9C, 0x3966A8},
        {5, "Eroare", 0xFFD5D5, 0xFF0000, 0xFF0000},     {255, "Eroare", 0xFFD5D5, 0xFF0000, 0xFF0000},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.kind);
        const MesajLook look = MesajLookOf(c.kind);
        EXPECT_EQ(look.caption, QString::fromUtf8(c.caption));
        EXPECT_EQ(look.from, c.from);
        EXPECT_EQ(look.to, c.to);
        EXPECT_EQ(look.face, c.face);
        EXPECT_FALSE(look.icon.isEmpty());
    }
}

TEST(MesajRules, ButtonsInOrderWithTheirResults)
{
    const auto &order = MesajButtonOrder();
    ASSERT_EQ(order.size(), 4u);
    const std::pair<int, int> expected[] = {{1, 6}, {2, 7}, {8, 2}, {4, 1}};
    const char *captions[] = {"DA", "NU", "RENUNT", "OK"};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(order[i].bit, expected[i].first);
        EXPECT_EQ(order[i].result, expected[i].second);
        EXPECT_EQ(order[i].caption, QString::fromUtf8(captions[i]));
    }
}

TEST(MesajRules, ButtonRowLayout)
{
    EXPECT_TRUE(MesajButtonLefts(0).empty());
    EXPECT_EQ(MesajButtonLefts(1), std::vector<int>({134}));              // (342-73)/2
    EXPECT_EQ(MesajButtonLefts(2), std::vector<int>({65, 203}));          // gap 65
    EXPECT_EQ(MesajButtonLefts(3), std::vector<int>({30, 133, 236}));     // gap (342-219)/4 = 30
    EXPECT_EQ(MesajButtonLefts(4), std::vector<int>({10, 93, 176, 259})); // gap (342-292)/5 = 10
}
