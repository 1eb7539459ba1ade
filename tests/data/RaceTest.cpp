// Readers, backups and repairs raced against a writer in another process:
// each sees (or saves) the table wholly before or wholly after a change,
// never half of it.

#include "DbfTestSupport.h"
#include "KillFixture.h"
#include "data/TableBackup.h"
#include "engines/archive/Archive.h"
#include "engines/dbf/Query.h"

#include <QSet>

#include <QElapsedTimer>
#include <QFile>
#include <cstdio>
#include <signal.h>
#include <unistd.h>

namespace kovara::test {
namespace {

constexpr int kRecords = 5000;

// Sets CUANTUM of every row to 1, 2, 3 ... in one statement each, in a child
// process, until killed.
pid_t startWriter(const QString &path)
{
    Database::shared().detachAll();
    const pid_t child = ::fork();
    if (child == 0) {
        try {
            Database db;
            db.attach(QStringLiteral("t"), path);
            for (int k = 1;; ++k)
                db.exec(QStringLiteral("UPDATE t SET CUANTUM = ?"), {k});
        } catch (...) {
            ::_exit(2);
        }
    }
    return child;
}

// The table of kRecords rows, CUANTUM 0 in every one to begin with.
void writeUniformTable(const QString &path)
{
    writeWideTable(path, kRecords, 0);
    Database first;
    first.attach(QStringLiteral("t"), path);
    first.exec(QStringLiteral("UPDATE t SET CUANTUM = 0"));
}

// MIN, MAX and COUNT of CUANTUM: a table of one state has MIN = MAX.
struct Spread
{
    qint64 lo, hi, rows;
};
Spread spreadOf(Database &db)
{
    Query q(db);
    q.open(QStringLiteral("SELECT MIN(CUANTUM) AS LO, MAX(CUANTUM) AS HI, COUNT(*) AS N FROM t"));
    return {q.integer("LO"), q.integer("HI"), q.integer("N")};
}

void stopWriter(pid_t child)
{
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
}

TEST_F(Kill, ReadersSeeAChangeWholeOrNotAtAll)
{
    const QString path = inData(QStringLiteral("Cereri.dbf"));
    writeUniformTable(path);
    const pid_t writer = startWriter(path);
    Database db;
    db.attach(QStringLiteral("t"), path);
    int runs = 0, torn = 0, changed = 0;
    qint64 last = -1;
    for (; runs < 300; ++runs) {
        ::usleep(2000); // a clerk's reads come one at a time
        const Spread now = spreadOf(db);
        EXPECT_EQ(now.rows, kRecords);
        torn += now.lo != now.hi;
        changed += now.lo != last;
        last = now.lo;
    }
    stopWriter(writer);
    std::printf("readers raced against a writer: %d runs, %d saw a new change, %d torn\n", runs, changed,
                torn);
    EXPECT_EQ(torn, 0);
    EXPECT_GT(changed, 10) << "the writer did not run beside the readers";
}

} // namespace
} // namespace kovara::test

namespace kovara::test {
namespace {

// A backup taken while another process changes the table holds the table
// of before or after a change, every time.
TEST_F(Kill, BackupsSaveAChangeWholeOrNotAtAll)
{
    const QString path = inData(QStringLiteral("Cereri.dbf"));
    writeUniformTable(path);
    const pid_t writer = startWriter(path);
    const int runs = 25;
    QStringList archives;
    for (int i = 0; i < runs; ++i) {
        const QString kov = scratch.file(QStringLiteral("salvare%1.kov").arg(i));
        const QStringList files = WithoutTableJournals(listDataFiles(DataDir(), kov));
        CompressFiles(files, kov, {}, TableReadHold());
        archives << kov;
        ::usleep(20000);
    }
    stopWriter(writer);
    int torn = 0;
    QSet<qint64> seen;
    for (const QString &kov : archives) {
        const QString target = scratch.file(QStringLiteral("inapoi"));
        QDir(target).removeRecursively();
        QDir().mkpath(target + QStringLiteral("/Data"));
        DecompressFiles(kov, target);
        Database db;
        db.attach(QStringLiteral("t"), target + QStringLiteral("/Data/Cereri.dbf"));
        const Spread saved = spreadOf(db);
        EXPECT_EQ(saved.rows, kRecords);
        torn += saved.lo != saved.hi;
        seen.insert(saved.lo);
        db.detachAll();
    }
    std::printf("backups raced against a writer: %d archives, %d different states, %d torn\n", runs,
                int(seen.size()), torn);
    EXPECT_EQ(torn, 0);
    EXPECT_GT(seen.size(), 3) << "the writer did not run beside the backups";
}

} // namespace
} // namespace kovara::test

namespace kovara::test {
namespace {

// A repair run while another process changes the table refuses, and leaves
// the writer's journal alone; once the writer is killed half-way, the repair
// rolls its change back: the table is whole, of before or after a change.
TEST_F(Kill, RepairNeverCutsIntoAWriter)
{
    const QString path = inData(QStringLiteral("Cereri.dbf"));
    writeUniformTable(path);
    int refused = 0, sound = 0, other = 0;
    for (int round = 0; round < 5; ++round) {
        const pid_t writer = startWriter(path);
        // Ten tries, and on until one met the writer at work (a loaded
        // machine may leave the writer waiting for its turn for a while).
        const int refusedBefore = refused;
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < 10 || (refused == refusedBefore && clock.elapsed() < 5000); ++i) {
            ::usleep(3000);
            try {
                EXPECT_TRUE(dbf::repair(path).isEmpty()); // nothing to mend in a sound table
                ++sound;
            } catch (const Error &e) {
                if (e.message().contains(QStringLiteral("este folosit acum de alt program")))
                    ++refused;
                else
                    ADD_FAILURE() << ++other << e.message().toStdString();
            }
        }
        stopWriter(writer); // killed wherever it was
        dbf::repair(path);
        EXPECT_FALSE(QFile::exists(dbf::journalPath(path)));
        Database db;
        db.attach(QStringLiteral("t"), path);
        const Spread after = spreadOf(db);
        EXPECT_EQ(after.lo, after.hi) << "round " << round;
        EXPECT_EQ(after.rows, kRecords);
    }
    std::printf("repairs raced against a writer: %d refused, %d ran on a sound table, %d other\n", refused,
                sound, other);
    EXPECT_GT(refused, 0);
}

} // namespace
} // namespace kovara::test
