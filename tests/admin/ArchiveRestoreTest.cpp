// Reading archives: round trips, foreign archives, and damaged archives that
// must leave the data folder exactly as it was.
#include "ArchiveTestUtil.h"
#include "base/Error.h"
#include "base/Win1250.h"
#include "engines/archive/Archive.h"

#include <QFileInfo>
#include <QProcess>
#include <functional>
#include <gtest/gtest.h>

using namespace kovara;
using namespace kovara::test;

namespace {

class ArchiveRestore : public ::testing::Test
{
protected:
    void SetUp() override { QDir().mkpath(data()); }
    QString data() const { return dir.file(QStringLiteral("Data")); }
    QString inData(const QString &name) const { return data() + QLatin1Char('/') + name; }
    QString kov() const { return dir.file(QStringLiteral("salvare.kov")); }

    // A data folder in use: tables, settings, a subfolder.
    void fillData()
    {
        writeAll(inData("Cereri.dbf"), recordBytes(20000, 7));
        writeAll(inData("Kovara.ini"), "[INDEX]\r\nIDCERERE=41\r\n");
        QDir().mkpath(inData("Modele"));
        writeAll(inData("Modele/Disp3.rtf"), "{\\rtf1 model}");
    }

    ScratchDir dir;
};

TEST_F(ArchiveRestore, RoundTripKeepsEveryFile)
{
    const QString w1250 = QStringLiteral("Situaţie ăâîşţ ĂÂÎŞŢ.xls");
    const QMap<QString, QByteArray> files{
        {QStringLiteral("gol.dbf"), QByteArray()},
        {QStringLiteral("unu.txt"), QByteArray("A")},
        {QStringLiteral("Cereri.dbf"), recordBytes(6 * 1024 * 1024, 3)},
        {QStringLiteral("aleator.bin"), randomBytes(3 * 1024 * 1024 + 17, 5)},
        {w1250, QByteArray("\x00\x01\xff", 3)},
    };
    for (auto it = files.begin(); it != files.end(); ++it)
        writeAll(inData(it.key()), it.value());
    ASSERT_EQ(backupDataDir(data(), kov()), 4);

    const QString other = dir.file(QStringLiteral("Alt/Data"));
    const QList<ArchiveEntry> entries = restoreDataDir(kov(), other);
    ASSERT_EQ(entries.size(), 4);
    QMap<QString, QByteArray> expected = files;
    expected.remove(QStringLiteral("gol.dbf")); // empty files are never stored
    EXPECT_EQ(snapshot(other), expected);
    for (const ArchiveEntry &e : entries) {
        EXPECT_EQ(e.size, files.value(e.name).size());
        const QByteArray &bytes = files[e.name];
        EXPECT_EQ(e.adler,
                  adler32(1, reinterpret_cast<const Bytef *>(bytes.constData()), uInt(bytes.size())));
    }
}

TEST_F(ArchiveRestore, RestoreReplacesFilesButKeepsSubfolders)
{
    fillData();
    ASSERT_EQ(backupDataDir(data(), kov()), 2);
    writeAll(inData("Cereri.dbf"), "schimbat");
    writeAll(inData("nou.txt"), "adaugat dupa salvare");
    const QByteArray original = recordBytes(20000, 7);

    DecompressFiles(kov(), dir.path());
    const QMap<QString, QByteArray> after = snapshot(data());
    EXPECT_EQ(after.keys(), QStringList({"Cereri.dbf", "Kovara.ini", "Modele", "Modele/Disp3.rtf"}));
    EXPECT_EQ(after.value("Cereri.dbf"), original);
}

// An archive without the request table (the 4-byte archive of no entry
// included) would empty the data folder: it is refused and nothing changes.
TEST_F(ArchiveRestore, AnArchiveWithoutTheTableIsRefused)
{
    fillData();
    const auto before = snapshot(data());
    for (const QByteArray &archive : {int32le(0), handArchive({{"Data\\Kovara.ini", "[CONST]"}})}) {
        writeAll(kov(), archive);
        try {
            restoreDataDir(kov(), data());
            ADD_FAILURE() << "restored an archive without Cereri.dbf";
        } catch (const Error &e) {
            EXPECT_TRUE(e.message().startsWith(QStringLiteral("Arhiva nu contine tabelul cererilor")))
                << e.message().toStdString();
        }
        EXPECT_EQ(snapshot(data()), before);
    }
}

TEST_F(ArchiveRestore, ForeignArchivesAreRead)
{
    // Another level, an empty entry, the folder prefix in capitals.
    writeAll(kov(),
             handArchive({{"Data\\Cereri.dbf", "abc", 6}, {"DATA\\gol.txt", "", 9}, {"Data\\x", "y", 1}}));
    restoreDataDir(kov(), data());
    EXPECT_EQ(snapshot(data()),
              (QMap<QString, QByteArray>{{"Cereri.dbf", "abc"}, {"gol.txt", ""}, {"x", "y"}}));
}

// A process ended right after creating the restore lock leaves it empty:
// it must not block every later restore.
TEST_F(ArchiveRestore, EmptyLockLeftByAKilledRestoreIsCleared)
{
    writeAll(inData(".kovara-restore-lock"), "");
    writeAll(kov(), handArchive({{"Data\\Cereri.dbf", "abc"}}));
    restoreDataDir(kov(), data());
    EXPECT_EQ(snapshot(data()), (QMap<QString, QByteArray>{{"Cereri.dbf", "abc"}}));
}

TEST_F(ArchiveRestore, LetterCaseFollowsTheFilesTheProgramOpens)
{
    // Existing spellings win; with none, the program's own names.
    writeAll(inData("KOVARA.INI"), "vechi");
    writeAll(kov(),
             handArchive({{"Data\\Kovara.ini", "nou"}, {"Data\\CERERI.DBF", "tabel"}, {"Data\\a.txt", "1"}}));
    restoreDataDir(kov(), data());
    EXPECT_EQ(snapshot(data()),
              (QMap<QString, QByteArray>{{"KOVARA.INI", "nou"}, {"Cereri.dbf", "tabel"}, {"a.txt", "1"}}));

    // Two names that differ only in letter case are one file on the
    // offices' Windows: such an archive is refused, by verify as well; so
    // is a name of the program's own restore work.
    const auto before = snapshot(data());
    const QByteArray refused[] = {
        handArchive({{"Data\\Cereri.dbf", "a"}, {"Data\\CERERI.DBF", "b"}}),
        handArchive({{"Data\\Cereri.dbf", "a"}, {"Data\\.kovara-restore-plan", "x"}}),
    };
    for (const QByteArray &archive : refused) {
        writeAll(kov(), archive);
        EXPECT_THROW(VerifyArchive(kov()), Error);
        EXPECT_THROW(restoreDataDir(kov(), data()), Error);
        EXPECT_EQ(snapshot(data()), before);
    }
}

TEST_F(ArchiveRestore, LinksAreReplacedNeverWrittenThrough)
{
    // A link to a file outside is replaced by the restored file (the file
    // outside stays as it was); a link to a folder counts as a subfolder.
    const QString outsideFile = dir.file(QStringLiteral("afara.dbf"));
    const QString outsideDir = dir.file(QStringLiteral("AfaraDosar"));
    writeAll(outsideFile, "afara");
    QDir().mkpath(outsideDir);
    writeAll(outsideDir + QStringLiteral("/f.txt"), "in dosar");
    ASSERT_TRUE(QFile::link(outsideFile, inData("Cereri.dbf")));
    ASSERT_TRUE(QFile::link(outsideDir, inData("Legatura")));

    // A backup stores the folder's own files only: the link is named, not followed.
    QStringList skipped;
    ASSERT_EQ(backupDataDir(data(), kov(), {}, &skipped), 0);
    EXPECT_EQ(skipped, QStringList{QStringLiteral("Cereri.dbf")});
    EXPECT_FALSE(QFileInfo::exists(kov()));
    writeAll(kov(), handArchive({{"Data\\Cereri.dbf", "din arhiva"}}));
    restoreDataDir(kov(), data());
    EXPECT_EQ(readAll(outsideFile), QByteArray("afara"));
    EXPECT_FALSE(QFileInfo(inData("Cereri.dbf")).isSymLink());
    EXPECT_EQ(readAll(inData("Cereri.dbf")), QByteArray("din arhiva"));
    EXPECT_TRUE(QFileInfo(inData("Legatura")).isSymLink());
    EXPECT_EQ(readAll(outsideDir + QStringLiteral("/f.txt")), QByteArray("in dosar"));
}

TEST_F(ArchiveRestore, ArchiveKeptInTheDataFolderSurvives)
{
    fillData();
    const QString inside = inData("salvare.kov");
    backupDataDir(data(), inside);
    const QByteArray bytes = readAll(inside);
    restoreDataDir(inside, data());
    EXPECT_EQ(readAll(inside), bytes);
}

TEST_F(ArchiveRestore, MissingArchiveIsReported)
{
    try {
        restoreDataDir(kov(), data());
        FAIL();
    } catch (const Error &e) {
        EXPECT_EQ(e.message(),
                  QStringLiteral("Salvarea %1 nu exista !").arg(QDir::toNativeSeparators(kov())));
    }
}

// Damaged archives: each is refused by VerifyArchive and by a restore,
// and the restore leaves the data folder and its parent byte-identical.
struct Damage
{
    const char *what;
    std::function<QByteArray(QByteArray)> apply;
};

// The good archive used below: two entries, Cereri.dbf (27 + 15 bytes of
// header) then Kovara.ini.
QByteArray goodArchive()
{
    return handArchive({{"Data\\Cereri.dbf", recordBytes(40000, 9)}, {"Data\\Kovara.ini", "[A]\r\nB=1\r\n"}});
}

const qsizetype kFirstStream = 4 + 4 + 15 + 4;

QByteArray withInt32(QByteArray a, qsizetype at, qint32 v)
{
    a.replace(at, 4, int32le(v));
    return a;
}

QByteArray renamed(const QByteArray &to)
{
    return handArchive({{"Data\\Cereri.dbf", "abc"}, {to, "rau"}});
}

const Damage kDamages[] = {
    {"empty file", [](QByteArray) { return QByteArray(); }},
    {"cut inside the count", [](QByteArray a) { return a.first(3); }},
    {"cut inside a name", [](QByteArray a) { return a.first(12); }},
    {"cut inside a stream", [](QByteArray a) { return a.first(kFirstStream + 20); }},
    {"last checksum byte missing", [](QByteArray a) { return a.chopped(1); }},
    {"byte flipped in a stream",
     [](QByteArray a) {
         a[kFirstStream + 40] = char(a[kFirstStream + 40] ^ 0x10);
         return a;
     }},
    {"checksum changed",
     [](QByteArray a) {
         a[a.size() - 1] = char(a[a.size() - 1] ^ 1);
         return a;
     }},
    {"size one larger", [](QByteArray a) { return withInt32(a, kFirstStream - 4, 40001); }},
    {"size one smaller", [](QByteArray a) { return withInt32(a, kFirstStream - 4, 39999); }},
    {"negative size", [](QByteArray a) { return withInt32(a, kFirstStream - 4, -5); }},
    {"absurd size", [](QByteArray a) { return withInt32(a, kFirstStream - 4, 0x7FFFFFFF); }},
    {"one entry more", [](QByteArray a) { return withInt32(a, 0, 3); }},
    {"negative count", [](QByteArray a) { return withInt32(a, 0, -1); }},
    {"absurd count", [](QByteArray a) { return withInt32(a, 0, 0x7FFFFFFF); }},
    {"negative name length", [](QByteArray a) { return withInt32(a, 4, -15); }},
    {"absurd name length", [](QByteArray a) { return withInt32(a, 4, 0x7FFFFFF0); }},
    {"trailing garbage", [](QByteArray a) { return a + "XYZ"; }},
    {"one trailing zero", [](QByteArray a) { return a + QByteArray(1, '\0'); }},
    {"not zlib (gzip)",
     [](QByteArray) {
         return int32le(1) + int32le(6) + "Data\\a" + int32le(3) +
                fromHex("1f8b0800000000000003 4b4c4a0600c2412435 03000000");
     }},
    {"name with ..", [](QByteArray) { return renamed("Data\\..\\..\\evadat.txt"); }},
    {"name ..", [](QByteArray) { return renamed("Data\\.."); }},
    {"name with a slash", [](QByteArray) { return renamed("Data\\Sub/../../evadat.txt"); }},
    {"absolute name", [](QByteArray) { return renamed("/tmp/evadat.txt"); }},
    {"drive letter", [](QByteArray) { return renamed("C:\\evadat.txt"); }},
    {"drive letter after the folder", [](QByteArray) { return renamed("Data\\C:evadat.txt"); }},
    {"outside the Data folder", [](QByteArray) { return renamed("evadat.txt"); }},
    {"folder only", [](QByteArray) { return renamed("Data\\"); }},
    {"control character", [](QByteArray) { return renamed(QByteArray("Data\\a\0b", 8)); }},
    {"same name twice", [](QByteArray) { return renamed("Data\\Cereri.dbf"); }},
    {"entry onto a subfolder", [](QByteArray) { return renamed("Data\\modele"); }},
};

class DamagedArchive : public ArchiveRestore, public ::testing::WithParamInterface<Damage>
{
};

TEST_P(DamagedArchive, IsRefusedAndChangesNothing)
{
    fillData();
    writeAll(kov(), GetParam().apply(goodArchive()));
    const QMap<QString, QByteArray> before = snapshot(dir.path());

    if (QByteArray(GetParam().what) != "entry onto a subfolder") {
        EXPECT_THROW(VerifyArchive(kov()), Error);
    }
    try {
        restoreDataDir(kov(), data());
        ADD_FAILURE() << "restored";
    } catch (const Error &e) {
        EXPECT_FALSE(e.message().isEmpty());
    }
    EXPECT_EQ(snapshot(dir.path()), before);
    EXPECT_FALSE(QFileInfo::exists(QDir::tempPath() + QStringLiteral("/evadat.txt")));
}

INSTANTIATE_TEST_SUITE_P(Archive, DamagedArchive, ::testing::ValuesIn(kDamages),
                         [](const ::testing::TestParamInfo<Damage> &info) {
                             std::string n;
                             for (const char c : std::string(info.param.what))
                                 n += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return n;
                         });

TEST_F(ArchiveRestore, RefusedRestoreCreatesNoDataFolder)
{
    writeAll(kov(), goodArchive().chopped(3));
    const QString absent = dir.file(QStringLiteral("Nou/Data"));
    EXPECT_THROW(restoreDataDir(kov(), absent), Error);
    EXPECT_FALSE(QFileInfo::exists(absent));
}

// A file that cannot be moved (here: immutable) stops the swap half-way; the
// files already moved go back and the folder is as it was.
TEST_F(ArchiveRestore, FileThatCannotBeReplacedPutsEverythingBack)
{
    fillData();
    writeAll(kov(), goodArchive());
    writeAll(inData("zz.txt"), "blocat");
    const auto chattr = [&](const char *flag) {
        return QProcess::execute(QStringLiteral("chattr"), {QString::fromLatin1(flag), inData("zz.txt")}) ==
               0;
    };
    if (!chattr("+i"))
        GTEST_SKIP() << "chattr is not available here";
    const QMap<QString, QByteArray> before = snapshot(dir.path());
    try {
        restoreDataDir(kov(), data());
        ADD_FAILURE() << "restored";
    } catch (const IncompleteRestore &) {
        ADD_FAILURE() << "the old files were not put back";
    } catch (const Error &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("ramas neschimbat"))) << e.message().toStdString();
    }
    chattr("-i");
    EXPECT_EQ(snapshot(dir.path()), before);
}

TEST_F(ArchiveRestore, GoodArchiveOfTheTableRestores)
{
    // The table above starts from an archive that is itself sound.
    writeAll(kov(), goodArchive());
    EXPECT_EQ(VerifyArchive(kov()).size(), 2);
    restoreDataDir(kov(), data());
    EXPECT_EQ(readAll(inData("Cereri.dbf")), recordBytes(40000, 9));
}

} // namespace
