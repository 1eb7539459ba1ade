#include "admin/Unit4.h"

#include "admin/Password.h"
#include "admin/Unit5.h"
#include "app/ErrorDisplay.h"
#include "app/ErrorUnit.h"
#include "app/Formats.h"
#include "app/Keyboard.h"
#include "app/UiHelpers.h"
#include "data/Settings.h"
#include "data/Win1250.h"
#include "requests/CNP.h"
#include "requests/NumarF.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace kovara {
namespace {

QLineEdit *passwordBox(QWidget *parent, const char *name)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setMaxLength(32);
    edit->setEchoMode(QLineEdit::Password);
    return edit;
}

QLineEdit *textField(QWidget *parent, const char *name)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    return edit;
}

} // namespace

TForm4::TForm4(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Administrator program"));

    GroupBox1 = new QGroupBox(QStringLiteral(" Schimbare parola  "), this);
    GroupBox1->setToolTip(QStringLiteral("Schimbarea parolei administrator."));
    Edit1 = passwordBox(GroupBox1, "Edit1");
    Edit2 = passwordBox(GroupBox1, "Edit2");
    SchimbaBut = new QPushButton(QStringLiteral("&Schimba parola"), GroupBox1);
    auto *passwords = new QFormLayout(GroupBox1);
    passwords->addRow(QStringLiteral("Parola noua"), Edit1);
    passwords->addRow(QStringLiteral("Inca odata"), Edit2);
    passwords->addRow(QString(), SchimbaBut);

    PrimariaEd = textField(this, "PrimariaEd");
    LocalitEd = textField(this, "LocalitEd");
    Judet = new QComboBox(this);
    Judet->setObjectName(QStringLiteral("Judet"));
    Judet->setEditable(false);
    Judet->addItems(Counties());
    Judet->setCurrentIndex(-1);
    CodFiscal = new TNumericF(this);
    CodFiscal->setObjectName(QStringLiteral("CodFiscal"));
    CodFiscal->setMaskInt(10);
    CodFiscal->setMaskZec(0);
    CodFiscal->setMaxLength(10);
    Primar = textField(this, "Primar");
    Secretar = textField(this, "Secretar");
    DirectorEd = textField(this, "DirectorEd");
    IntocmitEd = textField(this, "IntocmitEd");
    AvizatEd = textField(this, "AvizatEd");

    auto *constants = new QFormLayout;
    constants->addRow(QStringLiteral("Primaria"), PrimariaEd);
    constants->addRow(QStringLiteral("Localitatea"), LocalitEd);
    constants->addRow(QStringLiteral("Judetul"), Judet);
    constants->addRow(QStringLiteral("Cod Fiscal"), CodFiscal);
    constants->addRow(QStringLiteral("Primar"), Primar);
    constants->addRow(QStringLiteral("Secretar"), Secretar);
    constants->addRow(QStringLiteral("Director"), DirectorEd);
    constants->addRow(QStringLiteral("Intocmit"), IntocmitEd);
    constants->addRow(QStringLiteral("Avizat legalit."), AvizatEd);

    ModeleBut = new QPushButton(QStringLiteral("Modele de Listare"), this);
    ModeleMenu = new QMenu(ModeleBut);
    ModeleBut->setMenu(ModeleMenu);
    SalveazaBut = new QPushButton(QStringLiteral("Salveaza si inchide"), this);
    RenuntBut = new QPushButton(QStringLiteral("Renunt"), this);
    for (QPushButton *b : {SchimbaBut, ModeleBut, SalveazaBut, RenuntBut})
        b->setAutoDefault(false);

    CheckBox1 = new QCheckBox(QStringLiteral("Acces in program"), this);
    CheckBox1->setToolTip(QStringLiteral("Va da dreptul de a modifica date."));
    CheckBox1->setVisible(false);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(SalveazaBut);
    bottom->addStretch();
    bottom->addWidget(RenuntBut);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox1);
    layout->addLayout(constants);
    layout->addWidget(ModeleBut);
    layout->addLayout(bottom);
    setMinimumWidth(420);

    QWidget *order[] = {Edit1,      Edit2,     SchimbaBut, PrimariaEd,  LocalitEd,
                        Judet,      CodFiscal, Primar,     Secretar,    DirectorEd,
                        IntocmitEd, AvizatEd,  ModeleBut,  SalveazaBut, RenuntBut};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(SchimbaBut, &QPushButton::clicked, this, [this] { RunCommand([this] { SchimbaClick(); }); });
    connect(SalveazaBut, &QPushButton::clicked, this, [this] { RunCommand([this] { SalveazaClick(); }); });
    connect(RenuntBut, &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &QDialog::finished, this, [this] { RunCommand([this] { reloadConstants(); }); });
    connect(CheckBox1, &QCheckBox::toggled, this, &TForm4::applyAccess);

    KeyboardRules::attach(this)->addLastField(AvizatEd, SalveazaBut);
}

void TForm4::showEvent(QShowEvent *event)
{
    loadFields();
    QDialog::showEvent(event);
}

void TForm4::loadFields()
{
    const MunicipalityConstants &c = Constants();
    PrimariaEd->setText(c.PRIMARIA);
    LocalitEd->setText(c.LOCALIT);
    SelectComboText(Judet, c.JUDET.toUpper());
    CodFiscal->setText(c.CF);
    Primar->setText(c.PRIMAR);
    Secretar->setText(c.SECRETAR);
    DirectorEd->setText(c.DIRECTOR);
    IntocmitEd->setText(c.INTOCMIT);
    AvizatEd->setText(c.AVIZAT);
}

void TForm4::reloadConstants()
{
    LoadConstants();
    loadFields();
}

void TForm4::SalveazaClick()
{
    if (!CodFiscalCorect(CodFiscal->text())) {
        ShowProblem(QStringLiteral("Cod Fiscal incorect!"), CodFiscal);
        return;
    }
    MunicipalityConstants &c = Constants();
    const MunicipalityConstants before = c;
    c.PRIMARIA = PrimariaEd->text();
    c.LOCALIT = LocalitEd->text();
    c.JUDET = Judet->currentIndex() >= 0 ? Judet->currentText() : QString();
    c.CF = CodFiscal->text();
    c.PRIMAR = Primar->text();
    c.SECRETAR = Secretar->text();
    c.DIRECTOR = DirectorEd->text();
    c.INTOCMIT = IntocmitEd->text();
    c.AVIZAT = AvizatEd->text();
    try {
        SaveConstants();
    } catch (...) {
        c = before; // the record keeps what the file holds
        throw;
    }
    QCoreApplication::processEvents();
    accept();
}

void TForm4::SchimbaClick()
{
    const QString title = QStringLiteral("Eroare la completare");
    if (Edit1->text() != Edit2->text()) {
        Mesaj(title, QStringLiteral("Nu ati scris parola noua la fel in cele doua casute !"), KindEroare,
              BtnOk);
        QApplication::beep();
        return;
    }
    if (Edit1->text().isEmpty()) {
        const QString question = QStringLiteral("ATENTIE !") + LineBreak() +
                                 QStringLiteral("Doriti sa dezactivati parola de administrator?");
        if (Mesaj(title, question, KindAtentie, BtnDa | BtnNu) == ResDa)
            WriteRegValue(QStringLiteral("Erori"), QString());
        return;
    }
    // A letter the code page lacks would be stored as '?', and any other
    // such letter would then open the program as well.
    if (!fitsWin1250(Edit1->text())) {
        Mesaj(title, QStringLiteral("Parola contine litere care nu pot fi memorate."), KindEroare, BtnOk);
        QApplication::beep();
        return;
    }
    WriteRegValue(QStringLiteral("Erori"), encodePassword(Edit1->text()));
    Mesaj(QStringLiteral("Confirmare"), QStringLiteral("Parola a fost schimbata cu succes!"), KindInformatie,
          BtnOk);
    Edit1->clear();
    Edit2->clear();
}

void TForm4::grantAccess()
{
    if (CheckBox1->isChecked())
        applyAccess(true); // ticked already: apply it again all the same
    else
        CheckBox1->setChecked(true);
}

void TForm4::applyAccess(bool granted)
{
    setAccessGranted(granted);
    emit accessChanged(granted);
}

TForm4 *TForm4::instance()
{
    static QPointer<TForm4> form;
    if (!form)
        form = new TForm4;
    return form;
}

bool AdministratorLogin(TForm4 *form)
{
    if (!form)
        form = TForm4::instance();
    const QString stored = ReadRegValue(QStringLiteral("Erori"));
    if (stored.isEmpty()) {
        Mesaj(QStringLiteral("Administrare"),
              QStringLiteral("        ATENTIE!") + LineBreak() + QStringLiteral("Nu aveti nici o parola!"),
              KindAtentie, BtnOk);
    } else {
        const InputQueryResult answer =
            InputQuery2(QStringLiteral("IDENTIFICARE ADMIN"), QStringLiteral("PAROLA :"));
        if (!answer.confirmed)
            return false;
        if (!passwordMatches(answer.text, stored)) {
            Mesaj(QStringLiteral("Greseala!"), QStringLiteral("PAROLA INCORECTA !"), KindEroare, BtnOk);
            return false;
        }
    }
    form->grantAccess();
    return true;
}

} // namespace kovara
