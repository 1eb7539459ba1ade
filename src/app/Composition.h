#pragma once

// The one place that knows every area of the program: it creates the
// windows of the shell and lets each area install its windows on the main
// window's buttons and menus. A new area adds one install call here.

#include "shell/ui/SelectionDialog.h"

#include <QPointer>

namespace kovara {

class AboutBox;
class AccessState;
class AdminWindow;
class PasswordDialog;
class TreasuryDialog;
class ProgressCounter;
class MessageDialog;
class StartupWindow;
class MainWindow;

struct ProgramWindows
{
    QPointer<AccessState> access; // locked at the start, granted by the login
    QPointer<StartupWindow> startup;
    QPointer<AboutBox> about;
    QPointer<MainWindow> main;
    QPointer<AdminWindow> admin;
    QPointer<PasswordDialog> password; // the administrator login's prompt
    // The dialogs of the report menu, each created once and shared by the
    // commands that ask through it.
    SelectionDialogSet selection;
    QPointer<TreasuryDialog> treasury;
    QPointer<ProgressCounter> contor;
    QPointer<MessageDialog> erori;
};

// Creates the windows of the program in their order and connects the main
// window's commands to the windows of the other areas. The startup window
// runs the data store's startup operations.
ProgramWindows CreateWindows();

} // namespace kovara
