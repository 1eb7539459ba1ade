#include "app/Composition.h"

#include "admin/AdminWindow.h"
#include "admin/AdminWiring.h"
#include "admin/PasswordDialog.h"
#include "app/AboutBox.h"
#include "app/MainWindow.h"
#include "app/MessageDialog.h"
#include "app/ProgressCounter.h"
#include "app/StartupWindow.h"
#include "app/StartupWork.h"
#include "documents/DispositionMenus.h"
#include "documents/DocumentMenus.h"
#include "exports/ReportCommands.h"
#include "listings/ListingMenus.h"
#include "listings/SelectionDialog.h"
#include "requests/RequestsWiring.h"

namespace kovara {

ProgramWindows CreateWindows()
{
    ProgramWindows w;
    w.startup = new StartupWindow(nullptr, nullptr);
    w.startup->setSteps(DefaultStartupSteps());
    w.about = new AboutBox;
    w.main = new MainWindow(w.about);
    w.startup->setWindows(w.main, w.about);
    // "Administrare": the login, then the administration window.
    PasswordDialog::instance();
    installAdministration(w.main, AdminWindow::instance());
    // "Salvare": the backup window.
    installBackup(w.main);
    // "Cereri": the request list with its editor and numbering dialog.
    installRequests(w.main);
    // The selection dialogs of the report menu, kept for the whole run, and
    // the dispositions and semester statistics behind it.
    CreateSelectionDialogs();
    installDispositionCommands(w.main);
    // The listings of the report menu, through their selection dialogs.
    installListingCommands(w.main);
    // "Formulare" and the administration window's "Modele de Listare".
    installDocuments(w.main, AdminWindow::instance());
    // The files and workbooks for the finance office, the treasury and the ministry.
    installReportCommands(w.main);
    w.contor = ProgressCounter::instance();
    w.erori = MessageDialog::instance();
    return w;
}

} // namespace kovara
