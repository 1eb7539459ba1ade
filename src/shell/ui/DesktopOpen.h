#pragma once

#include <QString>

namespace kovara {

// Hands a file to the application the desktop associates with its type
// (the spreadsheet program for a workbook), without waiting for it. Under
// the test seam the file is only recorded.
void OpenWithAssociatedApplication(const QString &path);

} // namespace kovara
