#include "widgets/MaskedNumberEdit.h"

#include "widgets/FieldState.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

namespace kovara {

MaskedNumberEdit::MaskedNumberEdit(QWidget *parent)
    : QLineEdit(parent)
{
    closeSideEntrances(this);
    setMaxLength(10);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setText(QStringLiteral("0"));
}

void MaskedNumberEdit::type(QChar c)
{
    m_mask.maxLength = maxLength();
    const MaskedOutcome out = maskedChar(stateOf(this), c, m_mask);
    applyState(this, out.state);
    if (out.beep) {
        ++m_beeps;
        QApplication::beep();
    }
}

void MaskedNumberEdit::keyPressEvent(QKeyEvent *event)
{
    if (isNavigationKey(event)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (isWindowKey(event)) {
        event->ignore();
        return;
    }
    event->accept();
    if (event->key() == Qt::Key_Delete)
        return; // Delete does nothing in this field
    if (event->key() == Qt::Key_Backspace) {
        if (!(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
            type(MaskedBackspace);
        return;
    }
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return;
    const QString typed = event->text();
    for (QChar c : typed)
        if (c.isPrint())
            type(c);
}

void MaskedNumberEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    // After a mouse click has placed the caret.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus())
            selectAll();
    });
}

} // namespace kovara
