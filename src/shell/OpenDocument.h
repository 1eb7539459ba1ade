#pragma once

// Opening a file with the application the desktop associates with its type
// (documents, templates to be edited, blank forms), without waiting for it.
// Tests and tools switch the opening off: while the open seam is active each
// request is recorded instead.

#include <QList>
#include <QString>
#include <functional>

namespace kovara {

// Asks the desktop to open `path`, with `workingDir` as the application's
// working folder. Nothing happens when `path` is not an existing file; when
// nothing can open it, throws kovara::Error (shown by the window's error
// display).
void OpenDocument(const QString &path, const QString &workingDir);

namespace openseam {

struct OpenRequest
{
    QString path;
    QString workingDir;
};

void activate();   // clears the record, then records instead of opening
void deactivate(); // back to opening for real
bool active();
const QList<OpenRequest> &requests();

} // namespace openseam
} // namespace kovara
