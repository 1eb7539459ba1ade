#include "admin/ui/PasswordDialog.h"
#include "widgets/PasswordField.h"

#include "shell/ui/Keyboard.h"
#include "shell/ui/TestSeam.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kovara {

PasswordDialog::PasswordDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("PasswordDialog"));
    setWindowTitle(QStringLiteral("AUTENTIFICARE"));
    setModal(true);

    promptLabel = new QLabel(this);
    passwordEdit = NewPasswordField(this, 32);
    passwordEdit->setObjectName(QStringLiteral("passwordEdit"));
    VerificaBut = new QPushButton(QStringLiteral("Verifica"), this);
    RenuntBut = new QPushButton(QStringLiteral("Renunt"), this);
    VerificaBut->setAutoDefault(false);
    RenuntBut->setAutoDefault(false);
    auto *status = new QLabel(QStringLiteral("ESC - Renunt"), this);
    status->setFrameShape(QFrame::StyledPanel);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(VerificaBut);
    buttons->addWidget(RenuntBut);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(promptLabel);
    layout->addWidget(passwordEdit);
    layout->addLayout(buttons);
    layout->addWidget(status);
    setFixedWidth(280);

    connect(VerificaBut, &QPushButton::clicked, this, &QDialog::accept);
    connect(RenuntBut, &QPushButton::clicked, this, &QDialog::reject);
    KeyboardRules::attach(this)->addLastField(passwordEdit, VerificaBut);
}

void PasswordDialog::prepare(const QString &caption, const QString &prompt)
{
    setWindowTitle(caption);
    promptLabel->setText(prompt);
    passwordEdit->clear();
    passwordEdit->setFocus();
}

namespace {

struct QueryAnswers
{
    QList<InputQueryResult> answers;
    QList<seam::InputQueryCall> calls;
};

QueryAnswers &queryAnswers()
{
    static QueryAnswers answers;
    return answers;
}

} // namespace

InputQueryResult AskPassword(PasswordDialog &dialog, const QString &caption, const QString &prompt)
{
    if (seam::active()) {
        QueryAnswers &q = queryAnswers();
        q.calls.append({caption, prompt});
        return q.answers.isEmpty() ? InputQueryResult{} : q.answers.takeFirst();
    }
    dialog.prepare(caption, prompt);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QString text = dialog.passwordEdit->text();
    dialog.passwordEdit->clear(); // the password does not stay in the hidden dialog
    return {true, text};
}

} // namespace kovara

namespace kovara::seam {

void pushInputQueryAnswer(bool confirmed, const QString &text)
{
    queryAnswers().answers.append({confirmed, text});
}

const QList<InputQueryCall> &inputQueryCalls()
{
    return queryAnswers().calls;
}

void clearInputQuery()
{
    queryAnswers().answers.clear();
    queryAnswers().calls.clear();
}

} // namespace kovara::seam
