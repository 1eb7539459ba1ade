#include "listings/ListingPages.h"

namespace kovara {

report::ReportDocument PaginateListing(report::Layout layout, const report::ReportRows &rows)
{
    layout.pageNumberText = QStringLiteral("Pagina %1 din %2");
    return report::Paginate(layout, rows);
}

} // namespace kovara
