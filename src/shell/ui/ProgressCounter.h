#pragma once

// The progress counter shown during long operations.
//
//   ProgressCounter *c = ProgressCounter::instance();
//   c->Descr->setText("Numerotez dispozitiile...");
//   c->Bar->setValue(0); c->Bar->setMaximum(count);
//   c->Arata(this);
//   for each record: c->Bar->setValue(c->Bar->value() + 1); QCoreApplication::processEvents();
//   c->Distruge(this);

#include <QPointer>
#include <QWidget>

class QLabel;
class QProgressBar;

namespace kovara {

class ProgressCounter : public QWidget
{
    Q_OBJECT
public:
    explicit ProgressCounter(QWidget *parent = nullptr);

    QLabel *Descr;     // the operation's text
    QProgressBar *Bar; // position and maximum (100 before any use), shown as a percentage

    // Disables the calling window, gives it the hourglass cursor, shows the counter.
    void Arata(QWidget *caller);
    // Hides the counter and gives control back to the calling window.
    void Distruge(QWidget *caller);

    // After a failed command: when the counter is still up, gives control
    // back to the window that showed it.
    void recover();

    // The counter the long operations show: the program installs the one it
    // creates with its windows (null uninstalls). A destroyed counter is
    // uninstalled.
    static void install(ProgressCounter *counter);
    // The installed counter. Where none is (the tests of single windows,
    // tools), one is created on first use and installed.
    static ProgressCounter *instance();

private:
    QPointer<QWidget> m_caller;
};

} // namespace kovara
