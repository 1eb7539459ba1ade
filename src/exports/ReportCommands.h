#pragma once

// The report menu entries of the finance office, the treasury and the
// workbooks: each shows its dialog, runs the operation of kovara_exports,
// and reports through the message dialog.

namespace kovara {

class MainWindow;

void installReportCommands(MainWindow *mainWindow);

} // namespace kovara
