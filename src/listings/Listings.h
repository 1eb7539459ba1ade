#pragma once

// The listings: each one prepares its rows (through a work table where it
// needs one), sets the run-time texts of its layout and returns its pages.
// The window shows the pages in the preview; kovara-cli writes them to a PDF.
// A work table is removed before the pages are returned, whichever way the
// listing ends.

#include "data/Settings.h"
#include "engines/report/ReportPages.h"

#include <QDate>
#include <QString>

namespace kovara {

// Where a listing reads and works.
struct ListingSource
{
    QString requestTable; // the request table Cereri.dbf
    QString workDir;      // the folder of the work tables (B2.dbf, S4.dbf)
    MunicipalityConstants constants;
};

// The program's own: the request table of DataDir, ProgramDir, the
// constants in memory.
ListingSource ProgramListingSource();
// The data folder `dataDir` (its Cereri.dbf and Kovara.ini), work tables in
// the folder that holds it.
ListingSource DataFolderListingSource(const QString &dataDir);

// The titles of the listings' messages.
QString BordereauTitle();   // "Listare Borderou"
QString PayrollTitle();     // "Listare Stat de plata"
QString CentralizerTitle(); // "Listare Centralizator"


// Bordereau (layout B2, work table B2.dbf): kind-1 requests dated start..end,
// one line per child, with HANDI "DA" (handicap) or not.
report::ReportDocument BordereauListing(const ListingSource &source, bool handicap, const QDate &start,
                                        const QDate &end);
// Payroll of newborn allowances (S1) and of layettes (S4), by request date.
report::ReportDocument NewbornPayrollListing(const ListingSource &source, const QDate &start,
                                             const QDate &end);
report::ReportDocument LayettePayrollListing(const ListingSource &source, const QDate &start,
                                             const QDate &end);
// Layette centralizer (C4, work table S4.dbf), by disposition date; the
// amount of a request split between its children (a request without a
// number of children counts as one child).
report::ReportDocument CentralizerListing(const ListingSource &source, const QDate &start, const QDate &end);
// Monthly ministry report (B3): newborn allowances paid for the month.
report::ReportDocument MinistryListing(const ListingSource &source, int month, int year);

} // namespace kovara
