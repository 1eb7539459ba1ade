// The report menu's entries for the finance office, the treasury and the
// workbooks, driven as the clerk uses them: the treasury dialog by
// keyboard, the choosers and messages through the test seam, the opened
// files through the open seam.

#include "exports/ui/ReportCommands.h"
#include "ExportFixture.h"
#include "app/MainWindow.h"
#include "documents/Models.h"
#include "exports/ui/TreasuryDialog.h"
#include "listings/ui/ListingMenus.h"
#include "shell/AccessState.h"
#include "shell/MesajRules.h"
#include "shell/OpenDocument.h"
#include "shell/ui/MonthDialog.h"
#include "shell/ui/PeriodDialog.h"
#include "shell/ui/TestSeam.h"
#include "shell/ui/UiHelpers.h"
#include "widgets/Balloon.h"
#include "widgets/DateField.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace kovara;
using namespace kovara::test;

namespace {

// Runs `drive` once `dialog` is up, then cancels whatever is still open.
void whenShown(QDialog *dialog, const std::function<void()> &drive)
{
    QTimer::singleShot(0, dialog, [dialog, drive] {
        EXPECT_TRUE(dialog->isVisible());
        if (dialog->isVisible()) {
            QApplication::setActiveWindow(dialog);
            EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
            drive();
        }
        if (dialog->isVisible())
            dialog->reject();
    });
}

void enter()
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

// Types the date as a clerk does, dots and all, over what the field held.
void typeDate(DateField *field, const QDate &date)
{
    field->selectAll();
    QTest::keyClicks(field, date.toString(QStringLiteral("dd.MM.yyyy")));
}

class ReportCommands : public ExportData
{
protected:
    void SetUp() override
    {
        ExportData::SetUp();
        if (IsSkipped())
            return;
        seam::activate();
        openseam::activate();
        main = new MainWindow(access);
        installReportCommands(main, &periodDialog, &treasuryDialog);
        installListingCommands(main, &periodDialog, &monthDialog, MakeMinistryWorkbook);
    }
    void TearDown() override
    {
        delete main;
        openseam::deactivate();
        seam::deactivate();
        ExportData::TearDown();
    }

    void trigger(const QStringList &path)
    {
        QAction *a = main->menuAction(QStringList{"Rapoarte"} + path);
        ASSERT_TRUE(a) << path.join(" / ").toStdString();
        EXPECT_TRUE(a->isEnabled());
        a->trigger();
    }

    // Confirms the treasury dialog with the March 2008 dates, by keyboard.
    void confirmTreasury(const QDate &transfer = QDate(2008, 3, 5))
    {
        TreasuryDialog *d = &treasuryDialog;
        whenShown(d, [d, transfer] {
            typeDate(d->startDate, QDate(2008, 3, 1));
            typeDate(d->endDate, QDate(2008, 3, 31));
            typeDate(d->transferDate, transfer);
            typeDate(d->takeoverDate, QDate(2008, 3, 6));
            typeDate(d->paymentDate, QDate(2008, 3, 7));
            EXPECT_EQ(QApplication::focusWidget(), d->startDate);
            for (int i = 0; i < 5; ++i)
                enter(); // through the five dates; the last one confirms
        });
    }

    void confirmPeriod(const QDate &from, const QDate &to)
    {
        PeriodDialog *d = &periodDialog;
        whenShown(d, [d, from, to] {
            d->startDate->setDate(from);
            d->endDate->setDate(to);
            d->confirmButton()->click();
        });
    }

    // The dialogs the program keeps for the whole run, shared by the commands.
    PeriodDialog periodDialog;
    MonthDialog monthDialog;
    TreasuryDialog treasuryDialog;
    AccessState access;
    MainWindow *main = nullptr;
};

TEST_F(ReportCommands, TreasuryDialogByKeyboard)
{
    TreasuryDialog *d = &treasuryDialog;
    EXPECT_EQ(d->windowTitle(), "Kovara");
    EXPECT_EQ(d->titleLine()->text(), "Raport Trezorerie");
    EXPECT_EQ(d->confirmButton()->text(), "Am ales");
    EXPECT_EQ(d->cancelButton()->text(), "Renunt");
    EXPECT_EQ(d->statusLine()->text(), "ESC - Iesire");

    // A dialog made with the windows (perhaps days before) opens the first
    // time on today's date.
    d->transferDate->setDate(QDate(2001, 1, 1));
    QDate shown;
    std::vector<QWidget *> order;
    whenShown(d, [d, &order, &shown] {
        shown = d->transferDate->date();
        // KOVARA_SHOT_DIR: a picture of the dialog as shown, for a look by eye.
        if (qEnvironmentVariableIsSet("KOVARA_SHOT_DIR"))
            d->grab().save(qEnvironmentVariable("KOVARA_SHOT_DIR") + "/treasury-dialog.png");
        for (int i = 0; i < 4; ++i) {
            order.push_back(QApplication::focusWidget());
            enter();
        }
        order.push_back(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    });
    EXPECT_FALSE(d->Ask());
    EXPECT_EQ(order, (std::vector<QWidget *>{d->startDate, d->endDate, d->transferDate, d->takeoverDate,
                                             d->paymentDate}));
    EXPECT_EQ(shown, QDate::currentDate());

    // Confirmed dates stay for the next command; no check on their order.
    whenShown(d, [d] {
        d->startDate->setDate(QDate(2008, 3, 31));
        d->endDate->setDate(QDate(2008, 3, 1));
        d->paymentDate->setFocus();
        enter();
    });
    EXPECT_TRUE(d->Ask());
    EXPECT_EQ(d->dates().from, QDate(2008, 3, 31));
    whenShown(d, [] {});
    d->Ask();
    EXPECT_EQ(d->dates().to, QDate(2008, 3, 1));

    // A date that does not exist is pointed out; nothing runs.
    bool refused = false;
    whenShown(d, [d, &refused] {
        d->takeoverDate->selectAll();
        QTest::keyClicks(d->takeoverDate, QStringLiteral("31.02.2008"));
        d->paymentDate->setFocus();
        enter();
        refused = d->isVisible() && QApplication::focusWidget() == d->takeoverDate && ProblemBalloon() &&
                  ProblemBalloon()->isVisible() &&
                  ProblemBalloon()->text() == QStringLiteral("Data incorecta!");
        if (ProblemBalloon())
            ProblemBalloon()->hide();
    });
    EXPECT_FALSE(d->Ask());
    EXPECT_TRUE(refused);
}

TEST_F(ReportCommands, TreasuryFileAndItsAnnexes)
{
    const QString folder = scratch.file("trezorerie");
    seam::pushChoice(folder);
    confirmTreasury();
    trigger({"Trusou pentru nou-nascuti", "Raport Trezorerie", "Creare DBF"});
    const QString file = folder + "/091234567_05-03-2008.dbf";
    ASSERT_EQ(seam::mesajCalls().size(), 1);
    EXPECT_EQ(seam::mesajCalls()[0].title, "Raport Trezorerie");
    EXPECT_EQ(seam::mesajCalls()[0].kind, KindInformatie);
    EXPECT_TRUE(seam::mesajCalls()[0].text.contains(QDir::toNativeSeparators(file)));
    EXPECT_EQ(seam::chooserCalls().at(0).title, "Unde punem DBF-ul?");
    EXPECT_EQ(dbfRecords(file).size(), 5);

    seam::pushChoice(file);
    confirmTreasury();
    trigger({"Trusou pentru nou-nascuti", "Raport Trezorerie", "Anexa 2", "Export in Excel"});
    EXPECT_EQ(seam::chooserCalls().at(1).title, "Indicati fisierul DBF");
    ASSERT_EQ(openseam::requests().size(), 1);
    EXPECT_EQ(QFileInfo(openseam::requests()[0].path).fileName(), "Anx20.xls");
    EXPECT_TRUE(xlsCells(openseam::requests()[0].path)
                    .contains("16,5 number 901.0 | MS Sans Serif 10 bold | right | -"));

    // Annex 3 without its template is refused with the update advice.
    seam::pushChoice(file);
    confirmTreasury(QDate(2008, 3, 9));
    trigger({"Trusou pentru nou-nascuti", "Raport Trezorerie", "Listare Anexa 3"});
    ASSERT_EQ(seam::mesajCalls().size(), 2);
    EXPECT_EQ(seam::mesajCalls()[1].title, "Anexa 3");
    EXPECT_TRUE(seam::mesajCalls()[1].text.endsWith("Actualizati programul de pe pagina proiectului !"));

    ExtractModel("Anx3", DataDir() + "/Anx3.rtf");
    seam::pushChoice(file);
    confirmTreasury(QDate(2008, 3, 9));
    trigger({"Trusou pentru nou-nascuti", "Raport Trezorerie", "Listare Anexa 3"});
    ASSERT_EQ(openseam::requests().size(), 2);
    EXPECT_EQ(openseam::requests()[1].path, QDir(scratch.path()).filePath("0.rtf"));
    const QByteArray rtf = readAll(openseam::requests()[1].path);
    for (const char *value : {"BRAILA", "1234567", "09.03.2008", "901"})
        EXPECT_TRUE(rtf.contains(value)) << value;
    EXPECT_FALSE(rtf.contains("[SUMA]"));
    EXPECT_FALSE(rtf.contains("[DATA]"));
}

TEST_F(ReportCommands, FinanceFileRefusedAndMade)
{
    makeData("BRAILA", "123456");
    seam::pushChoice(scratch.file("finante"));
    confirmPeriod(QDate(2008, 3, 1), QDate(2008, 3, 31));
    trigger({"Trusou pentru nou-nascuti", "Raport Finante", "Creare DBF"});
    ASSERT_EQ(seam::mesajCalls().size(), 1);
    EXPECT_EQ(seam::mesajCalls()[0].title, "Raport Finante");
    EXPECT_EQ(seam::mesajCalls()[0].text, "Codul Fiscal de la Administrare este incorect !");
    EXPECT_EQ(seam::mesajCalls()[0].kind, KindEroare);
    EXPECT_FALSE(QFileInfo::exists(scratch.file("finante")));

    makeData();
    seam::pushChoice(scratch.file("finante"));
    confirmPeriod(QDate(2007, 6, 1), QDate(2007, 6, 30));
    trigger({"Alocatie pentru copii nou-nascuti", "Raport Finante", "Creare DBF"});
    ASSERT_EQ(seam::mesajCalls().size(), 2);
    EXPECT_EQ(seam::mesajCalls()[1].kind, KindInformatie);
    EXPECT_EQ(dbfRecords(scratch.file("finante/ALOCAT_NN/91234567.dbf")).size(), 2);

    // A cancelled folder prompt ends the command without a message.
    confirmPeriod(QDate(2007, 6, 1), QDate(2007, 6, 30));
    trigger({"Alocatie pentru copii nou-nascuti", "Raport Finante", "Creare DBF"});
    EXPECT_EQ(seam::mesajCalls().size(), 2);
}

TEST_F(ReportCommands, WorkbooksOpenWithTheDesktop)
{
    confirmPeriod(QDate(2008, 3, 1), QDate(2008, 3, 31));
    trigger({"Trusou pentru nou-nascuti", "Centralizator Dispozitii", "Export in Excel"});
    ASSERT_EQ(openseam::requests().size(), 1);
    EXPECT_EQ(openseam::requests()[0].path, QDir(scratch.path()).filePath("XLS0.xls"));
    EXPECT_EQ(openseam::requests()[0].workingDir, scratch.path());
    EXPECT_EQ(periodDialog.titleLine()->text(), "Export Centralizator");

    MonthDialog *month = &monthDialog;
    whenShown(month, [month] {
        // The year list holds this year and the last: July of the year of
        // the requests cannot be chosen, so the export is empty but made.
        month->month->setCurrentIndex(6);
        month->excelButton()->click();
    });
    trigger({"Alocatie pentru copii nou-nascuti", "Raportare Ministerul Muncii"});
    ASSERT_EQ(openseam::requests().size(), 2);
    // The first one was handed to the spreadsheet program, which may have it
    // open: the next workbook takes the next number.
    EXPECT_EQ(QFileInfo(openseam::requests()[1].path).fileName(), "XLS1.xls");
    EXPECT_TRUE(QFileInfo::exists(openseam::requests()[0].path));
    EXPECT_EQ(month->titleLine()->text(), "Listare Borderou");
}

} // namespace
