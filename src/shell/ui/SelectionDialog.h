#pragma once

// The frame the four selection dialogs share: the caption "Kovara", a
// coloured band with a title line on top, the fields, a button row with the
// confirm button and "Renunt", and the status line "ESC - Iesire". The
// dialog opens centred on the desktop. Esc cancels; Enter moves to the next
// field, and in the last field it also presses the confirm button.

#include <QDialog>

class QFormLayout;
class QHBoxLayout;
class QLabel;
class QPushButton;

namespace kovara {

class GradientPanel;

class SelectionDialog : public QDialog
{
    Q_OBJECT
public:
    QLabel *titleLine() const { return m_titleLine; }
    QPushButton *confirmButton() const { return m_confirm; }
    QPushButton *cancelButton() const { return m_cancel; }
    QLabel *statusLine() const { return m_status; }

protected:
    // stayOnTop: the dialog stays above the other windows.
    SelectionDialog(const QString &confirmCaption, bool stayOnTop, QWidget *parent);

    // The fields go under an optional heading, one labelled row each.
    void setHeading(const QString &heading);
    void addField(const QString &label, QWidget *field);
    // Enter in this field also presses the confirm button.
    void setLastField(QWidget *field);
    // Another button of the row, left of "Renunt".
    QPushButton *addButton(const QString &caption);

    void setTitleText(const QString &title);
    void showEvent(QShowEvent *event) override;
    // A balloon still pointing into the dialog goes with it.
    void done(int result) override;

private:
    GradientPanel *m_band;
    QLabel *m_titleLine;
    QLabel *m_heading;
    QFormLayout *m_fields;
    QHBoxLayout *m_buttons;
    QPushButton *m_confirm;
    QPushButton *m_cancel;
    QLabel *m_status;
};

class PeriodDialog;
class DispositionRangeDialog;
class MonthDialog;
class SemesterDialog;

// The selection dialogs the program keeps for the whole run, each shared by
// the commands that ask through it.
struct SelectionDialogSet
{
    PeriodDialog *period = nullptr;
    DispositionRangeDialog *range = nullptr;
    MonthDialog *month = nullptr;
    SemesterDialog *semester = nullptr;
};

// Creates the period, disposition range, month and semester dialogs.
SelectionDialogSet CreateSelectionDialogs();

} // namespace kovara
