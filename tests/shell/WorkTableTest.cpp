#include "shell/WorkTable.h"

#include "TestSupport.h"
#include "engines/dbf/Dbf.h"
#include "engines/dbf/SqlEngine.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace kovara;
using namespace kovara::test;

namespace {

class WorkTableTest : public ::testing::Test
{
protected:
    QString path() const { return QDir(m_dir.path()).filePath(QStringLiteral("W1.dbf")); }
    ScratchDir m_dir;
    Database m_db;
};

TEST_F(WorkTableTest, RemovedOrKeptAtTheEndOfTheRun)
{
    for (const auto atEnd : {WorkTable::AtEnd::Remove, WorkTable::AtEnd::Keep}) {
        const bool kept = atEnd == WorkTable::AtEnd::Keep;
        SCOPED_TRACE(kept ? "keep" : "remove");
        // A leftover of a crashed run is replaced, whatever its content.
        writeAll(path(), "leftover");
        {
            WorkTable work(m_db, path(), QStringLiteral("X CHAR(2)"), atEnd);
            m_db.exec(QStringLiteral("INSERT INTO %1 (X) VALUES (?)").arg(work.table()),
                      {QStringLiteral("ab")});
            work.finish();
        }
        ASSERT_EQ(QFileInfo::exists(path()), kept);
        if (kept) {
            auto table = dbf::Table::open(path(), dbf::Mode::ReadOnly);
            EXPECT_EQ(table->recordCount(), 1);
        }
        // A run that fails before finish() lets go of the table the same way.
        try {
            WorkTable work(m_db, path(), QStringLiteral("X CHAR(2)"), atEnd);
            throw Error(QStringLiteral("the run failed"));
        } catch (const Error &e) {
            EXPECT_EQ(e.message(), QStringLiteral("the run failed"));
        }
        EXPECT_EQ(QFileInfo::exists(path()), kept);
        QFile::remove(path());
    }
}

TEST_F(WorkTableTest, ATableHeldByAnotherProgramRefusesTheRun)
{
    Database other;
    other.createTable(path(), QStringLiteral("X CHAR(1)"));
    auto held = dbf::Table::open(path(), dbf::Mode::ReadWrite);
    try {
        WorkTable work(m_db, path(), QStringLiteral("X CHAR(2)"));
        ADD_FAILURE() << "a work table was made over one in use";
    } catch (const WorkTableInUse &e) {
        EXPECT_EQ(e.path(), path());
        EXPECT_EQ(e.message(), WorkTableInUseText(path()));
    }
    EXPECT_TRUE(QFileInfo::exists(path())) << "the other program's table is left alone";
}

TEST_F(WorkTableTest, ATableThatCannotBeRemovedIsReported)
{
    WorkTable work(m_db, path(), QStringLiteral("X CHAR(2)"));
    // Something else took the table's name while the run went on: a folder
    // cannot be removed as a file is.
    QFile::remove(path());
    ASSERT_TRUE(QDir().mkpath(QDir(path()).filePath(QStringLiteral("inside"))));
    EXPECT_THROW(work.finish(), Error);
    EXPECT_TRUE(QFileInfo(path()).isDir());
}

} // namespace
