#pragma once

// The month dialog: a month of this year or of the year before, to list or
// to export to a workbook.

#include "shell/ui/SelectionDialog.h"

class QComboBox;
class QPushButton;

namespace kovara {

class MonthDialog : public SelectionDialog
{
    Q_OBJECT
public:
    enum Choice { Cancelled = 0, List = 1, Excel = 2 };

    explicit MonthDialog(QWidget *parent = nullptr);

    // The program keeps one, created with its windows (CreateSelectionDialogs):
    // its values stay between uses.

    QComboBox *month; // "Luna": "ianuarie" .. "decembrie"
    QComboBox *year;  // "Anul": this year and the year before, refilled at every Ask
    QPushButton *excelButton() const { return m_excel; }

    // Shows the dialog modally under the title: List ("Listeaza"), Excel
    // ("Excel") or Cancelled ("Renunt", Esc).
    int Ask(const QString &title);

    QString monthName() const;
    int monthNumber() const; // 1 for "ianuarie"
    QString yearText() const;

private:
    QPushButton *m_excel;
};

} // namespace kovara
