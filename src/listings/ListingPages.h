#pragma once

// Every listing of the office is paginated through here, so that each page
// of each listing carries its number: "Pagina N din M" in the bottom margin.

#include "engines/report/Paginator.h"

namespace kovara {

report::ReportDocument PaginateListing(report::Layout layout, const report::ReportRows &rows);

} // namespace kovara
