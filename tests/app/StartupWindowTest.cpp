#include "app/StartupWindow.h"
#include "app/MainWindow.h"
#include "app/StartupWork.h"
#include "base/Error.h"
#include "base/Paths.h"
#include "data/RequestTable.h"
#include "data/Settings.h"
#include "shell/AccessState.h"
#include "shell/Formats.h"
#include "shell/ui/TestSeam.h"
#include "widgets/ProgressStrip.h"

#include "TestSupport.h"

#include <QDir>
#include <QLabel>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace kovara;

namespace {

class StartupWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        seam::activate();
        setProgramDir(scratch.path());
        setRegistryPath(scratch.file(QStringLiteral("registry.ini")));
        main.setQuitAction([] {});
    }
    void TearDown() override
    {
        seam::pushMesajAnswer(6);
        seam::deactivate();
        setRegistryPath(QString());
    }

    // Shows the startup window and waits for its work to end (at once, not
    // after the program's second).
    StartupOutcome start(const StartupSteps &steps)
    {
        form.setSteps(steps);
        form.setStartDelay(0);
        QSignalSpy done(&form, &StartupWindow::startupDone);
        form.show();
        EXPECT_TRUE(done.wait(5000));
        return done.isEmpty() ? StartupOutcome::Stopped : done.first().first().value<StartupOutcome>();
    }

    test::ScratchDir scratch;
    AccessState access;
    MainWindow main{access};
    StartupWindow form{&main, nullptr};
};

StartupSteps failingAt(int index)
{
    StartupSteps steps;
    std::function<void()> *targets[] = {&steps.makeDataDir, &steps.createRequestTable, &steps.loadConstants,
                                        &steps.upgradeData, &steps.stampRegistry,      &steps.packTable};
    *targets[index] = [] { throw Error(QStringLiteral("Tabela nu poate fi deschisa.")); };
    return steps;
}

} // namespace

TEST_F(StartupWindowTest, LooksAsAStartupWindowShould)
{
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(form.cursor().shape(), Qt::WaitCursor);
    EXPECT_EQ(form.title->text(), QStringLiteral("Kovara v.1.25"));
    EXPECT_EQ(form.titleShadow->text(), QStringLiteral("Kovara v.1.25"));
    EXPECT_EQ(form.Subtitlu->text(), QStringLiteral("Alocatii si indemnizatii crestere copii"));
    EXPECT_EQ(form.Status->text(), QStringLiteral("Incarcare date"));
    EXPECT_EQ(form.Bara->length(), 0);
    EXPECT_TRUE(form.startupTimer.isSingleShot());
    EXPECT_EQ(form.startupTimer.interval(), 1000);
}

TEST_F(StartupWindowTest, WorkRunsOnTheTimerAfterShowingThenTheMainWindowOpens)
{
    access.setGranted(true);
    form.setAccessState(&access);
    form.setSteps(StartupSteps{});
    form.setStartDelay(0);
    QSignalSpy done(&form, &StartupWindow::startupDone);
    form.show();
    // Showing only starts the timer (a second in the program): the window
    // is painted before the work begins.
    EXPECT_TRUE(form.startupTimer.isActive());
    EXPECT_EQ(form.Bara->length(), 0);
    EXPECT_FALSE(main.isVisible());
    ASSERT_TRUE(done.wait(5000));
    EXPECT_EQ(done.first().first().value<StartupOutcome>(), StartupOutcome::Ready);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(form.Bara->length(), 310);
    EXPECT_EQ(form.Status->text(), QStringLiteral("Refac bazele de date ..."));
    EXPECT_EQ(form.cursor().shape(), Qt::ArrowCursor);
    EXPECT_TRUE(seam::errorsShown().isEmpty());
    EXPECT_FALSE(access.granted());
    // Shown again (it never is), the work would not run twice.
    form.runStartup();
    EXPECT_TRUE(main.isVisible());
}

// A failure while the data is prepared leaves the startup window up; a later
// one is shown and the main window still opens.
TEST_F(StartupWindowTest, FailureOfEachStepEndsAsItsStageRequires)
{
    struct Case
    {
        int step;
        StartupOutcome outcome;
        bool startupVisible;
        bool mainVisible;
    };
    const Case cases[] = {
        {0, StartupOutcome::Stopped, true, false},
        {1, StartupOutcome::Stopped, true, false},
        {2, StartupOutcome::Stopped, true, false},
        {3, StartupOutcome::Stopped, true, false},
        {4, StartupOutcome::ReadyAfterFailure, false, true},
        {5, StartupOutcome::ReadyAfterFailure, false, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.step);
        seam::activate();
        AccessState otherAccess;
        MainWindow otherMain(otherAccess);
        otherMain.setQuitAction([] {});
        StartupWindow other(&otherMain, nullptr);
        other.setSteps(failingAt(c.step));
        other.setStartDelay(0);
        QSignalSpy done(&other, &StartupWindow::startupDone);
        other.show();
        ASSERT_TRUE(done.wait(5000));
        EXPECT_EQ(done.first().first().value<StartupOutcome>(), c.outcome);
        EXPECT_EQ(other.isVisible(), c.startupVisible);
        EXPECT_EQ(otherMain.isVisible(), c.mainVisible);
        EXPECT_EQ(seam::errorsShown(), QList<QString>({QStringLiteral("Tabela nu poate fi deschisa.")}));
        seam::pushMesajAnswer(6);
    }
}

TEST_F(StartupWindowTest, StripNeverGoesBeyondFullLength)
{
    const std::pair<int, int> steps[] = {{50, 155}, {50, 310}, {50, 310}, {-200, 0}, {33, 102}};
    for (const auto &[percent, length] : steps) {
        form.StepProgress(percent);
        EXPECT_EQ(form.Bara->length(), length) << percent;
    }
}

TEST_F(StartupWindowTest, FirstStartInAnEmptyFolderCreatesTheData)
{
    EXPECT_EQ(start(DefaultStartupSteps()), StartupOutcome::Ready)
        << seam::errorsShown().join(' ').toStdString();
    EXPECT_TRUE(seam::errorsShown().isEmpty());
    EXPECT_TRUE(main.isVisible());
    const QDir data(scratch.file(QStringLiteral("Data")));
    ASSERT_TRUE(data.exists());
    const QStringList tables = data.entryList({QStringLiteral("cereri.dbf")}, QDir::Files);
    EXPECT_EQ(tables.size(), 1);
    QSettings ini(data.filePath(QStringLiteral("Kovara.ini")), QSettings::IniFormat);
    EXPECT_EQ(ini.value(QStringLiteral("CONST/VERSIUNE")).toString(), QStringLiteral("1.25"));
    EXPECT_EQ(ReadRegValue(QStringLiteral("CALE")), ProgramDir());
    EXPECT_EQ(ReadRegValue(QStringLiteral("VER")), QStringLiteral("Kovara v.1.25"));
}

TEST_F(StartupWindowTest, StartWithAnExistingTableKeepsIt)
{
    setProgramDir(scratch.path());
    MakeDataDir();
    CreateRequestTable();
    const QString table =
        QDir(DataDir()).filePath(QDir(DataDir()).entryList({QStringLiteral("cereri.dbf")}).value(0));
    const QByteArray before = test::readAll(table);
    EXPECT_EQ(start(DefaultStartupSteps()), StartupOutcome::Ready)
        << seam::errorsShown().join(' ').toStdString();
    EXPECT_TRUE(main.isVisible());
    EXPECT_TRUE(QFileInfo::exists(table));
    EXPECT_EQ(test::readAll(table).size(), before.size());
}

TEST_F(StartupWindowTest, DataFolderThatCannotBeMadeStopsTheStart)
{
    test::writeAll(scratch.file(QStringLiteral("Data")), "not a folder");
    EXPECT_EQ(start(DefaultStartupSteps()), StartupOutcome::Stopped);
    ASSERT_EQ(seam::errorsShown().size(), 1);
    EXPECT_TRUE(seam::errorsShown().first().startsWith(QStringLiteral("Directorul ")));
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(main.isVisible());
    // No longer busy; Esc ends it.
    EXPECT_EQ(form.cursor().shape(), Qt::ArrowCursor);
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
}
