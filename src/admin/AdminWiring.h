#pragma once

// Connects the main window's "Administrare" to the administrator login and
// the administration window.

namespace kovara {

class TForm3;
class TForm4;

// Installs on the main window: the login while access is locked, the
// administration window (shown modally, without blocking the caller) once
// access is granted, and SetAccess whenever the access state changes.
// Without a form, the one administration window of the run is used.
void installAdministration(TForm3 *mainWindow, TForm4 *form = nullptr);

} // namespace kovara
