// A template that is no sound RTF (a brace too many or too few, empty,
// foreign bytes) makes no document through kovara-cli: exit status 1, the
// template, the fault and the cure said, nothing written; `templates`
// reports it and exits with 1. The same template mended makes its document.

#include "DocumentCli.h"
#include "DocumentRows.h"
#include "documents/Models.h"

#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

using namespace kovara;
using namespace kovara::test;

namespace {

QByteArray replaced(QByteArray text, const char *before, const char *after)
{
    EXPECT_TRUE(text.contains(before)) << before;
    return text.replace(before, after);
}

} // namespace

TEST(TemplateStructureCli, BrokenTemplatesMakeNoDocument)
{
    DocumentFolder folder;
    const int year = QDate::currentDate().year();
    folder.add({.nr = 2, .tip = "3", .nrdisp = 5, .datadisp = QDate(year, 1, 10)});
    folder.add({.nr = 3, .tip = "4", .nrdisp = 6, .datadisp = QDate(year, 1, 10)});
    ExtractModels(DataDir());
    const QByteArray statistic = readAll(sourcePath("install/Data/Statistic.rtf"));
    writeAll(DataDir() + "/Statistic.rtf", statistic);
    const QString out = folder.scratch.file("out.rtf");
    const QStringList newborn{"document", "dispozitii", "nn", "1", "9", "-o", out};
    const QStringList layette{"document", "dispozitii", "trusou", "1", "9", "-o", out};
    const QStringList form{"document", "cerere", "1", "-o", out};
    const QStringList stats{"document", "statistica", "1", QString::number(year), "-o", out};
    const QString menu = QString::fromUtf8("Refaceti-l din Administrare › Modele de Listare › ");

    const struct
    {
        const char *name;
        const char *file;
        QByteArray rtf;
        QStringList command;
        QString fault, cure;
    } cases[] = {
        {"a brace too many", "Disp3.rtf",
         replaced(ModelBytes("DISP3"), "{\\author Kovara}}", "{\\author Kovara}}}"), newborn,
         "are o acolada } in plus: documentul se inchide pe linia 4, inainte de sfarsitul fisierului",
         menu + QString::fromUtf8("Dispozitie Alocatie nou-nascuti › Refa modelul initial !")},
        {"a brace too few", "Disp4.rtf", replaced(ModelBytes("DISP4"), "\\fs28 DISPOZI", "\\fs28 {DISPOZI"),
         layette, "are o acolada { fara pereche: grupul deschis pe linia 1 nu se inchide",
         menu + QString::fromUtf8("Dispozitie Trusou › Refa modelul intial !")},
        {"an empty form", "Cerere.rtf", "", form, "este gol",
         menu + QString::fromUtf8("Cerere › Refa modelul initial !")},
        {"junk bytes", "Cerere.rtf", QByteArray("\xd0\xcf\x11\xe0\xa1\xb1\x1a\xe1\0\0\0", 11), form,
         "nu este un document RTF (nu incepe cu {\\rtf)",
         menu + QString::fromUtf8("Cerere › Refa modelul initial !")},
        {"text after the end", "Statistic.rtf", statistic + "\r\n\\par x\r\n", stats,
         "are text dupa acolada care inchide documentul, pe linia ", "Actualizati programul !"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = DataDir() + "/" + c.file;
        const QByteArray sound = readAll(path);
        writeAll(path, c.rtf);
        CliResult r = runCli(c.command);
        EXPECT_EQ(r.status, 1);
        r.err.replace('\r', '\n'); // "document cerere" keeps the window's line break
        EXPECT_TRUE(r.err.startsWith("Modelul " + path + " " + c.fault)) << r.err.toStdString();
        EXPECT_TRUE(r.err.endsWith(" !\n" + c.cure + "\n")) << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(out));

        r = runCli({"templates"});
        EXPECT_EQ(r.status, 1);
        const qsizetype at = r.out.indexOf(QString(c.file) + " (");
        ASSERT_GE(at, 0) << r.out.toStdString();
        EXPECT_TRUE(r.out.mid(at).contains("\n  stricat: " + c.fault)) << r.out.toStdString();
        EXPECT_EQ(r.out.count("stricat:"), 1) << r.out.toStdString();

        // Mended, the same command makes the document.
        writeAll(path, sound);
        r = runCli(c.command);
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
        EXPECT_TRUE(QFile::exists(out));
        QFile::remove(out);
    }
    CliResult r = runCli({"templates"});
    EXPECT_EQ(r.status, 0) << r.out.toStdString();
    EXPECT_FALSE(r.out.contains("stricat")) << r.out.toStdString();

    // A file far larger than a template is not read: its size is the fault.
    writeAll(DataDir() + "/Anx3.rtf", QByteArray(9 << 20, ' '));
    r = runCli({"templates"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(
        r.out.contains("Anx3.rtf (" + DataDir() +
                       "/Anx3.rtf)\n  stricat: are 9 MB; un model de document poate avea cel mult 8 MB\n"
                       "Statistic.rtf"))
        << r.out.toStdString();
}
