#include "base/Paths.h"

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace kovara;

TEST(ProgramDir, FolderOfTheProgramWithoutTrailingSeparator)
{
    test::ScratchDir scratch;
    setProgramDir(scratch.path() + QStringLiteral("/"));
    EXPECT_EQ(ProgramDir(), QDir::toNativeSeparators(scratch.path()));
    EXPECT_EQ(DataDir(), ProgramDir() + QDir::separator() + QStringLiteral("Data"));
}

TEST(ResolveProgramDir, WritableFolderIsUsedAsItIs)
{
    test::ScratchDir program, user;
    EXPECT_EQ(ResolveProgramDir(program.path(), user.file(QStringLiteral("Kovara"))),
              QDir::toNativeSeparators(program.path()));
    EXPECT_FALSE(QFileInfo::exists(user.file(QStringLiteral("Kovara"))));
    EXPECT_TRUE(
        QDir(program.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty())
        << "the write probe was left behind";
}

TEST(ResolveProgramDir, ReadOnlyFolderFallsBackToTheUserFolder)
{
    // /proc cannot be written, not even by the superuser.
    test::ScratchDir user;
    const QString target = user.file(QStringLiteral("Kovara"));
    EXPECT_EQ(ResolveProgramDir(QStringLiteral("/proc"), target), QDir::toNativeSeparators(target));
    EXPECT_TRUE(QFileInfo(target).isDir());
}

TEST(SeedUserDir, CopiesTheInstallationFilesOnce)
{
    test::ScratchDir program, user;
    const char *files[] = {"RapAj.DBF",    "ModelTrz.dbf", "Statistic.rtf",
                           "cerereas.doc", "kovara",       "notes.txt"};
    for (const char *f : files)
        test::writeAll(program.file(QString::fromLatin1(f)), QByteArray("install ") + f);
    test::writeAll(user.file(QStringLiteral("cerereas.doc")), "edited by the user");

    SeedUserDir(program.path(), user.path());
    struct Expect
    {
        const char *file;
        QByteArray content; // empty: not copied
    } expected[] = {
        {"RapAj.DBF", "install RapAj.DBF"},
        {"ModelTrz.dbf", "install ModelTrz.dbf"},
        {"Statistic.rtf", "install Statistic.rtf"},
        {"cerereas.doc", "edited by the user"},
        {"kovara", ""},
        {"notes.txt", ""},
    };
    for (const Expect &e : expected) {
        SCOPED_TRACE(e.file);
        const QString path = user.file(QString::fromLatin1(e.file));
        if (e.content.isEmpty())
            EXPECT_FALSE(QFileInfo::exists(path));
        else
            EXPECT_EQ(test::readAll(path), e.content);
    }

    // Once: a file the user removed afterwards is not brought back.
    QFile::remove(user.file(QStringLiteral("RapAj.DBF")));
    SeedUserDir(program.path(), user.path());
    EXPECT_FALSE(QFileInfo::exists(user.file(QStringLiteral("RapAj.DBF"))));
}

TEST(SeedUserDir, CopiesTheDataFolderTemplates)
{
    test::ScratchDir program, user;
    QDir().mkpath(program.file(QStringLiteral("Data")));
    test::writeAll(program.file(QStringLiteral("Data/Statistic.rtf")), "install statistic");
    test::writeAll(program.file(QStringLiteral("Data/Cereri.dbf")), "install table");
    test::writeAll(program.file(QStringLiteral("Data/Kovara.ini")), "install settings");

    SeedUserDir(program.path(), user.path());
    EXPECT_EQ(test::readAll(user.file(QStringLiteral("Data/Statistic.rtf"))), "install statistic");
    EXPECT_EQ(test::readAll(user.file(QStringLiteral("Data/Cereri.dbf"))), "install table");
    EXPECT_FALSE(QFileInfo::exists(user.file(QStringLiteral("Data/Kovara.ini"))));
}
