#pragma once

// The startup window: borderless, centred, above the other windows, with
// the hourglass cursor. One second after it is shown the startup work runs
// on its timer; at the end it hides itself and shows the main window.

#include "app/StartupWork.h"
#include "shell/AccessState.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

class QLabel;

namespace kovara {

class GradientPanel;
class ProgressStrip;
class AboutBox;

class StartupWindow : public QWidget
{
    Q_OBJECT
public:
    StartupWindow(QWidget *mainWindow, AboutBox *about, QWidget *parent = nullptr);

    QLabel *title;       // the title with version
    QLabel *titleShadow; // its shadow
    QLabel *Subtitlu;    // "Alocatii si indemnizatii crestere copii"
    QLabel *Status;      // "Incarcare date", then what is being done
    ProgressStrip *Bara; // 310 pixels at 100 %
    QTimer startupTimer; // one shot, 1000 ms

    // The wait between showing the window and the startup work (one second
    // unless set; the tests wait for nothing).
    void setStartDelay(int ms) { startupTimer.setInterval(ms); }

    // The main and About windows, when they are created after this one.
    void setWindows(QWidget *mainWindow, AboutBox *about);

    // The access state the startup work locks.
    void setAccessState(AccessState *access) { m_access = access; }

    // The operations the startup work runs (the data store's by default is
    // set by the program entry).
    void setSteps(StartupSteps steps) { m_steps = std::move(steps); }

    // Adds a number of percent to the strip (never beyond 100) and repaints it.
    void StepProgress(int percent);

    // The timer's work; runs only once.
    void runStartup();

signals:
    void startupDone(kovara::StartupOutcome outcome);

protected:
    void showEvent(QShowEvent *event) override;

private:
    friend class StartupWindowView;

    QPointer<QWidget> m_main;
    QPointer<AboutBox> m_about;
    QPointer<AccessState> m_access;
    StartupSteps m_steps;
    double m_percent = 0;
    bool m_ran = false;
};

} // namespace kovara
