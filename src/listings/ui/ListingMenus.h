#pragma once

// The report-menu commands of the listings: each asks for its period (or
// month) in its selection dialog, makes the pages and shows them in the
// preview.

#include "engines/report/ReportPages.h"

#include <QString>

#include <functional>

namespace kovara {

class CommandHost;
class MonthDialog;
class PeriodDialog;

// Gives the listing entries of the report menu their commands: the two
// bordereaux, the two payrolls and the centralizer's "Listare" ask through
// the period dialog, the ministry report through the month dialog (its
// "Excel" choice runs `ministryWorkbook`, given by the area that makes the
// workbook; without it the choice does nothing).
void installListingCommands(CommandHost *host, PeriodDialog *period, MonthDialog *month,
                            std::function<void(int month, int year)> ministryWorkbook = {});

} // namespace kovara
