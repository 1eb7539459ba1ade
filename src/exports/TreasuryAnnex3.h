#pragma once

// Annex 3 of the treasury report: the template Anx3.rtf of the data folder
// filled with the totals of a treasury file.

#include "data/Workspace.h"

#include <QDate>
#include <QString>

namespace kovara {

// Writes annex 3 of `treasuryFile` to `destination`, or, when it is empty,
// to the program folder + "/" + N + ".rtf" for the first free N. Refused
// (title "Listare DBF Trezorerie") for a file of another name; refused
// (title "Anexa 3") when the template is missing, with the update advice, or
// when no document name is free. Returns the document's path.
QString MakeTreasuryAnnex3(const Workspace &ws, const QString &treasuryFile, const QDate &transfer,
                           const QString &destination = {});

} // namespace kovara
