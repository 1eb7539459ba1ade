#include "exports/ui/TreasuryDialog.h"

#include "shell/ui/UiHelpers.h"
#include "widgets/DateField.h"

#include <QPushButton>

namespace kovara {
namespace {

DateField *dateField(const QString &name, QWidget *parent)
{
    auto *field = new DateField(QDate::currentDate(), parent);
    field->setObjectName(name);
    field->setMinimumWidth(120);
    return field;
}

} // namespace

TreasuryDialog::TreasuryDialog(QWidget *parent)
    : SelectionDialog(QStringLiteral("Am ales"), true, parent)
{
    setObjectName(QStringLiteral("TreasuryDialog"));
    startDate = dateField(QStringLiteral("startDate"), this);
    endDate = dateField(QStringLiteral("endDate"), this);
    transferDate = dateField(QStringLiteral("transferDate"), this);
    takeoverDate = dateField(QStringLiteral("takeoverDate"), this);
    paymentDate = dateField(QStringLiteral("paymentDate"), this);
    setTitleText(QStringLiteral("Raport Trezorerie"));
    setHeading(QStringLiteral("Perioada raportata"));
    addField(QStringLiteral("incepand cu"), startDate);
    addField(QStringLiteral("terminand cu"), endDate);
    addField(QStringLiteral("Data virarii"), transferDate);
    addField(QStringLiteral("Data preluarii"), takeoverDate);
    addField(QStringLiteral("Data platii curente"), paymentDate);
    setLastField(paymentDate);
    setTabOrder(startDate, endDate);
    setTabOrder(endDate, transferDate);
    setTabOrder(transferDate, takeoverDate);
    setTabOrder(takeoverDate, paymentDate);
    connect(confirmButton(), &QPushButton::clicked, this, &TreasuryDialog::confirmClicked);
}

bool TreasuryDialog::Ask()
{
    // The dates start at the day the dialog is first opened, however long
    // the program has been running; afterwards they stay as left.
    if (!m_opened) {
        m_opened = true;
        for (DateField *field : {startDate, endDate, transferDate, takeoverDate, paymentDate})
            field->setDate(QDate::currentDate());
    }
    startDate->setFocus();
    return exec() == QDialog::Accepted;
}

TreasuryDates TreasuryDialog::dates() const
{
    return {startDate->date(), endDate->date(), transferDate->date(), takeoverDate->date(),
            paymentDate->date()};
}

// The order of the dates is not checked (a report may be made for any
// period); a date that is no date is pointed out and nothing runs.
void TreasuryDialog::confirmClicked()
{
    for (DateField *field : {startDate, endDate, transferDate, takeoverDate, paymentDate}) {
        if (!field->date().isValid()) {
            field->setFocus();
            ShowProblem(QStringLiteral("Data incorecta!"), field);
            return;
        }
    }
    accept();
}

} // namespace kovara
