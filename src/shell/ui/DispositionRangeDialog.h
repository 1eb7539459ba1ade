#pragma once

// The disposition range dialog: the first and last disposition number and
// the number of copies. The numbers stay for the rest of the run; the
// number of copies is kept in the settings file (key NREX of CONSTANTE), so
// it survives a restart.

#include "shell/ui/SelectionDialog.h"

class QSpinBox;

namespace kovara {

class NumericEdit;

class DispositionRangeDialog : public SelectionDialog
{
    Q_OBJECT
public:
    explicit DispositionRangeDialog(QWidget *parent = nullptr);

    // The program keeps one, created with its windows (CreateSelectionDialogs):
    // its values stay between uses.

    NumericEdit *firstNumber; // "incepand cu", at most 8 digits
    NumericEdit *lastNumber;  // "pana la nr."
    QSpinBox *copies;         // "Numar de exemplare", 1 to 9

    // Shows the dialog modally under the title, with the remembered number
    // of copies; true when confirmed.
    bool Ask(const QString &title);

    int first() const;
    int last() const;
    int copyCount() const;

    // "Listeaza": an empty number becomes "0"; a first number below 1 or a
    // last number below the first is refused with a balloon at the first
    // number; otherwise the number of copies is remembered.
    void confirmClicked();
};

// The remembered number of copies (1 when absent or not 1 to 9).
int RememberedCopies();
void RememberCopies(int copies);

} // namespace kovara
