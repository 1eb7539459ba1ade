#pragma once

// The treasury dialog: the reported period and the three dates of the
// treasury file (transfer, take-over, current payment), shared by the
// treasury commands and kept for the whole run.

#include "exports/TreasuryFile.h"
#include "shell/ui/SelectionDialog.h"

namespace kovara {

class DateField;

class TreasuryDialog : public SelectionDialog
{
    Q_OBJECT
public:
    explicit TreasuryDialog(QWidget *parent = nullptr);

    // The program keeps one, created with its windows: its dates start at
    // the day of the first opening and then stay as the user left them.

    DateField *startDate;    // "incepand cu"
    DateField *endDate;      // "terminand cu"
    DateField *transferDate; // "Data virarii"
    DateField *takeoverDate; // "Data preluarii"
    DateField *paymentDate;  // "Data platii curente"

    // Shows the dialog modally; true when confirmed with "Am ales".
    bool Ask();

    TreasuryDates dates() const;

private:
    void confirmClicked();
    bool m_opened = false;
};

} // namespace kovara
