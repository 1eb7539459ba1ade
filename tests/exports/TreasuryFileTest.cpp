// The treasury file, its name and checks, and what its annexes read back:
// annex 2 as a workbook (through xlrd) and the values of annex 3.

#include "exports/TreasuryFile.h"
#include "ExportFixture.h"
#include "data/Workspace.h"
#include "documents/Models.h"
#include "engines/rtf/RtfReplace.h"
#include "exports/ReportCommon.h"
#include "exports/TreasuryAnnex3.h"
#include "exports/Workbooks.h"

#include <QFileInfo>

using namespace kovara;
using namespace kovara::test;

namespace {

TreasuryDates march(const QDate &transfer = QDate(2008, 3, 5))
{
    return {QDate(2008, 3, 1), QDate(2008, 3, 31), transfer, QDate(2008, 3, 6), QDate(2008, 3, 7)};
}

class TreasuryFile : public ExportData
{
protected:
    QString folder() const { return scratch.file(QStringLiteral("trezorerie")); }
};

TEST(TreasuryNames, PrefixAndChildren)
{
    EXPECT_EQ(TreasuryFileName(1, "1234567", QDate(2008, 3, 5)), "011234567_05-03-2008.dbf");
    EXPECT_EQ(TreasuryFileName(42, "1234567", QDate(2008, 12, 25)), "421234567_25-12-2008.dbf");
    EXPECT_EQ(TreasuryPrefix(9, "1234567"), "091234567");
    EXPECT_EQ(ChildCount("", ""), 1);
    EXPECT_EQ(ChildCount("5080301123462", "6080301123473"), 3);
    EXPECT_EQ(ChildCount("508030112346", ""), 1);
    EXPECT_EQ(ChildCount("", "6080301123473"), 2);
}

TEST_F(TreasuryFile, AlbaRowsAsDbfreadSeesThem)
{
    makeData("ALBA", "1234567");
    const ReportOutcome out = CreateTreasuryFile(ProgramWorkspace(), folder(), march());
    const QString file = folder() + "/011234567_05-03-2008.dbf";
    EXPECT_EQ(out.path, QDir::toNativeSeparators(file));
    EXPECT_EQ(out.title, "Raport Trezorerie");
    EXPECT_EQ(out.text, "Fisierul de raportat se numeste " + out.path +
                            ".\r\nUrmeaza sa-l copiati pe CD folosind programul NERO sau pe disketa.");
    const QString common = "record CODJUD=1 | CODFISC=1234567 | CNP=%1 | CODAJUT=060 | NUMEPREN=%2 | "
                           "DTPLATCRT=2008-03-07 | DATA_PREL=2008-03-06 | SUMA=%3 | NRPERS=%4";
    EXPECT_EQ(dbfRecords(file),
              QStringList({
                  common.arg("1800101123470", " BLANC INAINTE", "150.0", "1"),
                  common.arg("2800101123457", "IONESCU MARIA ELENA", "100.0", "3"),
                  common.arg("1800101123458", "POPESCU ION", "300.0", "2"),
                  common.arg("1800101123469", "SINGUR", "200.5", "1"), // CNP2 of 12
                  common.arg("2800101123468", QString::fromUtf8("ŞERBAN ŢINCA"), "150.5", "2"),
              }));
    // The annexes take the file, also named in small letters.
    const QString lower = folder() + "/011234567_05-03-2008.dbf";
    EXPECT_NO_THROW(CheckTreasuryFileName(Constants(), lower, "Anexa 2 Trezorerie"));
    EXPECT_NO_THROW(
        CheckTreasuryFileName(Constants(), folder() + "/011234567_05-03-2008.DBF", "Anexa 2 Trezorerie"));
}

TEST_F(TreasuryFile, RerunReplacesAndAnotherTransferDateAddsAFile)
{
    CreateTreasuryFile(ProgramWorkspace(), folder(), march());
    CreateTreasuryFile(ProgramWorkspace(), folder(),
                       {QDate(2008, 3, 4), QDate(2008, 3, 31), QDate(2008, 3, 5), {}, {}});
    EXPECT_EQ(dbfRecords(folder() + "/091234567_05-03-2008.dbf").size(), 4);
    CreateTreasuryFile(ProgramWorkspace(), folder(), march(QDate(2008, 4, 1)));
    EXPECT_EQ(filesIn(folder()), QStringList({"091234567_01-04-2008.dbf", "091234567_05-03-2008.dbf"}));
}

TEST_F(TreasuryFile, RefusalsComeBeforeAnythingIsTouched)
{
    const QString advice = "\r\nActualizati programul de pe pagina proiectului !";
    struct Case
    {
        const char *what;
        std::function<void()> arrange;
        QString title, text;
    };
    const Case cases[] = {
        {"model missing", [this] { QFile::remove(scratch.file("ModelTrz.DBF")); }, "Raport DBF Trezorerie",
         "Nu exista fisierul ModelTrz.DBF!" + advice},
        {"fiscal code of 6 digits", [this] { makeData("BRAILA", "123456"); }, "Raport Finante",
         "Codul Fiscal de la Administrare este incorect !"},
    };
    for (const Case &c : cases) {
        makeData();
        if (!QFile::exists(scratch.file("ModelTrz.DBF")))
            QFile::copy(sourcePath("install/ModelTrz.DBF"), scratch.file("ModelTrz.DBF"));
        c.arrange();
        try {
            CreateTreasuryFile(ProgramWorkspace(), folder(), march());
            ADD_FAILURE() << c.what;
        } catch (const ReportRefusal &r) {
            EXPECT_EQ(r.title(), c.title) << c.what;
            EXPECT_EQ(r.message(), c.text) << c.what;
        }
        EXPECT_FALSE(QFileInfo::exists(folder())) << c.what;
    }
}

TEST_F(TreasuryFile, AnnexesRefuseAFileOfAnotherName)
{
    const std::pair<const char *, const char *> cases[] = {
        {"Anexa 2 Trezorerie", "/x/911234567_05-03-2008.dbf"}, {"Listare DBF Trezorerie", "/x/91234567.dbf"}};
    for (const auto &[title, file] : cases) {
        try {
            CheckTreasuryFileName(Constants(), file, title);
            ADD_FAILURE() << file;
        } catch (const ReportRefusal &r) {
            EXPECT_EQ(r.title(), QLatin1String(title));
            EXPECT_EQ(r.message(),
                      "Fisierul ales nu este cel de raportat la Trezorerie!\r\nAcesta trebuie sa aiba "
                      "numele de forma: 091234567_zz-ll-aaaa.dbf !");
        }
    }
    // A file of the right name without NUMEPREN.
    const QString odd = scratch.file("091234567_05-03-2008.dbf");
    QFile::copy(scratch.file("RapAj.DBF"), odd);
    try {
        ReadAnnex2Rows(Constants(), odd);
        ADD_FAILURE() << "not refused";
    } catch (const ReportRefusal &r) {
        EXPECT_EQ(r.title(), "Anexa 2 Trezorerie");
        EXPECT_EQ(r.message(), "Fisierul ales nu este cel de raportat la Trezorerie!");
    }
}

TEST_F(TreasuryFile, Annex2WorkbookTotalsTheAmountsShown)
{
    CreateTreasuryFile(ProgramWorkspace(), folder(), march());
    const QString xls =
        ExportAnnex2(ProgramWorkspace(), folder() + "/091234567_05-03-2008.dbf", QDate(2008, 3, 5));
    EXPECT_EQ(QFileInfo(xls).fileName(), "Anx20.xls");
    const QStringList cells = xlsCells(xls);
    const QStringList expected{
        "encoding cp1250",
        "1,1 text JUDETUL: 9  JUDETUL BRAILA | MS Sans Serif 10 bold | left | -",
        "1,5 text Anexa nr.2 | MS Sans Serif 10 bold | right | -",
        "2,1 text Unitatea administrativ-teritoriala: 1234567  CONSILIUL LOCAL FAUREI | MS Sans Serif 10 | "
        "left | -",
        "5,2 text SITUATIA 060 TRUSOU NOU-NASCUTI | MS Sans Serif 12 bold | left | -",
        "7,2 text in ziua 05 luna 03 anul 2008 | MS Sans Serif 10 | left | -",
        "9,1 text Nr. | MS Sans Serif 10 bold | centre | T",
        "10,5 text luna raportata (lei) | MS Sans Serif 10 bold | centre | B",
        "11,1 number 1.0 | MS Sans Serif 10 | right | B",
        "11,2 text  BLANC INAINTE | MS Sans Serif 10 | left | B",
        "12,3 number 3.0 | MS Sans Serif 10 | right | B",
        "12,4 text  2800101123457 | MS Sans Serif 10 | centre | B",
        "14,5 number 200.5 | MS Sans Serif 10 | right | B",
        QString::fromUtf8("15,2 text ŞERBAN ŢINCA | MS Sans Serif 10 | left | B"),
        "15,5 number 150.5 | MS Sans Serif 10 | right | B",
        "16,4 text TOTAL | MS Sans Serif 10 bold | left | -",
        // 150 + 100 + 300 + 200.5 + 150.5: the amounts shown, not rounded first.
        "16,5 number 901.0 | MS Sans Serif 10 bold | right | -",
        "18,3 text Ordonator de credite, | MS Sans Serif 10 bold | left | -",
        "19,3 text Ion Ionescu | MS Sans Serif 10 bold | left | -",
    };
    for (const QString &line : expected)
        EXPECT_TRUE(cells.contains(line)) << line.toStdString();

    // A second export takes the next free number only while the first is kept.
    EXPECT_EQ(
        QFileInfo(ExportAnnex2(ProgramWorkspace(), folder() + "/091234567_05-03-2008.dbf", QDate(2008, 3, 5)))
            .fileName(),
        "Anx20.xls");
}

TEST_F(TreasuryFile, Annex2OfAnEmptyFile)
{
    CreateTreasuryFile(ProgramWorkspace(), folder(),
                       {QDate(2010, 1, 1), QDate(2010, 1, 31), QDate(2010, 2, 1), {}, {}});
    const QStringList cells =
        xlsCells(ExportAnnex2(ProgramWorkspace(), folder() + "/091234567_01-02-2010.dbf", QDate(2010, 2, 1),
                              scratch.file("gol.xls")));
    EXPECT_TRUE(cells.contains("11,4 text TOTAL | MS Sans Serif 10 bold | left | -"));
    EXPECT_TRUE(cells.contains("11,5 number 0.0 | MS Sans Serif 10 bold | right | -"));
    EXPECT_TRUE(cells.contains("13,3 text Ordonator de credite, | MS Sans Serif 10 bold | left | -"));
    EXPECT_TRUE(cells.contains("14,3 text Ion Ionescu | MS Sans Serif 10 bold | left | -"));
    EXPECT_EQ(cells.size(), 1 + 6 + 10 + 4);
}

TEST_F(TreasuryFile, Annex3ValuesComeFromTheFileAndTheTransferDate)
{
    CreateTreasuryFile(ProgramWorkspace(), folder(), march());
    const auto pairs = Annex3Pairs(Constants(), folder() + "/091234567_05-03-2008.dbf", QDate(2008, 3, 9));
    const QList<QPair<QString, QString>> expected{
        {"[CODJUD]", "9"},
        {"[DENUMJUD]", "BRAILA"},
        {"[CODUNIT]", "1234567"},
        {"[DENUMUNIT]", "Consiliul local Faurei"},
        {"[NR]", "9"},
        {"[SUMA]", "901"},
        {"[DATA]", "09.03.2008"},
    };
    EXPECT_EQ(pairs, expected);
}

// The annex refuses a template that is no sound RTF, and a document over
// the engine's limit, before anything is written.
TEST_F(TreasuryFile, Annex3RefusesABrokenTemplateOrADocumentTooLarge)
{
    CreateTreasuryFile(ProgramWorkspace(), folder(), march());
    const QString file = folder() + "/091234567_05-03-2008.dbf";
    const QString tmpl = ProgramWorkspace().dataFile("Anx3.rtf");
    const QString out = scratch.file("anexa3.rtf");
    const QByteArray model = ModelBytes("ANX3");
    const struct
    {
        const char *name;
        QByteArray rtf;
        qint64 limit;
        QString text;
    } cases[] = {
        {"a brace too many at the end", model + "}", 0,
         "are o acolada } in plus: documentul se inchide pe linia "},
        {"a brace lost", model.left(model.lastIndexOf('}')), 0, "are o acolada { fara pereche"},
        {"too large", model, 1024, "Documentul ar avea 1 MB, peste limita de 1 MB: modelul "},
    };
    for (const auto &c : cases) {
        writeAll(tmpl, c.rtf);
        RtfReplace::setDocumentLimit(c.limit);
        try {
            MakeTreasuryAnnex3(ProgramWorkspace(), file, QDate(2008, 3, 9), out);
            ADD_FAILURE() << c.name;
        } catch (const ReportRefusal &refusal) {
            EXPECT_EQ(refusal.title(), "Anexa 3") << c.name;
            EXPECT_TRUE(refusal.message().contains(c.text))
                << c.name << ": " << refusal.message().toStdString();
        }
        RtfReplace::setDocumentLimit(0);
        EXPECT_FALSE(QFileInfo::exists(out)) << c.name;
    }
    writeAll(tmpl, model);
    EXPECT_EQ(MakeTreasuryAnnex3(ProgramWorkspace(), file, QDate(2008, 3, 9), out), out);
}

} // namespace
