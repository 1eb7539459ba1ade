// The finance report file: rows as dbfread sees them, the checks that come
// before anything is touched, and the replacement of an older file.

#include "exports/FinanceFile.h"
#include "ExportFixture.h"
#include "data/Workspace.h"

#include <QFileInfo>

using namespace kovara;
using namespace kovara::test;

namespace {

const RequestSelection kMarchLayettes =
    FinanceSelection(FinanceKind::Layette, QDate(2008, 3, 1), QDate(2008, 3, 31));

class FinanceFile : public ExportData
{
protected:
    QString folder() const { return scratch.file(QStringLiteral("raport/TRUSOU_NN")); }
    QString file() const { return folder() + QStringLiteral("/91234567.dbf"); }
};

TEST(FinanceNames, SplitAtTheFirstBlank)
{
    const std::tuple<const char *, const char *, const char *> cases[] = {
        {"POPESCU ION", "POPESCU", "ION"},       {"IONESCU MARIA ELENA", "IONESCU", "MARIA ELENA"},
        {"IONESCU  MARIA ", "IONESCU", "MARIA"}, {"SINGUR", "SINGUR", ""},
        {" BLANC INAINTE", "", "BLANC INAINTE"}, {"", "", ""},
    };
    for (const auto &[subsemn, nume, prenume] : cases) {
        const SplitName s = SplitApplicantName(QString::fromLatin1(subsemn));
        EXPECT_EQ(s.nume, QLatin1String(nume)) << subsemn;
        EXPECT_EQ(s.prenume, QLatin1String(prenume)) << subsemn;
    }
    EXPECT_EQ(FinanceFileName(9, "1234567"), "91234567.dbf");
    EXPECT_EQ(FinanceSubfolder(FinanceKind::Layette), "TRUSOU_NN");
    EXPECT_EQ(FinanceSubfolder(FinanceKind::NewbornAllowance), "ALOCAT_NN");
}

TEST_F(FinanceFile, RowsOfThePeriodAsDbfreadSeesThem)
{
    std::vector<std::pair<int, int>> steps;
    const ReportOutcome out =
        CreateFinanceFile(ProgramWorkspace(), folder(), kMarchLayettes, [&](int done, int total) {
            steps.push_back({done, total});
        });
    EXPECT_EQ(out.path, QDir::toNativeSeparators(file()));
    EXPECT_EQ(out.rows, 5);
    EXPECT_EQ(out.title, "Raport Finante");
    EXPECT_EQ(out.text,
              "Fisierul de raportat se numeste " + out.path +
                  ".\r\nUrmeaza sa-l copiati pe CD folosind programul NERO sau sa-l trimiteti prin email.");
    EXPECT_EQ(steps.front(), std::make_pair(0, 5));
    EXPECT_EQ(steps.back(), std::make_pair(5, 5));
    EXPECT_EQ(
        dbfRecords(file()),
        QStringList({
            "record CODJUD=9 | CODFISC=1234567 | CNP=1800101123470 | NUME= | PRENUME=BLANC INAINTE | "
            "SUMA=150.0",
            "record CODJUD=9 | CODFISC=1234567 | CNP=2800101123457 | NUME=IONESCU | PRENUME=MARIA ELENA | "
            "SUMA=100.0",
            "record CODJUD=9 | CODFISC=1234567 | CNP=1800101123458 | NUME=POPESCU | PRENUME=ION | SUMA=300.0",
            "record CODJUD=9 | CODFISC=1234567 | CNP=1800101123469 | NUME=SINGUR | PRENUME= | SUMA=200.5",
            QString::fromUtf8("record CODJUD=9 | CODFISC=1234567 | CNP=2800101123468 | NUME=ŞERBAN | "
                              "PRENUME=ŢINCA | SUMA=150.5"),
        }));
    EXPECT_EQ(filesIn(folder()), QStringList{"91234567.dbf"}); // no copy left behind
}

TEST_F(FinanceFile, NewbornAllowancesOfAnEmptyPeriodGiveTheBareModel)
{
    const QString alloc = scratch.file(QStringLiteral("raport/ALOCAT_NN"));
    const ReportOutcome out = CreateFinanceFile(
        ProgramWorkspace(), alloc,
        FinanceSelection(FinanceKind::NewbornAllowance, QDate(2010, 1, 1), QDate(2010, 1, 31)));
    EXPECT_EQ(out.rows, 0);
    EXPECT_TRUE(out.text.contains(QDir::toNativeSeparators(alloc + "/91234567.dbf")));
    EXPECT_EQ(readAll(alloc + "/91234567.dbf"),
              readAll(scratch.file("RapAj.DBF")).left(readAll(alloc + "/91234567.dbf").size()));
    EXPECT_TRUE(dbfRecords(alloc + "/91234567.dbf").isEmpty());

    // Newborn allowances of June 2007: the two requests of TIP "3".
    CreateFinanceFile(ProgramWorkspace(), alloc,
                      FinanceSelection(FinanceKind::NewbornAllowance, QDate(2007, 6, 1), QDate(2007, 6, 30)));
    EXPECT_EQ(dbfRecords(alloc + "/91234567.dbf").size(), 2);
}

TEST_F(FinanceFile, RefusalsComeBeforeAnythingIsTouched)
{
    // An older report that must survive every refusal.
    CreateFinanceFile(ProgramWorkspace(), folder(), kMarchLayettes);
    const QByteArray older = readAll(file());

    struct Case
    {
        const char *what;
        std::function<void()> arrange;
        QString text;
    };
    const QString advice = QStringLiteral("\r\nActualizati programul de pe pagina proiectului !");
    const Case cases[] = {
        {"model missing", [this] { QFile::remove(scratch.file("RapAj.DBF")); },
         "Nu exista fisierul RapAj.DBF!" + advice},
        {"fiscal code of 6 digits", [this] { makeData("BRAILA", "123456"); },
         "Codul Fiscal de la Administrare este incorect !"},
        {"fiscal code naming a folder", [this] { makeData("BRAILA", "12345/../x"); },
         "Codul Fiscal de la Administrare este incorect !"},
        {"no county", [this] { makeData("ATLANTIDA", "1234567"); },
         "Judetul de la Administrare este incorect !"},
    };
    for (const Case &c : cases) {
        makeData();
        c.arrange();
        const QString fresh = scratch.file(QStringLiteral("nou/TRUSOU_NN"));
        for (const QString &target : {folder(), fresh}) {
            try {
                CreateFinanceFile(ProgramWorkspace(), target, kMarchLayettes);
                ADD_FAILURE() << c.what << ": not refused";
            } catch (const ReportRefusal &r) {
                EXPECT_EQ(r.title(), "Raport Finante") << c.what;
                EXPECT_EQ(r.message(), c.text) << c.what;
            }
        }
        EXPECT_EQ(readAll(file()), older) << c.what;
        EXPECT_FALSE(QFileInfo::exists(scratch.file("nou"))) << c.what << ": folder created";
        if (!QFile::exists(scratch.file("RapAj.DBF")))
            QFile::copy(sourcePath("install/RapAj.DBF"), scratch.file("RapAj.DBF"));
    }
}

TEST_F(FinanceFile, FolderThatCannotBeMadeIsRefused)
{
    writeAll(scratch.file("ocupat"), "un fisier");
    try {
        CreateFinanceFile(ProgramWorkspace(), scratch.file("ocupat/TRUSOU_NN"), kMarchLayettes);
        ADD_FAILURE() << "not refused";
    } catch (const ReportRefusal &r) {
        EXPECT_EQ(r.message(), "Nu pot scrie in " +
                                   QDir::toNativeSeparators(scratch.file("ocupat/TRUSOU_NN")) +
                                   " !\r\nInchideti alte aplicatii si mai incercati odata!");
    }
}

TEST_F(FinanceFile, RerunReplacesTheFileAndAFailureKeepsTheOlderOne)
{
    CreateFinanceFile(ProgramWorkspace(), folder(), kMarchLayettes);
    // A period with one request less: the second run replaces the file.
    CreateFinanceFile(ProgramWorkspace(), folder(),
                      FinanceSelection(FinanceKind::Layette, QDate(2008, 3, 4), QDate(2008, 3, 31)));
    EXPECT_EQ(dbfRecords(file()).size(), 4);
    const QByteArray older = readAll(file());

    // A model without NUME fails while rows are written: the older report
    // stays whole and no half-filled copy is left.
    Database db;
    QFile::remove(scratch.file("RapAj.DBF"));
    db.createTable(scratch.file("RapAj.DBF"),
                   "CODJUD CHAR(2), CODFISC CHAR(13), CNP CHAR(13), SUMA DECIMAL(12,2)");
    EXPECT_THROW(CreateFinanceFile(ProgramWorkspace(), folder(), kMarchLayettes), Error);
    EXPECT_EQ(readAll(file()), older);
    EXPECT_EQ(filesIn(folder()), QStringList{"91234567.dbf"});
}

TEST_F(FinanceFile, ListingTakesOnlyTheExpectedName)
{
    const FinanceListing l = PrepareFinanceListing(Constants(), "/x/91234567.DBF", FinanceKind::Layette,
                                                   QDate(2008, 3, 1), QDate(2008, 3, 31));
    EXPECT_EQ(l.county, "9  JUDETUL BRAILA");
    EXPECT_EQ(l.unit, "1234567  CONSILIUL LOCAL FAUREI");
    EXPECT_EQ(l.subtitle, "cu beneficiarii de trusouri pentru copii nou-nascuti,");
    EXPECT_EQ(l.period, "in perioada 01.03.2008 - 31.03.2008");
    EXPECT_EQ(l.mayor, "Ion Ionescu");
    EXPECT_NO_THROW(
        PrepareFinanceListing(Constants(), "/x/91234567.dbf", FinanceKind::NewbornAllowance, {}, {}));
    try {
        PrepareFinanceListing(Constants(), "/x/91234568.dbf", FinanceKind::Layette, {}, {});
        ADD_FAILURE() << "not refused";
    } catch (const ReportRefusal &r) {
        EXPECT_EQ(r.title(), "Listare DBF Finante");
        EXPECT_EQ(r.message(),
                  "Fisierul ales nu este cel de raportat la finante!\r\nAcesta trebuie sa aiba numele: "
                  "91234567.DBF !");
    }
}

} // namespace
