// kovara-cli backup, verify and restore, run as the office's IT person would.
#include "ArchiveTestUtil.h"

#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

using namespace kovara::test;

namespace {

struct CliRun
{
    int code = -1;
    QString out, err;
};

CliRun cli(const QStringList &args)
{
    QProcess p;
    p.start(QString::fromLocal8Bit(qgetenv("KOVARA_BIN_DIR")) + QStringLiteral("/kovara-cli"), args);
    p.waitForFinished(120000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

class ArchiveCli : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QDir().mkpath(data + QStringLiteral("/Modele"));
        writeAll(data + QStringLiteral("/Cereri.dbf"), recordBytes(2 * 1024 * 1024, 11));
        writeAll(data + QStringLiteral("/Kovara.ini"), "[INDEX]\r\nIDCERERE=7\r\n");
        writeAll(data + QStringLiteral("/Dispoziţie.rtf"), "{\\rtf1 ă}");
        writeAll(data + QStringLiteral("/Modele/m.rtf"), "model");
    }

    ScratchDir dir;
    const QString data = dir.file(QStringLiteral("Data"));
    const QString kov = dir.file(QStringLiteral("noapte.kov"));
};

TEST_F(ArchiveCli, BackupVerifyRestoreGivesIdenticalFiles)
{
    const CliRun backup = cli({"--data", data, "backup", kov});
    ASSERT_EQ(backup.code, 0) << backup.err.toStdString();

    const CliRun verify = cli({"verify", kov});
    ASSERT_EQ(verify.code, 0) << verify.err.toStdString();
    EXPECT_TRUE(verify.out.contains(QStringLiteral("Data\\Cereri.dbf\t2097152\n")));
    EXPECT_TRUE(verify.out.contains(QStringLiteral("Data\\Dispoziţie.rtf\t")));
    EXPECT_TRUE(verify.out.contains(QStringLiteral("3 fisiere")));

    const QString other = dir.file(QStringLiteral("Alt"));
    const CliRun restore = cli({"--data", other, "restore", kov});
    ASSERT_EQ(restore.code, 0) << restore.err.toStdString();
    QMap<QString, QByteArray> expected = snapshot(data);
    expected.remove(QStringLiteral("Modele"));
    expected.remove(QStringLiteral("Modele/m.rtf"));
    EXPECT_EQ(snapshot(other), expected);
}

TEST_F(ArchiveCli, DamagedArchiveFailsWithTheReason)
{
    ASSERT_EQ(cli({"--data", data, "backup", kov}).code, 0);
    QByteArray bytes = readAll(kov);
    bytes[200] = char(bytes[200] ^ 0x55);
    writeAll(kov, bytes);
    const QMap<QString, QByteArray> before = snapshot(data);

    const CliRun verify = cli({"verify", kov});
    EXPECT_NE(verify.code, 0);
    EXPECT_TRUE(verify.err.contains(QStringLiteral("Cereri.dbf"))) << verify.err.toStdString();
    const CliRun restore = cli({"--data", data, "restore", kov});
    EXPECT_NE(restore.code, 0);
    EXPECT_EQ(snapshot(data), before);

    // Cut in the last entry: the sound entries before it are still listed.
    writeAll(kov, {});
    ASSERT_EQ(cli({"--data", data, "backup", kov}).code, 0);
    writeAll(kov, readAll(kov).chopped(1));
    const CliRun cut = cli({"verify", kov});
    EXPECT_NE(cut.code, 0);
    EXPECT_TRUE(cut.out.startsWith(QStringLiteral("Data\\Cereri.dbf\t2097152\nData\\Dispoziţie.rtf\t")))
        << cut.out.toStdString();
    EXPECT_FALSE(cut.out.contains(QStringLiteral("Kovara.ini")));
    EXPECT_TRUE(cut.err.contains(QStringLiteral("Kovara.ini"))) << cut.err.toStdString();
}

TEST_F(ArchiveCli, UsageAndEmptyFolder)
{
    EXPECT_EQ(cli({"verify"}).code, 2);
    EXPECT_EQ(cli({"restore", "a.kov", "b.kov"}).code, 2);
    EXPECT_NE(cli({"verify", dir.file(QStringLiteral("lipsa.kov"))}).code, 0);

    const QString empty = dir.file(QStringLiteral("Gol"));
    QDir().mkpath(empty);
    const CliRun backup = cli({"--data", empty, "backup", kov});
    EXPECT_EQ(backup.code, 0);
    EXPECT_FALSE(QFileInfo::exists(kov));
}

} // namespace

// A restore plan that names files outside the data folder (a crafted one)
// is never carried out: every command refuses it, says why, leaves it in
// place, and the files it names outside are untouched.
TEST_F(ArchiveCli, ACraftedRestorePlanIsRefused)
{
    const QString outside = dir.file(QStringLiteral("outside"));
    QDir().mkpath(outside);
    writeAll(dir.file(QStringLiteral("victim.txt")), "victim");
    writeAll(data + QStringLiteral("/x.txt"), "inside");
    QDir().mkpath(data + QStringLiteral("/.kovara-restore-abc123/old"));
    const QByteArray plans[] = {
        "KOVARA-RESTORE 1\nstage .kovara-restore-abc123\nold ..%2Fvictim.txt\nnew "
        "..%2Foutside%2Fpwned.txt\nend\n",
        "KOVARA-RESTORE 1\nstage ..%2F..\nold x.txt\nend\n",
        "KOVARA-RESTORE 1\nstage .kovara-restore-abc123\nold ..\nend\n",
    };
    for (const QByteArray &plan : plans) {
        SCOPED_TRACE(plan.toStdString());
        writeAll(data + QStringLiteral("/.kovara-restore-plan"), plan);
        const CliRun r = cli({QStringLiteral("--data"), data, QStringLiteral("backup"), kov});
        EXPECT_NE(r.code, 0);
        EXPECT_TRUE(r.err.contains(QStringLiteral("nu a fost urmat"))) << r.err.toStdString();
        EXPECT_EQ(readAll(dir.file(QStringLiteral("victim.txt"))), "victim");
        EXPECT_FALSE(QFileInfo::exists(outside + QStringLiteral("/pwned.txt")));
        EXPECT_EQ(readAll(data + QStringLiteral("/x.txt")), "inside");
        EXPECT_EQ(readAll(data + QStringLiteral("/.kovara-restore-plan")), plan); // left in place
        EXPECT_FALSE(QFileInfo::exists(kov));
    }
}
