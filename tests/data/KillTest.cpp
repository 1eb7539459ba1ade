// Operations that change the data, killed at spread moments in a child
// process: afterwards the next open (or start) must find the table, the
// settings file and the data folder wholly as before or wholly as after,
// every row present once, and the operation must run again to its end.
// (CrashPointTest.cpp cuts the same operations at fixed points.)

#include "DbfTestSupport.h"
#include "KillFixture.h"
#include "base/Error.h"
#include "data/IniFile.h"
#include "data/Settings.h"
#include "engines/archive/Archive.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <csignal>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace kovara;
using namespace kovara::test;

namespace {

// Runs `work` in a child process killed after `delayUs` microseconds (or
// ending by itself before). Fails the test when the child failed on its own.
void runKilled(const std::function<void()> &work, qint64 delayUs)
{
    Database::shared().detachAll(); // the child inherits no open table
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        try {
            work();
        } catch (...) {
            ::_exit(2);
        }
        ::_exit(0);
    }
    ::usleep(useconds_t(delayUs));
    ::kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    if (WIFEXITED(status)) {
        ASSERT_EQ(WEXITSTATUS(status), 0) << "the operation itself failed";
    }
}

// How long `work` takes, in microseconds (at least a millisecond).
qint64 timed(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    Database::shared().detachAll();
    return std::max<qint64>(timer.nsecsElapsed() / 1000, 1000);
}

// Kill moments from at once to a little past the usual end, with jitter.
qint64 moment(qint64 took, int trial, int trials)
{
    return took * trial * 6 / 5 / (trials - 1) + QRandomGenerator::global()->bounded(300);
}

struct Tally
{
    const char *what;
    int old = 0, fresh = 0, runs = 0;
    ~Tally()
    {
        std::printf("[ %s ] %d runs killed: wholly old %d, wholly new %d, other %d\n", what, runs, old, fresh,
                    runs - old - fresh);
    }
};

TEST_F(Kill, UpgradeOfALargeLegacyTable)
{
    const QString path = inData(QStringLiteral("Cereri.dbf"));
    const int records = 60000; // about 28 MB, no HANDI column
    const QByteArray old = writeWideTable(path, records, 9);
    const qint64 took = timed([] { UpgradeData(); });
    const QByteArray expected = readAll(path);
    const QByteArray settings = readAll(SettingsPath());

    Tally tally{"upgrade"};
    const int trials = 16;
    for (int t = 0; t < trials; ++t) {
        SCOPED_TRACE(t);
        QFile::remove(SettingsPath());
        writeAll(path, old);
        runKilled([] { UpgradeData(); }, moment(took, t, trials));
        ++tally.runs;
        // The next open puts back whatever was cut short.
        dbf::Table::open(path);
        const QByteArray now = readAll(path);
        const bool stamped = QFile::exists(SettingsPath());
        if (now == old) {
            ++tally.old;
            EXPECT_FALSE(stamped) << "the version is stamped only once the column is there";
        } else {
            ASSERT_TRUE(sameTable(now, expected)) << "neither the old nor the upgraded table";
            ++tally.fresh;
        }
        // The next start completes the upgrade.
        UpgradeData();
        Database::shared().detachAll();
        EXPECT_TRUE(sameTable(readAll(path), expected));
        EXPECT_EQ(readAll(SettingsPath()), settings);
        EXPECT_EQ(leftovers(), QStringList());
    }
    EXPECT_EQ(tally.old + tally.fresh, trials);
}

TEST_F(Kill, MultiRowDeleteAndUpdate)
{
    const QString path = inData(QStringLiteral("Cereri.dbf"));
    const int records = 20000; // about 9 MB
    const QByteArray old = writeWideTable(path, records, 0);
    const struct
    {
        const char *what;
        const char *sql;
    } statements[] = {
        {"multi-row delete", "DELETE FROM t WHERE IDCERERE % 3 <> 0"},
        {"multi-row update", "UPDATE t SET SUBSEMN = 'IONESCU ' || IDCERERE, CUANTUM = CUANTUM + 1"},
    };
    for (const auto &s : statements) {
        SCOPED_TRACE(s.what);
        auto run = [&] {
            Database db;
            db.attach(QStringLiteral("t"), path);
            db.exec(QString::fromLatin1(s.sql));
        };
        writeAll(path, old);
        const qint64 took = timed(run);
        const QByteArray expected = readAll(path);
        ASSERT_FALSE(sameTable(expected, old));

        Tally tally{s.what};
        const int trials = 16;
        for (int t = 0; t < trials; ++t) {
            SCOPED_TRACE(t);
            writeAll(path, old);
            runKilled(run, moment(took, t, trials));
            ++tally.runs;
            auto table = dbf::Table::open(path);
            const QByteArray now = readAll(path);
            if (now == old)
                ++tally.old;
            else if (sameTable(now, expected))
                ++tally.fresh;
            else
                ADD_FAILURE() << "a half-applied statement (" << now.size() << " bytes)";
            EXPECT_FALSE(QFile::exists(dbf::journalPath(path)));
            EXPECT_EQ(table->recordCount(), records) << "every row once";
        }
        EXPECT_EQ(tally.old + tally.fresh, trials);
    }
}

TEST_F(Kill, NumberingRun)
{
    // Newborn requests numbered 1..n, to be numbered in one run.
    const NumberingRange range = numberingTable(3000);
    const QString path = RequestTablePath();
    const QByteArray old = readAll(path);
    const auto run = [&] { NumberDispositions(range); };
    const qint64 took = timed(run);
    const QByteArray expected = readAll(path);
    ASSERT_FALSE(sameTable(expected, old));

    Tally tally{"numbering"};
    const int trials = 16;
    for (int t = 0; t < trials; ++t) {
        SCOPED_TRACE(t);
        writeAll(path, old);
        runKilled(run, moment(took, t, trials));
        ++tally.runs;
        dbf::Table::open(path);
        const QByteArray now = readAll(path);
        if (now == old)
            ++tally.old;
        else if (sameTable(now, expected))
            ++tally.fresh;
        else
            ADD_FAILURE() << "a half-numbered range";
        // The next run starts over from a leftover work table and completes.
        writeAll(path, old);
        run();
        Database::shared().detachAll();
        EXPECT_TRUE(sameTable(readAll(path), expected));
    }
    EXPECT_EQ(tally.old + tally.fresh, trials);
}

TEST_F(Kill, SettingsWrite)
{
    // A settings file of some size, and a write of many values at once.
    IniFile ini;
    for (int i = 0; i < 3000; ++i)
        ini.setValue(QStringLiteral("S%1").arg(i % 40), QStringLiteral("K%1").arg(i),
                     QStringLiteral("vechi %1").arg(i));
    ini.save(SettingsPath());
    const QByteArray old = readAll(SettingsPath());
    QList<std::pair<QString, QString>> values;
    for (int i = 0; i < 3000; i += 3)
        values.append({QStringLiteral("K%1").arg(i), QStringLiteral("nou %1").arg(i)});
    const auto run = [&] { WriteSettings(QStringLiteral("S0"), values); };
    const qint64 took = timed(run);
    const QByteArray expected = readAll(SettingsPath());
    ASSERT_NE(expected, old);

    Tally tally{"settings write"};
    const int trials = 20;
    for (int t = 0; t < trials; ++t) {
        SCOPED_TRACE(t);
        writeAll(SettingsPath(), old);
        runKilled(run, moment(took, t, trials));
        ++tally.runs;
        const QByteArray now = readAll(SettingsPath());
        if (now == old)
            ++tally.old;
        else if (now == expected)
            ++tally.fresh;
        else
            ADD_FAILURE() << "a half-written settings file";
        EXPECT_EQ(ReadSetting(QStringLiteral("S1"), QStringLiteral("K1")), QStringLiteral("vechi 1"));
    }
    EXPECT_EQ(tally.old + tally.fresh, trials);
}

TEST_F(Kill, Restore)
{
    const QString data = DataDir();
    const QString kov = restoreArchive();
    fillOldFiles();
    const auto run = [&] { restoreDataDir(kov, data); };
    const qint64 took = timed(run);
    const QMap<QString, QByteArray> newFiles = snapshot(data);
    ASSERT_NE(newFiles, oldFiles);

    Tally tally{"restore"};
    const int trials = 20;
    for (int t = 0; t < trials; ++t) {
        SCOPED_TRACE(t);
        fillOldFiles();
        runKilled(run, moment(took, t, trials));
        ++tally.runs;
        FinishInterruptedRestore(data); // what the next start does first
        const QMap<QString, QByteArray> now = snapshot(data);
        if (now == oldFiles)
            ++tally.old;
        else if (now == newFiles)
            ++tally.fresh;
        else
            ADD_FAILURE() << "neither the old nor the restored folder: "
                          << QStringList(now.keys()).join(u' ').toStdString();
        // And the next restore runs.
        run();
        EXPECT_EQ(snapshot(data), newFiles);
    }
    EXPECT_EQ(tally.old + tally.fresh, trials);
}

} // namespace
