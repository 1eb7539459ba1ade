// The backup window: save and restore through queued answers, no real dialog.
#include "admin/ui/BackupWindow.h"
#include "ArchiveTestUtil.h"
#include "app/AdminWiring.h"
#include "app/MainWindow.h"
#include "base/Paths.h"
#include "engines/archive/Archive.h"
#include "shell/AccessState.h"
#include "shell/Formats.h"
#include "shell/MesajRules.h"
#include "shell/ui/ProgressCounter.h"
#include "shell/ui/TestSeam.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace kovara;
using namespace kovara::test;

namespace {

class BackupWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setProgramDir(scratch.file(QStringLiteral("Program")));
        QDir().mkpath(DataDir());
        seam::activate();
        form.endProgram = [this] { ++ended; };
        form.show();
    }
    void TearDown() override { seam::deactivate(); }

    QString inData(const char *name) const { return DataDir() + QLatin1Char('/') + QLatin1String(name); }
    void fillData()
    {
        writeAll(inData("Cereri.dbf"), recordBytes(300000, 4));
        writeAll(inData("Kovara.ini"), "[INDEX]\r\nIDCERERE=3\r\n");
    }
    QStringList mesajTexts() const
    {
        QStringList t;
        for (const seam::MesajCall &c : seam::mesajCalls())
            t << c.title + QLatin1Char('|') + c.text + QLatin1Char('|') + QString::number(c.kind);
        return t;
    }

    ScratchDir scratch;
    QString kov = scratch.file(QStringLiteral("salvare.kov"));
    BackupWindow form;
    int ended = 0;
};

TEST_F(BackupWindowTest, LooksAsDescribed)
{
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Salvare - Restaurare"));
    EXPECT_EQ(form.saveButton->text(), QStringLiteral("Salveaza baza de date"));
    EXPECT_EQ(form.restoreButton->text(), QStringLiteral("Restaureaza baza de date"));
    EXPECT_EQ(form.statusLine->text(), QStringLiteral("ESC - Iesire"));
}

TEST_F(BackupWindowTest, SaveWritesTheArchiveAndReportsSuccess)
{
    fillData();
    seam::pushChoice(kov);
    form.saveButton->click();
    ASSERT_EQ(seam::chooserCalls().size(), 1);
    EXPECT_EQ(seam::chooserCalls()[0].kind, QStringLiteral("save"));
    EXPECT_EQ(seam::chooserCalls()[0].title, QStringLiteral("Unde salvam arhiva ?"));
    EXPECT_EQ(VerifyArchive(kov).size(), 2);
    EXPECT_EQ(mesajTexts(), QStringList{QStringLiteral("Informatie|Salvare incheiata cu succes !|2")});
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(form.isEnabled());
    EXPECT_FALSE(ProgressCounter::instance()->isVisible());
    EXPECT_EQ(ProgressCounter::instance()->Descr->text(), QStringLiteral("Salvez starea actuala..."));
}

TEST_F(BackupWindowTest, LinksAreNamedNotSaved)
{
    fillData();
    const QString outside = scratch.file(QStringLiteral("secret.txt"));
    writeAll(outside, "din afara dosarului de date");
    ASSERT_TRUE(QFile::link(outside, inData("Legatura.txt")));
    seam::pushChoice(kov);
    form.saveButton->click();
    const QList<ArchiveEntry> entries = VerifyArchive(kov);
    ASSERT_EQ(entries.size(), 2);
    for (const ArchiveEntry &e : entries)
        EXPECT_NE(e.name, QStringLiteral("Legatura.txt"));
    EXPECT_EQ(mesajTexts(),
              QStringList{QStringLiteral("Informatie|Salvare incheiata cu succes !\r\nNu au fost "
                                         "salvate, fiindca nu sunt fisiere obisnuite (legaturi): "
                                         "Legatura.txt.|2")});
}

TEST_F(BackupWindowTest, ReplacingAnArchiveAsksFirst)
{
    fillData();
    writeAll(kov, "vechi");
    const QString question =
        QStringLiteral("Atentionare|Vreti sa inlocuiti salvarea %1?|0").arg(QDir::toNativeSeparators(kov));
    for (const int answer : {7, 2}) { // NU, Esc
        seam::activate();
        seam::pushChoice(kov);
        seam::pushMesajAnswer(answer);
        form.saveButton->click();
        EXPECT_EQ(mesajTexts(), QStringList{question});
        EXPECT_EQ(readAll(kov), QByteArray("vechi"));
    }
    seam::activate();
    seam::pushChoice(kov);
    seam::pushMesajAnswer(6);
    form.saveButton->click();
    EXPECT_EQ(mesajTexts().value(1), QStringLiteral("Informatie|Salvare incheiata cu succes !|2"));
    EXPECT_EQ(VerifyArchive(kov).size(), 2);
}

TEST_F(BackupWindowTest, FailedSaveKeepsTheOldArchiveAndReportsTheError)
{
    fillData();
    writeAll(inData("nu\\se\\poate.txt"), "x"); // a name the archive cannot hold
    writeAll(kov, "vechi");
    seam::pushChoice(kov);
    seam::pushMesajAnswer(6);
    form.saveButton->click();
    EXPECT_EQ(readAll(kov), QByteArray("vechi"));
    ASSERT_EQ(seam::errorsShown().size(), 1);
    EXPECT_TRUE(seam::errorsShown()[0].contains(QStringLiteral("poate.txt")));
    EXPECT_EQ(seam::mesajCalls().size(), 1); // the question only, no success
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(form.isEnabled());
}

TEST_F(BackupWindowTest, EmptyDataFolderSavesNothingYetReportsSuccess)
{
    seam::pushChoice(kov);
    form.saveButton->click();
    EXPECT_FALSE(QFileInfo::exists(kov));
    EXPECT_EQ(mesajTexts(), QStringList{QStringLiteral("Informatie|Salvare incheiata cu succes !|2")});
}

TEST_F(BackupWindowTest, CancelledChoiceDoesNothing)
{
    fillData();
    seam::pushChoice(QString());
    form.saveButton->click();
    seam::pushChoice(QString());
    form.restoreButton->click();
    EXPECT_TRUE(seam::mesajCalls().isEmpty());
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(ended, 0);
}

TEST_F(BackupWindowTest, RestoreReplacesTheDataAndEndsTheProgram)
{
    fillData();
    backupDataDir(DataDir(), kov);
    writeAll(inData("Cereri.dbf"), "stricat");
    writeAll(inData("nou.txt"), "x");
    seam::pushChoice(kov);
    form.restoreButton->click();
    EXPECT_EQ(seam::chooserCalls().value(0).title, QStringLiteral("Indicati salvarea precedenta Kovara."));
    EXPECT_EQ(readAll(inData("Cereri.dbf")), recordBytes(300000, 4));
    EXPECT_FALSE(QFileInfo::exists(inData("nou.txt")));
    EXPECT_EQ(mesajTexts(),
              QStringList{QStringLiteral("Informatie|Restaurare incheiata cu succes !") + LineBreak() +
                          QStringLiteral("Va rog sa porniti programul din nou !|2")});
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(BackupWindowTest, MissingArchiveIsReported)
{
    seam::pushChoice(kov);
    form.restoreButton->click();
    EXPECT_EQ(
        mesajTexts(),
        QStringList{QStringLiteral("Eroare|Salvarea %1 nu exista !|1").arg(QDir::toNativeSeparators(kov))});
    EXPECT_EQ(ended, 0);
}

TEST_F(BackupWindowTest, DamagedArchiveLeavesDataAndProgramGoing)
{
    fillData();
    backupDataDir(DataDir(), kov);
    QByteArray bytes = readAll(kov);
    bytes[300] = char(bytes[300] ^ 0x40);
    writeAll(kov, bytes);
    const QMap<QString, QByteArray> before = snapshot(DataDir());

    seam::pushChoice(kov);
    form.restoreButton->click();
    EXPECT_EQ(snapshot(DataDir()), before);
    ASSERT_EQ(seam::errorsShown().size(), 1);
    EXPECT_TRUE(seam::errorsShown()[0].contains(QStringLiteral("deteriorata")));
    EXPECT_TRUE(seam::mesajCalls().isEmpty());
    EXPECT_EQ(ended, 0);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(form.isEnabled());
    EXPECT_FALSE(ProgressCounter::instance()->isVisible());
}

} // namespace

// Installed in the program, a restore ends it through the main window
// without the closing question: on "NU" the old constants would stay in
// memory and "Salveaza si inchide" would write them over the restored file.
TEST_F(BackupWindowTest, RestoreInTheProgramEndsItWithoutTheQuestion)
{
    AccessState access;
    MainWindow main(access);
    int quit = 0;
    main.setQuitAction([&quit] { ++quit; });
    installBackup(&main, &form);
    fillData();
    backupDataDir(DataDir(), kov);
    seam::pushMesajAnswer(ResNu); // were the question asked, the clerk says NU
    seam::pushChoice(kov);
    form.restoreButton->click();
    EXPECT_EQ(quit, 1);
    EXPECT_EQ(ended, 0) << "the main window ends the program";
    for (const seam::MesajCall &c : seam::mesajCalls())
        EXPECT_NE(c.text, QStringLiteral("Vreti sa inchideti programul?"));
}
