// kovara-cli export lista, run as the built program over a data folder.

#include "ListExportFixture.h"
#include "base/CrashPoint.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

using namespace kovara;
using kovara::test::Request;

namespace {

struct CliRun
{
    int code = -1;
    QString out, err;
};

class ListExportCli : public kovara::test::ListExportData
{
protected:
    void SetUp() override
    {
        ListExportData::SetUp();
        add(Request{1,
                    {2024, 3, 1},
                    3,
                    "3",
                    QStringLiteral("POPA ANA"),
                    "2800101000001",
                    "POPA ION",
                    "5240301000001"});
        add(Request{2,
                    {2024, 4, 1},
                    4,
                    "3",
                    QString::fromUtf8("BĂLAN ŢINCA"),
                    "2800101000002",
                    "BALAN A",
                    "5240401000002",
                    17,
                    {2024, 5, 2}});
        add(Request{3,
                    {2024, 5, 1},
                    5,
                    "4",
                    QStringLiteral("ZAHARIA DAN"),
                    "1800101000003",
                    "ZAHARIA B",
                    "5240501000003"});
        add(Request{
            4, {2023, 5, 1}, 6, "3", QStringLiteral("ALTUL AN"), "1800101000004", "X", "5230501000004"});
        Database::shared().detachAll(); // the program reads the table on its own
    }

    CliRun run(const QStringList &args, const QString &crashAfter = QString())
    {
        QProcess p;
        if (!crashAfter.isEmpty()) {
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert("KOVARA_CRASH_AFTER", crashAfter);
            p.setProcessEnvironment(env);
        }
        p.start(QString::fromLocal8Bit(qgetenv("KOVARA_BIN_DIR")) + "/kovara-cli",
                QStringList{"--data", DataDir()} + args);
        CliRun r;
        if (!p.waitForFinished(120000))
            return r;
        r.code = p.exitCode();
        r.out = QString::fromUtf8(p.readAllStandardOutput());
        r.err = QString::fromUtf8(p.readAllStandardError());
        return r;
    }

    QStringList applicants(const QString &path)
    {
        QStringList out;
        const kovara::test::XlrdSheet s = kovara::test::readWithXlrd(path).value(0);
        for (int r = 2; r < s.nrows; ++r)
            out << s.at(r, 3).value.toString();
        return out;
    }
};

TEST_F(ListExportCli, ListsAKindAndYearInTheWindowsOrder)
{
    KOVARA_NEEDS(kovara::test::xlrdAvailable(), "python3-xlrd");
    const QString out = scratch.file("nn.xls");
    CliRun r = run({"export", "lista", "2", "2024", "-o", out});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("2 cereri"))) << r.out.toStdString();
    EXPECT_EQ(applicants(out), QStringList({QStringLiteral("POPA ANA"), QString::fromUtf8("BĂLAN ŢINCA")}));

    // Sorted, into the same file: replaced.
    r = run({"export", "lista", "2", "2024", "--sort", "subsemn", "-o", out});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(applicants(out), QStringList({QString::fromUtf8("BĂLAN ŢINCA"), QStringLiteral("POPA ANA")}));

    r = run({"export", "lista", "3", "2024", "-o", scratch.file("trusou.xls")});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(applicants(scratch.file("trusou.xls")), QStringList{QStringLiteral("ZAHARIA DAN")});
    EXPECT_EQ(QDir(scratch.path()).entryList({"*.xls"}).size(), 2); // no template copies left about
}

// A run killed before its file takes its name leaves its work folder; the
// next run removes it.
TEST_F(ListExportCli, AKilledRunsWorkFolderGoesWithTheNextRun)
{
    const QString out = scratch.file("nn.xls");
    const auto workFolders = [&] {
        return QDir(scratch.path()).entryList({".kovara-export-*"}, QDir::Dirs | QDir::Hidden);
    };
    EXPECT_EQ(run({"export", "lista", "2", "2024", "-o", out}, "export-work:1").code,
              kovara::kCrashPointExitCode);
    EXPECT_EQ(workFolders().size(), 1);
    EXPECT_FALSE(QFileInfo::exists(out));
    const CliRun r = run({"export", "lista", "2", "2024", "-o", out});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(workFolders(), QStringList());
    EXPECT_TRUE(QFileInfo(out).size() > 0);
}

TEST_F(ListExportCli, RefusesWhatItCannotDo)
{
    struct Case
    {
        QStringList args;
        int code;
        const char *message;
    } cases[] = {
        {{"export", "lista", "0", "2024", "-o", scratch.file("a.xls")}, 2, "1, 2 sau 3"},
        {{"export", "lista", "2", "doua", "-o", scratch.file("a.xls")}, 2, "Anul doua"},
        {{"export", "lista", "2", "2024"}, 2, "-o FISIER.xls"},
        {{"export", "lista", "2", "2024", "-o"}, 2, "Lipseste valoarea"},
        {{"export", "lista", "2", "2024", "--sort", "NUEXISTA", "-o", scratch.file("a.xls")}, 1, "NUEXISTA"},
        {{"export", "lista", "2", "2024", "-o", scratch.file("lipsa/a.xls")}, 1, "a.xls"},
        {{"export", "altceva"}, 2, "export lista"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const CliRun r = run(c.args);
        EXPECT_EQ(r.code, c.code);
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.message))) << r.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(scratch.file("a.xls")));
}

} // namespace

namespace {

// A list longer than a sheet of the .xls format: refused with the numbers,
// nothing written; one that just fits is written whole.
class LongListExport : public kovara::test::ListExportData
{
};

TEST_F(LongListExport, AListLongerThanASheetIsRefusedBeforeAnythingIsWritten)
{
    addMany(65540);
    Database::shared().detachAll();
    const QString out = scratch.file("lung.xls");
    QProcess p;
    p.start(QString::fromLocal8Bit(qgetenv("KOVARA_BIN_DIR")) + "/kovara-cli",
            {"--data", DataDir(), "export", "lista", "2", "2024", "-o", out});
    ASSERT_TRUE(p.waitForFinished(120000));
    const QString err = QString::fromUtf8(p.readAllStandardError());
    EXPECT_EQ(p.exitCode(), 1) << err.toStdString();
    EXPECT_TRUE(
        err.contains(QStringLiteral("Lista are 65540 cereri, dar o foaie de calcul Excel (.xls) are cel "
                                    "mult 65536 de randuri")))
        << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("Nu a fost scris nimic"))) << err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(out));
    EXPECT_EQ(QDir(scratch.path()).entryList({".kovara-export-*"}, QDir::Dirs | QDir::Hidden), QStringList());
}

} // namespace
