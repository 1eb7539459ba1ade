#pragma once

// The finance report file: one row per beneficiary of the newborn
// allowances (TIP "3") or the layettes (TIP "4") of a period, in a copy of
// the model table RapAj.DBF, named after the county number and the fiscal
// code, in the subfolder ALOCAT_NN or TRUSOU_NN of a chosen folder.

#include "exports/ReportCommon.h"

#include <QString>

namespace kovara {

enum class FinanceKind { NewbornAllowance, Layette };

// "ALOCAT_NN" or "TRUSOU_NN".
QString FinanceSubfolder(FinanceKind kind);
// The requests of the kind registered in the period.
RequestSelection FinanceSelection(FinanceKind kind, const QDate &from, const QDate &to);

// County number without leading zero + fiscal code + ".dbf" ("9" + "1234567" + ".dbf").
QString FinanceFileName(int county, const QString &fiscalCode);

// NUME: the text before the first blank (as it is); PRENUME: the rest,
// trimmed; a name without a blank is all NUME.
struct SplitName
{
    QString nume;
    QString prenume;
};
SplitName SplitApplicantName(const QString &subsemn);

// Writes the file into `folder` (the subfolder already appended). Every
// check comes before anything is touched: the model, the county and the
// fiscal code, then the folder and an older file that cannot be replaced
// (ReportRefusal, title "Raport Finante"). The rows go into a copy of the
// model that replaces the older file only once it is complete. Failures of
// the engine or the disk throw kovara::Error and leave an older file as it
// was.
ReportOutcome CreateFinanceFile(const Workspace &ws, const QString &folder, const RequestSelection &selection,
                                const ReportProgress &progress = {});

// What the finance listing shows of a file, once its name was checked.
struct FinanceListing
{
    QString file;
    QString county;   // JudetCD: "9  JUDETUL BRAILA"
    QString unit;     // UnitCD: "1234567  CONSILIUL LOCAL FAUREI"
    QString subtitle; // QRLabel123
    QString period;   // LaDataCD: "in perioada 01.03.2008 - 31.03.2008"
    QString mayor;    // PrimarCD
};

// "cu beneficiarii de alocatii pentru copii nou-nascuti," or
// "cu beneficiarii de trusouri pentru copii nou-nascuti,".
QString FinanceListingSubtitle(FinanceKind kind);

// Checks the chosen file's name against county number + fiscal code +
// ".dbf" (letter case aside); refused, titled "Listare DBF Finante", when
// it differs. Returns the labels of the listing.
FinanceListing PrepareFinanceListing(const MunicipalityConstants &c, const QString &file, FinanceKind kind,
                                     const QDate &from, const QDate &to);

// The statement of the listing's rows: NUMEX (NUME, a blank, PRENUME),
// NUME, PRENUME, CNP, SUMA, ordered by NUME and PRENUME, over the table
// named `table` in the engine.
QString FinanceListingStatement(const QString &table);

} // namespace kovara
