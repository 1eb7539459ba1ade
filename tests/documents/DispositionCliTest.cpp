// kovara-cli document dispozitii and statistica: the same documents as the
// menus, the same messages, exit status 1 on a refusal; and the documents
// made from the program's own models.

#include "DocumentCli.h"
#include "DocumentRows.h"
#include "data/Workspace.h"
#include "documents/Dispositions.h"
#include "documents/Models.h"
#include "documents/SemesterStatistics.h"
#include "engines/rtf/RtfPlaceholders.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace kovara;
using namespace kovara::test;

namespace {

// Every "[KEY]" left in a document.
QStringList placeholdersLeft(const QByteArray &document)
{
    QStringList left;
    static const QRegularExpression key(QStringLiteral(R"(\[[A-Z0-9]+\])"));
    for (auto it = key.globalMatch(QString::fromLatin1(document)); it.hasNext();)
        left << it.next().captured(0);
    return left;
}

} // namespace

TEST(DispositionCli, DocumentsAndRefusals)
{
    DocumentFolder folder;
    const int year = QDate::currentDate().year();
    folder.add({.nr = 2, .tip = "3", .nrdisp = 5, .datadisp = QDate(year, 1, 10)});
    folder.add({.nr = 3,
                .tip = "4",
                .nrdisp = 6,
                .datadisp = QDate(year, 1, 10),
                .children = {"A", "B"},
                .codes = {"5200312123455", "8200312123457"}});
    writeAll(DataDir() + "/Statistic.rtf", readAll(sourcePath("install/Data/Statistic.rtf")));
    const QString out = folder.scratch.file("out.rtf");

    // The newborn template is written from the model when missing; the
    // command line makes exactly what the core function makes.
    CliResult r = runCli({"document", "dispozitii", "nn", "1", "9", "--copies", "2", "-o", out});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(QFile::exists(DataDir() + "/Disp3.rtf"));
    EXPECT_TRUE(QFile::exists(DataDir() + "/Disp4.rtf")); // every missing template with it
    DispositionRun run;
    run.workspace = ProgramWorkspace();
    run.first = 1;
    run.last = 9;
    run.copies = 2;
    run.output = folder.scratch.file("direct.rtf");
    EXPECT_EQ(WriteDispositions(run), 1);
    EXPECT_EQ(readAll(out), readAll(run.output));
    EXPECT_EQ(placeholdersLeft(readAll(out)), QStringList());

    r = runCli({"document", "dispozitii", "trusou", "6", "6", "-o", out});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(placeholdersLeft(readAll(out)), QStringList());

    // A legal representative: the layette sentence names the child once.
    folder.add({.nr = 4,
                .tip = "4",
                .nrdisp = 7,
                .datadisp = QDate(year, 1, 10),
                .children = {"C"},
                .codes = {"5200312123455"},
                .calitate = "reprezentant legal al copilului"});
    r = runCli({"document", "dispozitii", "trusou", "7", "7", "-o", out});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    const QByteArray layette = VisibleText(readAll(out)).toUpper();
    EXPECT_EQ(layette.count("REPREZENTANT LEGAL AL COPILULUI  C, CNP 5200312123455"), 2);
    EXPECT_FALSE(layette.contains("AL COPILULUI AL COPILULUI"));
    EXPECT_FALSE(layette.contains("AL COPILULUI  AL COPILULUI"));

    r = runCli({"document", "statistica", "1", QString::number(year), "-o", out});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(placeholdersLeft(readAll(out)), QStringList());

    const struct
    {
        QStringList args;
        int status;
        const char *err;
    } refusals[] = {
        {{"document", "dispozitii", "nn", "20", "30", "-o", out},
         1,
         "Nu exista nici o dispozitie cu numarul intre 20 si 30.\n"},
        {{"document", "dispozitii", "trusou", "1", "9", "-o", folder.scratch.file("no/such/folder.rtf")},
         1,
         "Nu pot scrie pe harddisk!\n"},
        {{"document", "dispozitii", "trusou", "0", "2", "-o", out}, 1, "Intervalul ales este incorect!\n"},
        {{"document", "dispozitii", "nn", "9", "1", "-o", out}, 1, "Intervalul ales este incorect!\n"},
        {{"document", "dispozitii", "nn", "1", "9", "--copies", "10", "-o", out},
         2,
         "Numarul de exemplare trebuie sa fie intre 1 si 9.\n"},
        {{"document", "dispozitii", "nn", "1", "9"}, 2, "Lipseste fisierul de iesire (-o FISIER.rtf).\n"},
        {{"document", "statistica", "3", "2026", "-o", out},
         2,
         "Folosire: kovara-cli [--data DOSAR] document statistica 1|2 AN -o FISIER.rtf\n"},
    };
    for (const auto &c : refusals) {
        r = runCli(c.args);
        EXPECT_EQ(r.status, c.status) << c.args.join(' ').toStdString();
        EXPECT_EQ(r.err, c.err) << c.args.join(' ').toStdString();
    }

    QFile::remove(DataDir() + "/Disp4.rtf");
    r = runCli({"document", "dispozitii", "trusou", "6", "6", "-o", out});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err,
              "Lipseste fisierul " + DataDir() + "/Disp4.rtf\nSalvati datele si reinstalati programul!\n");
    QFile::remove(DataDir() + "/Statistic.rtf");
    r = runCli({"document", "statistica", "2", "2026", "-o", out});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Nu exista fisierul model Statistic.rtf!\nActualizati programul!\n");
}

// A key intact in one place and split by formatting codes in another would
// print literally in a signed disposition: the template is refused, with
// what to do, and no document is written. `templates` reports the split one.
TEST(DispositionCli, ATemplateWithABrokenPlaceholderMakesNoDocument)
{
    DocumentFolder folder;
    const int year = QDate::currentDate().year();
    folder.add({.nr = 2, .tip = "3", .nrdisp = 5, .datadisp = QDate(year, 1, 10)});
    ExtractModels(DataDir());
    QByteArray disp3 = readAll(DataDir() + "/Disp3.rtf");
    ASSERT_TRUE(disp3.contains("[SOLICITANT]"));
    disp3.replace("[NRCERERE]", "[NRCERERE] [SOLI{\\rtlch\\fcs1 \\af0 CITANT}]");
    writeAll(DataDir() + "/Disp3.rtf", disp3);
    const QString out = folder.scratch.file("out.rtf");

    CliResult r = runCli({"document", "dispozitii", "nn", "1", "9", "-o", out});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(
        r.err.startsWith("Modelul " + DataDir() + "/Disp3.rtf are campul [SOLICITANT] rupt de formatari"))
        << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QString::fromUtf8(
        "Administrare › Modele de Listare › Dispozitie Alocatie nou-nascuti › Refa modelul initial")))
        << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("scrieti campul din nou dintr-o data")) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(out));

    r = runCli({"templates"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.contains("rupte:   [SOLICITANT]\n")) << r.out.toStdString();

    // Put back in one run, the same template makes the disposition.
    disp3.replace("[SOLI{\\rtlch\\fcs1 \\af0 CITANT}]", "[SOLICITANT]");
    writeAll(DataDir() + "/Disp3.rtf", disp3);
    r = runCli({"document", "dispozitii", "nn", "1", "9", "-o", out});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(placeholdersLeft(readAll(out)), QStringList());
}
