// The listing entries of the report menu: enabled once their commands are
// installed, running through the period dialog into the preview, and a work
// table held by another program reported under the listing's title.

#include "SampleData.h"
#include "app/MainWindow.h"
#include "base/Paths.h"
#include "data/Settings.h"
#include "listings/Listings.h"
#include "listings/ui/ListingMenus.h"
#include "shell/AccessState.h"
#include "shell/MesajRules.h"
#include "shell/WorkTable.h"
#include "shell/ui/ListingRun.h"
#include "shell/ui/MonthDialog.h"
#include "shell/ui/PeriodDialog.h"
#include "shell/ui/TestSeam.h"
#include "widgets/DateField.h"

#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QFileInfo>
#include <QPrintPreviewWidget>
#include <QTimer>
#include <gtest/gtest.h>

using namespace kovara;

namespace {

const QString kReports = "Rapoarte";
const QString kState = "Alocatie de stat / indemnizatie / stimulent";
const QString kNewborn = "Alocatie pentru copii nou-nascuti";
const QString kLayette = "Trusou pentru nou-nascuti";

class ListingMenu : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setProgramDir(scratch.path());
        test::writeSampleDataFolder(DataDir());
        LoadConstants();
        seam::activate();
        window = std::make_unique<MainWindow>(access);
        installListingCommands(window.get(), &periodDialog, &monthDialog);
    }
    void TearDown() override
    {
        seam::activate();
        seam::pushMesajAnswer(ResDa);
        window.reset();
        seam::deactivate();
        Database::shared().detachAll();
    }

    test::ScratchDir scratch;
    PeriodDialog periodDialog;
    MonthDialog monthDialog;
    AccessState access;
    std::unique_ptr<MainWindow> window;
};

TEST_F(ListingMenu, TheListingEntriesHaveTheirCommands)
{
    const QList<QStringList> listings = {
        {kReports, kState, "Listare Borderou"},
        {kReports, kState, "Listare Borderou pt. copii cu handicap"},
        {kReports, kNewborn, "Listare Stat de plata"},
        {kReports, kNewborn, "Raportare Ministerul Muncii"},
        {kReports, kLayette, "Listare Stat de plata"},
        {kReports, kLayette, "Centralizator Dispozitii", "Listare"},
    };
    for (const QStringList &path : listings) {
        QAction *action = window->menuAction(path);
        ASSERT_NE(action, nullptr) << path.join(" > ").toStdString();
        EXPECT_TRUE(action->isEnabled()) << path.join(" > ").toStdString();
    }
    // The workbook export is another command's work.
    EXPECT_FALSE(
        window->menuAction({kReports, kLayette, "Centralizator Dispozitii", "Export in Excel"})->isEnabled());
}

TEST_F(ListingMenu, BordereauRunsFromThePeriodDialogIntoThePreview)
{
    int shownPages = -1;
    QTimer::singleShot(0, [&] {
        PeriodDialog *dialog = &periodDialog;
        dialog->startDate->setDate(QDate(2010, 3, 1));
        dialog->endDate->setDate(QDate(2010, 3, 31));
        QTimer::singleShot(0, [&] {
            auto *preview = qobject_cast<ReportPreview *>(QApplication::activeModalWidget());
            if (preview) {
                shownPages = preview->previewWidget()->pageCount();
                preview->close();
            }
        });
        dialog->confirmClicked();
    });
    window->menuAction({kReports, kState, "Listare Borderou"})->trigger();
    EXPECT_EQ(shownPages, 2); // 54 children of the sample
    EXPECT_TRUE(seam::errorsShown().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(scratch.file("B2.dbf")));
}

TEST_F(ListingMenu, AWorkTableInUseIsReportedUnderTheListingsTitle)
{
    bool previewed = false;
    QTimer::singleShot(0, [&] {
        if (QWidget *w = QApplication::activeModalWidget()) {
            previewed = true;
            w->close();
        }
    });
    RunListing("Listare Centralizator",
               []() -> report::ReportDocument { throw WorkTableInUse("/x/S4.dbf"); });
    ASSERT_EQ(seam::mesajCalls().size(), 1);
    EXPECT_EQ(seam::mesajCalls()[0].title, "Listare Centralizator");
    EXPECT_EQ(seam::mesajCalls()[0].text, WorkTableInUseText("/x/S4.dbf"));
    EXPECT_EQ(seam::mesajCalls()[0].kind, KindEroare);
    EXPECT_EQ(seam::mesajCalls()[0].buttons, BtnOk);
    EXPECT_FALSE(previewed);
}

} // namespace
