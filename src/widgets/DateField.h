#pragma once

// The program's one date field: it takes the date as a clerk types it, with
// dots, slashes or dashes or without ("05.03.2026", "5/3/2026",
// "2026-03-05", "05032026"), shows it as dd.MM.yyyy once
// left, and gives exactly the date it shows. Text that is no date gives an
// invalid date (the window then points at the field); it is never replaced
// by another date.

#include <QDate>
#include <QLineEdit>

namespace kovara {

class DateField : public QLineEdit
{
    Q_OBJECT
public:
    explicit DateField(QWidget *parent = nullptr);
    explicit DateField(const QDate &date, QWidget *parent = nullptr);

    // The date shown; invalid when the text is not a date.
    QDate date() const;
    // Shows the date as dd.MM.yyyy (an invalid date empties the field).
    void setDate(const QDate &date);

protected:
    void focusOutEvent(QFocusEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    void tidy();
};

} // namespace kovara
