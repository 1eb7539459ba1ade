#include "app/AdminWiring.h"

#include "admin/ui/AdminWindow.h"
#include "admin/ui/BackupWindow.h"
#include "app/MainWindow.h"

#include <QCoreApplication>
#include <QPointer>

namespace kovara {

void installAdministration(MainWindow *mainWindow, AdminWindow *form)
{
    QPointer<AdminWindow> admin(form);
    mainWindow->setLoginHandler([admin] { return admin && AdministratorLogin(*admin); });
    mainWindow->setAdminWindowHandler([admin] {
        if (!admin)
            return;
        admin->setWindowModality(Qt::ApplicationModal);
        admin->show();
        admin->raise();
        admin->activateWindow();
    });
}

void installBackup(MainWindow *mainWindow, BackupWindow *window)
{
    QPointer<BackupWindow> backup = window ? window : new BackupWindow;
    QPointer<MainWindow> main = mainWindow;
    backup->endProgram = [main] {
        if (main)
            main->endWithoutQuestion();
        else
            QCoreApplication::exit(0);
    };
    mainWindow->setBackupHandler([backup] {
        if (backup)
            backup->exec();
    });
}

} // namespace kovara
