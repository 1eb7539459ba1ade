#pragma once

// Drawing the pages of a listing: the same drawing for the preview, the
// printer and the PDF file.

#include "engines/report/ReportPages.h"

#include <QImage>
#include <QPageLayout>
#include <QString>

class QPainter;
class QPagedPaintDevice;

namespace kovara::report {

// A4 in the document's orientation, without margins: page positions are
// measured from the paper's corner.
QPageLayout PageLayoutOf(const ReportDocument &doc);

// Draws one page on a painter whose device has `dotsPerInch`, its origin at
// the paper's top-left corner.
void PaintPage(QPainter &painter, const Page &page, double dotsPerInch);

// Every page on a paged device (a printer, a PDF writer) already set to the
// document's page layout, a new page between two pages.
void PaintDocument(const ReportDocument &doc, QPagedPaintDevice *device);

// Writes the document as a PDF file, all or nothing (a temporary file
// renamed over the target). Fails with kovara::Error.
void WritePdf(const ReportDocument &doc, const QString &path);

// One page as an image (white paper), for screenshots and checks.
QImage RenderPage(const ReportDocument &doc, int page, double dotsPerInch);

} // namespace kovara::report
