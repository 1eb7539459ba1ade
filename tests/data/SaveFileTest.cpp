// Whole files or nothing, a full disk said so, and the copies a killed run
// leaves beside its target.

#include "base/SaveFile.h"
#include "TestSupport.h"
#include "base/Leftovers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <utime.h>

using namespace kovara;

namespace {

// Writes past this size fail as they do on a full disk, while the object lives.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

TEST(SaveFile, ACopyWhoseLastWritesFailedNeverTakesTheName)
{
    test::ScratchDir scratch;
    // 60 KB go to the file at once; the last 8 KB wait in Qt's buffer and
    // fail only when it is flushed, past the limit.
    const auto writeInTwo = [](QSaveFile &file) {
        return file.open(QIODevice::WriteOnly) && file.write(QByteArray(60 * 1024, 'x')) == 60 * 1024 &&
               file.write(QByteArray(8 * 1024, 'y')) == 8 * 1024;
    };
    const QString path = scratch.file("document.rtf");
    test::writeAll(path, "old");
    {
        const FileSizeLimit limit(64 * 1024);
        // Qt's own commit gives the short copy the name...
        QSaveFile qt(scratch.file("qt.rtf"));
        ASSERT_TRUE(writeInTwo(qt));
        if (qt.commit()) {
            EXPECT_LT(QFileInfo(scratch.file("qt.rtf")).size(), 68 * 1024); // cut short
        }
        // ...the program's never does.
        QSaveFile ours(path);
        ASSERT_TRUE(writeInTwo(ours));
        EXPECT_FALSE(SaveWhole(ours));
        EXPECT_FALSE(WriteFailureText(ours).isEmpty());
        QString reason;
        EXPECT_FALSE(SaveBytes(path, QByteArray(200 * 1024, 'z'), &reason));
        EXPECT_FALSE(reason.isEmpty());
    }
    EXPECT_EQ(test::readAll(path), QByteArray("old"));
    QSaveFile again(path);
    ASSERT_TRUE(writeInTwo(again));
    EXPECT_TRUE(SaveWhole(again));
    EXPECT_EQ(QFileInfo(path).size(), 68 * 1024);
}

TEST(SaveFile, AFullDiskIsSaidSo)
{
    QFile full("/dev/full");
    ASSERT_TRUE(full.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    EXPECT_EQ(full.write("abc", 3), -1);
    EXPECT_EQ(WriteFailureText(full), QStringLiteral("discul este plin"));
    EXPECT_FALSE(DiskFullAt(QDir::tempPath()));
}

void touch(const QString &path, int secondsAgo = 0)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.close();
    if (secondsAgo > 0) {
        const time_t when = ::time(nullptr) - secondsAgo;
        const utimbuf times{when, when};
        ::utime(QFile::encodeName(path).constData(), &times);
    }
}

TEST(Leftovers, OnlyCopiesOfEndedRunsAreRemoved)
{
    test::ScratchDir scratch;
    QProcess ended;
    ended.start("true", {});
    ASSERT_TRUE(ended.waitForStarted());
    const QString gone = QString::number(ended.processId());
    ended.waitForFinished();
    const QString alive = QString::number(QCoreApplication::applicationPid() == 1 ? 2 : 1);
    const QString target = scratch.file("91234567.dbf");
    const struct
    {
        const char *name;
        int age; // seconds since last written
        bool removed;
    } cases[] = {
        {"91234567.dbf.kovara-%1-a8Kd0q", 0, true},        // its run ended
        {"91234567.dbf.kovara-%1-a8Kd0q-jurnal", 0, true}, // and its side file
        {"91234567.dbf.kovara-%2-Zz81mB", 0, false},       // a run still going
        {"91234567.dbf.pvLaDF", 7200, true},               // the older form, two hours old
        {"91234567.dbf.pvLa3F", 60, false},                // the older form, a minute old
        {"91234567.dbf.backup", 7200, false},              // someone's own file
        {"91234567.dbf.BACKUP", 7200, false},              // the same in capitals
        {"91234567.dbf", 0, false},                        // the target itself
        {"01234567.dbf.kovara-%1-a8Kd0q", 0, false},       // another target's copy
    };
    const auto nameOf = [&](const char *pattern) {
        return scratch.file(QString::fromLatin1(pattern).replace("%1", gone).replace("%2", alive));
    };
    for (const auto &c : cases)
        touch(nameOf(c.name), c.age);
    EXPECT_EQ(RemoveLeftoverCopies(target), 3);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(QFileInfo::exists(nameOf(c.name)), !c.removed);
    }

    QDir(scratch.path()).mkpath(".kovara-export-" + gone + "-Ab12cd/inner");
    touch(scratch.file(".kovara-export-" + gone + "-Ab12cd/inner/l.xls"));
    QDir(scratch.path()).mkpath(".kovara-export-" + alive + "-Ab12cd");
    QDir(scratch.path()).mkpath(".kovara-export-altceva");
    EXPECT_EQ(RemoveLeftoverWorkFolders(scratch.path(), ".kovara-export-"), 1);
    EXPECT_FALSE(QFileInfo::exists(scratch.file(".kovara-export-" + gone + "-Ab12cd")));
    EXPECT_TRUE(QFileInfo::exists(scratch.file(".kovara-export-" + alive + "-Ab12cd")));
    EXPECT_TRUE(QFileInfo::exists(scratch.file(".kovara-export-altceva")));
}

} // namespace
