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

class TForm5 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm5(QWidget *parent = nullptr);

    QLabel *Label1;
    QLineEdit *Edit1;
    QPushButton *VerificaBut;
    QPushButton *RenuntBut;

    // Caption, prompt and an empty field, before the dialog is shown.
    void prepare(const QString &caption, const QString &prompt);

    // The one prompt of the run (created on first use).
    static TForm5 *instance();
};

struct InputQueryResult
{
    bool confirmed = false;
    QString text;
};

// Asks for a password modally; the text is returned only when confirmed.
InputQueryResult InputQuery2(const QString &caption, const QString &prompt);

} // namespace kovara

namespace kovara::seam {

// While the test seam is active InputQuery2 shows nothing: it records the
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
