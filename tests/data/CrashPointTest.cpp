// Operations that change the data, ended at fixed points in a child process
// (KOVARA_CRASH_AFTER, see base/CrashPoint.h), so that every run proves both
// ways back whatever the machine's load: a crash before the change is
// committed is undone at the next open or start, and one after it (before
// the cleanup) is carried through.

#include "DbfTestSupport.h"
#include "KillFixture.h"
#include "data/IniFile.h"
#include "data/Settings.h"
#include "engines/archive/Archive.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace kovara;
using namespace kovara::test;

namespace {

QString at(const char *point, int k)
{
    return QStringLiteral("%1:%2").arg(QLatin1String(point)).arg(k);
}

// The names in a folder's snapshot, for the message of a failure.
std::string names(const QMap<QString, QByteArray> &files)
{
    return QStringList(files.keys()).join(u' ').toStdString();
}

// The archive staged is step 1 (nothing committed: the restore is undone);
// the plan on disk commits it, then every file moved is a step (the restore
// is finished by the next start).
TEST_F(Kill, RestoreCrashedAtEveryStep)
{
    const QString data = DataDir();
    const QString kov = restoreArchive();
    const auto run = [&] { restoreDataDir(kov, data); };
    fillOldFiles();
    run();
    const QMap<QString, QByteArray> newFiles = snapshot(data);
    ASSERT_TRUE(newFiles != oldFiles);

    int steps = 0;
    for (int k = 1; k < 20; ++k) {
        SCOPED_TRACE(k);
        fillOldFiles();
        if (!crashedAt(run, at("restore", k))) {
            EXPECT_TRUE(snapshot(data) == newFiles) << "the restore without a crash";
            break;
        }
        ++steps;
        const QMap<QString, QByteArray> cut = snapshot(data);
        EXPECT_TRUE(cut != oldFiles && cut != newFiles) << "cut short: " << names(cut);
        EXPECT_EQ(QFile::exists(data + QStringLiteral("/.kovara-restore-plan")), k > 1);
        FinishInterruptedRestore(data); // what the next start does first
        const QMap<QString, QByteArray> now = snapshot(data);
        EXPECT_TRUE(now == (k == 1 ? oldFiles : newFiles))
            << (k == 1 ? "not undone: " : "not finished: ") << names(now);
    }
    // Staged; three old files moved aside; three new ones put in place.
    EXPECT_EQ(steps, 7);
}

// Each row written is a step, then the commit with every row on disk and
// the journal not yet removed: all of them are undone by the next open.
TEST_F(Kill, StatementCrashedAtFixedPoints)
{
    const QString path = inData(QStringLiteral("Cereri.dbf"));
    const int records = 3000;
    const QByteArray old = writeWideTable(path, records, 0);
    const auto run = [&] {
        Database db;
        db.attach(QStringLiteral("t"), path);
        db.exec(QStringLiteral("UPDATE t SET SUBSEMN = 'IONESCU ' || IDCERERE, CUANTUM = CUANTUM + 1"));
    };
    run();
    const QByteArray expected = readAll(path);
    ASSERT_FALSE(sameTable(expected, old));

    for (int k : {1, records / 2, records, records + 1}) {
        SCOPED_TRACE(k);
        writeAll(path, old);
        ASSERT_TRUE(crashedAt(run, at("dbf-write", k)));
        EXPECT_FALSE(sameTable(readAll(path), old)) << "nothing was written before the crash";
        EXPECT_TRUE(QFile::exists(dbf::journalPath(path)));
        auto table = dbf::Table::open(path);
        EXPECT_TRUE(readAll(path) == old) << "the statement was not undone";
        EXPECT_FALSE(QFile::exists(dbf::journalPath(path)));
        EXPECT_EQ(table->recordCount(), records);
    }
    writeAll(path, old);
    EXPECT_FALSE(crashedAt(run, at("dbf-write", records + 2)));
    EXPECT_TRUE(sameTable(readAll(path), expected));
    EXPECT_FALSE(QFile::exists(dbf::journalPath(path)));
}

// Each request numbered is a step: the run is undone. The last step comes
// after the commit, before the work table is removed: the numbers stay,
// and the next run starts over from the leftover work table.
TEST_F(Kill, NumberingCrashedAtFixedPoints)
{
    const int requests = 1000;
    const NumberingRange range = numberingTable(requests);
    const QString path = RequestTablePath();
    const QByteArray old = readAll(path);
    const auto run = [&] { NumberDispositions(range); };
    run();
    Database::shared().detachAll();
    const QByteArray expected = readAll(path);
    ASSERT_FALSE(sameTable(expected, old));

    for (int k : {1, requests / 2, requests, requests + 1}) {
        SCOPED_TRACE(k);
        const bool committed = k > requests;
        writeAll(path, old);
        ASSERT_TRUE(crashedAt(run, at("numbering", k)));
        EXPECT_TRUE(QFile::exists(NumberingWorkTable()));
        EXPECT_EQ(QFile::exists(dbf::journalPath(path)), !committed);
        dbf::Table::open(path);
        if (committed)
            EXPECT_TRUE(sameTable(readAll(path), expected));
        else
            EXPECT_TRUE(readAll(path) == old) << "the run was not undone";
        writeAll(path, old);
        run();
        Database::shared().detachAll();
        EXPECT_TRUE(sameTable(readAll(path), expected));
        EXPECT_FALSE(QFile::exists(NumberingWorkTable()));
    }
    writeAll(path, old);
    EXPECT_FALSE(crashedAt(run, at("numbering", requests + 2)));
    EXPECT_TRUE(sameTable(readAll(path), expected));
}

// The new settings written but not yet in place: the old file stays whole.
TEST_F(Kill, SettingsWriteCrashedBeforeTheFileIsReplaced)
{
    IniFile ini;
    for (int i = 0; i < 300; ++i)
        ini.setValue(QStringLiteral("S%1").arg(i % 4), QStringLiteral("K%1").arg(i),
                     QStringLiteral("vechi %1").arg(i));
    ini.save(SettingsPath());
    const QByteArray old = readAll(SettingsPath());
    const auto run = [&] { WriteSettings(QStringLiteral("S0"), {{QStringLiteral("K0"), QStringLiteral("nou")}}); };

    ASSERT_TRUE(crashedAt(run, at("settings", 1)));
    EXPECT_EQ(readAll(SettingsPath()), old);
    EXPECT_EQ(leftovers(), QStringList());
    EXPECT_EQ(ReadSetting(QStringLiteral("S0"), QStringLiteral("K0")), QStringLiteral("vechi 0"));

    EXPECT_FALSE(crashedAt(run, at("settings", 2)));
    EXPECT_EQ(ReadSetting(QStringLiteral("S0"), QStringLiteral("K0")), QStringLiteral("nou"));
    EXPECT_EQ(ReadSetting(QStringLiteral("S1"), QStringLiteral("K1")), QStringLiteral("vechi 1"));
}

} // namespace
