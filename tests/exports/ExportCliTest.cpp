// kovara-cli export, finance, treasury and annex2, run as the built program.

#include "ExportFixture.h"
#include "PdfWords.h"
#include "base/CrashPoint.h"
#include "documents/Models.h"

#include <QFileInfo>

using namespace kovara::test;

namespace {

struct CliRun
{
    int code = -1;
    QString out, err;
};

class ExportCli : public ExportData
{
protected:
    CliRun run(const QStringList &args, const QString &crashAfter = QString())
    {
        QProcess p;
        if (!crashAfter.isEmpty()) {
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert("KOVARA_CRASH_AFTER", crashAfter);
            p.setProcessEnvironment(env);
        }
        p.start(QString::fromLocal8Bit(qgetenv("KOVARA_BIN_DIR")) + "/kovara-cli",
                QStringList{"--data", kovara::DataDir()} + args);
        CliRun r;
        if (!p.waitForFinished(60000))
            return r;
        r.code = p.exitCode();
        r.out = QString::fromUtf8(p.readAllStandardOutput());
        r.err = QString::fromUtf8(p.readAllStandardError());
        return r;
    }
    QString out(const QString &name) const { return scratch.file("iesire/" + name); }
};

TEST_F(ExportCli, FinanceAndTreasuryFiles)
{
    CliRun r = run({"finance", "trusou", "01.03.2008", "31.03.2008", "-o", out("")});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out,
              "Fisierul de raportat se numeste " + QDir::toNativeSeparators(out("TRUSOU_NN/91234567.dbf")) +
                  ".\nUrmeaza sa-l copiati pe CD folosind programul NERO sau sa-l trimiteti prin email.\n");
    EXPECT_EQ(dbfRecords(out("TRUSOU_NN/91234567.dbf")).size(), 5);

    r = run({"treasury", "01.03.2008", "31.03.2008", "--transfer", "05.03.2008", "--takeover", "06.03.2008",
             "--payment", "07.03.2008", "-o", out("trz")});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    const QString trz = out("trz/091234567_05-03-2008.dbf");
    EXPECT_EQ(dbfRecords(trz).size(), 5);

    r = run({"annex2", trz, "--transfer", "05.03.2008", "-o", out("anexa2.xls")});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(
        xlsCells(out("anexa2.xls")).contains("16,5 number 901.0 | MS Sans Serif 10 bold | right | -"));

    r = run({"annex2", out("TRUSOU_NN/91234567.dbf"), "--transfer", "05.03.2008", "-o", out("alta.xls")});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("Anexa 2 Trezorerie: Fisierul ales nu este cel de raportat la Trezorerie!\n"));
    EXPECT_FALSE(QFileInfo::exists(out("alta.xls")));
}

// A run killed while its file is filled beside the target leaves that copy;
// the next run removes it, and leaves alone a file that only looks alike.
TEST_F(ExportCli, KilledRunsLeaveNothingForTheNext)
{
    const QStringList finance{"finance", "trusou", "01.03.2008", "31.03.2008", "-o", out("")};
    const QStringList treasury{"treasury",   "01.03.2008", "31.03.2008", "--transfer",
                               "05.03.2008", "--takeover", "06.03.2008", "--payment",
                               "07.03.2008", "-o",         out("trz")};
    const QString financeFolder = out("TRUSOU_NN"), treasuryFolder = out("trz");
    const auto copies = [](const QString &folder) {
        return QDir(folder).entryList({"*.kovara-*"}, QDir::Files | QDir::Dirs | QDir::Hidden);
    };
    EXPECT_EQ(run(finance, "report-copy:1").code, kovara::kCrashPointExitCode);
    EXPECT_EQ(run(treasury, "report-copy:1").code, kovara::kCrashPointExitCode);
    ASSERT_FALSE(copies(financeFolder).isEmpty());
    ASSERT_FALSE(copies(treasuryFolder).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(out("TRUSOU_NN/91234567.dbf")));

    // Someone's own file beside the target stays.
    const QString own = out("TRUSOU_NN/91234567.dbf.backup");
    QFile f(own);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();

    CliRun r = run(finance);
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    r = run(treasury);
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(copies(financeFolder), QStringList());
    EXPECT_EQ(copies(treasuryFolder), QStringList());
    EXPECT_EQ(dbfRecords(out("TRUSOU_NN/91234567.dbf")).size(), 5);
    EXPECT_EQ(dbfRecords(out("trz/091234567_05-03-2008.dbf")).size(), 5);
    EXPECT_TRUE(QFileInfo::exists(own));
}

TEST_F(ExportCli, RefusalsExitWithOneAndTouchNothing)
{
    makeData("BRAILA", "123456");
    CliRun r = run({"finance", "nn", "01.06.2007", "30.06.2007", "-o", out("")});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "Raport Finante: Codul Fiscal de la Administrare este incorect !\n");
    EXPECT_FALSE(QFileInfo::exists(out("")));

    makeData();
    r = run({"export", "ministru", "august.2007", "-o", out("min.xls")});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("Cererea nr. 17 (GRESIT VASILE) are in campul CNP1")) << r.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(out("min.xls")));

    // Words the commands do not take.
    for (const QStringList &args :
         {QStringList{"finance", "altceva", "01.03.2008", "31.03.2008", "-o", out("")},
          QStringList{"finance", "nn", "32.03.2008", "31.03.2008", "-o", out("")},
          QStringList{"export", "ministru", "brumarel.2007", "-o", out("m.xls")},
          QStringList{"treasury", "01.03.2008", "31.03.2008", "-o", out("")}}) {
        r = run(args);
        EXPECT_EQ(r.code, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains("Folosire:")) << args.join(' ').toStdString();
    }
}

// A period the dialog refuses is refused by the command line with the
// dialog's words, before any file is touched: a good finance file stays.
TEST_F(ExportCli, PeriodsTheDialogRefusesTouchNothing)
{
    CliRun r = run({"finance", "trusou", "01.03.2008", "31.03.2008", "-o", out("")});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QString good = out("TRUSOU_NN/91234567.dbf");
    const QByteArray before = readAll(good);
    const struct
    {
        QStringList args;
        const char *err;
    } cases[] = {
        {{"finance", "trusou", "31.03.2008", "01.03.2008", "-o", out("")},
         "Raport Finante: Interval incorect!\n"},
        {{"export", "centralizator", "31.03.2008", "01.03.2008", "-o", out("centr.xls")},
         "Export Centralizator: Interval incorect!\n"},
        {{"finance-list", good, "trusou", "31.03.2008", "01.03.2008", "-o", out("lista.pdf")},
         "Listare DBF Finante: Interval incorect!\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        r = run(c.args);
        EXPECT_EQ(r.code, 1);
        // (the painting command may have Qt's own notes before it)
        EXPECT_TRUE(r.err.endsWith(QLatin1String(c.err))) << r.err.toStdString();
        EXPECT_EQ(r.out, QString());
    }
    EXPECT_EQ(readAll(good), before);
    EXPECT_FALSE(QFileInfo::exists(out("centr.xls")));
    EXPECT_FALSE(QFileInfo::exists(out("lista.pdf")));
    EXPECT_FALSE(QFileInfo::exists(scratch.file("E4.dbf")));
}

TEST_F(ExportCli, Workbooks)
{
    CliRun r = run({"export", "ministru", "7.2007", "-o", out("min.xls")});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(xlsCells(out("min.xls")).contains("3,13 number 70000.0 | Arial 10 | right | TBLR"));
    r = run({"export", "centralizator", "01.03.2008", "31.03.2008", "-o", out("centr.xls")});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(xlsCells(out("centr.xls")).contains("19,7 number 901.0 | Arial 10 bold | right | BR"));
}

TEST_F(ExportCli, PrintedListingsAndAnnex3)
{
    ASSERT_EQ(run({"finance", "trusou", "01.03.2008", "31.03.2008", "-o", out("")}).code, 0);
    const QString finance = out("TRUSOU_NN/91234567.dbf");
    CliRun r = run({"finance-list", finance, "trusou", "01.03.2008", "31.03.2008", "-o", out("finante.pdf")});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    std::vector<PdfPage> pages = readPdf(out("finante.pdf"));
    ASSERT_EQ(pages.size(), 1u);
    const PdfPage &p = pages[0];
    for (const char *text : {"9 JUDETUL BRAILA", "1234567 CONSILIUL LOCAL FAUREI", "SITUATIA",
                             "cu beneficiarii de trusouri pentru copii nou-nascuti,",
                             "in perioada 01.03.2008 - 31.03.2008", "IONESCU MARIA ELENA", "POPESCU ION",
                             "Primar,", "Ion Ionescu", "Total ajutoare de la primarie (lei) :"})
        EXPECT_FALSE(p.find(QLatin1String(text)).isEmpty()) << text << " in " << p.joined().toStdString();
    // Rows ordered by NUME, PRENUME: the empty surname first, then IONESCU.
    EXPECT_LT(p.find("BLANC INAINTE").top(), p.find("IONESCU MARIA ELENA").top());
    // Amounts right-aligned on one edge.
    EXPECT_NEAR(p.find("300").right(), p.find("100").right(), 0.5);

    // The listing refuses a file of another name.
    QFile::copy(finance, out("altul.dbf"));
    r = run({"finance-list", out("altul.dbf"), "nn", "01.03.2008", "31.03.2008", "-o", out("x.pdf")});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("Acesta trebuie sa aiba numele: 91234567.DBF !")) << r.err.toStdString();

    ASSERT_EQ(run({"treasury", "01.03.2008", "31.03.2008", "--transfer", "05.03.2008", "--takeover",
                   "06.03.2008", "--payment", "07.03.2008", "-o", out("trz")})
                  .code,
              0);
    const QString trz = out("trz/091234567_05-03-2008.dbf");
    r = run({"annex2", trz, "--transfer", "05.03.2008", "-o", out("anexa2.pdf")});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    pages = readPdf(out("anexa2.pdf"));
    ASSERT_EQ(pages.size(), 1u);
    for (const char *text : {"Anexa nr.2", "SITUATIA 060 TRUSOU NOU-NASCUTI", "in ziua 05 luna 03 anul 2008",
                             "IONESCU MARIA ELENA", "TOTAL", "Ordonator de credite,"})
        EXPECT_FALSE(pages[0].find(QLatin1String(text)).isEmpty())
            << text << " in " << pages[0].joined().toStdString();
    EXPECT_TRUE(pages[0].joined().contains("901")) << pages[0].joined().toStdString();

    // Annex 3: refused without its template, then filled from it.
    r = run({"annex3", trz, "--transfer", "09.03.2008", "-o", out("anexa3.rtf")});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("Anexa 3: Lipseste modelul Anexei 3")) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("Actualizati programul de pe pagina proiectului !"));
    // A template without a paragraph to fill is said to be the fault, not
    // the writable folder.
    writeAll(kovara::DataDir() + "/Anx3.rtf", "{\\rtf1\\ansi [CODJUD] fara paragraf}");
    r = run({"annex3", trz, "--transfer", "09.03.2008", "-o", out("anexa3.rtf")});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("Anexa 3: Modelul ")) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("nu are nici un paragraf de completat !")) << r.err.toStdString();
    EXPECT_FALSE(r.err.contains("permisiunea")) << r.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(out("anexa3.rtf")));
    QFile::remove(kovara::DataDir() + "/Anx3.rtf");
    kovara::ExtractModel("Anx3", kovara::DataDir() + "/Anx3.rtf");
    r = run({"annex3", trz, "--transfer", "09.03.2008", "-o", out("anexa3.rtf")});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    const QByteArray rtf = readAll(out("anexa3.rtf"));
    for (const char *value : {"BRAILA", "1234567", "09.03.2008", "901", "CONSILIUL LOCAL FAUREI"})
        EXPECT_TRUE(rtf.contains(value)) << value;
}

} // namespace
