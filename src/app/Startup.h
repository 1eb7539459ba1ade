#pragma once

// The windows of the program, created once at startup in their order, and
// what the program entry does around them.

#include <QPointer>

namespace kovara {

class AboutBox;
class ProgressCounter;
class MessageDialog;
class StartupWindow;
class MainWindow;

struct ProgramWindows
{
    QPointer<StartupWindow> startup;
    QPointer<AboutBox> about;
    QPointer<MainWindow> main;
    QPointer<ProgressCounter> contor;
    QPointer<MessageDialog> erori;
};

// Creates the windows of the program in their order and connects the main
// window's commands to the windows of the other areas. The startup window
// runs the data store's startup operations.
ProgramWindows CreateWindows();

// Hints disappear after 5000 ms and have a white background.
void SetUpTooltips();

// Date fields left with the default display format show dd.MM.yyyy.
void FixDateFields();

// The running copy comes forward: restored when minimised, raised otherwise.
void BringForward(const ProgramWindows &windows);

} // namespace kovara
