#pragma once

// The numbering dialog: which requests to number (by request number, from a
// date on), the first disposition number, its date and the month paid. It
// keeps its values between uses.

#include "requests/Numbering.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

namespace kovara {

class DateField;
class NumericEdit;

class NumberingDialog : public QDialog
{
    Q_OBJECT
public:
    explicit NumberingDialog(QWidget *parent = nullptr);

    NumericEdit *firstRequestNr;
    DateField *fromDate;
    NumericEdit *lastRequestNr;
    NumericEdit *firstDispositionNr;
    DateField *DataDisp;
    QComboBox *Luna;
    QComboBox *Anul;
    QPushButton *NumeroteazaBut; // "Numeroteaza"
    QPushButton *RenuntBut;      // "Renunt"

    // Shows the dialog modally for the list's kind (2 or 3): the month line
    // only for kind 2. True when confirmed with "Numeroteaza".
    bool Execute(int kind);
    // Prepares the dialog for the kind without showing it.
    void prepare(int kind);

    // The run the fields describe, for the kind last prepared.
    NumberingRange range() const;

    // "Numeroteaza": checks the range and the first number, then confirms.
    void NumeroteazaClick();

private:
    bool monthLineShown() const { return m_kind == 2; }

    int m_kind = 2;
    QWidget *m_monthLine;
};

} // namespace kovara
