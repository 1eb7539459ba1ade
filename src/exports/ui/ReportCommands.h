#pragma once

// The report menu entries of the finance office, the treasury and the
// workbooks: each shows its dialog, runs the operation of kovara_exports,
// and reports through the message dialog.

namespace kovara {

class CommandHost;
class PeriodDialog;
class TreasuryDialog;

// Gives the report menu entries of the finance office, the treasury and
// the centralizer's "Export in Excel" their commands; they ask through the
// given period and treasury dialogs (shared with other commands, so their
// values stay between uses).
void installReportCommands(CommandHost *host, PeriodDialog *period, TreasuryDialog *treasury);
// The ministry workbook of a month ("Excel" of the ministry report's month
// dialog, whose entry is the listings').
void MakeMinistryWorkbook(int month, int year);

} // namespace kovara
