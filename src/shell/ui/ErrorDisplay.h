#pragma once

// The general error display: every command runs through one place, which
// shows a failure's own text in a plain error box and lets the program go on.

#include <QApplication>
#include <functional>

namespace kovara {

// The plain error box (titled with the application title).
void ShowError(const QString &message);

// Runs a command; a kovara::Error or any other exception is shown with
// ShowError, the progress counter is taken down, a busy cursor restored.
// Returns true when the command finished without failing.
bool RunCommand(const std::function<void()> &command);

// The application object: a failure escaping any event handler (a click,
// a timer, a key) ends up in ShowError instead of ending the program.
class KovaraApplication : public QApplication
{
public:
    KovaraApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

} // namespace kovara
