#include "app/Composition.h"

#include "admin/ui/AdminWindow.h"
#include "admin/ui/PasswordDialog.h"
#include "app/AboutBox.h"
#include "app/AdminWiring.h"
#include "app/MainWindow.h"
#include "app/RequestsWiring.h"
#include "app/StartupWindow.h"
#include "app/StartupWork.h"
#include "documents/ui/DispositionMenus.h"
#include "documents/ui/DocumentMenus.h"
#include "exports/ui/ReportCommands.h"
#include "exports/ui/TreasuryDialog.h"
#include "listings/ui/ListingMenus.h"
#include "shell/AccessState.h"
#include "shell/ui/MessageDialog.h"
#include "shell/ui/ProgressCounter.h"
#include "shell/ui/SelectionDialog.h"

#include <QCoreApplication>

namespace kovara {

ProgramWindows CreateWindows()
{
    ProgramWindows w;
    // The message dialog and the progress counter every window uses.
    w.erori = new MessageDialog;
    MessageDialog::install(w.erori);
    w.contor = new ProgressCounter;
    ProgressCounter::install(w.contor);
    w.access = new AccessState(QCoreApplication::instance());
    w.startup = new StartupWindow(nullptr, nullptr);
    w.startup->setSteps(DefaultStartupSteps());
    w.startup->setAccessState(w.access);
    w.about = new AboutBox;
    w.main = new MainWindow(*w.access, w.about);
    w.startup->setWindows(w.main, w.about);
    // "Administrare": the login, then the administration window.
    w.password = new PasswordDialog;
    w.admin = new AdminWindow(*w.access);
    installAdministration(w.main, w.admin, w.password);
    // "Salvare": the backup window.
    installBackup(w.main);
    // "Cereri": the request list with its editor and numbering dialog.
    installRequests(w.main);
    // The selection dialogs of the report menu, kept for the whole run, and
    // the dispositions and semester statistics behind it.
    w.selection = CreateSelectionDialogs();
    installDispositionCommands(w.main, w.selection.range, w.selection.semester);
    // The listings of the report menu, through their selection dialogs.
    installListingCommands(w.main, w.selection.period, w.selection.month, MakeMinistryWorkbook);
    // "Formulare" and the administration window's "Modele de Listare".
    installDocuments(w.main, w.admin->ModeleMenu);
    // The files and workbooks for the finance office, the treasury and the ministry.
    w.treasury = new TreasuryDialog;
    installReportCommands(w.main, w.selection.period, w.treasury);
    return w;
}

} // namespace kovara
