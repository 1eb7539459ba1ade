#include "app/AdminWiring.h"

#include "admin/ui/AdminWindow.h"
#include "admin/ui/BackupWindow.h"
#include "admin/ui/PasswordDialog.h"
#include "app/MainWindow.h"

#include <QCoreApplication>
#include <QPointer>

namespace kovara {

void installAdministration(MainWindow *mainWindow, AdminWindow *form, PasswordDialog *prompt)
{
    QPointer<AdminWindow> admin(form);
    QPointer<PasswordDialog> password(prompt);
    mainWindow->setLoginHandler(
        [admin, password] { return admin && password && AdministratorLogin(*admin, *password); });
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
