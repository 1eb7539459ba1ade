#include "shell/ui/DispositionRangeDialog.h"

#include "base/Error.h"
#include "data/Settings.h"
#include "shell/SelectionChecks.h"
#include "shell/ui/ErrorDisplay.h"
#include "shell/ui/UiHelpers.h"
#include "widgets/NumericEdit.h"

#include <QPushButton>
#include <QSpinBox>

namespace kovara {
namespace {

const QString kSection = QStringLiteral("CONSTANTE");
const QString kCopiesKey = QStringLiteral("NREX");

NumericEdit *numberField(QWidget *parent)
{
    auto *field = new NumericEdit(parent);
    field->setMaxLength(8);
    field->setText(field->Initial());
    field->setMinimumWidth(110);
    return field;
}

} // namespace

int RememberedCopies()
{
    bool ok = false;
    const int n = ReadSetting(kSection, kCopiesKey).trimmed().toInt(&ok);
    return ok && n >= 1 && n <= 9 ? n : 1;
}

void RememberCopies(int copies)
{
    WriteSetting(kSection, kCopiesKey, QString::number(copies));
}

DispositionRangeDialog::DispositionRangeDialog(QWidget *parent)
    : SelectionDialog(QStringLiteral("Listeaza"), true, parent)
{
    setObjectName(QStringLiteral("DispositionRangeDialog"));
    firstNumber = numberField(this);
    lastNumber = numberField(this);
    copies = new QSpinBox(this);
    copies->setRange(1, 9);
    copies->setValue(1);
    copies->setMinimumWidth(50);
    setHeading(QStringLiteral("Listam dispozitiile cu numerele"));
    addField(QStringLiteral("incepand cu"), firstNumber);
    addField(QStringLiteral("pana la nr."), lastNumber);
    addField(QStringLiteral("Numar de exemplare"), copies);
    setLastField(copies);
    setTabOrder(firstNumber, lastNumber);
    setTabOrder(lastNumber, copies);
    connect(confirmButton(), &QPushButton::clicked, this, &DispositionRangeDialog::confirmClicked);
}

bool DispositionRangeDialog::Ask(const QString &title)
{
    setTitleText(title);
    copies->setValue(RememberedCopies());
    firstNumber->setFocus();
    firstNumber->selectAll();
    return exec() == QDialog::Accepted;
}

int DispositionRangeDialog::first() const
{
    return int(firstNumber->value());
}

int DispositionRangeDialog::last() const
{
    return int(lastNumber->value());
}

int DispositionRangeDialog::copyCount() const
{
    return copies->value();
}

void DispositionRangeDialog::confirmClicked()
{
    for (NumericEdit *field : {firstNumber, lastNumber})
        if (field->text().isEmpty())
            field->setText(QStringLiteral("0"));
    // Disposition numbers start at 1: a range from 0 or below is refused.
    const SelectionProblem problem = CheckDispositionRange(first(), last());
    if (!problem.ok()) {
        // The clerk goes on typing where the balloon points.
        firstNumber->setFocus();
        firstNumber->selectAll();
        ShowProblem(problem.text, firstNumber);
        return;
    }
    // A settings file that cannot be written costs only the remembered
    // value; the dispositions are still made.
    try {
        RememberCopies(copyCount());
    } catch (const Error &e) {
        ShowError(e.message());
    }
    accept();
}

} // namespace kovara
