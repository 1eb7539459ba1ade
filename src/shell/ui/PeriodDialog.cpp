#include "shell/ui/PeriodDialog.h"

#include "shell/SelectionChecks.h"
#include "shell/ui/UiHelpers.h"
#include "widgets/DateField.h"

#include <QPushButton>

namespace kovara {
namespace {

DateField *dateField(const QDate &date, QWidget *parent)
{
    auto *field = new DateField(date, parent);
    field->setMinimumWidth(120);
    return field;
}

} // namespace

PeriodDialog::PeriodDialog(QWidget *parent)
    : SelectionDialog(QStringLiteral("Am ales"), true, parent)
{
    setObjectName(QStringLiteral("PeriodDialog"));
    const QDate today = QDate::currentDate();
    startDate = dateField(today.addMonths(-1), this);
    endDate = dateField(today, this);
    setHeading(QStringLiteral("Alege perioada"));
    addField(QStringLiteral("incepand cu"), startDate);
    addField(QStringLiteral("terminand cu"), endDate);
    setLastField(endDate);
    setTabOrder(startDate, endDate);
    connect(confirmButton(), &QPushButton::clicked, this, &PeriodDialog::confirmClicked);
}

bool PeriodDialog::Ask(const QString &title)
{
    setTitleText(title);
    startDate->setFocus();
    return exec() == QDialog::Accepted;
}

QDate PeriodDialog::from() const
{
    return startDate->date();
}

QDate PeriodDialog::to() const
{
    return endDate->date();
}

void PeriodDialog::confirmClicked()
{
    const SelectionProblem problem = CheckPeriod(from(), to());
    if (!problem.ok()) {
        DateField *field = problem.field == 0 ? startDate : endDate;
        field->setFocus();
        ShowProblem(problem.text, field);
        return;
    }
    accept();
}

} // namespace kovara
