#pragma once

// Connects the main window's "Administrare" to the administrator login and
// the administration window, and "Salvare" to the backup window.

namespace kovara {

class MainWindow;
class AdminWindow;
class PasswordDialog;
class BackupWindow;

// Installs on the main window: the login (through the password prompt)
// while access is locked and the administration window (shown modally,
// without blocking the caller) once access is granted.
void installAdministration(MainWindow *mainWindow, AdminWindow *form, PasswordDialog *prompt);

// Installs the backup window (created when not given) as "Salvare" (modal);
// a restore, successful or not, ends the program through the main window
// without the closing question.
void installBackup(MainWindow *mainWindow, BackupWindow *window = nullptr);

} // namespace kovara
