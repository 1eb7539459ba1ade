#include "requests/NumeroU.h"

#include "app/Formats.h"
#include "app/Keyboard.h"
#include "app/TextHelpers.h"
#include "app/UiHelpers.h"
#include "requests/NumericEdit.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kovara {

namespace {

TNumericEdit *numberField(QWidget *parent)
{
    auto *f = new TNumericEdit(parent);
    f->setMaxLength(9);
    return f;
}

QDateEdit *dateField(QWidget *parent)
{
    auto *d = new QDateEdit(QDate::currentDate(), parent);
    d->setDisplayFormat(ShortDateFormat());
    d->setCalendarPopup(true);
    return d;
}

} // namespace

TNumeroF::TNumeroF(QWidget *parent)
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

    CerereNr1 = numberField(this);
    Data1 = dateField(this);
    CerereNr2 = numberField(this);
    Disp0 = numberField(this);
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
    form->addRow(QStringLiteral("cererea nr."), CerereNr1);
    form->addRow(QStringLiteral("din data"), Data1);
    form->addRow(QStringLiteral("pana la cererea nr."), CerereNr2);
    form->addRow(QStringLiteral("Dispozitiile incep cu numarul"), Disp0);
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

    setTabOrder(CerereNr1, Data1);
    setTabOrder(Data1, CerereNr2);
    setTabOrder(CerereNr2, Disp0);
    setTabOrder(Disp0, DataDisp);
    setTabOrder(DataDisp, Luna);
    setTabOrder(Luna, Anul);

    connect(NumeroteazaBut, &QPushButton::clicked, this, &TNumeroF::NumeroteazaClick);
    connect(RenuntBut, &QPushButton::clicked, this, &QDialog::reject);
    KeyboardRules *keys = KeyboardRules::attach(this);
    keys->addLastField(Anul, [this] { NumeroteazaClick(); });
    keys->addLastField(
        DataDisp, [this] { NumeroteazaClick(); }, [this] { return !monthLineShown(); });
}

void TNumeroF::prepare(int kind)
{
    m_kind = kind;
    m_monthLine->setVisible(monthLineShown());
}

bool TNumeroF::Execute(int kind)
{
    prepare(kind);
    CerereNr1->setFocus();
    return exec() == QDialog::Accepted;
}

void TNumeroF::NumeroteazaClick()
{
    for (TNumericEdit *f : {CerereNr1, CerereNr2, Disp0})
        if (f->text().isEmpty())
            f->setText(QStringLiteral("0"));
    if (CerereNr2->value() < CerereNr1->value()) {
        ShowProblem(QStringLiteral("Interval incorect!"), CerereNr1);
        return;
    }
    if (Disp0->value() < 1) {
        ShowProblem(QStringLiteral("Numar de dispozitie incorect!"), Disp0);
        return;
    }
    accept();
}

NumberingRange TNumeroF::range() const
{
    NumberingRange r;
    r.kind = m_kind;
    r.firstNr = CerereNr1->value();
    r.fromDate = Data1->date();
    r.lastNr = CerereNr2->value();
    r.firstDisp = Disp0->value();
    r.dispDate = DataDisp->date();
    r.month = Luna->currentIndex() + 1;
    r.year = Anul->currentText().toInt();
    return r;
}

} // namespace kovara
