#include "base/Error.h"
#include "engines/dbf/Dbf.h"

#include "DbfTestSupport.h"
#include "TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace kovara;
using namespace kovara::test;

namespace {

class DbfRebuild : public ::testing::Test
{
protected:
    ScratchDir dir;
    QString path = dir.file(QStringLiteral("Cereri.dbf"));

    // 10 records, numbered 1..10; those in `deleted` (0-based) marked.
    void makeNumbered(const QList<int> &deleted)
    {
        QList<QVariantList> rows;
        for (int i = 0; i < 10; ++i) {
            QVariantList row = {QStringLiteral("Şerban %1").arg(i), i + 1, (i + 1) * 1.5,
                                QDate(2020, 1, 1 + i), i % 2 == 0};
            if (deleted.contains(i))
                row.prepend(QStringLiteral("*"));
            rows.append(row);
        }
        makeTable(path, sampleFields(), rows);
        QByteArray bytes = readAll(path);
        bytes[29] = char(0x57); // a language byte other than ours, to see it kept
        writeAll(path, bytes);
    }

    QStringList folder() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }
};

TEST_F(DbfRebuild, PackRemovesTheDeletedRecordsOnly)
{
    makeNumbered({0, 4, 9});
    const QByteArray old = readAll(path);
    const int header = headerLength(old);
    const int length = recordLength(old);

    EXPECT_EQ(dbf::pack(path), 3);

    const QByteArray now = readAll(path);
    EXPECT_EQ(headerCount(now), 7u);
    ASSERT_EQ(now.size(), header + 7 * length + 1);
    EXPECT_EQ(now.left(1), old.left(1));
    EXPECT_EQ(now.mid(8, header - 8), old.mid(8, header - 8)); // lengths, language, fields
    QByteArray kept;
    for (int i : {1, 2, 3, 5, 6, 7, 8})
        kept += old.mid(header + i * length, length);
    EXPECT_EQ(now.mid(header, 7 * length), kept);
    EXPECT_EQ(now.back(), char(0x1A));
    EXPECT_EQ(folder(), QStringList{QStringLiteral("Cereri.dbf")}) << "no temporary file may stay";
    EXPECT_EQ(dbf::Table::open(path)->recordCount(), 7);
}

TEST_F(DbfRebuild, PackOfAllDeletedLeavesAnEmptyTable)
{
    makeNumbered({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    EXPECT_EQ(dbf::pack(path), 10);
    const QByteArray now = readAll(path);
    EXPECT_EQ(headerCount(now), 0u);
    EXPECT_EQ(now.size(), headerLength(now) + 1);
    EXPECT_EQ(dbf::Table::open(path)->recordCount(), 0);
}

TEST_F(DbfRebuild, PackWithNothingDeletedLeavesTheFileAlone)
{
    makeNumbered({});
    const QByteArray old = readAll(path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const QDateTime past = QDateTime::currentDateTime().addDays(-3);
    ASSERT_TRUE(file.setFileTime(past, QFileDevice::FileModificationTime));
    file.close();
    struct stat before = {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &before), 0);

    EXPECT_EQ(dbf::pack(path), 0);

    struct stat after = {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    EXPECT_EQ(readAll(path), old);
    EXPECT_EQ(folder().size(), 1);
}

TEST_F(DbfRebuild, AddColumnKeepsEveryOtherByte)
{
    const QList<dbf::FieldDef> added = {
        {"HANDI", 'C', 2, 0}, {"SUMA2", 'N', 7, 2}, {"DATA2", 'D', 0, 0}, {"OK2", 'L', 1, 0}};
    makeNumbered({3, 7});
    for (const dbf::FieldDef &def : added) {
        SCOPED_TRACE(def.name.constData());
        const QByteArray old = readAll(path);
        const int header = headerLength(old);
        const int length = recordLength(old);
        const int fields = (header - 33) / 32;

        dbf::addColumn(path, def);

        const QByteArray now = readAll(path);
        const int width = def.type == 'D' ? 8 : def.length;
        ASSERT_EQ(headerLength(now), header + 32);
        ASSERT_EQ(recordLength(now), length + width);
        EXPECT_EQ(headerCount(now), 10u);
        EXPECT_EQ(now[0], old[0]);
        EXPECT_EQ(now.mid(12, 20), old.mid(12, 20)); // language byte included
        EXPECT_EQ(now.mid(32, 32 * fields), old.mid(32, 32 * fields));
        const QByteArray desc = now.mid(32 + 32 * fields, 32);
        EXPECT_EQ(desc.left(11), def.name.leftJustified(11, '\0'));
        EXPECT_EQ(desc[11], def.type);
        EXPECT_EQ(int(desc[16]), width);
        EXPECT_EQ(int(desc[17]), def.decimals);
        EXPECT_EQ(now[header + 32 - 1], char(0x0D));
        ASSERT_EQ(now.size(), header + 32 + 10 * (length + width) + 1);
        for (int i = 0; i < 10; ++i) {
            const QByteArray record = now.mid(header + 32 + i * (length + width), length + width);
            EXPECT_EQ(record.left(length), old.mid(header + i * length, length)) << i;
            EXPECT_EQ(record.mid(length), QByteArray(width, ' ')) << i;
        }
        EXPECT_EQ(now.back(), char(0x1A));
        EXPECT_EQ(folder().size(), 1);
    }
    auto table = dbf::Table::open(path);
    EXPECT_EQ(table->fields().size(), 9);
    EXPECT_TRUE(table->isDeleted(table->readRecord(3)));
    EXPECT_FALSE(table->isDeleted(table->readRecord(4)));
}

TEST_F(DbfRebuild, AddColumnRefusals)
{
    const kovara::test::ShortLockWait shortWait; // the refused writer gives up at once
    makeNumbered({});
    const QByteArray old = readAll(path);
    try {
        dbf::addColumn(path, {"suma", 'C', 2, 0});
        FAIL() << "an existing column was added again";
    } catch (const Error &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("exista deja"))) << e.what();
    }
    EXPECT_THROW(dbf::addColumn(path, {"HANDI", 'C', 0, 0}), Error);
    EXPECT_THROW(dbf::addColumn(path, {"HAN DI", 'C', 2, 0}), Error);
    EXPECT_THROW(dbf::addColumn(dir.file(QStringLiteral("Lipsa.dbf")), {"HANDI", 'C', 2, 0}), Error);
    EXPECT_EQ(readAll(path), old);
    EXPECT_EQ(folder().size(), 1);
    {
        auto writer = dbf::Table::open(path, dbf::Mode::ReadWrite);
        EXPECT_THROW(dbf::addColumn(path, {"HANDI", 'C', 2, 0}), Error);
    }
    EXPECT_EQ(readAll(path), old);
}

} // namespace
