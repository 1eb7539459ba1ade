#include "shell/ui/SemesterDialog.h"

#include <QComboBox>
#include <QDate>
#include <QPushButton>

namespace kovara {

SemesterDialog::SemesterDialog(QWidget *parent)
    : SelectionDialog(QStringLiteral("Am ales"), false, parent)
{
    setObjectName(QStringLiteral("SemesterDialog"));
    setTitleText(QStringLiteral("Alegeti semestrul de raportat"));
    semester = new QComboBox(this);
    semester->addItems({QStringLiteral("1"), QStringLiteral("2")});
    semester->setCurrentIndex(0);
    year = new QComboBox(this);
    const int current = QDate::currentDate().year();
    year->addItems({QString::number(current), QString::number(current - 1)});
    year->setCurrentIndex(0);
    addField(QStringLiteral("Semestrul"), semester);
    addField(QStringLiteral("Anul"), year);
    setLastField(year);
    setTabOrder(semester, year);
    connect(confirmButton(), &QPushButton::clicked, this, &QDialog::accept);
}

bool SemesterDialog::Ask()
{
    semester->setFocus();
    return exec() == QDialog::Accepted;
}

int SemesterDialog::semesterNumber() const
{
    return semester->currentIndex() == 1 ? 2 : 1;
}

QString SemesterDialog::semesterText() const
{
    return semester->currentText();
}

QString SemesterDialog::yearText() const
{
    return year->currentText();
}

} // namespace kovara
