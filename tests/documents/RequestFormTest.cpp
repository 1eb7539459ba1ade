#include "documents/RequestForm.h"
#include "../requests/RequestListFixture.h"
#include "base/Error.h"
#include "base/Paths.h"
#include "data/Workspace.h"
#include "documents/DocumentRefusal.h"
#include "documents/Models.h"
#include "documents/TemplateCheck.h"
#include "engines/rtf/RtfReplace.h"
#include "shell/OpenDocument.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

using namespace kovara;
using kovara::test::readAll;
using kovara::test::writeAll;

namespace {

class RequestForm : public test::RequestData
{
protected:
    void SetUp() override
    {
        RequestData::SetUp();
        openseam::activate();
    }
    void TearDown() override
    {
        openseam::deactivate();
        RequestData::TearDown();
    }
    void addRequest(qint64 id, const QString &name, const QString &address = "Str. Lunga \\ nr. 5")
    {
        Database::shared().appendRow(RequestTablePath(), {{"IDCERERE", id},
                                                          {"DINDATA", QDate(2026, 3, 2)},
                                                          {"NR", 12},
                                                          {"TIP", "3"},
                                                          {"SUBSEMN", name},
                                                          {"CNP", "2800101123456"},
                                                          {"BISERIA", "XZ"},
                                                          {"BINR", "123456"},
                                                          {"ADRESA", address},
                                                          {"COPIL1", "POPESCU ANA MARIA"},
                                                          {"NRDISP", 0},
                                                          {"HANDI", "NU"}});
    }
    QString document(qint64 id) const { return DataDir() + "/Cerere" + QString::number(id) + ".rtf"; }
};

TEST_F(RequestForm, MadeOnceThenReused)
{
    addRequest(17, "POPESCU MARIA IOANA");
    ASSERT_FALSE(QFileInfo::exists(DataDir() + "/Cerere.rtf"));

    EXPECT_EQ(ListRequestForm(DataDir(), RequestFields(ProgramWorkspace(), 17)), document(17));
    EXPECT_TRUE(QFileInfo::exists(DataDir() + "/Cerere.rtf")); // the template, written from its model
    const QByteArray made = readAll(document(17));
    // Blocks A and C carry the applicant (each written twice: the text box
    // and its plain-text fallback); the other parent's declaration (A1) keeps
    // its dotted lines, for that parent to fill in by hand.
    EXPECT_EQ(made.count("POPESCU"), 4);
    EXPECT_EQ(made.count("MARIA IOANA"), 4);
    EXPECT_EQ(made.count("2800101123456"), 4);
    const qsizetype otherParent = made.indexOf("CELUILALT P");
    ASSERT_GT(otherParent, 0);
    const QByteArray a1 = made.mid(otherParent, made.indexOf("A1. Date", otherParent) - otherParent);
    EXPECT_FALSE(a1.contains("POPESCU"));
    EXPECT_FALSE(a1.contains("2800101123456"));
    EXPECT_EQ(a1.count("Nume: ......"), 2);
    EXPECT_EQ(made.count("Str. Lunga \\\\ nr. 5"), 2);
    EXPECT_EQ(RtfReplace::braceBalance(made), 0);
    EXPECT_TRUE(CheckTemplate("Cerere", made).broken.isEmpty());
    ASSERT_EQ(openseam::requests().size(), 1);
    EXPECT_EQ(openseam::requests().last().path, document(17));

    // Corrections typed into the document stay; the second click only opens it.
    writeAll(document(17), "{\\rtf1 corrected}");
    ListRequestForm(DataDir(), RequestFields(ProgramWorkspace(), 17));
    EXPECT_EQ(readAll(document(17)), "{\\rtf1 corrected}");
    EXPECT_EQ(openseam::requests().size(), 2);

    // Deleted (the list does it after a change answered with DA): made anew.
    QFile::remove(document(17));
    ListRequestForm(DataDir(), RequestFields(ProgramWorkspace(), 17));
    EXPECT_EQ(readAll(document(17)), made);
}

TEST_F(RequestForm, NamesAndEscapes)
{
    const struct
    {
        const char *name;
        QString subsemn;
        QByteArray nume, prenume;
    } cases[] = {
        {"single word", "POPESCU", "POPESCU", ""},
        {"brace in the name", "POP{ESCU} ANA", "POP(ESCU)", "ANA"},
        {"diacritics", QString::fromUtf8("ŢEPEŞ ŞTEFANIA"), "\\u354?EPE\\u350?", "\\u350?TEFANIA"},
    };
    qint64 id = 20;
    writeAll(DataDir() + "/Cerere.rtf",
             "{\\rtf1 N=[NUME]; P=[PRENUME]; C=[NUME1]/[PRENUME1]; S=[subsemn]\\par}");
    for (const auto &c : cases) {
        addRequest(++id, c.subsemn);
        ListRequestForm(DataDir(), RequestFields(ProgramWorkspace(), id));
        const QByteArray doc = readAll(document(id));
        EXPECT_TRUE(doc.contains("N=" + c.nume + "; P=" + c.prenume + "; "))
            << c.name << ": " << doc.toStdString();
        EXPECT_TRUE(doc.contains("C=POPESCU/ANA MARIA")) << c.name;
        EXPECT_EQ(RtfReplace::braceBalance(doc), 0) << c.name;
    }
}

TEST_F(RequestForm, ABrokenPlaceholderMakesNoForm)
{
    addRequest(30, "POPESCU MARIA");
    writeAll(DataDir() + "/Cerere.rtf", "{\\rtf1 N=[NUME]; C=[C{\\b NP}]\\par}");
    try {
        ListRequestForm(DataDir(), RequestFields(ProgramWorkspace(), 30));
        ADD_FAILURE() << "made a form from a broken template";
    } catch (const DocumentRefusal &refusal) {
        EXPECT_EQ(refusal.title(), "Listare cerere");
        EXPECT_TRUE(refusal.message().contains("Cerere.rtf are campul [CNP] rupt"))
            << refusal.message().toStdString();
        EXPECT_TRUE(refusal.message().contains(
            QString::fromUtf8("Modele de Listare › Cerere › Refa modelul initial")));
    }
    EXPECT_FALSE(QFileInfo::exists(document(30)));
    EXPECT_TRUE(openseam::requests().isEmpty());
}

// An empty or foreign Cerere.rtf, or a form over the engine's limit, makes
// no form: the refusal says what is wrong and how to mend it.
TEST_F(RequestForm, ABrokenTemplateOrAFormTooLargeMakesNoForm)
{
    addRequest(31, "POPESCU MARIA");
    const QString cure =
        QString::fromUtf8("\rRefaceti-l din Administrare › Modele de Listare › Cerere › Refa "
                          "modelul initial !");
    const QString tmpl = QDir::toNativeSeparators(DataDir() + "/Cerere.rtf");
    const struct
    {
        const char *name;
        QByteArray rtf;
        qint64 limit;
        QString text;
    } cases[] = {
        {"empty", "", 0, "Modelul " + tmpl + " este gol !" + cure},
        {"junk", QByteArray("PK\x03\x04\0\0junk", 10), 0,
         "Modelul " + tmpl + " nu este un document RTF (nu incepe cu {\\rtf) !" + cure},
        {"too large", ModelBytes("CERERE"), 1024,
         "Documentul ar avea 1 MB, peste limita de 1 MB: modelul " + tmpl +
             " are prea multe campuri de completat !"},
    };
    for (const auto &c : cases) {
        writeAll(DataDir() + "/Cerere.rtf", c.rtf);
        RtfReplace::setDocumentLimit(c.limit);
        try {
            ListRequestForm(DataDir(), RequestFields(ProgramWorkspace(), 31));
            ADD_FAILURE() << c.name;
        } catch (const DocumentRefusal &refusal) {
            EXPECT_EQ(refusal.title(), "Listare cerere") << c.name;
            EXPECT_EQ(refusal.message().toStdString(), c.text.toStdString()) << c.name;
        }
        RtfReplace::setDocumentLimit(0);
        EXPECT_FALSE(QFileInfo::exists(document(31))) << c.name;
    }
    EXPECT_TRUE(openseam::requests().isEmpty());
}

TEST_F(RequestForm, UnknownRequestFails)
{
    EXPECT_THROW(RequestFields(ProgramWorkspace(), 99), Error);
}

TEST_F(RequestForm, CommandLineWritesTheSameDocument)
{
    addRequest(17, "POPESCU MARIA");
    ExtractModels(DataDir());
    const QString cli = QString::fromLocal8Bit(qgetenv("KOVARA_BIN_DIR")) + "/kovara-cli";
    const QString out = scratch.file("form.rtf");
    QProcess p;
    p.start(cli, {"--data", DataDir(), "document", "cerere", "17", "-o", out});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    WriteRequestForm(DataDir(), RequestFields(ProgramWorkspace(), 17), scratch.file("direct.rtf"));
    EXPECT_EQ(readAll(out), readAll(scratch.file("direct.rtf")));

    const struct
    {
        QStringList args;
        int exit;
    } failures[] = {
        {{"document", "cerere", "99", "-o", out}, 1},
        {{"document", "cerere", "17"}, 2},
        {{"document", "factura", "17", "-o", out}, 2},
    };
    for (const auto &f : failures) {
        p.start(cli, QStringList{"--data", DataDir()} + f.args);
        ASSERT_TRUE(p.waitForFinished(30000));
        EXPECT_EQ(p.exitCode(), f.exit) << f.args.join(' ').toStdString();
    }
}

TEST_F(RequestForm, CommandLineTemplateCheck)
{
    const QString cli = QString::fromLocal8Bit(qgetenv("KOVARA_BIN_DIR")) + "/kovara-cli";
    ExtractModels(DataDir());
    writeAll(DataDir() + "/Statistic.rtf", readAll(test::sourcePath("install/Data/Statistic.rtf")));
    QProcess p;
    p.start(cli, {"--data", DataDir(), "templates"});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardOutput().toStdString();

    QByteArray disp4 = readAll(DataDir() + "/Disp4.rtf");
    disp4.replace("[SOLICITANT]", "[SOLI}{\\rtlch CITANT]");
    writeAll(DataDir() + "/Disp4.rtf", disp4);
    p.start(cli, {"--data", DataDir(), "templates"});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 1);
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_TRUE(text.contains("rupte:   [SOLICITANT]")) << text.toStdString();

    QFile::remove(DataDir() + "/Statistic.rtf");
    p.start(cli, {"--data", DataDir(), "templates"});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_TRUE(QString::fromUtf8(p.readAllStandardOutput()).contains("Statistic.rtf"));
    EXPECT_EQ(p.exitCode(), 1);
}

} // namespace
