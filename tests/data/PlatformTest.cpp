// The platform calls: locks between two opens and two processes, durable
// replacement and renames, file stamps, read-only mappings.

#include "base/Platform.h"
#include "TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QSaveFile>
#include <csignal>
#include <cstdio>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace kovara;
using namespace kovara::platform;
using namespace kovara::test;

namespace {

struct LockCase
{
    LockKind held;
    LockKind wanted;
    LockResult expected;
};

class PlatformLock : public ::testing::TestWithParam<LockCase>
{
};

TEST_P(PlatformLock, TwoOpensOfOneFile)
{
    const LockCase c = GetParam();
    ScratchDir dir;
    const QString path = dir.file(QStringLiteral("tabel.dbf"));
    writeAll(path, "bytes");
    QFile first(path), second(path);
    ASSERT_TRUE(first.open(QIODevice::ReadWrite));
    ASSERT_TRUE(second.open(QIODevice::ReadWrite));

    ASSERT_EQ(tryLock(first, c.held), LockResult::Taken);
    EXPECT_EQ(tryLock(second, c.wanted), c.expected);
    if (c.expected == LockResult::Taken)
        unlock(second);

    // Let go by unlocking, then by closing.
    unlock(first);
    EXPECT_EQ(tryLock(second, c.wanted), LockResult::Taken);
    unlock(second);
    ASSERT_EQ(tryLock(first, c.held), LockResult::Taken);
    first.close();
    EXPECT_EQ(tryLock(second, c.wanted), LockResult::Taken);
    // A lock does not keep out readers of the bytes.
    QFile reader(path);
    ASSERT_TRUE(reader.open(QIODevice::ReadOnly));
    EXPECT_EQ(reader.readAll(), QByteArray("bytes"));
}

INSTANTIATE_TEST_SUITE_P(Kinds, PlatformLock,
                         ::testing::Values(LockCase{LockKind::Exclusive, LockKind::Exclusive,
                                                    LockResult::Busy},
                                           LockCase{LockKind::Exclusive, LockKind::Shared, LockResult::Busy},
                                           LockCase{LockKind::Shared, LockKind::Exclusive, LockResult::Busy},
                                           LockCase{LockKind::Shared, LockKind::Shared, LockResult::Taken}));

// A child process holds the lock for a while; the parent is refused at
// once, then waits for it.
TEST(Platform, LockHeldByAnotherProcess)
{
    ScratchDir dir;
    const QString path = dir.file(QStringLiteral("tabel.dbf"));
    writeAll(path, "bytes");
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        QFile file(path);
        const bool ok = file.open(QIODevice::ReadWrite) && lock(file, LockKind::Exclusive);
        const char c = ok ? '1' : '0';
        if (::write(ready[1], &c, 1) != 1)
            ::_exit(3);
        ::usleep(300000);
        ::_exit(ok ? 0 : 2);
    }
    char c = 0;
    ASSERT_EQ(::read(ready[0], &c, 1), 1);
    ::close(ready[0]);
    ::close(ready[1]);
    ASSERT_EQ(c, '1') << "the child could not take the lock";

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    EXPECT_EQ(tryLock(file, LockKind::Shared), LockResult::Busy);
    EXPECT_EQ(tryLock(file, LockKind::Exclusive), LockResult::Busy);
    QElapsedTimer waited;
    waited.start();
    EXPECT_TRUE(lock(file, LockKind::Exclusive));
    EXPECT_GE(waited.elapsed(), 100) << "the lock was given while the child held it";
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

QByteArray filled(char c, int size)
{
    return QByteArray(size, c);
}

TEST(Platform, CommitReplacementPutsTheNewFileInPlace)
{
    ScratchDir dir;
    const QString path = dir.file(QStringLiteral("Kovara.ini"));
    writeAll(path, "vechi");
    QSaveFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("nou");
    ASSERT_TRUE(commitReplacement(out));
    EXPECT_EQ(readAll(path), QByteArray("nou"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("Kovara.ini")});
}

// Replacements killed at spread moments leave the old file or the new one,
// never a mixture or nothing.
TEST(Platform, KilledReplacementLeavesOldOrNew)
{
    ScratchDir dir;
    const QString path = dir.file(QStringLiteral("tabel.dbf"));
    const QByteArray first = filled('a', 4 << 20), second = filled('b', 3 << 20);
    int sawOld = 0, sawNew = 0;
    for (int t = 0; t < 10; ++t) {
        SCOPED_TRACE(t);
        writeAll(path, first);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            QSaveFile out(path);
            const bool ok = out.open(QIODevice::WriteOnly) && out.write(second) == second.size() &&
                            commitReplacement(out);
            ::_exit(ok ? 0 : 2);
        }
        ::usleep(useconds_t(t * 4000 + QRandomGenerator::global()->bounded(2000)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        if (WIFEXITED(status)) {
            ASSERT_EQ(WEXITSTATUS(status), 0) << "the replacement itself failed";
        }
        const QByteArray now = readAll(path);
        if (now == first)
            ++sawOld;
        else if (now == second)
            ++sawNew;
        else
            ADD_FAILURE() << "neither the old nor the new file (" << now.size() << " bytes)";
    }
    std::printf("[ replace ] killed with the old file %d times, the new one %d times\n", sawOld, sawNew);
    EXPECT_EQ(sawOld + sawNew, 10);
}

TEST(Platform, RenameKeepsOrReplacesWhatIsThere)
{
    ScratchDir dir;
    const QString from = dir.file(QStringLiteral("nou")), to = dir.file(QStringLiteral("vechi"));
    writeAll(from, "nou");
    writeAll(to, "vechi");
    EXPECT_FALSE(renameFile(from, to, Rename::KeepExisting));
    EXPECT_EQ(readAll(from), QByteArray("nou"));
    EXPECT_EQ(readAll(to), QByteArray("vechi"));

    EXPECT_TRUE(renameFile(from, to, Rename::ReplaceExisting));
    EXPECT_FALSE(QFile::exists(from));
    EXPECT_EQ(readAll(to), QByteArray("nou"));

    const QString free = dir.file(QStringLiteral("liber"));
    EXPECT_TRUE(renameFile(to, free, Rename::KeepExisting));
    EXPECT_FALSE(QFile::exists(to));
    EXPECT_EQ(readAll(free), QByteArray("nou"));
    EXPECT_FALSE(renameFile(dir.file(QStringLiteral("lipsa")), to, Rename::ReplaceExisting));
}

TEST(Platform, StampFollowsTheFile)
{
    ScratchDir dir;
    const QString path = dir.file(QStringLiteral("tabel.dbf"));
    EXPECT_EQ(fileStamp(path).size, -1);
    writeAll(path, "12345");
    const FileStamp before = fileStamp(path);
    EXPECT_EQ(before.size, 5);
    EXPECT_EQ(fileStamp(path), before);
    // Replaced by a file of the same length: another file, another stamp.
    const QString other = dir.file(QStringLiteral("alt"));
    writeAll(other, "54321");
    ASSERT_TRUE(renameFile(other, path, Rename::ReplaceExisting));
    EXPECT_NE(fileStamp(path), before);
}

TEST(Platform, MappingReadsTheBytes)
{
    ScratchDir dir;
    const QString path = dir.file(QStringLiteral("tabel.dbf"));
    QByteArray bytes(3 * 65536 + 123, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char((i * 7 + i / 251) & 0xFF);
    writeAll(path, bytes);

    MappedFile file;
    EXPECT_FALSE(file.map());
    ASSERT_TRUE(file.open(path));
    EXPECT_EQ(file.fileSize(), bytes.size());

    ASSERT_TRUE(file.map());
    ASSERT_EQ(file.size(), bytes.size());
    EXPECT_EQ(QByteArray(file.data(), int(file.size())), bytes);
    file.release(file.data(), file.data() + file.size());
    EXPECT_EQ(QByteArray(file.data(), int(file.size())), bytes) << "released pages read again from the file";

    // Windows of the file: inside, cut at the end, beyond the end.
    struct Window
    {
        qint64 offset, length, expectedLength;
    };
    for (const Window w : {Window{70001, 100, 100}, Window{65536, 65536, 65536},
                           Window{bytes.size() - 10, 50, 10}, Window{1, -1, bytes.size() - 1}}) {
        SCOPED_TRACE(w.offset);
        ASSERT_TRUE(file.map(w.offset, w.length));
        EXPECT_EQ(file.offset(), w.offset);
        ASSERT_EQ(file.size(), w.expectedLength);
        EXPECT_EQ(QByteArray(file.data(), int(file.size())), bytes.mid(w.offset, w.expectedLength));
    }
    EXPECT_FALSE(file.map(bytes.size(), 10));
    EXPECT_EQ(file.data(), nullptr);

    char part[300];
    ASSERT_TRUE(file.readAt(65500, part, sizeof part));
    EXPECT_EQ(QByteArray(part, sizeof part), bytes.mid(65500, sizeof part));
    EXPECT_FALSE(file.readAt(bytes.size() - 5, part, 10)) << "a read past the end";

    // Bytes written after the mapping show through it.
    ASSERT_TRUE(file.map());
    {
        QFile rw(path);
        ASSERT_TRUE(rw.open(QIODevice::ReadWrite));
        rw.seek(10);
        rw.write("XYZ");
    }
    EXPECT_EQ(QByteArray(file.data() + 10, 3), QByteArray("XYZ"));

    file.close();
    EXPECT_FALSE(file.isOpen());
    EXPECT_EQ(file.data(), nullptr);
    EXPECT_FALSE(file.readAt(0, part, 1));

    const QString empty = dir.file(QStringLiteral("gol.dbf"));
    writeAll(empty, QByteArray());
    ASSERT_TRUE(file.open(empty));
    EXPECT_FALSE(file.map()) << "an empty file has nothing to map";
    EXPECT_FALSE(file.open(dir.file(QStringLiteral("lipsa.dbf"))));
}

} // namespace
