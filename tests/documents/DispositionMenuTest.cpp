// The report menu's document commands as the clerk runs them: the menu
// entry, the selection dialog driven with the keyboard, the document that
// the desktop is asked to open (recorded by the open seam), or the message.

#include "DocumentRows.h"
#include "app/MainWindow.h"
#include "base/Paths.h"
#include "data/Settings.h"
#include "documents/Models.h"
#include "documents/ui/DispositionMenus.h"
#include "shell/AccessState.h"
#include "shell/MesajRules.h"
#include "shell/OpenDocument.h"
#include "shell/ui/DispositionRangeDialog.h"
#include "shell/ui/SemesterDialog.h"
#include "shell/ui/TestSeam.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace kovara;
using namespace kovara::test;

namespace {

const QStringList NewbornEntry = {"Rapoarte", "Alocatie pentru copii nou-nascuti", "Listare Dispozitii"};
const QStringList LayetteEntry = {"Rapoarte", "Trusou pentru nou-nascuti", "Listare Dispozitii"};
const QStringList StatisticsEntry = {"Rapoarte", "Trusou pentru nou-nascuti",
                                     "Situatie statistica semestriala"};

void press(Qt::Key key)
{
    QTest::keyClick(QApplication::focusWidget(), key);
}

void type(const QString &text)
{
    QWidget *field = QApplication::focusWidget();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
    press(Qt::Key_Return);
}

class DispositionMenu : public ::testing::Test
{
protected:
    void SetUp() override
    {
        seam::activate();
        openseam::activate();
        WriteSettings("CONSTANTE", {{"PRIMARIA", "SACELE"}, {"LOCALIT", "Sacele"}, {"JUDET", "BRASOV"}});
        LoadConstants();
        ExtractModels(DataDir());
        installDispositionCommands(&main, &rangeDialog, &semesterDialog);
        main.SetAccess(true);
        const int y = QDate::currentDate().year();
        folder.add({.nr = 9, .tip = "3", .nrdisp = 3, .datadisp = QDate(y, 1, 10), .subsemn = "NOUA"});
        folder.add({.nr = 4, .tip = "3", .nrdisp = 7, .datadisp = QDate(y, 1, 11), .subsemn = "PATRA"});
        folder.add({.nr = 5,
                    .tip = "4",
                    .nrdisp = 3,
                    .datadisp = QDate(y, 1, 10),
                    .subsemn = "TRUSOU",
                    .children = {"A", "B"},
                    .codes = {"5200312123455", "8200312123457"}});
    }
    void TearDown() override
    {
        openseam::deactivate();
        seam::deactivate();
    }

    // Runs the menu entry; `drive` works the dialog it shows (if any is up).
    void run(const QStringList &entry, QDialog *dialog, const std::function<void()> &drive)
    {
        QTimer::singleShot(0, dialog, [dialog, drive] {
            if (dialog->isVisible()) {
                QApplication::setActiveWindow(dialog);
                EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
                drive();
            }
            if (dialog->isVisible())
                dialog->reject();
        });
        QAction *action = main.menuAction(entry);
        ASSERT_TRUE(action);
        ASSERT_TRUE(action->isEnabled());
        action->trigger();
    }

    // First, last, copies, each typed and confirmed with Enter.
    std::function<void()> range(const QString &first, const QString &last, int copies)
    {
        return [=, this] {
            type(first);
            type(last);
            rangeDialog.copies->setValue(copies);
            press(Qt::Key_Return);
        };
    }

    DocumentFolder folder;
    DispositionRangeDialog rangeDialog;
    SemesterDialog semesterDialog;
    AccessState access;
    MainWindow main{access};
};

// The dispositions of the newborn allowance in the order of their request
// numbers, two copies of each, written to Dispozitie0.rtf and opened; with
// Dispozitie0.rtf held open, the next run writes Dispozitie1.rtf.
TEST_F(DispositionMenu, NewbornDispositionsThroughTheRangeDialog)
{
    run(NewbornEntry, &rangeDialog, range("1", "10", 2));
    EXPECT_EQ(rangeDialog.titleLine()->text(), "Listare Dispozitii");
    ASSERT_EQ(openseam::requests().size(), 1);
    const QString first = ProgramDir() + "/Dispozitie0.rtf";
    EXPECT_EQ(openseam::requests()[0].path, first);
    EXPECT_EQ(openseam::requests()[0].workingDir, ProgramDir());
    const QByteArray doc = readAll(first);
    EXPECT_EQ(doc.count("\\page"), 3); // 2 dispositions x 2 copies
    EXPECT_LT(doc.indexOf("PATRA"), doc.indexOf("NOUA"));
    EXPECT_TRUE(seam::mesajCalls().isEmpty());
    EXPECT_EQ(ReadSetting("CONSTANTE", "NREX"), "2");

    QFile::remove(first);
    QDir().mkpath(first + "/held"); // cannot be deleted
    run(NewbornEntry, &rangeDialog, range("3", "3", 1));
    ASSERT_EQ(openseam::requests().size(), 2);
    EXPECT_EQ(openseam::requests()[1].path, ProgramDir() + "/Dispozitie1.rtf");
}

TEST_F(DispositionMenu, RefusalsAreShownAndNothingIsOpened)
{
    const struct
    {
        QStringList entry;
        std::function<void()> before;
        QString first, last;
        QString title, text;
    } cases[] = {
        {NewbornEntry, [] {}, "20", "30", "Listare Dispozitii",
         "Nu exista nici o dispozitie cu numarul intre 20 si 30."},
        {LayetteEntry, [] { QFile::remove(DataDir() + "/Disp4.rtf"); }, "1", "9", "Vizualizare dispozitie",
         "Lipseste fisierul " + DataDir() + "/Disp4.rtf\r\nSalvati datele si reinstalati programul!"},
    };
    for (const auto &c : cases) {
        c.before();
        seam::activate();
        run(c.entry, &rangeDialog, range(c.first, c.last, 1));
        ASSERT_EQ(seam::mesajCalls().size(), 1) << c.title.toStdString();
        EXPECT_EQ(seam::mesajCalls()[0].title, c.title);
        EXPECT_EQ(seam::mesajCalls()[0].text, c.text);
        EXPECT_EQ(seam::mesajCalls()[0].kind, KindEroare);
        EXPECT_EQ(seam::mesajCalls()[0].buttons, BtnOk);
    }
    EXPECT_TRUE(openseam::requests().isEmpty());

    // A cancelled dialog makes nothing and says nothing.
    seam::activate();
    run(NewbornEntry, &rangeDialog, [] { press(Qt::Key_Escape); });
    EXPECT_TRUE(seam::mesajCalls().isEmpty());
    EXPECT_TRUE(openseam::requests().isEmpty());
}

TEST_F(DispositionMenu, LayetteDispositionsWithTheRangeDialogTitle)
{
    run(LayetteEntry, &rangeDialog, range("3", "3", 1));
    EXPECT_EQ(rangeDialog.titleLine()->text(), "Listare Dispozitii Trusou");
    ASSERT_EQ(openseam::requests().size(), 1);
    const QByteArray doc = readAll(openseam::requests()[0].path);
    EXPECT_TRUE(doc.contains("A COPIILOR  A, CNP 5200312123455, B, CNP 8200312123457, ")) << doc.constData();
    EXPECT_TRUE(doc.contains("NUMITA TRUSOU"));
}

TEST_F(DispositionMenu, SemesterStatisticsThroughTheSemesterDialog)
{
    SemesterDialog *dialog = &semesterDialog;
    // No template: the message, nothing opened.
    run(StatisticsEntry, dialog, [] {
        press(Qt::Key_Return);
        press(Qt::Key_Return);
    });
    ASSERT_EQ(seam::mesajCalls().size(), 1);
    EXPECT_EQ(seam::mesajCalls()[0].title, "Statistica");
    EXPECT_EQ(seam::mesajCalls()[0].text, "Nu exista fisierul model Statistic.rtf!\rActualizati programul!");
    EXPECT_TRUE(openseam::requests().isEmpty());

    writeAll(DataDir() + "/Statistic.rtf",
             "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\r\n"
             "\\pard [LOCALITATE] [SEMESTRU] [ANUL] [NRCOPII] [MASC] [FEM]\\par\r\n}\r\n");
    run(StatisticsEntry, dialog, [] {
        press(Qt::Key_Return); // the first semester, this year
        press(Qt::Key_Return);
    });
    ASSERT_EQ(openseam::requests().size(), 1);
    EXPECT_EQ(openseam::requests()[0].path, ProgramDir() + "/0.rtf");
    const QString y = QString::number(QDate::currentDate().year());
    EXPECT_TRUE(readAll(ProgramDir() + "/0.rtf").contains(("SACELE 1 " + y + " 2 1 1").toLatin1()));

    run(StatisticsEntry, dialog, [] {
        press(Qt::Key_Down); // the second semester
        press(Qt::Key_Return);
        press(Qt::Key_Return);
    });
    ASSERT_EQ(openseam::requests().size(), 2);
    EXPECT_TRUE(readAll(openseam::requests()[1].path).contains(("SACELE 2 " + y + " 0 0 0").toLatin1()));
}

} // namespace
