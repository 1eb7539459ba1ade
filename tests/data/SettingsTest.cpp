#include "data/Settings.h"
#include "TestSupport.h"
#include "base/Error.h"
#include "base/Paths.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace kovara;
using kovara::test::readAll;
using kovara::test::ScratchDir;
using kovara::test::writeAll;

namespace {

// A settings file as Windows writes it: CR LF, Windows-1250 letters,
// backslashes, commas, quotes, comments, keys in mixed case.
const QByteArray kWindowsIni("; Setari Kovara\r\n"
                             "[CONSTANTE]\r\n"
                             "PRIMARIA=PRIMARIA COMUNEI S\xC2NMART\r\n"
                             "Localit = Bra\xBAov  \r\n"
                             "judet=brasov\r\n"
                             "Primar=\"  Ion \xDE\x65pe\xBA \"\r\n"
                             "CF=0012345\r\n"
                             "Cale=C:\\Kovara\\Data\\\r\n"
                             "Lista=a,b, c\r\n"
                             "Formula=x=y+1\r\n"
                             "\r\n"
                             "; contoare\r\n"
                             "[index]\r\n"
                             "IdCerere=17\r\n"
                             "\r\n"
                             "[VAR]\r\n"
                             "CUANTUM=204\r\n");

class SettingsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setProgramDir(m_dir.path());
        QDir(m_dir.path()).mkdir("Data");
    }
    QString dataFile(const QString &name) const { return m_dir.path() + "/Data/" + name; }
    QStringList dataEntries() const
    {
        return QDir(m_dir.path() + "/Data").entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

    ScratchDir m_dir;
};

TEST_F(SettingsTest, PathIsInTheDataFolder)
{
    EXPECT_EQ(QDir::fromNativeSeparators(SettingsPath()), dataFile("Kovara.ini"));
}

TEST_F(SettingsTest, FreshDataFolderReadsEmptyAndCreatesNothing)
{
    const char *keys[][2] = {{"CONSTANTE", "PRIMARIA"}, {"CONSTANTE", "NREX"}, {"CONST", "VERSIUNE"},
                             {"INDEX", "IDCERERE"},     {"INDEX", "NR2"},      {"VAR", "CUANTUM"}};
    for (const auto &k : keys)
        EXPECT_EQ(ReadSetting(k[0], k[1]), QString()) << k[0] << "/" << k[1];
    EXPECT_TRUE(dataEntries().isEmpty());
}

TEST_F(SettingsTest, WindowsFileReadsBackExactly)
{
    writeAll(dataFile("Kovara.ini"), kWindowsIni);
    const struct
    {
        const char *section, *key;
        QString expected;
    } cases[] = {
        {"CONSTANTE", "PRIMARIA", QString::fromUtf8("PRIMARIA COMUNEI SÂNMART")},
        {"CONSTANTE", "LOCALIT", QString::fromUtf8("Braşov")},
        {"CONSTANTE", "JUDET", "brasov"},
        {"CONSTANTE", "PRIMAR", QString::fromUtf8("  Ion Ţepeş ")},
        {"CONSTANTE", "CF", "0012345"},
        {"constante", "cale", "C:\\Kovara\\Data\\"},
        {"CONSTANTE", "LISTA", "a,b, c"},
        {"CONSTANTE", "FORMULA", "x=y+1"},
        {"INDEX", "IDCERERE", "17"},
        {"VAR", "CUANTUM", "204"},
        {"VAR", "CUANTUM2", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ReadSetting(c.section, c.key), c.expected) << c.section << "/" << c.key;
}

TEST_F(SettingsTest, OneWriteChangesOnlyThatValue)
{
    writeAll(dataFile("Kovara.ini"), kWindowsIni);
    WriteSetting("CONSTANTE", "LOCALIT", QString::fromUtf8("Târgu Mureș"));
    QByteArray expected = kWindowsIni;
    expected.replace("Localit = Bra\xBAov  \r\n", "Localit = T\xE2rgu Mure\xBA\r\n");
    EXPECT_EQ(readAll(dataFile("Kovara.ini")), expected);

    WriteSetting("INDEX", "NR2", "5");
    expected.replace("IdCerere=17\r\n", "IdCerere=17\r\nNR2=5\r\n");
    EXPECT_EQ(readAll(dataFile("Kovara.ini")), expected);
    EXPECT_EQ(dataEntries(), QStringList{"Kovara.ini"}); // no temporary file left behind
}

TEST_F(SettingsTest, WriteCreatesFileAndReadsBackAtOnce)
{
    WriteSetting("CONSTANTE", "PRIMAR", "Ion Pop");
    EXPECT_EQ(ReadSetting("CONSTANTE", "PRIMAR"), "Ion Pop");
    WriteSetting("CONSTANTE", "PRIMAR", "Ana Pop");
    EXPECT_EQ(ReadSetting("CONSTANTE", "PRIMAR"), "Ana Pop");
    WriteSetting("CONST", "VERSIUNE", "1.25");
    EXPECT_EQ(readAll(dataFile("Kovara.ini")),
              QByteArray("[CONSTANTE]\r\nPRIMAR=Ana Pop\r\n[CONST]\r\nVERSIUNE=1.25\r\n"));
}

TEST_F(SettingsTest, DeletedFileReadsEmpty)
{
    WriteSetting("INDEX", "IDCERERE", "9");
    ASSERT_TRUE(QFile::remove(dataFile("Kovara.ini")));
    EXPECT_EQ(ReadSetting("INDEX", "IDCERERE"), QString());
}

TEST_F(SettingsTest, FileNameInOtherCaseIsUsed)
{
    writeAll(dataFile("KOVARA.INI"), "[INDEX]\r\nIDCERERE=4\r\n");
    EXPECT_EQ(QFileInfo(SettingsPath()).fileName(), "KOVARA.INI");
    EXPECT_EQ(ReadSetting("INDEX", "IDCERERE"), "4");
    WriteSetting("INDEX", "IDCERERE", "5");
    EXPECT_EQ(readAll(dataFile("KOVARA.INI")), QByteArray("[INDEX]\r\nIDCERERE=5\r\n"));
    EXPECT_EQ(dataEntries(), QStringList{"KOVARA.INI"});
}

TEST_F(SettingsTest, MissingDataFolderFailsToWrite)
{
    ASSERT_TRUE(QDir(m_dir.path() + "/Data").removeRecursively());
    EXPECT_THROW(WriteSetting("INDEX", "IDCERERE", "2"), Error);
    EXPECT_FALSE(QFileInfo::exists(m_dir.path() + "/Data"));
}

TEST_F(SettingsTest, UnreadableFileFailsAndIsNeverReplaced)
{
    // A folder in place of the file: it exists but cannot be read as a file.
    ASSERT_TRUE(QDir().mkdir(dataFile("Kovara.ini")));
    EXPECT_THROW(ReadSetting("INDEX", "IDCERERE"), Error);
    EXPECT_THROW(WriteSetting("INDEX", "IDCERERE", "2"), Error);
    EXPECT_TRUE(QFileInfo(dataFile("Kovara.ini")).isDir());
}

TEST_F(SettingsTest, RefusedValueLeavesTheFileUnchanged)
{
    writeAll(dataFile("Kovara.ini"), kWindowsIni);
    EXPECT_THROW(WriteSetting("VAR", "JUDSUBSEMNAT", "CLUJ\r\n[INDEX]\r\nIDCERERE=1"), Error);
    EXPECT_EQ(readAll(dataFile("Kovara.ini")), kWindowsIni);
}

// The municipality constants.

TEST_F(SettingsTest, LoadConstantsTakesTheNineKeys)
{
    writeAll(dataFile("Kovara.ini"), kWindowsIni + "[CONSTANTE]\r\nSECRETAR=nu aici\r\n");
    Constants() = MunicipalityConstants{"x", "x", "x", "x", "x", "x", "x", "x", "x"};
    LoadConstants();
    const MunicipalityConstants &c = Constants();
    EXPECT_EQ(c.PRIMARIA, QString::fromUtf8("PRIMARIA COMUNEI SÂNMART"));
    EXPECT_EQ(c.LOCALIT, QString::fromUtf8("Braşov"));
    EXPECT_EQ(c.JUDET, "BRASOV");
    EXPECT_EQ(c.PRIMAR, QString::fromUtf8("  Ion Ţepeş "));
    EXPECT_EQ(c.SECRETAR, "nu aici");
    EXPECT_EQ(c.DIRECTOR, "");
    EXPECT_EQ(c.INTOCMIT, "");
    EXPECT_EQ(c.AVIZAT, "");
    EXPECT_EQ(c.CF, "0012345");
}

TEST_F(SettingsTest, CountyIsKeptOnlyWhenInTheList)
{
    const struct
    {
        const char *stored, *loaded;
    } cases[] = {{"CLUJ", "CLUJ"}, {"cluj", "CLUJ"},  {"Satu-Mare", "SATU-MARE"},
                 {"  IASI  ", ""}, {"SATU MARE", ""}, {"Bucharest", ""},
                 {"ARGEŞ", ""},    {"", ""},          {"bistrita-nasaud", "BISTRITA-NASAUD"}};
    for (const auto &c : cases) {
        WriteSetting("CONSTANTE", "JUDET", QString::fromUtf8(c.stored)); // blanks kept through quotes
        LoadConstants();
        EXPECT_EQ(Constants().JUDET, c.loaded) << c.stored;
    }
    writeAll(dataFile("Kovara.ini"), "[CONSTANTE]\r\nJUDET =  iasi  \r\n"); // blanks of the line dropped
    LoadConstants();
    EXPECT_EQ(Constants().JUDET, "IASI");
}

TEST_F(SettingsTest, SaveConstantsWritesNineKeysInOrder)
{
    Constants() = MunicipalityConstants{
        "PRIMARIA ORASULUI", "Sighișoara", "MURES", "Ion", "Ana", "Dan", "Maria", "Vasile", "4322"};
    SaveConstants();
    EXPECT_EQ(readAll(dataFile("Kovara.ini")), QByteArray("[CONSTANTE]\r\n"
                                                          "PRIMARIA=PRIMARIA ORASULUI\r\n"
                                                          "LOCALIT=Sighi\xBAoara\r\n"
                                                          "JUDET=MURES\r\n"
                                                          "PRIMAR=Ion\r\n"
                                                          "SECRETAR=Ana\r\n"
                                                          "DIRECTOR=Dan\r\n"
                                                          "INTOCMIT=Maria\r\n"
                                                          "AVIZAT=Vasile\r\n"
                                                          "CF=4322\r\n"));
    Constants() = MunicipalityConstants{};
    LoadConstants();
    EXPECT_EQ(Constants().LOCALIT, QString::fromUtf8("Sighişoara"));
    EXPECT_EQ(Constants().CF, "4322");
}

TEST_F(SettingsTest, SaveConstantsKeepsTheRestOfTheFile)
{
    writeAll(dataFile("Kovara.ini"), kWindowsIni);
    LoadConstants();
    Constants().PRIMAR = "Gheorghe";
    SaveConstants();
    const QByteArray after = readAll(dataFile("Kovara.ini"));
    for (const char *kept :
         {"; Setari Kovara\r\n", "Cale=C:\\Kovara\\Data\\\r\n", "[index]\r\nIdCerere=17\r\n",
          "[VAR]\r\nCUANTUM=204\r\n", "Primar=Gheorghe\r\n", "judet=BRASOV\r\n"})
        EXPECT_TRUE(after.contains(kept)) << kept;
    EXPECT_EQ(after.count("PRIMAR"), 2); // PRIMARIA and Primar, each once
}

TEST_F(SettingsTest, SaveConstantsWritesAllOrNothing)
{
    writeAll(dataFile("Kovara.ini"), kWindowsIni);
    LoadConstants();
    Constants().PRIMARIA = "NOUA";
    Constants().AVIZAT = "rand\ndoi";
    EXPECT_THROW(SaveConstants(), Error);
    EXPECT_EQ(readAll(dataFile("Kovara.ini")), kWindowsIni);
}

TEST_F(SettingsTest, ConstantsStayInMemoryUntilLoadedAgain)
{
    writeAll(dataFile("Kovara.ini"), kWindowsIni);
    LoadConstants();
    ASSERT_TRUE(QFile::remove(dataFile("Kovara.ini")));
    EXPECT_EQ(Constants().CF, "0012345");
    LoadConstants();
    EXPECT_EQ(Constants().CF, "");
    EXPECT_EQ(Constants().JUDET, "");
}

TEST_F(SettingsTest, FailedLoadKeepsTheConstants)
{
    writeAll(dataFile("Kovara.ini"), kWindowsIni);
    LoadConstants();
    ASSERT_TRUE(QFile::remove(dataFile("Kovara.ini")));
    ASSERT_TRUE(QDir().mkdir(dataFile("Kovara.ini")));
    EXPECT_THROW(LoadConstants(), Error);
    EXPECT_EQ(Constants().JUDET, "BRASOV");
}

TEST(Counties, OfficialListAndCodes)
{
    const QStringList &counties = Counties();
    ASSERT_EQ(counties.size(), 42);
    QStringList unique = counties;
    EXPECT_EQ(unique.removeDuplicates(), 0);
    const struct
    {
        const char *name;
        int code;
    } cases[] = {{"ALBA", 1},    {"ARAD", 2},           {"BISTRITA-NASAUD", 6}, {"BRASOV", 8},
                 {"BRAILA", 9},  {"CARAS-SEVERIN", 11}, {"CALARASI", 12},       {"DAMBOVITA", 16},
                 {"IASI", 24},   {"SATU-MARE", 32},     {"SALAJ", 33},          {"VASLUI", 39},
                 {"VALCEA", 40}, {"VRANCEA", 41},       {"BUCURESTI", 42},      {"cluj", 13},
                 {"", 0},        {"BUCHAREST", 0},      {"SATU MARE", 0}};
    for (const auto &c : cases)
        EXPECT_EQ(CountyCode(c.name), c.code) << c.name;
    for (int i = 0; i < counties.size(); ++i)
        EXPECT_EQ(CountyCode(counties[i]), i + 1) << counties[i].toStdString();
}

// The registry values, kept in a scratch store.

class RegistryTest : public ::testing::Test
{
protected:
    void SetUp() override { setRegistryPath(m_dir.file("24.ini")); }
    void TearDown() override { setRegistryPath(QString()); }
    ScratchDir m_dir;
};

TEST_F(RegistryTest, ValuesSurviveANewOpeningOfTheKey)
{
    EXPECT_EQ(ReadRegValue("Erori"), QString());
    const struct
    {
        const char *name;
        QString value;
    } values[] = {{"CALE", "C:\\Program Files\\Kovara"},
                  {"VER", "Kovara v.1.25"},
                  {"Erori", "a,b; \"c\" =d @Variant(x) %41"},
                  {"Diacritice", QString::fromUtf8("ăîâșț")},
                  {"Gol", ""}};
    for (const auto &v : values)
        WriteRegValue(v.name, v.value);
    // Each call opens the key anew, as after a restart.
    for (const auto &v : values)
        EXPECT_EQ(ReadRegValue(v.name), v.value) << v.name;
    EXPECT_TRUE(QFileInfo::exists(m_dir.file("24.ini")));
}

TEST_F(RegistryTest, NamesIgnoreLetterCase)
{
    WriteRegValue("Erori", "1");
    EXPECT_EQ(ReadRegValue("ERORI"), "1");
    WriteRegValue("erori", "2");
    EXPECT_EQ(ReadRegValue("Erori"), "2");
}

TEST_F(RegistryTest, WriteFailureIsReported)
{
    writeAll(m_dir.file("fisier"), "x");
    setRegistryPath(m_dir.file("fisier/24.ini"));
    EXPECT_THROW(WriteRegValue("CALE", "x"), Error);
}

} // namespace
