#pragma once

// Helpers every window uses to point at a wrong field and to pick an entry
// of a drop-down list.

#include <QString>

class QComboBox;
class QWidget;

namespace kovara {

class Balloon;

// Shows, without blocking, an error balloon titled "Problema !" with the
// message, its tip 10 pixels right of and below the control's top-left
// corner, 300 pixels of text width; it closes by itself after 5000 ms.
// A new call replaces the balloon still on screen.
void ShowProblem(const QString &message, QWidget *control);

// The balloon of ShowProblem (null before the first call), for tests.
Balloon *ProblemBalloon();

// Selects the entry whose text equals `text` without regard to letter
// case; when there is none, no entry is selected.
void SelectComboText(QComboBox *combo, const QString &text);

} // namespace kovara
