#pragma once

// File and folder choices. Each returns the chosen path, or the empty text
// when the user cancelled. Tests answer them through app/TestSeam.h.

#include <QString>

class QWidget;

namespace kovara {

// filter as "Arhiva Kovara (*.kov)" or "Arhiva Kovara|*.kov".
QString ChooseOpenFile(QWidget *parent, const QString &title, const QString &filter);
// defaultSuffix without the dot ("kov"); added when the typed name has none.
QString ChooseSaveFile(QWidget *parent, const QString &title, const QString &filter,
                       const QString &defaultSuffix);
QString ChooseFolder(QWidget *parent, const QString &title);

} // namespace kovara
