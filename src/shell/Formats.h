#pragma once

// Values and formats fixed for the whole run of the program.

#include "base/Dates.h"

#include <QString>

namespace kovara {

QString ApplicationTitle(); // "Kovara"
QString TitleWithVersion(); // "Kovara v.1.25"
QString LineBreak();        // carriage return + line feed, between two sentences of a message

// Fixes the process-wide number formats: "." for decimals and "," between
// groups of thousands, whatever the machine's regional settings say.
void ApplyFixedFormats();

} // namespace kovara
