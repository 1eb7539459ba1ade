#include "shell/NumberedFile.h"

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace kovara;
using namespace kovara::test;

namespace {

class NumberedFileTest : public ::testing::Test
{
protected:
    QString file(const QString &name) const { return QDir(m_dir.path()).filePath(name); }
    QString choose(const QString &base, const QString &suffix = ".xls", int last = 100) const
    {
        return FreeNumberedFile(m_dir.path(), base, suffix, last);
    }
    ScratchDir m_dir;
};

TEST_F(NumberedFileTest, CleanFolderGivesNumberZeroWithoutCreatingIt)
{
    EXPECT_EQ(choose("Exp"), file("Exp0.xls"));
    EXPECT_EQ(choose("Dispozitie", ".rtf", -1), file("Dispozitie0.rtf"));
    EXPECT_EQ(choose("", ".rtf", 99), file("0.rtf"));
    EXPECT_FALSE(QFileInfo::exists(file("Exp0.xls")));
}

TEST_F(NumberedFileTest, EarlierOutputIsDeletedWhateverItsCase)
{
    writeAll(file("Exp0.xls"), "old");
    EXPECT_EQ(choose("Exp"), file("Exp0.xls"));
    EXPECT_FALSE(QFileInfo::exists(file("Exp0.xls")));

    writeAll(file("EXP0.XLS"), "old");
    EXPECT_EQ(choose("Exp"), file("Exp0.xls"));
    EXPECT_FALSE(QFileInfo::exists(file("EXP0.XLS")));
}

// A folder of that name stands for a file that cannot be deleted (a
// document still open in another program): it works even for root.
TEST_F(NumberedFileTest, NameThatCannotBeDeletedIsSkipped)
{
    ASSERT_TRUE(QDir().mkdir(file("Exp0.xls")));
    writeAll(file("Exp1.xls"), "old");
    EXPECT_EQ(choose("Exp"), file("Exp1.xls"));
    EXPECT_TRUE(QFileInfo(file("Exp0.xls")).isDir());
    EXPECT_FALSE(QFileInfo::exists(file("Exp1.xls")));
}

TEST_F(NumberedFileTest, LinkIsNeitherFollowedNorDeleted)
{
    ScratchDir elsewhere;
    const QString target = QDir(elsewhere.path()).filePath("victim.xls");
    writeAll(target, "keep");
    ASSERT_TRUE(QFile::link(target, file("Exp0.xls")));
    EXPECT_EQ(choose("Exp"), file("Exp1.xls"));
    EXPECT_TRUE(QFileInfo(file("Exp0.xls")).isSymLink());
    EXPECT_EQ(readAll(target), QByteArray("keep"));
}

TEST_F(NumberedFileTest, NoFreeNameUpToTheLastGivesEmptyText)
{
    for (int n = 0; n <= 100; ++n)
        ASSERT_TRUE(QDir().mkdir(file(QStringLiteral("Exp%1.xls").arg(n))));
    EXPECT_EQ(choose("Exp"), QString());
    EXPECT_EQ(choose("Exp", ".xls", -1), file("Exp101.xls"));
    ASSERT_TRUE(QDir().rmdir(file("Exp100.xls")));
    EXPECT_EQ(choose("Exp"), file("Exp100.xls"));
}

} // namespace

// On Linux a document open in LibreOffice or Word can be deleted: the lock
// file the office program writes beside it keeps its name from being reused.
TEST_F(NumberedFileTest, ANameWithAnOfficeLockFileBesideItIsSkipped)
{
    const struct
    {
        const char *document, *lock;
    } cases[] = {
        {"Dispozitie0.rtf", ".~lock.Dispozitie0.rtf#"}, // LibreOffice
        {"Dispozitie0.rtf", "~$spozitie0.rtf"},         // Word drops the first two letters
        {"Dispozitie0.rtf", "~$Dispozitie0.rtf"},       // ... or keeps a short name whole
        {"Dispozitie0.rtf", ".~LOCK.DISPOZITIE0.RTF#"}, // any letter case
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.lock);
        writeAll(file(c.document), "open in the word processor");
        writeAll(file(c.lock), "lock");
        EXPECT_TRUE(HeldOpen(file(c.document)));
        EXPECT_EQ(choose("Dispozitie", ".rtf", -1), file("Dispozitie1.rtf"));
        EXPECT_EQ(readAll(file(c.document)), "open in the word processor");
        EXPECT_FALSE(RemoveOutput(file(c.document)));
        // Closed: the lock goes, and the name is reused.
        QFile::remove(file(c.lock));
        EXPECT_FALSE(HeldOpen(file(c.document)));
        EXPECT_EQ(choose("Dispozitie", ".rtf", -1), file("Dispozitie0.rtf"));
        EXPECT_FALSE(QFileInfo::exists(file(c.document)));
    }
    // Another document's lock is not this one's.
    writeAll(file("Dispozitie0.rtf"), "x");
    writeAll(file(".~lock.Dispozitie10.rtf#"), "lock");
    EXPECT_FALSE(HeldOpen(file("Dispozitie0.rtf")));
}

// A file this program handed to an application may be open before the
// application has written its lock (a double click on "Exporta tabelul"):
// its name is not reused while the program runs.
TEST_F(NumberedFileTest, AFileHandedToAnApplicationKeepsItsName)
{
    ForgetHandedFiles();
    writeAll(file("Dest0.xls"), "first export");
    NoteHandedToApplication(file("Dest0.xls"));
    EXPECT_EQ(choose("Dest"), file("Dest1.xls"));
    EXPECT_EQ(readAll(file("Dest0.xls")), "first export");
    ForgetHandedFiles();
    EXPECT_EQ(choose("Dest"), file("Dest0.xls"));
}
