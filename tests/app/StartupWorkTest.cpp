#include "app/StartupWork.h"
#include "base/Error.h"
#include "base/Paths.h"
#include "engines/dbf/Dbf.h"
#include "shell/AccessState.h"
#include "shell/Formats.h"

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace kovara;

namespace {

// Records what the startup window is asked to do, in order.
class RecordingView : public StartupView
{
public:
    QStringList log;
    void processEvents() override {}
    void resetProgress() override { log << QStringLiteral("reset"); }
    void setCaptions() override { log << QStringLiteral("captions"); }
    void setStatus(const QString &text) override { log << QStringLiteral("status:") + text; }
    void stepProgress(int percent) override { log << QStringLiteral("step:%1").arg(percent); }
    void showFailure(const QString &message) override { log << QStringLiteral("failure:") + message; }
    void finish() override { log << QStringLiteral("finish"); }
};

const QStringList StepNames = {QStringLiteral("makeDataDir"),   QStringLiteral("createRequestTable"),
                               QStringLiteral("loadConstants"), QStringLiteral("upgradeData"),
                               QStringLiteral("stampRegistry"), QStringLiteral("packTable")};

// Steps that log their name into the view's log and fail at `failing`.
StartupSteps recordingSteps(RecordingView &view, const QString &failing)
{
    auto step = [&view, failing](const QString &name) {
        return [&view, failing, name] {
            view.log << name;
            if (name == failing)
                throw Error(name + QStringLiteral(" a esuat."));
        };
    };
    return {step(StepNames[0]), step(StepNames[1]), step(StepNames[2]),
            step(StepNames[3]), step(StepNames[4]), step(StepNames[5])};
}

const QStringList FullRun = {
    QStringLiteral("makeDataDir"),   QStringLiteral("createRequestTable"),
    QStringLiteral("loadConstants"), QStringLiteral("upgradeData"),
    QStringLiteral("reset"),         QStringLiteral("captions"),
    QStringLiteral("stampRegistry"), QStringLiteral("status:Refac bazele de date ..."),
    QStringLiteral("packTable"),     QStringLiteral("step:50"),
    QStringLiteral("step:50"),       QStringLiteral("finish"),
};

} // namespace

TEST(StartupWork, RunsEveryStepInOrder)
{
    AccessState access;
    access.setGranted(true);
    RecordingView view;
    EXPECT_EQ(RunStartupWork(recordingSteps(view, {}), view, &access), StartupOutcome::Ready);
    EXPECT_EQ(view.log, FullRun);
    EXPECT_FALSE(access.granted());
}

TEST(StartupWork, DataFailureStopsWithItsMessageAndNoMainWindow)
{
    for (int i = 0; i < 4; ++i) {
        const QString failing = StepNames[i];
        SCOPED_TRACE(failing.toStdString());
        RecordingView view;
        EXPECT_EQ(RunStartupWork(recordingSteps(view, failing), view, nullptr), StartupOutcome::Stopped);
        QStringList expected = FullRun.mid(0, i + 1);
        expected << QStringLiteral("failure:") + failing + QStringLiteral(" a esuat.");
        EXPECT_EQ(view.log, expected);
    }
}

TEST(StartupWork, LaterFailureSkipsTheRestButOpensTheMainWindow)
{
    struct Case
    {
        QString failing;
        int logged; // entries of FullRun done before the failure, the failing one included
    } cases[] = {{StepNames[4], 7}, {StepNames[5], 9}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.failing.toStdString());
        RecordingView view;
        EXPECT_EQ(RunStartupWork(recordingSteps(view, c.failing), view, nullptr),
                  StartupOutcome::ReadyAfterFailure);
        QStringList expected = FullRun.mid(0, c.logged);
        expected << QStringLiteral("failure:") + c.failing + QStringLiteral(" a esuat.")
                 << QStringLiteral("finish");
        EXPECT_EQ(view.log, expected);
    }
}

TEST(StartupWork, ADamagedTableFoundLaterStopsTheStart)
{
    RecordingView view;
    StartupSteps steps;
    steps.packTable = [] { throw dbf::DamagedTable(QStringLiteral("Tabelul este deteriorat")); };
    EXPECT_EQ(RunStartupWork(steps, view, nullptr), StartupOutcome::Stopped);
    EXPECT_TRUE(view.log.contains(QStringLiteral("failure:Tabelul este deteriorat")));
    EXPECT_FALSE(view.log.contains(QStringLiteral("finish"))) << "the main window is not shown";
}

TEST(StartupWork, AnyExceptionCountsAsAFailure)
{
    RecordingView view;
    StartupSteps steps;
    steps.packTable = [] { throw std::runtime_error("locked"); };
    EXPECT_EQ(RunStartupWork(steps, view, nullptr), StartupOutcome::ReadyAfterFailure);
    EXPECT_TRUE(view.log.contains(QStringLiteral("failure:locked")));
    EXPECT_EQ(view.log.last(), QStringLiteral("finish"));
}

TEST(MakeDataDir, CreatesTheFolderWithItsParents)
{
    test::ScratchDir scratch;
    setProgramDir(scratch.file(QStringLiteral("a/b/c")));
    MakeDataDir();
    EXPECT_TRUE(QFileInfo(scratch.file(QStringLiteral("a/b/c/Data"))).isDir());
    MakeDataDir(); // already there: nothing to do
}

TEST(MakeDataDir, FailsWithTheFolderNameWhenAFileIsInTheWay)
{
    test::ScratchDir scratch;
    test::writeAll(scratch.file(QStringLiteral("Data")), "x");
    setProgramDir(scratch.path());
    try {
        MakeDataDir();
        FAIL() << "no failure";
    } catch (const Error &e) {
        EXPECT_TRUE(e.message().contains(QDir::toNativeSeparators(scratch.file(QStringLiteral("Data")))));
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("Directorul ")));
    }
}
