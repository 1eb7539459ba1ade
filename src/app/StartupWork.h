#pragma once

// The one-time startup work, in its order and with its two failure rules,
// apart from the windows that show it.

#include <QString>
#include <functional>

namespace kovara {

class AccessState;

// The data operations of the startup, in the order they run.
struct StartupSteps
{
    std::function<void()> makeDataDir;        // DataDir with any missing parents
    std::function<void()> createRequestTable; // when its file is missing
    std::function<void()> loadConstants;
    std::function<void()> upgradeData;
    std::function<void()> stampRegistry; // CALE and VER
    std::function<void()> packTable;
};

// What the startup window does for the work.
class StartupView
{
public:
    virtual ~StartupView() = default;
    virtual void processEvents() = 0;
    virtual void resetProgress() = 0;
    virtual void setCaptions() = 0; // the title with version on the About and main windows
    virtual void setStatus(const QString &text) = 0;
    virtual void stepProgress(int percent) = 0;
    virtual void showFailure(const QString &message) = 0; // the plain error box
    virtual void finish() = 0;                            // hide the startup window, show the main window
};

enum class StartupOutcome {
    Ready,             // everything ran, the main window is shown
    ReadyAfterFailure, // a later step failed; its message was shown, the main window is shown
    Stopped,           // a data step failed; its message was shown, the startup window stays
};

// Runs the work. It first locks the access state (when given). A failure
// while preparing the data (folder, table, constants, upgrade) stops
// everything; a failure afterwards (captions, registry, pack, progress)
// skips the rest of those steps, but the main window is still shown, unless
// the failure was a damaged table: then nothing more is shown.
StartupOutcome RunStartupWork(const StartupSteps &steps, StartupView &view, AccessState *access);

// Creates DataDir and its missing parents; fails with the folder's name.
void MakeDataDir();

// The real operations of the data store.
StartupSteps DefaultStartupSteps();

} // namespace kovara
