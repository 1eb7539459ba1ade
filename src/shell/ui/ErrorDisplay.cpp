#include "shell/ui/ErrorDisplay.h"

#include "base/Error.h"
#include "shell/Formats.h"
#include "shell/ui/ProgressCounter.h"
#include "shell/ui/TestSeam.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <exception>

namespace kovara {
namespace {

void afterFailure(const QString &message)
{
    if (auto *contor = ProgressCounter::instance())
        contor->recover();
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    ShowError(message);
}

template <class F> bool guarded(F &&run)
{
    try {
        run();
        return true;
    } catch (const Error &e) {
        afterFailure(e.message());
    } catch (const std::exception &e) {
        afterFailure(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        afterFailure(QStringLiteral("Eroare necunoscuta."));
    }
    return false;
}

} // namespace

void ShowError(const QString &message)
{
    if (seam::active()) {
        seam::recordError(message);
        return;
    }
    // In the middle of the screen, as every message of the program: placed
    // over the main window, a strip at the top, it would sit on the screen's
    // edge. Without a parent it is modal to the whole program.
    QMessageBox box(QMessageBox::Critical, ApplicationTitle(), message, QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.adjustSize();
    if (QScreen *screen = QGuiApplication::primaryScreen())
        box.move(screen->availableGeometry().center() - box.rect().center());
    box.exec();
}

bool RunCommand(const std::function<void()> &command)
{
    return guarded([&] { command(); });
}

KovaraApplication::KovaraApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
}

bool KovaraApplication::notify(QObject *receiver, QEvent *event)
{
    bool result = false;
    guarded([&] { result = QApplication::notify(receiver, event); });
    return result;
}

} // namespace kovara
