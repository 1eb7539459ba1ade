#include "admin/AdminWiring.h"

#include "admin/AdminWindow.h"
#include "app/MainWindow.h"

#include <QPointer>

namespace kovara {

void installAdministration(MainWindow *mainWindow, AdminWindow *form)
{
    if (!form)
        form = AdminWindow::instance();
    QPointer<AdminWindow> admin(form);
    mainWindow->setLoginHandler([admin] { return admin && AdministratorLogin(admin); });
    mainWindow->setAdminWindowHandler([admin] {
        if (!admin)
            return;
        admin->setWindowModality(Qt::ApplicationModal);
        admin->show();
        admin->raise();
        admin->activateWindow();
    });
    QObject::connect(form, &AdminWindow::accessChanged, mainWindow, &MainWindow::SetAccess);
}

} // namespace kovara
