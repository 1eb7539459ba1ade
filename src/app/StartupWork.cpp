#include "app/StartupWork.h"

#include "base/Error.h"
#include "base/Paths.h"
#include "engines/dbf/Dbf.h"
#include "shell/AccessState.h"
#include "shell/Formats.h"

#include <QDir>
#include <QFileInfo>
#include <exception>

namespace kovara {
namespace {

// Runs one part of the work; on failure returns its message, and whether a
// damaged table was the cause.
template <class F> bool attempt(F &&work, QString &failure, bool *damage = nullptr)
{
    try {
        work();
        return true;
    } catch (const dbf::DamagedTable &e) {
        failure = e.message();
        if (damage)
            *damage = true;
    } catch (const Error &e) {
        failure = e.message();
    } catch (const std::exception &e) {
        failure = QString::fromLocal8Bit(e.what());
    } catch (...) {
        failure = QStringLiteral("Eroare necunoscuta.");
    }
    return false;
}

void run(const std::function<void()> &step)
{
    if (step)
        step();
}

} // namespace

StartupOutcome RunStartupWork(const StartupSteps &steps, StartupView &view, AccessState *access)
{
    if (access)
        access->setGranted(false);
    ApplyFixedFormats();
    view.processEvents();

    QString failure;
    const bool dataReady = attempt(
        [&] {
            run(steps.makeDataDir);
            run(steps.createRequestTable);
            run(steps.loadConstants);
            run(steps.upgradeData);
            view.resetProgress();
        },
        failure);
    if (!dataReady) {
        view.showFailure(failure);
        return StartupOutcome::Stopped;
    }

    bool damage = false;
    const bool rest = attempt(
        [&] {
            view.setCaptions();
            run(steps.stampRegistry);
            view.setStatus(QStringLiteral("Refac bazele de date ..."));
            run(steps.packTable);
            view.stepProgress(50);
            view.processEvents();
            view.stepProgress(50);
            view.processEvents();
        },
        failure, &damage);
    if (!rest)
        view.showFailure(failure);
    // A damaged table found on the way is no table to work on: the
    // program goes no further than its message.
    if (damage)
        return StartupOutcome::Stopped;
    view.finish();
    view.processEvents();
    return rest ? StartupOutcome::Ready : StartupOutcome::ReadyAfterFailure;
}

void MakeDataDir()
{
    const QString dir = DataDir();
    const QFileInfo info(dir);
    if (info.isDir())
        return;
    if (info.exists() || !QDir().mkpath(dir))
        throw Error(QStringLiteral("Directorul %1 nu poate fi creat.").arg(QDir::toNativeSeparators(dir)));
}

} // namespace kovara
