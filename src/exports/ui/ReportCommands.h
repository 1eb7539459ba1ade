#pragma once

// The report menu entries of the finance office, the treasury and the
// workbooks: each shows its dialog, runs the operation of kovara_exports,
// and reports through the message dialog.

namespace kovara {

class CommandHost;

void installReportCommands(CommandHost *host);
// The ministry workbook of a month ("Excel" of the ministry report's month
// dialog, whose entry is the listings').
void MakeMinistryWorkbook(int month, int year);

} // namespace kovara
