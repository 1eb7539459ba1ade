#pragma once

// The semester dialog of the semester statistics: the semester ("1" or "2")
// and the year (this one or the one before, as they were when the program
// started).

#include "shell/ui/SelectionDialog.h"

class QComboBox;

namespace kovara {

class SemesterDialog : public SelectionDialog
{
    Q_OBJECT
public:
    explicit SemesterDialog(QWidget *parent = nullptr);

    // The program keeps one, created with its windows (CreateSelectionDialogs):
    // its values stay between uses.

    QComboBox *semester; // "Semestrul": "1", "2"
    QComboBox *year;     // "Anul"

    // Shows the dialog modally; true when confirmed with "Am ales".
    bool Ask();

    int semesterNumber() const; // 1 or 2, by the entry's position
    QString semesterText() const;
    QString yearText() const;
};

} // namespace kovara
