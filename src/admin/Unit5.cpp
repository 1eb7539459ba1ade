#include "admin/Unit5.h"

#include "app/Keyboard.h"
#include "app/TestSeam.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace kovara {

TForm5::TForm5(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("AUTENTIFICARE"));
    setModal(true);

    Label1 = new QLabel(this);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setEchoMode(QLineEdit::Password);
    Edit1->setMaxLength(32);
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
    layout->addWidget(Label1);
    layout->addWidget(Edit1);
    layout->addLayout(buttons);
    layout->addWidget(status);
    setFixedWidth(280);

    connect(VerificaBut, &QPushButton::clicked, this, &QDialog::accept);
    connect(RenuntBut, &QPushButton::clicked, this, &QDialog::reject);
    KeyboardRules::attach(this)->addLastField(Edit1, VerificaBut);
}

void TForm5::prepare(const QString &caption, const QString &prompt)
{
    setWindowTitle(caption);
    Label1->setText(prompt);
    Edit1->clear();
    Edit1->setFocus();
}

TForm5 *TForm5::instance()
{
    static QPointer<TForm5> form;
    if (!form)
        form = new TForm5;
    return form;
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

InputQueryResult InputQuery2(const QString &caption, const QString &prompt)
{
    if (seam::active()) {
        QueryAnswers &q = queryAnswers();
        q.calls.append({caption, prompt});
        return q.answers.isEmpty() ? InputQueryResult{} : q.answers.takeFirst();
    }
    TForm5 *form = TForm5::instance();
    form->prepare(caption, prompt);
    if (form->exec() != QDialog::Accepted)
        return {};
    const QString text = form->Edit1->text();
    form->Edit1->clear(); // the password does not stay in the hidden dialog
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
