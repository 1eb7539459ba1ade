#pragma once

// Text of the listings: the display text of a value, and the one place where
// text is measured (with the font the renderers draw with).

#include "engines/report/ReportLayout.h"

#include <QFont>
#include <QStringList>
#include <QVariant>

namespace kovara::report {

// Painting units: 1/720 inch. Fonts are set in these units (10 pt is a pixel
// size of 100), so measures do not depend on any screen's resolution.
constexpr double kUnitsPerMm = 720.0 / 25.4;

// "Arial" when the system has it, otherwise the metric-compatible
// "Liberation Sans".
QString ReportFontFamily();
QFont ReportFont(const FontSpec &style);

double TextWidth(const FontSpec &style, const QString &text); // mm
double LineHeight(const FontSpec &style);                     // mm
double Ascent(const FontSpec &style);                         // mm

// The lines of a text wrapped at word boundaries to `width` mm; a word
// wider than the width is broken between characters. Never empty.
QStringList WrapText(const FontSpec &style, const QString &text, double width);

// A number without thousands separators, "." before the decimals and as many
// decimals as it has (up to 15 significant digits): 204, 33.3333, -1.5.
QString NumberText(double value);
// Texts without trailing blanks, numbers as above, dates dd.MM.yyyy, null empty.
QString DisplayText(const QVariant &value);

} // namespace kovara::report
