#pragma once

// The pages of a listing: what the paginator decided, ready to be drawn the
// same way on the preview, a printer or a PDF. Positions are millimetres
// from the page's top-left corner.

#include "engines/report/ReportLayout.h"

#include <QRectF>
#include <QString>
#include <vector>

namespace kovara::report {

// One line of text. `left` is where the text starts, `top` the top of its
// line; `width` its measured width. When `clipped`, nothing is drawn outside
// `clip` (the element's box).
struct PlacedText
{
    QString text;
    FontSpec font;
    double left = 0;
    double top = 0;
    double width = 0;
    bool clipped = false;
    QRectF clip;
};

struct PlacedLine
{
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    double width = kThinLine;
};

struct Page
{
    std::vector<PlacedText> texts;
    std::vector<PlacedLine> lines;
};

struct ReportDocument
{
    QString title; // the print job's name
    Orientation orientation = Orientation::Portrait;
    double pageWidth = 210, pageHeight = 297;
    Zoom zoom = Zoom::Actual;
    std::vector<Page> pages;
    int rows = 0; // detail bands printed
};

} // namespace kovara::report
