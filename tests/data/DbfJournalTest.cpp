// The journal of a table's change: whatever the change did, a rollback, or
// the next open after a crash, gives back the table byte for byte.

#include "base/Error.h"
#include "engines/dbf/Dbf.h"

#include "DbfTestSupport.h"
#include "TestSupport.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace kovara;
using namespace kovara::test;

namespace {

class DbfJournal : public ::testing::Test
{
protected:
    void SetUp() override
    {
        path = dir.file(QStringLiteral("Cereri.dbf"));
        old = writeWideTable(path, 3000, 7); // about 1.4 MB: several chunks of the journal
    }

    // Changes spread over the file: rewrites, deletions, appends.
    void change(dbf::Table &t)
    {
        QByteArray record = t.blankRecord();
        for (qint64 r = 0; r < t.recordCount(); r += 97)
            t.writeRecord(r, record);
        t.setDeleted(1500, true);
        for (int i = 0; i < 50; ++i)
            t.appendRecord(record);
    }

    ScratchDir dir;
    QString path;
    QByteArray old;
};

TEST_F(DbfJournal, RollbackAndCommit)
{
    {
        auto t = dbf::Table::open(path, dbf::Mode::ReadWrite);
        t->beginTransaction();
        change(*t);
        EXPECT_TRUE(QFile::exists(dbf::journalPath(path)));
        t->rollback();
        EXPECT_EQ(readAll(path), old);
        EXPECT_EQ(t->recordCount(), 3000);
        EXPECT_FALSE(QFile::exists(dbf::journalPath(path)));

        t->beginTransaction();
        change(*t);
        t->commit();
        EXPECT_FALSE(QFile::exists(dbf::journalPath(path)));
    }
    EXPECT_EQ(dbf::Table::open(path)->recordCount(), 3050);
    // A change dropped without commit is undone.
    const QByteArray committed = readAll(path);
    {
        auto t = dbf::Table::open(path, dbf::Mode::ReadWrite);
        t->beginTransaction();
        change(*t);
    }
    EXPECT_EQ(readAll(path), committed);
}

TEST_F(DbfJournal, NextOpenPutsBackAnInterruptedChange)
{
    // A change as a crash leaves it: the journal is kept, the table half changed.
    QByteArray journal, changed;
    {
        auto t = dbf::Table::open(path, dbf::Mode::ReadWrite);
        t->beginTransaction();
        change(*t);
        journal = readAll(dbf::journalPath(path));
        changed = readAll(path);
        t->commit();
    }
    ASSERT_NE(changed, old);
    const struct
    {
        const char *what;
        QByteArray journal;
        bool putBack;
    } cases[] = {
        {"whole journal", journal, true},
        // A crash while an entry was being written: the table was not yet
        // changed where that entry would have covered.
        {"an entry cut short at the end", journal + journal.mid(24, 300), true},
        {"head never written", journal.left(10), false},
        {"empty journal", QByteArray(), false},
    };
    for (const auto &c : cases) {
        for (dbf::Mode mode : {dbf::Mode::ReadOnly, dbf::Mode::ReadWrite}) {
            SCOPED_TRACE(c.what);
            if (!c.putBack && mode == dbf::Mode::ReadWrite)
                continue; // the half-changed table of this made-up case is refused for writing
            writeAll(path, changed);
            writeAll(dbf::journalPath(path), c.journal);
            auto t = dbf::Table::open(path, mode);
            EXPECT_FALSE(QFile::exists(dbf::journalPath(path)));
            if (c.putBack) {
                EXPECT_EQ(readAll(path), old);
                EXPECT_EQ(t->recordCount(), 3000);
            } else {
                EXPECT_EQ(readAll(path), changed) << "a journal without its head changed nothing yet";
            }
        }
    }
}

TEST_F(DbfJournal, LiveJournalOfAnotherWriterIsLeftAlone)
{
    const kovara::test::ShortLockWait shortWait; // the refused writer gives up at once
    auto writer = dbf::Table::open(path, dbf::Mode::ReadWrite);
    writer->beginTransaction();
    change(*writer);
    const QByteArray during = readAll(path);
    // A reader does not undo a change still being made.
    EXPECT_EQ(dbf::Table::open(path)->recordCount(), 3050);
    EXPECT_EQ(readAll(path), during);
    EXPECT_THROW(dbf::Table::open(path, dbf::Mode::ReadWrite), Error);
    writer->rollback();
    EXPECT_EQ(readAll(path), old);
}

} // namespace
