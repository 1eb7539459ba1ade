#include "widgets/NumericEdit.h"

#include "shell/EditRules.h"
#include "widgets/FieldState.h"

#include <QKeyEvent>

namespace kovara {

NumericEdit::NumericEdit(QWidget *parent)
    : QLineEdit(parent)
{
    closeSideEntrances(this);
    setText(Initial());
}

qint64 NumericEdit::value() const
{
    return numericValue(text());
}

void NumericEdit::setValue(qint64 value)
{
    setText(QString::number(value));
}

void NumericEdit::keyPressEvent(QKeyEvent *event)
{
    if (isNavigationKey(event)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (isWindowKey(event)) {
        event->ignore();
        return;
    }
    const EditKey key = classifyKey(event->key(), event->modifiers());
    applyState(this, numericKey(stateOf(this), key, maxLength()));
    event->accept();
}

} // namespace kovara
