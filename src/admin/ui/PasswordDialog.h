#pragma once

// The password prompt: a small dialog with one field whose characters are
// shown as '*', "Verifica" to confirm and "Renunt" to cancel.

#include <QDialog>
#include <QList>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kovara {

class PasswordDialog : public QDialog
{
    Q_OBJECT
public:
    explicit PasswordDialog(QWidget *parent = nullptr);

    QLabel *promptLabel;
    QLineEdit *passwordEdit;
    QPushButton *VerificaBut;
    QPushButton *RenuntBut;

    // Caption, prompt and an empty field, before the dialog is shown.
    void prepare(const QString &caption, const QString &prompt);
};

struct InputQueryResult
{
    bool confirmed = false;
    QString text;
};

// Asks for a password modally in the given prompt (the program keeps one,
// created with its windows); the text is returned only when confirmed.
InputQueryResult AskPassword(PasswordDialog &dialog, const QString &caption, const QString &prompt);

} // namespace kovara

namespace kovara::seam {

// While the test seam is active AskPassword shows nothing: it records the
// call and returns the next queued answer (none queued: cancelled).
struct InputQueryCall
{
    QString caption;
    QString prompt;
};
void pushInputQueryAnswer(bool confirmed, const QString &text);
const QList<InputQueryCall> &inputQueryCalls();
void clearInputQuery();

} // namespace kovara::seam
