#include "app/StartupWindow.h"

#include "app/AboutBox.h"
#include "shell/Formats.h"
#include "shell/ui/ErrorDisplay.h"
#include "shell/ui/Keyboard.h"
#include "shell/ui/Resources.h"
#include "widgets/GradientPanel.h"
#include "widgets/ProgressStrip.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>
#include <cmath>

namespace kovara {

// What the startup work asks of this window.
class StartupWindowView : public StartupView
{
public:
    explicit StartupWindowView(StartupWindow &form)
        : m_form(form)
    {
    }
    void processEvents() override { QCoreApplication::processEvents(); }
    void resetProgress() override
    {
        m_form.m_percent = 0;
        m_form.Bara->setLength(0);
    }
    void setCaptions() override
    {
        if (m_form.m_about)
            m_form.m_about->setTitle(TitleWithVersion());
        if (m_form.m_main)
            m_form.m_main->setWindowTitle(TitleWithVersion());
    }
    void setStatus(const QString &text) override { m_form.Status->setText(text); }
    void stepProgress(int percent) override { m_form.StepProgress(percent); }
    void showFailure(const QString &message) override
    {
        // The window kept above the others while starting would hide the
        // message: it stays, but no longer over everything.
        if (m_form.isVisible() && m_form.windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
            m_form.setWindowFlag(Qt::WindowStaysOnTopHint, false);
            m_form.show();
        }
        ShowError(message);
    }
    void finish() override
    {
        m_form.unsetCursor();
        m_form.hide();
        if (m_form.m_main)
            m_form.m_main->show();
    }

private:
    StartupWindow &m_form;
};

StartupWindow::StartupWindow(QWidget *mainWindow, AboutBox *about, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_main(mainWindow)
    , m_about(about)
{
    InitResources();
    setObjectName(QStringLiteral("StartupWindow"));
    setWindowTitle(ApplicationTitle());
    setCursor(Qt::WaitCursor);
    ApplyFixedFormats();

    auto *panel = new GradientPanel(this);
    panel->setColors(QColor(0xE1, 0xDE, 0xFA), QColor(0x81, 0xA2, 0xD3));
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(panel);

    auto *titleBox = new QWidget(panel);
    titleShadow = new QLabel(titleBox);
    title = new QLabel(titleBox);
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 2.4);
    big.setBold(true);
    for (QLabel *l : {title, titleShadow}) {
        l->setFont(big);
        l->setText(TitleWithVersion());
        l->adjustSize();
    }
    titleShadow->setStyleSheet(QStringLiteral("color: #8A9BB8;"));
    title->setStyleSheet(QStringLiteral("color: #1C355E;"));
    titleShadow->move(2, 2);
    titleBox->setFixedSize(title->width() + 4, title->height() + 4);

    Subtitlu = new QLabel(QStringLiteral("Alocatii si indemnizatii crestere copii"), panel);
    QFont sub = Subtitlu->font();
    sub.setPointSizeF(sub.pointSizeF() * 1.2);
    sub.setItalic(true);
    Subtitlu->setFont(sub);
    Status = new QLabel(QStringLiteral("Incarcare date"), panel);
    Bara = new ProgressStrip(310, panel);

    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(30, 24, 30, 20);
    layout->setSpacing(10);
    layout->addWidget(titleBox, 0, Qt::AlignHCenter);
    layout->addWidget(Subtitlu, 0, Qt::AlignHCenter);
    layout->addSpacing(12);
    layout->addWidget(Status, 0, Qt::AlignLeft);
    layout->addWidget(Bara, 0, Qt::AlignHCenter);
    setFixedSize(qMax(420, sizeHint().width()), sizeHint().height());

    startupTimer.setSingleShot(true);
    startupTimer.setInterval(1000);
    connect(&startupTimer, &QTimer::timeout, this, &StartupWindow::runStartup);
    // Nothing to cancel while starting; after a failed start Esc ends the program.
    KeyboardRules::attach(this)->setEscapeAction([this] {
        if (m_ran)
            close();
    });
}

void StartupWindow::setWindows(QWidget *mainWindow, AboutBox *about)
{
    m_main = mainWindow;
    m_about = about;
}

void StartupWindow::StepProgress(int percent)
{
    m_percent = qBound(0.0, m_percent + percent, 100.0);
    Bara->setLength(int(std::floor(m_percent * 3.1)));
    Bara->repaint();
    QCoreApplication::processEvents();
}

void StartupWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (QScreen *s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
    QCoreApplication::processEvents();
    if (!m_ran)
        startupTimer.start();
}

void StartupWindow::runStartup()
{
    startupTimer.stop();
    if (m_ran)
        return;
    m_ran = true;
    StartupWindowView view(*this);
    const StartupOutcome outcome = RunStartupWork(m_steps, view, m_access);
    // After a failed start the window stays up, no longer busy; Esc ends the program.
    if (outcome == StartupOutcome::Stopped)
        unsetCursor();
    emit startupDone(outcome);
}

} // namespace kovara
