#include "app/Startup.h"

#include "admin/AdminWindow.h"
#include "admin/AdminWiring.h"
#include "admin/BackupWindow.h"
#include "admin/PasswordDialog.h"
#include "app/AboutBox.h"
#include "app/Formats.h"
#include "app/MainWindow.h"
#include "app/MessageDialog.h"
#include "app/ProgressCounter.h"
#include "app/StartupWindow.h"
#include "app/StartupWork.h"
#include "documents/DispositionMenus.h"
#include "listings/DispositionRangeDialog.h"
#include "listings/MonthDialog.h"
#include "listings/PeriodDialog.h"
#include "listings/SemesterDialog.h"
#include "requests/NumberingDialog.h"
#include "requests/RequestEditor.h"
#include "requests/RequestListWindow.h"

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

ProgramWindows CreateWindows()
{
    ProgramWindows w;
    w.startup = new StartupWindow(nullptr, nullptr);
    w.startup->setSteps(DefaultStartupSteps());
    w.about = new AboutBox;
    w.main = new MainWindow(w.about);
    w.startup->setWindows(w.main, w.about);
    // Administration window and password prompt: the login of "Administrare".
    AdminWindow *admin = AdminWindow::instance();
    PasswordDialog::instance();
    installAdministration(w.main, admin);
    // "Salvare": the backup window, modal.
    QPointer<BackupWindow> backup = new BackupWindow;
    w.main->setBackupHandler([backup] {
        if (backup)
            backup->exec();
    });
    // "Cereri": the request list with the request editor and the numbering
    // dialog, modal.
    QPointer<RequestListWindow> cereri = new RequestListWindow;
    auto *editor = new RequestEditor(cereri);
    cereri->setNumberingDialog(new NumberingDialog(cereri));
    cereri->setEditor([editor](int kind, bool modify, RequestRecord &record) {
        return editor->Execute(kind, modify ? RequestEditor::Modify : RequestEditor::New, record);
    });
    w.main->setRequestListHandler([cereri] {
        if (cereri)
            cereri->Open();
    });
    // The selection dialogs of the report menu, kept for the whole run; the
    // dispositions and the semester statistics.
    PeriodDialog::instance();
    DispositionRangeDialog::instance();
    MonthDialog::instance();
    SemesterDialog::instance();
    installDispositionCommands(w.main);
    w.contor = ProgressCounter::instance();
    w.erori = MessageDialog::instance();
    return w;
}

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
