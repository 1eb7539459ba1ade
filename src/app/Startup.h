#pragma once

// What the program entry does around the windows of the program.

#include "app/Composition.h"

namespace kovara {

// Hints disappear after 5000 ms and have a white background.
void SetUpTooltips();

// Date fields left with the default display format show dd.MM.yyyy.
void FixDateFields();

// The running copy comes forward: restored when minimised, raised otherwise.
void BringForward(const ProgramWindows &windows);

} // namespace kovara
