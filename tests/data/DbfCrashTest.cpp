// A pack or an add-column killed at any moment must leave at the table's
// path either the old table, byte for byte, or the complete new one.

#include "base/Error.h"
#include "engines/dbf/Dbf.h"

#include "DbfTestSupport.h"
#include "TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace kovara;
using namespace kovara::test;

namespace {

struct Rewrite
{
    const char *what;
    std::function<void(const QString &)> run;
};

// The bytes compared while ignoring the last-update date.
bool sameTable(QByteArray a, QByteArray b)
{
    if (a.size() != b.size() || a.size() < 4)
        return false;
    for (int i = 1; i <= 3; ++i)
        a[i] = b[i] = 0;
    return a == b;
}

class DbfCrash : public ::testing::TestWithParam<int>
{
};

TEST_P(DbfCrash, KilledRewriteLeavesOldOrNewTable)
{
    const Rewrite rewrites[] = {
        {"pack", [](const QString &p) { dbf::pack(p); }},
        {"addColumn",
         [](const QString &p) {
             dbf::addColumn(p, {"HANDI", 'C', 2, 0});
         }},
    };
    const Rewrite &op = rewrites[GetParam()];
    ScratchDir dir;
    const QString path = dir.file(QStringLiteral("Cereri.dbf"));
    const int records = 30000; // about 14 MB
    const QByteArray old = writeWideTable(path, records, 7);

    // The expected result and how long the rewrite takes.
    ScratchDir refDir;
    const QString ref = refDir.file(QStringLiteral("Cereri.dbf"));
    writeAll(ref, old);
    QElapsedTimer timer;
    timer.start();
    op.run(ref);
    const qint64 took = std::max<qint64>(timer.nsecsElapsed() / 1000, 1000); // microseconds
    const QByteArray expected = readAll(ref);
    ASSERT_FALSE(sameTable(expected, old));

    const int trials = 12;
    int sawOld = 0;
    int sawNew = 0;
    for (int t = 0; t < trials; ++t) {
        SCOPED_TRACE(t);
        for (const QString &name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden))
            QFile::remove(dir.file(name));
        writeAll(path, old);
        // From at once to a little past the usual end, with some jitter.
        const qint64 delay = took * t * 6 / 5 / (trials - 1) + QRandomGenerator::global()->bounded(200);

        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            try {
                op.run(path);
            } catch (...) {
                ::_exit(2);
            }
            ::_exit(0);
        }
        ::usleep(useconds_t(delay));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        if (WIFEXITED(status)) {
            ASSERT_EQ(WEXITSTATUS(status), 0) << "the rewrite itself failed";
        }

        const QByteArray now = readAll(path);
        if (now == old) {
            ++sawOld;
        } else {
            ASSERT_TRUE(sameTable(now, expected))
                << "neither the old nor the new table (" << now.size() << " bytes)";
            ++sawNew;
        }
        auto table = dbf::Table::open(path);
        EXPECT_EQ(table->recordCount(), now == old ? records : headerCount(expected));
        for (const QString &name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden)) {
            if (name == QLatin1String("Cereri.dbf"))
                continue;
            EXPECT_FALSE(name.endsWith(QLatin1String(".dbf"), Qt::CaseInsensitive))
                << "a leftover could be taken for a table: " << name.toStdString();
        }
    }
    std::printf("[ %s ] rewrite %lld us; killed with the old table %d times, the new one %d times\n", op.what,
                static_cast<long long>(took), sawOld, sawNew);
    EXPECT_EQ(sawOld + sawNew, trials);
}

INSTANTIATE_TEST_SUITE_P(PackAndAddColumn, DbfCrash, ::testing::Values(0, 1));

} // namespace
