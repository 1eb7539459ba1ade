#include "admin/AdminWiring.h"

#include "admin/Unit4.h"
#include "app/Unit3.h"

#include <QPointer>

namespace kovara {

void installAdministration(TForm3 *mainWindow, TForm4 *form)
{
    if (!form)
        form = TForm4::instance();
    QPointer<TForm4> admin(form);
    mainWindow->setLoginHandler([admin] { return admin && AdministratorLogin(admin); });
    mainWindow->setAdminWindowHandler([admin] {
        if (!admin)
            return;
        admin->setWindowModality(Qt::ApplicationModal);
        admin->show();
        admin->raise();
        admin->activateWindow();
    });
    QObject::connect(form, &TForm4::accessChanged, mainWindow, &TForm3::SetAccess);
}

} // namespace kovara
