#include "widgets/DateField.h"

#include "base/Dates.h"

#include <QFocusEvent>
#include <QRegularExpressionValidator>
#include <QTimer>

namespace kovara {

DateField::DateField(QWidget *parent)
    : QLineEdit(parent)
{
    setMaxLength(10);
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9./-]{0,10}")), this));
    // Room for the whole date and a little more.
    setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00.00.00000")) + 16);
}

DateField::DateField(const QDate &date, QWidget *parent)
    : DateField(parent)
{
    setDate(date);
}

QDate DateField::date() const
{
    return ParseTypedDate(text());
}

void DateField::setDate(const QDate &date)
{
    setText(FormatDate(date));
}

void DateField::tidy()
{
    const QDate d = date();
    if (d.isValid() && text() != FormatDate(d))
        setText(FormatDate(d));
}

void DateField::focusOutEvent(QFocusEvent *event)
{
    tidy();
    QLineEdit::focusOutEvent(event);
}

void DateField::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    // Entering the field selects the date, so typing replaces it whole
    // (again once a mouse click has placed the caret).
    selectAll();
    QTimer::singleShot(0, this, [this] {
        if (hasFocus())
            selectAll();
    });
}

} // namespace kovara
