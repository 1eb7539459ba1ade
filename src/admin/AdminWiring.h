#pragma once

// Connects the main window's "Administrare" to the administrator login and
// the administration window.

namespace kovara {

class MainWindow;
class AdminWindow;

// Installs on the main window: the login while access is locked, the
// administration window (shown modally, without blocking the caller) once
// access is granted, and SetAccess whenever the access state changes.
// Without a form, the one administration window of the run is used.
void installAdministration(MainWindow *mainWindow, AdminWindow *form = nullptr);

} // namespace kovara
