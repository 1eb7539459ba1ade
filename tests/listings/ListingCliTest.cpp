// kovara-cli listing, run as the built program over a sample data folder:
// the PDF it writes, its refusals, and the other commands unchanged.

#include "PdfWords.h"
#include "SampleData.h"

#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

struct CliRun
{
    int code = -1;
    std::string out, err;
};

class ListingCli : public ::testing::Test
{
protected:
    void SetUp() override { kovara::test::writeSampleDataFolder(scratch.file("Data")); }

    CliRun run(const QStringList &args, bool withoutPlatform = false)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (withoutPlatform) {
            env.remove("QT_QPA_PLATFORM");
            env.remove("DISPLAY");
            env.remove("WAYLAND_DISPLAY");
        }
        p.setProcessEnvironment(env);
        p.start(QString::fromLocal8Bit(qgetenv("KOVARA_BIN_DIR")) + "/kovara-cli",
                QStringList{"--data", scratch.file("Data")} + args);
        CliRun r;
        if (!p.waitForFinished(60000))
            return r;
        r.code = p.exitCode();
        r.out = p.readAllStandardOutput().toStdString();
        r.err = p.readAllStandardError().toStdString();
        return r;
    }

    kovara::test::ScratchDir scratch;
};

TEST_F(ListingCli, WritesEachListingAsAPdf)
{
    const struct
    {
        QStringList args;
        const char *title; // a text of its first page
    } cases[] = {
        {{"borderou", "01.03.2010", "31.03.2010"}, "BORDEROU CU DOSARELE"},
        {{"borderou-handicap", "01.03.2010", "31.03.2010"}, "BORDEROU NOMINAL"},
        {{"stat-nn", "01.03.2010", "31.03.2010"}, "pentru copii nou-nascuti pe perioada 01.martie.2010"},
        {{"stat-trusou", "01.03.2010", "31.03.2010"}, "pentru beneficiarii de trusou"},
        {{"centralizator", "01.03.2010", "31.03.2010"}, "SITUATIA CENTRALIZATOARE"},
        {{"ministru", "martie.2010"}, "pentru copiii nou-nascuti pe luna MARTIE.2010"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.args.first().toStdString());
        const QString pdf = scratch.file(c.args.first() + ".pdf");
        const CliRun r = run(QStringList{"listing"} + c.args + QStringList{"-o", pdf});
        ASSERT_EQ(r.code, 0) << r.err;
        EXPECT_NE(r.out.find("pagini"), std::string::npos);
        const auto pages = kovara::test::readPdf(pdf);
        ASSERT_FALSE(pages.empty());
        EXPECT_FALSE(pages.front().find(c.title).isNull()) << pages.front().joined().toStdString();
    }
    // No work table is left beside the data folder.
    EXPECT_FALSE(QFileInfo::exists(scratch.file("B2.dbf")));
    EXPECT_FALSE(QFileInfo::exists(scratch.file("S4.dbf")));
}

TEST_F(ListingCli, PaintsWithoutAnyDisplay)
{
    const QString pdf = scratch.file("stat.pdf");
    const CliRun r = run({"listing", "stat-nn", "01.03.2010", "31.03.2010", "-o", pdf}, true);
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(QFileInfo::exists(pdf));
    // A command that does not paint still runs as before.
    EXPECT_EQ(run({"sql", "SELECT COUNT(*) AS N FROM cereri"}, true).code, 0);
}

TEST_F(ListingCli, RefusesWrongArguments)
{
    const QString pdf = scratch.file("x.pdf");
    const struct
    {
        QStringList args;
        int code;
    } cases[] = {
        {{"listing", "borderou", "01.03.2010", "-o", pdf}, 2},
        {{"listing", "borderou", "01.03.2010", "31.03.2010"}, 2},
        {{"listing", "nimic", "01.03.2010", "31.03.2010", "-o", pdf}, 2},
        {{"listing", "ministru", "martie-2010", "-o", pdf}, 2},
        {{"listing", "borderou", "2010-03-01", "31.03.2010", "-o", pdf}, 1},
        {{"listing", "borderou", "31.03.2010", "01.03.2010", "-o", pdf}, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const CliRun r = run(c.args);
        EXPECT_EQ(r.code, c.code) << r.err;
        EXPECT_FALSE(r.err.empty());
        EXPECT_FALSE(QFileInfo::exists(pdf));
    }
}

} // namespace
