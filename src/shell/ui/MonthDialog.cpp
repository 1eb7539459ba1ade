#include "shell/ui/MonthDialog.h"

#include "shell/TextHelpers.h"

#include <QComboBox>
#include <QDate>
#include <QPushButton>

namespace kovara {

MonthDialog::MonthDialog(QWidget *parent)
    : SelectionDialog(QStringLiteral("Listeaza"), true, parent)
{
    setObjectName(QStringLiteral("MonthDialog"));
    month = new QComboBox(this);
    month->addItems(MonthNames());
    month->setCurrentIndex(0);
    year = new QComboBox(this);
    setHeading(QStringLiteral("Alegeti perioada"));
    addField(QStringLiteral("Luna"), month);
    addField(QStringLiteral("Anul"), year);
    setLastField(year);
    setTabOrder(month, year);
    m_excel = addButton(QStringLiteral("Excel"));
    connect(confirmButton(), &QPushButton::clicked, this, [this] { done(List); });
    connect(m_excel, &QPushButton::clicked, this, [this] { done(Excel); });
}

int MonthDialog::Ask(const QString &title)
{
    setTitleText(title);
    const int current = QDate::currentDate().year();
    year->clear();
    year->addItems({QString::number(current), QString::number(current - 1)});
    year->setCurrentIndex(0);
    month->setFocus();
    return exec();
}

QString MonthDialog::monthName() const
{
    return month->currentText();
}

int MonthDialog::monthNumber() const
{
    return month->currentIndex() + 1;
}

QString MonthDialog::yearText() const
{
    return year->currentText();
}

} // namespace kovara
