// The indexes kept beside a table between processes: used while the table
// is as they describe it, rebuilt when another program changed it, ignored
// when damaged, never saved in a backup.

#include "TestSupport.h"
#include "base/FileNames.h"
#include "engines/archive/Archive.h"
#include "engines/dbf/Dbf.h"
#include "engines/dbf/Query.h"
#include "engines/dbf/SqlEngine.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <utime.h>

using namespace kovara;
using namespace kovara::test;

namespace {

constexpr int kRows = 500;

class IndexCache : public ::testing::Test
{
protected:
    void SetUp() override
    {
        path = dir.file("Cereri.dbf");
        dbf::Table::create(path, {{"IDCERERE", 'N', 10, 0}, {"DINDATA", 'D', 8, 0}, {"SUBSEMN", 'C', 20, 0}});
        auto t = dbf::Table::open(path, dbf::Mode::ReadWrite);
        for (int i = 1; i <= kRows; ++i)
            t->appendRecord(record(*t, i, QStringLiteral("NUME %1").arg(i)));
    }

    static QByteArray record(const dbf::Table &t, qint64 id, const QString &name)
    {
        QByteArray r = t.blankRecord();
        dbf::encodeField(t.fields()[0], id, r);
        dbf::encodeField(t.fields()[1], QDate(2020, 1, 1).addDays(int(id % 365)), r);
        dbf::encodeField(t.fields()[2], name, r);
        return r;
    }

    // A lookup by IDCERERE as a new process makes it: a connection of its own.
    QStringList lookup(qint64 id)
    {
        Database db;
        db.setIndexedColumns(path, {"IDCERERE", "DINDATA"});
        Query q(db);
        q.open(QStringLiteral("SELECT SUBSEMN FROM %1 WHERE IDCERERE = ?").arg(db.table(path)), {id});
        QStringList out;
        for (q.first(); !q.eof(); q.next())
            out << q.value(0).toString();
        return out;
    }

    // How many requests are dated from `from` on, through the date index.
    int datesFrom(const QDate &from)
    {
        Database db;
        db.setIndexedColumns(path, {"IDCERERE", "DINDATA"});
        Query q(db);
        q.open(
            QStringLiteral("SELECT COUNT(*) FROM %1 WHERE DINDATA >= ? AND DINDATA < ?").arg(db.table(path)),
            {from.toString(Qt::ISODate), QStringLiteral("2100-01-01")});
        q.first();
        return q.value(0).toInt();
    }

    QString cache() const { return IndexCachePath(path); }
    // Tells a rewritten cache from the one that was there.
    static ino_t fileNumber(const QString &p)
    {
        struct stat st
        {
        };
        return ::stat(QFile::encodeName(p).constData(), &st) == 0 ? st.st_ino : 0;
    }
    // Another program's write: bytes put straight into the file, the file's
    // time moved so that it differs from any the cache may hold.
    void writeBehindTheProgramsBack(qint64 pos, const QByteArray &bytes, int secondsLater)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.seek(pos));
        ASSERT_EQ(f.write(bytes), bytes.size());
        f.close();
        const time_t when = ::time(nullptr) + secondsLater;
        const utimbuf times{when, when};
        ::utime(QFile::encodeName(path).constData(), &times);
    }

    ScratchDir dir;
    QString path;
};

TEST_F(IndexCache, UsedWhileTheTableIsUnchanged)
{
    EXPECT_EQ(lookup(250), QStringList{"NUME 250"});
    ASSERT_TRUE(QFileInfo::exists(cache()));
    const ino_t built = fileNumber(cache());
    EXPECT_EQ(lookup(251), QStringList{"NUME 251"});
    EXPECT_EQ(fileNumber(cache()), built) << "the cache was built again for an unchanged table";
    // Deleting it changes nothing but speed.
    QFile::remove(cache());
    EXPECT_EQ(lookup(252), QStringList{"NUME 252"});
    EXPECT_TRUE(QFileInfo::exists(cache()));
}

TEST_F(IndexCache, RebuiltWhenAnotherProgramChangedTheTable)
{
    EXPECT_EQ(lookup(7), QStringList{"NUME 7"});
    const ino_t before = fileNumber(cache());
    int header = 0, length = 0;
    {
        auto t = dbf::Table::open(path);
        header = t->headerLength();
        length = t->recordLength();
    }
    // A record's identifier changed in place: the file keeps its size.
    {
        auto t = dbf::Table::open(path);
        writeBehindTheProgramsBack(header + 99 * length, record(*t, 9000, "SCHIMBAT"), 5);
    }
    EXPECT_EQ(lookup(9000), QStringList{"SCHIMBAT"});
    EXPECT_EQ(lookup(100), QStringList());
    EXPECT_NE(fileNumber(cache()), before);

    // A row appended by another program.
    QByteArray bytes = readAll(path);
    {
        auto t = dbf::Table::open(path);
        QByteArray added = record(*t, 9001, "ADAUGAT");
        bytes.insert(header + kRows * length, added);
        const quint32 count = kRows + 1;
        for (int i = 0; i < 4; ++i)
            bytes[4 + i] = char((count >> (8 * i)) & 0xFF);
    }
    writeAll(path, bytes);
    EXPECT_EQ(lookup(9001), QStringList{"ADAUGAT"});
}

TEST_F(IndexCache, ChangesOfTheProgramItselfAreSavedInIt)
{
    {
        Database db;
        db.setIndexedColumns(path, {"IDCERERE", "DINDATA"});
        const QString t = db.table(path);
        Query q(db);
        q.open(QStringLiteral("SELECT SUBSEMN FROM %1 WHERE IDCERERE = 3").arg(t));
        q.first();
        EXPECT_EQ(q.value(0).toString(), QStringLiteral("NUME 3"));
        q.close();
        db.exec(QStringLiteral("UPDATE %1 SET IDCERERE = 7777 WHERE IDCERERE = 3").arg(t));
        db.exec(QStringLiteral("INSERT INTO %1 (IDCERERE, SUBSEMN) VALUES (8888, 'NOU')").arg(t));
    }
    const ino_t saved = fileNumber(cache());
    EXPECT_EQ(lookup(7777), QStringList{"NUME 3"});
    EXPECT_EQ(lookup(8888), QStringList{"NOU"});
    EXPECT_EQ(lookup(3), QStringList());
    EXPECT_EQ(fileNumber(cache()), saved) << "the cache the writer left was not used";
}

TEST_F(IndexCache, ADamagedCacheIsIgnored)
{
    EXPECT_EQ(lookup(42), QStringList{"NUME 42"});
    const QByteArray good = readAll(cache());
    const struct
    {
        const char *what;
        QByteArray bytes;
    } damages[] = {
        {"cut short", good.left(good.size() / 2)},
        {"empty", QByteArray()},
        {"a byte changed in the entries", QByteArray(good).replace(good.size() - 100, 1, "\x7f")},
        {"junk", QByteArray(good.size(), 'x')},
    };
    for (const auto &d : damages) {
        SCOPED_TRACE(d.what);
        writeAll(cache(), d.bytes);
        for (qint64 id : {qint64(1), qint64(42), qint64(250), qint64(kRows)})
            EXPECT_EQ(lookup(id), QStringList{QStringLiteral("NUME %1").arg(id)});
        // The byte changed is among the dates: the entries of a lookup are
        // checked as it reads them, and a range over every date reads them all.
        EXPECT_EQ(datesFrom(QDate(2000, 1, 1)), kRows);
        EXPECT_EQ(readAll(cache()), good) << "the cache was not written anew";
    }
}

TEST_F(IndexCache, NeverInABackup)
{
    lookup(1);
    ASSERT_TRUE(QFileInfo::exists(cache()));
    const QStringList files = listDataFiles(dir.path());
    EXPECT_TRUE(files.contains(path));
    EXPECT_FALSE(files.contains(cache()));
}

} // namespace
