#include "shell/ui/ProgressCounter.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

namespace kovara {
namespace {

QPointer<ProgressCounter> g_installed;

} // namespace

ProgressCounter::ProgressCounter(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , Descr(new QLabel(this))
    , Bar(new QProgressBar(this))
{
    setObjectName(QStringLiteral("ProgressCounter"));
    setCursor(Qt::WaitCursor);
    setFixedSize(360, 90);

    auto *frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    frame->setStyleSheet(QStringLiteral("QFrame { background: #F4F4F8; border: 1px solid #365F9C; }"
                                        "QLabel { border: none; }"));
    Descr->setAlignment(Qt::AlignCenter);
    QFont bold = Descr->font();
    bold.setBold(true);
    Descr->setFont(bold);
    Bar->setRange(0, 100);
    Bar->setValue(0);
    Bar->setFormat(QStringLiteral("%p%"));
    Bar->setTextVisible(true);

    auto *inner = new QVBoxLayout(frame);
    inner->addWidget(Descr);
    inner->addWidget(Bar);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);
}

void ProgressCounter::install(ProgressCounter *counter)
{
    g_installed = counter;
}

ProgressCounter *ProgressCounter::instance()
{
    if (!g_installed)
        g_installed = new ProgressCounter;
    return g_installed;
}

void ProgressCounter::Arata(QWidget *caller)
{
    m_caller = caller;
    if (caller) {
        caller->setEnabled(false);
        caller->setCursor(Qt::WaitCursor);
    }
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    raise();
    QCoreApplication::processEvents();
}

void ProgressCounter::Distruge(QWidget *caller)
{
    hide();
    if (caller) {
        caller->setEnabled(true);
        caller->unsetCursor();
        caller->activateWindow();
        caller->setFocus();
    }
    m_caller = nullptr;
    QCoreApplication::processEvents();
}

void ProgressCounter::recover()
{
    if (isVisible() || m_caller)
        Distruge(m_caller);
}

} // namespace kovara
