#pragma once

// Showing the pages of a listing: the report engine's preview with the
// program's own file chooser, error display and pictures.

#include "engines/report/ReportPages.h"
#include "engines/report/ui/ReportPreview.h"

#include <functional>

class QWidget;

namespace kovara {

// The program's services for a preview (the Romanian save chooser,
// RunCommand, the program's picture for "Salveaza PDF...").
PreviewServices ProgramPreviewServices();

// Shows the preview modally and returns when the user closes it.
void ShowReportPreview(QWidget *parent, const report::ReportDocument &doc);

// Runs a listing made by `make` and shows its pages. A work table held by
// another program is reported in an error box titled `title`; other
// failures go on to the general error display.
void RunListing(const QString &title, const std::function<report::ReportDocument()> &make);

} // namespace kovara
