#pragma once

// Reading and applying the state of a line edit for the entry fields whose
// rules live in requests/EditRules.h.

#include "shell/EditRules.h"

class QKeyEvent;
class QLineEdit;

namespace kovara {

EditState stateOf(const QLineEdit *edit);
void applyState(QLineEdit *edit, const EditState &state);

// Keys a rules-driven field leaves to the line edit itself: caret movement
// (with or without Shift to select), copying and selecting everything.
bool isNavigationKey(const QKeyEvent *event);

// Keys that belong to the window (Tab, Enter, Esc, function keys): the
// field ignores them so that they reach the window.
bool isWindowKey(const QKeyEvent *event);

// Makes a line edit accept text only through its key handling: no pasting,
// no dropping, no editing menu, no input method.
void closeSideEntrances(QLineEdit *edit);

} // namespace kovara
