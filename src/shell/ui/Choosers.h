#pragma once

// File and folder choices. Each returns the chosen path, or the empty text
// when the user cancelled. Tests answer them through app/TestSeam.h.

#include <QString>

class QWidget;

namespace kovara {

// filter as "Arhiva Kovara (*.kov)" or "Arhiva Kovara|*.kov".
QString ChooseOpenFile(QWidget *parent, const QString &title, const QString &filter);
// defaultSuffix without the dot ("kov"); added when the typed name has none.
// A file that exists is replaced only when the user answers DA to
// `replaceQuestion` (its %1 the file's name; NU is the default answer);
// otherwise the choice counts as cancelled.
QString ChooseSaveFile(QWidget *parent, const QString &title, const QString &filter,
                       const QString &defaultSuffix,
                       const QString &replaceQuestion = QStringLiteral("Vreti sa inlocuiti fisierul %1?"));
// The user's desktop folder, where a file for another office is put.
QString DesktopFolder();
// `startDir`: the folder the chooser opens in (empty: the current one).
QString ChooseFolder(QWidget *parent, const QString &title, const QString &startDir = QString());

} // namespace kovara
