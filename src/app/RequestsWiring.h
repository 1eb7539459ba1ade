#pragma once

// Connects the main window's "Cereri" to the request list, with the request
// editor and the numbering dialog.

namespace kovara {

class MainWindow;
class RequestListWindow;

// Creates the request list (modal, opened by "Cereri"), its editor and its
// numbering dialog, and installs the handler on the main window.
void installRequests(MainWindow *mainWindow);

// Gives the request list the commands other areas provide: "Listeaza
// cerere" (the request form) and "Exporta tabelul" (the list workbook).
void connectRequestListCommands(RequestListWindow *list);

} // namespace kovara
