#pragma once

// Connects the main window's "Cereri" to the request list, with the request
// editor and the numbering dialog.

namespace kovara {

class MainWindow;

// Creates the request list (modal, opened by "Cereri"), its editor and its
// numbering dialog, and installs the handler on the main window.
void installRequests(MainWindow *mainWindow);

} // namespace kovara
