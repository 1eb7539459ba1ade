// The program entry: one running copy per user, fixed formats, every window
// created once, then the startup window.

#include "app/SingleInstance.h"
#include "app/Startup.h"
#include "app/StartupWindow.h"
#include "shell/Formats.h"
#include "shell/ui/ErrorDisplay.h"
#include "shell/ui/Keyboard.h"
#include "shell/ui/MessageDialog.h"
#include "shell/ui/ProgressCounter.h"
#include "shell/ui/Translation.h"

int main(int argc, char **argv)
{
    kovara::KovaraApplication app(argc, argv);

    // Before anything is created or written: is a copy already running?
    kovara::SingleInstance instance;
    if (!instance.claim())
        return 0;
    QApplication::setApplicationName(kovara::ApplicationTitle());
    kovara::InstallQtRomanian();
    kovara::SetUpTooltips();
    kovara::KeyboardRules::installEverywhere();
    kovara::FixDateFields();
    kovara::ApplyFixedFormats();

    kovara::ProgramWindows windows = kovara::CreateWindows();
    QObject::connect(&instance, &kovara::SingleInstance::activateRequested,
                     [&windows] { kovara::BringForward(windows); });
    windows.startup->show();
    return app.exec();
}
