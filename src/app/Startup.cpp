#include "app/Startup.h"

#include "app/MainWindow.h"
#include "app/StartupWindow.h"
#include "shell/Formats.h"

#include <QApplication>
#include <QDateEdit>
#include <QHelpEvent>
#include <QToolTip>

namespace kovara {
namespace {

// Shows every hint for 5000 ms.
class TooltipTimer : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::ToolTip || !watched->isWidgetType())
            return false;
        auto *widget = static_cast<QWidget *>(watched);
        if (widget->toolTip().isEmpty())
            return false;
        auto *help = static_cast<QHelpEvent *>(event);
        QToolTip::showText(help->globalPos(), widget->toolTip(), widget, QRect(), 5000);
        return true;
    }
};

// Gives date fields that kept the locale's format the program's own.
class DateFieldFormat : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Polish) {
            auto *edit = qobject_cast<QDateEdit *>(watched);
            if (edit && edit->displayFormat() == edit->locale().dateFormat(QLocale::ShortFormat))
                edit->setDisplayFormat(ShortDateFormat());
        }
        return false;
    }
};

} // namespace

void SetUpTooltips()
{
    QPalette palette = QToolTip::palette();
    palette.setColor(QPalette::ToolTipBase, Qt::white);
    palette.setColor(QPalette::ToolTipText, Qt::black);
    QToolTip::setPalette(palette);
    qApp->setStyleSheet(qApp->styleSheet() +
                        QStringLiteral("QToolTip { background-color: white; color: black;"
                                       " border: 1px solid #808080; }"));
    static TooltipTimer *timer = nullptr;
    if (!timer) {
        timer = new TooltipTimer(qApp);
        qApp->installEventFilter(timer);
    }
}

void FixDateFields()
{
    static DateFieldFormat *filter = nullptr;
    if (!filter) {
        filter = new DateFieldFormat(qApp);
        qApp->installEventFilter(filter);
    }
}

void BringForward(const ProgramWindows &windows)
{
    QWidget *target = windows.main && windows.main->isVisible() ? static_cast<QWidget *>(windows.main)
                                                                : static_cast<QWidget *>(windows.startup);
    if (!target)
        return;
    if (target->isMinimized())
        target->showNormal();
    target->raise();
    target->activateWindow();
}

} // namespace kovara
