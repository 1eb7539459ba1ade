#include "requests/NumericEdit.h"

#include "requests/EditRules.h"
#include "requests/FieldState.h"

#include <QKeyEvent>

namespace kovara {

TNumericEdit::TNumericEdit(QWidget *parent)
    : QLineEdit(parent)
{
    closeSideEntrances(this);
    setText(Initial());
}

qint64 TNumericEdit::value() const
{
    return numericValue(text());
}

void TNumericEdit::setValue(qint64 value)
{
    setText(QString::number(value));
}

void TNumericEdit::keyPressEvent(QKeyEvent *event)
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
