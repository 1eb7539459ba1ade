// Writing archives: the bytes of the format, the file list, the names.
#include "ArchiveTestUtil.h"
#include "base/Error.h"
#include "base/Win1250.h"
#include "engines/archive/Archive.h"
#include "engines/archive/ParallelDeflate.h"

#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>
#include <new>

using namespace kovara;
using namespace kovara::test;

namespace {

class ArchiveWrite : public ::testing::Test
{
protected:
    void SetUp() override { QDir().mkpath(data()); }
    QString data() const { return dir.file(QStringLiteral("Data")); }
    QString inData(const QString &name) const { return data() + QLatin1Char('/') + name; }
    QString kov() const { return dir.file(QStringLiteral("salvare.kov")); }

    ScratchDir dir;
};

// Length of the zlib stream at the start of `bytes`, found by inflating it.
qsizetype streamLength(const QByteArray &bytes, QByteArray *inflated)
{
    z_stream zs{};
    inflateInit(&zs);
    QByteArray out(64 * 1024 * 1024, '\0');
    zs.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(bytes.constData()));
    zs.avail_in = uInt(bytes.size());
    zs.next_out = reinterpret_cast<Bytef *>(out.data());
    zs.avail_out = uInt(out.size());
    const int rc = inflate(&zs, Z_FINISH);
    const qsizetype used = bytes.size() - zs.avail_in;
    out.truncate(qsizetype(zs.total_out));
    inflateEnd(&zs);
    *inflated = out;
    return rc == Z_STREAM_END ? used : -1;
}

TEST_F(ArchiveWrite, TwoFileExampleToTheByte)
{
    const QByteArray cereri = recordBytes(5000, 1);
    const QByteArray ini = "[CONSTANTE]\r\nPRIMARIA=Primaria Brasov\r\n";
    writeAll(inData("Cereri.dbf"), cereri);
    writeAll(inData("Kovara.ini"), ini);

    EXPECT_EQ(backupDataDir(data(), kov()), 2);
    const QByteArray a = readAll(kov());

    EXPECT_EQ(a.first(8), fromHex("02000000 0F000000"));
    EXPECT_EQ(a.sliced(8, 15), QByteArray("Data\\Cereri.dbf"));
    EXPECT_EQ(a.sliced(23, 4), int32le(qint32(cereri.size())));
    EXPECT_EQ(a.sliced(27, 2), fromHex("78 DA"));

    QByteArray inflated;
    const qsizetype len = streamLength(a.sliced(27), &inflated);
    ASSERT_GT(len, 0);
    EXPECT_EQ(inflated, cereri);
    EXPECT_EQ(a.sliced(27, len), zlibStream(cereri, 9)); // the bytes zlib gives at level 9
    const quint32 adler =
        adler32(1, reinterpret_cast<const Bytef *>(cereri.constData()), uInt(cereri.size()));
    EXPECT_EQ(a.sliced(27 + len - 4, 4), fromHex(QByteArray::number(adler, 16).rightJustified(8, '0')));

    const qsizetype second = 27 + len;
    EXPECT_EQ(a.sliced(second, 4), int32le(15));
    EXPECT_EQ(a.sliced(second + 4, 15), QByteArray("Data\\Kovara.ini"));
    EXPECT_EQ(a.sliced(second + 19, 4), int32le(qint32(ini.size())));
    EXPECT_EQ(a.sliced(second + 23), zlibStream(ini, 9)); // and nothing after it
}

TEST_F(ArchiveWrite, ALargeFileIsOneStreamThatEveryReaderRestores)
{
    // Over two blocks, so compressed on every core; the small file after it
    // keeps the single stream.
    const qint64 block = archive::kDeflateBlockSize;
    const QByteArray cereri = recordBytes(3 * block + 12345, 21) + randomBytes(block / 2, 21);
    const QByteArray ini = "[CONSTANTE]\r\nPRIMARIA=Primaria Brasov\r\n";
    writeAll(inData("Cereri.dbf"), cereri);
    writeAll(inData("Kovara.ini"), ini);
    ASSERT_EQ(backupDataDir(data(), kov()), 2);

    const QByteArray a = readAll(kov());
    QByteArray inflated;
    const qsizetype len = streamLength(a.sliced(27), &inflated);
    ASSERT_GT(len, 0);
    EXPECT_EQ(inflated, cereri);
    EXPECT_EQ(a.sliced(27 + len + 23), zlibStream(ini, 9));

    const QString restored = dir.file(QStringLiteral("Restaurat"));
    QDir().mkpath(restored);
    restoreDataDir(kov(), restored);
    EXPECT_EQ(readAll(restored + QStringLiteral("/Cereri.dbf")), cereri);
    EXPECT_EQ(readAll(restored + QStringLiteral("/Kovara.ini")), ini);

    const QString python = QStringLiteral("/usr/bin/python3");
    KOVARA_NEEDS(QFileInfo::exists(python), "python3");
    const QString unpacked = dir.file(QStringLiteral("python"));
    QDir().mkpath(unpacked);
    QProcess p;
    p.start(python, {sourcePath(QStringLiteral("tests/admin/kov_unpack.py")), kov(), unpacked});
    ASSERT_TRUE(p.waitForFinished(120000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    EXPECT_EQ(p.readAllStandardOutput(), QByteArray("Cereri.dbf\nKovara.ini\n"));
    EXPECT_EQ(readAll(unpacked + QStringLiteral("/1")), cereri);
    EXPECT_EQ(readAll(unpacked + QStringLiteral("/2")), ini);
}

TEST_F(ArchiveWrite, AFailureOnACompressingThreadKeepsTheOldArchive)
{
    if (archive::deflateThreads() < 2)
        GTEST_SKIP() << "one core: every file is compressed on the calling thread";
    const QByteArray old = "arhiva veche";
    writeAll(kov(), old);
    writeAll(inData("Cereri.dbf"), recordBytes(4 * archive::kDeflateBlockSize, 2));
    struct Hook
    {
        Hook()
        {
            archive::ParallelDeflate::setBlockHook([](qint64 i) {
                if (i == 2)
                    throw std::bad_alloc();
            });
        }
        ~Hook() { archive::ParallelDeflate::setBlockHook({}); }
    } hook;
    try {
        backupDataDir(data(), kov());
        ADD_FAILURE() << "saved";
    } catch (const Error &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Compresia nu poate fi pornita (memorie insuficienta)."));
    }
    EXPECT_EQ(readAll(kov()), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("salvare.kov")});
}

TEST_F(ArchiveWrite, NothingToSaveWritesNoArchive)
{
    // An empty folder, then one with only empty files and a subfolder.
    EXPECT_EQ(backupDataDir(data(), kov()), 0);
    EXPECT_FALSE(QFileInfo::exists(kov()));
    writeAll(inData("Gol.txt"), {});
    QDir().mkpath(inData("Modele"));
    writeAll(inData("Modele/Disp3.rtf"), "{\\rtf1}");
    EXPECT_EQ(backupDataDir(data(), kov()), 0);
    EXPECT_FALSE(QFileInfo::exists(kov()));
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("tmp")));
}

TEST_F(ArchiveWrite, ListSkipsEmptyFilesAndSubfoldersInListingOrder)
{
    for (const char *name : {"b.txt", "Cereri.dbf", "a.txt", ".ascuns", "Zeta.ini"})
        writeAll(inData(QString::fromLatin1(name)), "x");
    writeAll(inData("gol.dbf"), {});
    QDir().mkpath(inData("Sub"));
    writeAll(inData("Sub/in.txt"), "y");

    QStringList names;
    for (const QString &p : ListFileDir(dir.path()))
        names << QFileInfo(p).fileName();
    EXPECT_EQ(names, QStringList({".ascuns", "a.txt", "b.txt", "Cereri.dbf", "Zeta.ini"}));
    EXPECT_EQ(ListFileDir(dir.path()).first(), dir.path() + QStringLiteral("/Data/.ascuns"));

    EXPECT_EQ(backupDataDir(data(), kov()), 5);
    const QList<ArchiveEntry> entries = VerifyArchive(kov());
    ASSERT_EQ(entries.size(), 5);
    EXPECT_EQ(entries[3].name, QStringLiteral("Cereri.dbf"));
}

TEST_F(ArchiveWrite, NamesAreStoredInWindows1250)
{
    const QString name = QStringLiteral("Dispoziţie ăâîşţ.rtf");
    writeAll(inData(name), "continut");
    backupDataDir(data(), kov());
    const QByteArray a = readAll(kov());
    const QByteArray stored = QByteArray("Data\\") + toWin1250(name);
    EXPECT_EQ(a.sliced(4, 4), int32le(qint32(stored.size())));
    EXPECT_EQ(a.sliced(8, stored.size()), stored);
    EXPECT_EQ(VerifyArchive(kov()).first().name, name);
}

TEST_F(ArchiveWrite, NamesThatCannotBeStoredAreRefusedBeforeWriting)
{
    const QByteArray old = "arhiva veche";
    writeAll(kov(), old);
    for (const QString &name :
         {QStringLiteral("a\\b.txt"), QStringLiteral("nume\u4E2D.txt"), QStringLiteral("c:d")}) {
        QDir(data()).removeRecursively();
        QDir().mkpath(data());
        writeAll(inData("Cereri.dbf"), "date");
        writeAll(inData(name), "x");
        EXPECT_THROW(backupDataDir(data(), kov()), Error) << name.toStdString();
        EXPECT_EQ(readAll(kov()), old) << name.toStdString();
    }
}

TEST_F(ArchiveWrite, FileOf2GBIsRefusedBeforeWriting)
{
    // The sizes are signed 32-bit; a (sparse) file of 2^31 bytes cannot be stored.
    writeAll(inData("Cereri.dbf"), "date");
    QFile big(inData("Mare.dbf"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly) && big.resize(qint64(1) << 31));
    big.close();
    try {
        backupDataDir(data(), kov());
        ADD_FAILURE() << "saved";
    } catch (const Error &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("2 GB"))) << e.message().toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(kov()));
}

TEST_F(ArchiveWrite, FailedBackupKeepsTheOldArchive)
{
    const QByteArray old = "arhiva veche";
    writeAll(kov(), old);
    writeAll(inData("Cereri.dbf"), "date");
    const QStringList files{inData("Cereri.dbf"), inData("lipsa.dbf")};
    EXPECT_THROW(CompressFiles(files, kov()), Error);
    EXPECT_EQ(readAll(kov()), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("salvare.kov")});
}

TEST_F(ArchiveWrite, ArchiveInsideTheDataFolderIsNotSavedIntoItself)
{
    writeAll(inData("Cereri.dbf"), "date");
    const QString inside = inData("salvare.kov");
    ASSERT_EQ(backupDataDir(data(), inside), 1);
    ASSERT_EQ(backupDataDir(data(), inside), 1); // replaces it, still one entry
    EXPECT_EQ(VerifyArchive(inside).size(), 1);
}

TEST_F(ArchiveWrite, ProgressCountsEveryFile)
{
    for (const char *name : {"a", "b", "c"})
        writeAll(inData(QString::fromLatin1(name)), "x");
    QList<std::pair<int, int>> seen;
    backupDataDir(data(), kov(), [&](int pos, int max) { seen.append({pos, max}); });
    EXPECT_EQ(seen, (QList<std::pair<int, int>>{{0, 3}, {1, 3}, {2, 3}}));
    seen.clear();
    VerifyArchive(kov(), [&](int pos, int max) { seen.append({pos, max}); });
    EXPECT_EQ(seen, (QList<std::pair<int, int>>{{1, 3}, {2, 3}, {3, 3}}));
}

} // namespace
