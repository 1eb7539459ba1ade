#pragma once

// The printed control listings of the report files: RapFinPrn over a
// finance file and ListaCDT (treasury annex 2) over a treasury file. Both
// are A4 portrait, printed even when the file is empty.

#include "engines/report/ReportLayout.h"
#include "engines/report/ReportPages.h"
#include "exports/FinanceFile.h"

#include <QDate>
#include <QString>

namespace kovara {

report::Layout FinanceListingLayout(); // RapFinPrn
report::Layout Annex2ListingLayout();  // ListaCDT

// The finance listing of a chosen file (its name checked first, refusal
// titled "Listare DBF Finante"), rows ordered by NUME and PRENUME.
report::ReportDocument FinanceListingDocument(const Workspace &ws, const QString &file, FinanceKind kind,
                                              const QDate &from, const QDate &to);
// Annex 2 of a chosen treasury file, printed (name and NUMEPREN checked
// first, refusal titled "Anexa 2 Trezorerie").
report::ReportDocument Annex2ListingDocument(const Workspace &ws, const QString &treasuryFile,
                                             const QDate &transfer);

} // namespace kovara
