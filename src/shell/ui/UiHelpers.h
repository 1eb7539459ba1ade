#pragma once

// Helpers every window uses to point at a wrong field and to pick an entry
// of a drop-down list.

#include <QString>

class QComboBox;
class QLineEdit;
class QWidget;

namespace kovara {

class Balloon;

// Shows, without blocking, an error balloon titled "Problema !" with the
// message, its tip 10 pixels in from the control's left edge on its lower
// edge (the balloon hangs below, the field stays in sight), 300 pixels of
// text width; it closes by itself after 5000 ms. The cursor goes to the
// control. A new call replaces the balloon still on screen.
void ShowProblem(const QString &message, QWidget *control);

// The balloon of ShowProblem (null before the first call), for tests.
Balloon *ProblemBalloon();

// Shows a stored value whole: the field's length limit is a limit on typing,
// so for a longer value (written by another program) it widens to the
// value, and it comes back to the typing limit for a value that fits.
void FillText(QLineEdit *edit, const QString &text);

// Selects the entry whose text equals `text` without regard to letter
// case; when there is none, no entry is selected.
void SelectComboText(QComboBox *combo, const QString &text);

} // namespace kovara
