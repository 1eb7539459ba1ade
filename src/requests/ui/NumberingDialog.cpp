#include "requests/ui/NumberingDialog.h"

#include "shell/Formats.h"
#include "shell/TextHelpers.h"
#include "shell/ui/Keyboard.h"
#include "shell/ui/UiHelpers.h"
#include "widgets/DateField.h"
#include "widgets/NumericEdit.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kovara {

namespace {

NumericEdit *numberField(QWidget *parent)
{
    auto *f = new NumericEdit(parent);
    f->setMaxLength(9);
    return f;
}

DateField *dateField(QWidget *parent)
{
    return new DateField(QDate::currentDate(), parent);
}

} // namespace

NumberingDialog::NumberingDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(ApplicationTitle());
    setModal(true);
    auto *layout = new QVBoxLayout(this);
    auto *header = new QLabel(QStringLiteral("Numerotare dispozitii"), this);
    QFont big = header->font();
    big.setBold(true);
    big.setPointSize(big.pointSize() + 4);
    header->setFont(big);
    layout->addWidget(header);

    firstRequestNr = numberField(this);
    fromDate = dateField(this);
    lastRequestNr = numberField(this);
    firstDispositionNr = numberField(this);
    DataDisp = dateField(this);
    Luna = new QComboBox(this);
    for (int m = 1; m <= 12; ++m)
        Luna->addItem(MonthName(m));
    Anul = new QComboBox(this);
    const QDate today = QDate::currentDate();
    Luna->setCurrentIndex(today.month() - 1);
    Anul->addItems({QString::number(today.year()), QString::number(today.year() + 1)});
    Anul->setCurrentIndex(0);

    auto *form = new QFormLayout;
    form->addRow(new QLabel(QStringLiteral("Numerotam cererile, incepand cu"), this));
    form->addRow(QStringLiteral("cererea nr."), firstRequestNr);
    form->addRow(QStringLiteral("din data"), fromDate);
    form->addRow(QStringLiteral("pana la cererea nr."), lastRequestNr);
    form->addRow(QStringLiteral("Dispozitiile incep cu numarul"), firstDispositionNr);
    form->addRow(QStringLiteral("din data"), DataDisp);
    layout->addLayout(form);

    m_monthLine = new QWidget(this);
    auto *month = new QHBoxLayout(m_monthLine);
    month->setContentsMargins(0, 0, 0, 0);
    month->addWidget(new QLabel(QStringLiteral("dispozitiile se aplica cu luna"), m_monthLine));
    month->addWidget(Luna);
    month->addWidget(Anul);
    layout->addWidget(m_monthLine);

    auto *buttons = new QHBoxLayout;
    NumeroteazaBut = new QPushButton(QStringLiteral("Numeroteaza"), this);
    RenuntBut = new QPushButton(QStringLiteral("Renunt"), this);
    NumeroteazaBut->setAutoDefault(false);
    RenuntBut->setAutoDefault(false);
    buttons->addStretch();
    buttons->addWidget(NumeroteazaBut);
    buttons->addWidget(RenuntBut);
    layout->addLayout(buttons);
    layout->addWidget(new QLabel(QStringLiteral("ESC - Iesire"), this));

    setTabOrder(firstRequestNr, fromDate);
    setTabOrder(fromDate, lastRequestNr);
    setTabOrder(lastRequestNr, firstDispositionNr);
    setTabOrder(firstDispositionNr, DataDisp);
    setTabOrder(DataDisp, Luna);
    setTabOrder(Luna, Anul);

    connect(NumeroteazaBut, &QPushButton::clicked, this, &NumberingDialog::NumeroteazaClick);
    connect(RenuntBut, &QPushButton::clicked, this, &QDialog::reject);
    KeyboardRules *keys = KeyboardRules::attach(this);
    keys->addLastField(Anul, [this] { NumeroteazaClick(); });
    keys->addLastField(
        DataDisp, [this] { NumeroteazaClick(); }, [this] { return !monthLineShown(); });
}

void NumberingDialog::prepare(int kind)
{
    m_kind = kind;
    m_monthLine->setVisible(monthLineShown());
}

bool NumberingDialog::Execute(int kind)
{
    prepare(kind);
    firstRequestNr->setFocus();
    return exec() == QDialog::Accepted;
}

void NumberingDialog::NumeroteazaClick()
{
    for (NumericEdit *f : {firstRequestNr, lastRequestNr, firstDispositionNr})
        if (f->text().isEmpty())
            f->setText(QStringLiteral("0"));
    if (lastRequestNr->value() < firstRequestNr->value()) {
        ShowProblem(QStringLiteral("Interval incorect!"), firstRequestNr);
        return;
    }
    for (DateField *d : {fromDate, DataDisp}) {
        if (!d->date().isValid()) {
            ShowProblem(QStringLiteral("Data incorecta!"), d);
            return;
        }
    }
    if (firstDispositionNr->value() < 1) {
        ShowProblem(QStringLiteral("Numar de dispozitie incorect!"), firstDispositionNr);
        return;
    }
    accept();
}

NumberingRange NumberingDialog::range() const
{
    NumberingRange r;
    r.kind = m_kind;
    r.firstNr = firstRequestNr->value();
    r.fromDate = fromDate->date();
    r.lastNr = lastRequestNr->value();
    r.firstDisp = firstDispositionNr->value();
    r.dispDate = DataDisp->date();
    r.month = Luna->currentIndex() + 1;
    r.year = Anul->currentText().toInt();
    return r;
}

} // namespace kovara
