#pragma once

// The report-menu commands of the dispositions and the semester statistics:
// each asks through its selection dialog, writes the document and hands it
// to the word processor; a refusal is shown as an error box with OK.

#include "documents/Dispositions.h"

namespace kovara {

class CommandHost;
class DispositionRangeDialog;
class SemesterDialog;

// "Alocatie pentru copii nou-nascuti" / "Listare Dispozitii" (range dialog
// titled "Listare Dispozitii") and "Trusou pentru nou-nascuti" / "Listare
// Dispozitii" ("Listare Dispozitii Trusou").
void ListDispositions(DispositionRangeDialog &dialog, DispositionKind kind);

// "Trusou pentru nou-nascuti" / "Situatie statistica semestriala".
void ListSemesterStatistics(SemesterDialog &dialog);

// Gives the three entries of the main window's report menu their commands,
// which ask through the given range and semester dialogs.
void installDispositionCommands(CommandHost *host, DispositionRangeDialog *range, SemesterDialog *semester);

} // namespace kovara
