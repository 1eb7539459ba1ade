#pragma once

// The report-menu commands of the listings: each asks for its period (or
// month) in its selection dialog, makes the pages and shows them in the
// preview.

#include "listings/ReportPages.h"

#include <functional>

namespace kovara {

class MainWindow;

// Runs a listing made by `make` and shows its pages. A work table held by
// another program is reported in an error box titled `title`; other
// failures go on to the general error display.
void RunListing(const QString &title, const std::function<report::ReportDocument()> &make);

// Gives the listing entries of the report menu their commands: the two
// bordereaux, the two payrolls, the centralizer's "Listare" and the
// ministry report (its "Excel" choice runs `ministryWorkbook` when one is set).
void installListingCommands(MainWindow *mainWindow);
void setMinistryWorkbookCommand(std::function<void(int month, int year)> command);

} // namespace kovara
