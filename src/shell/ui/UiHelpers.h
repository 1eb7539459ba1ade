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
// message, its tip 10 pixels in from the control's left edge and
// BalloonTipDepth below its top, 300 pixels of text width; it lets clicks
// through and closes by itself after 5000 ms. The cursor goes to the
// control. A new call replaces the balloon still on screen.
void ShowProblem(const QString &message, QWidget *control);

// How far below a control's top the balloon's tip is: on the lower edge of
// a field of one line (the balloon hangs below and leaves it in sight), 10
// pixels on a taller control (a grid), near its top-left corner.
int BalloonTipDepth(int controlHeight);

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
