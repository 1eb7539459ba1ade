#pragma once

// Qt's own dialogs and texts in Romanian: the file and folder choosers, the
// print dialog and preview, the buttons of message boxes, an edit field's
// menu, the errors Qt reports ("Existing file ... is not writable").

namespace kovara {

// Installs the Romanian texts in the application (idempotent); false when
// they could not be loaded.
bool InstallQtRomanian();

} // namespace kovara
