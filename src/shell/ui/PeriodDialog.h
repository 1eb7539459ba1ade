#pragma once

// The period dialog: a start and an end date for the bordereaux, payrolls,
// the layette centralizer and the finance reports. The dates stay as the
// user left them for the rest of the run.

#include "shell/ui/SelectionDialog.h"

#include <QDate>

namespace kovara {

class DateField;

class PeriodDialog : public SelectionDialog
{
    Q_OBJECT
public:
    explicit PeriodDialog(QWidget *parent = nullptr);

    // The program keeps one, created with its windows (CreateSelectionDialogs):
    // its values stay between uses.

    DateField *startDate; // "incepand cu"; a month before today at creation
    DateField *endDate;   // "terminand cu"; today at creation

    // Shows the dialog modally under the title; true when confirmed.
    bool Ask(const QString &title);

    QDate from() const;
    QDate to() const;

    // "Am ales": refuses a text that is no date ("Data incorecta!") and an
    // end before the start ("Interval incorect!", at the end date).
    void confirmClicked();
};

} // namespace kovara
