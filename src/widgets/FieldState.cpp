#include "widgets/FieldState.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>

namespace kovara {

EditState stateOf(const QLineEdit *edit)
{
    EditState s;
    s.text = edit->text();
    s.caret = edit->cursorPosition();
    if (edit->hasSelectedText()) {
        s.selStart = edit->selectionStart();
        s.selLength = edit->selectionLength();
    } else {
        s.selStart = s.caret;
    }
    return s;
}

void applyState(QLineEdit *edit, const EditState &state)
{
    if (edit->text() != state.text)
        edit->setText(state.text);
    if (state.hasSelection())
        edit->setSelection(state.selStart, state.selLength);
    else {
        edit->deselect();
        edit->setCursorPosition(state.caret);
    }
}

bool isNavigationKey(const QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::SelectAll))
        return true;
    const Qt::KeyboardModifiers mods = event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (mods != Qt::NoModifier)
        return false;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

bool isWindowKey(const QKeyEvent *event)
{
    const int key = event->key();
    return key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Return || key == Qt::Key_Enter ||
           key == Qt::Key_Escape || key == Qt::Key_Up || key == Qt::Key_Down ||
           (key >= Qt::Key_F1 && key <= Qt::Key_F35);
}

void closeSideEntrances(QLineEdit *edit)
{
    edit->setAcceptDrops(false);
    edit->setDragEnabled(false);
    edit->setContextMenuPolicy(Qt::NoContextMenu);
    edit->setAttribute(Qt::WA_InputMethodEnabled, false);
}

} // namespace kovara
