#include "admin/ui/AdminWindow.h"
#include "widgets/PasswordField.h"

#include "admin/Password.h"
#include "admin/ui/PasswordDialog.h"
#include "base/Win1250.h"
#include "data/Settings.h"
#include "shell/AccessState.h"
#include "shell/CNP.h"
#include "shell/Formats.h"
#include "shell/ui/ErrorDisplay.h"
#include "shell/ui/Keyboard.h"
#include "shell/ui/MessageDialog.h"
#include "shell/ui/UiHelpers.h"
#include "widgets/MaskedNumberEdit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace kovara {
namespace {

QLineEdit *passwordBox(QWidget *parent, const char *name)
{
    QLineEdit *edit = NewPasswordField(parent, 32);
    edit->setObjectName(QLatin1String(name));
    return edit;
}

QLineEdit *textField(QWidget *parent, const char *name)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    return edit;
}

} // namespace

AdminWindow::AdminWindow(AccessState &access, QWidget *parent)
    : QDialog(parent)
    , m_access(access)
{
    setObjectName(QStringLiteral("AdminWindow"));
    setWindowTitle(QStringLiteral("Administrator program"));

    passwordGroup = new QGroupBox(QStringLiteral(" Schimbare parola  "), this);
    passwordGroup->setToolTip(QStringLiteral("Schimbarea parolei administrator."));
    newPassword = passwordBox(passwordGroup, "newPassword");
    newPasswordAgain = passwordBox(passwordGroup, "newPasswordAgain");
    SchimbaBut = new QPushButton(QStringLiteral("&Schimba parola"), passwordGroup);
    auto *passwords = new QFormLayout(passwordGroup);
    passwords->addRow(QStringLiteral("Parola noua"), newPassword);
    passwords->addRow(QStringLiteral("Inca odata"), newPasswordAgain);
    passwords->addRow(QString(), SchimbaBut);

    PrimariaEd = textField(this, "PrimariaEd");
    LocalitEd = textField(this, "LocalitEd");
    Judet = new QComboBox(this);
    Judet->setObjectName(QStringLiteral("Judet"));
    Judet->setEditable(false);
    Judet->addItems(Counties());
    Judet->setCurrentIndex(-1);
    CodFiscal = new MaskedNumberEdit(this);
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

    accessBox = new QCheckBox(QStringLiteral("Acces in program"), this);
    accessBox->setToolTip(QStringLiteral("Va da dreptul de a modifica date."));
    accessBox->setVisible(false);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(SalveazaBut);
    bottom->addStretch();
    bottom->addWidget(RenuntBut);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(passwordGroup);
    layout->addLayout(constants);
    layout->addWidget(ModeleBut);
    layout->addLayout(bottom);
    setMinimumWidth(420);

    QWidget *order[] = {newPassword, newPasswordAgain, SchimbaBut, PrimariaEd,  LocalitEd,
                        Judet,       CodFiscal,        Primar,     Secretar,    DirectorEd,
                        IntocmitEd,  AvizatEd,         ModeleBut,  SalveazaBut, RenuntBut};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(SchimbaBut, &QPushButton::clicked, this, [this] { RunCommand([this] { SchimbaClick(); }); });
    connect(SalveazaBut, &QPushButton::clicked, this, [this] { RunCommand([this] { SalveazaClick(); }); });
    connect(RenuntBut, &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &QDialog::finished, this, [this] { RunCommand([this] { reloadConstants(); }); });
    connect(accessBox, &QCheckBox::toggled, this, &AdminWindow::applyAccess);

    KeyboardRules::attach(this)->addLastField(AvizatEd, SalveazaBut);
}

void AdminWindow::showEvent(QShowEvent *event)
{
    loadFields();
    QDialog::showEvent(event);
    // The window opens at its first field, never on a button that one more
    // Enter would press.
    newPassword->setFocus(Qt::OtherFocusReason);
}

void AdminWindow::loadFields()
{
    const MunicipalityConstants &c = Constants();
    PrimariaEd->setText(c.PRIMARIA);
    LocalitEd->setText(c.LOCALIT);
    SelectComboText(Judet, c.JUDET.toUpper());
    FillText(CodFiscal, c.CF);
    Primar->setText(c.PRIMAR);
    Secretar->setText(c.SECRETAR);
    DirectorEd->setText(c.DIRECTOR);
    IntocmitEd->setText(c.INTOCMIT);
    AvizatEd->setText(c.AVIZAT);
}

void AdminWindow::reloadConstants()
{
    LoadConstants();
    loadFields();
}

void AdminWindow::SalveazaClick()
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

void AdminWindow::SchimbaClick()
{
    const QString title = QStringLiteral("Eroare la completare");
    if (newPassword->text() != newPasswordAgain->text()) {
        Mesaj(title, QStringLiteral("Nu ati scris parola noua la fel in cele doua casute !"), KindEroare,
              BtnOk);
        QApplication::beep();
        return;
    }
    if (newPassword->text().isEmpty()) {
        const QString question = QStringLiteral("ATENTIE !") + LineBreak() +
                                 QStringLiteral("Doriti sa dezactivati parola de administrator?");
        if (Mesaj(title, question, KindAtentie, BtnDa | BtnNu, BtnNu) == ResDa)
            WriteRegValue(QStringLiteral("Erori"), QString());
        return;
    }
    // A letter the code page lacks would be stored as '?', and any other
    // such letter would then open the program as well.
    if (!fitsWin1250(newPassword->text())) {
        Mesaj(title, QStringLiteral("Parola contine litere care nu pot fi memorate."), KindEroare, BtnOk);
        QApplication::beep();
        return;
    }
    WriteRegValue(QStringLiteral("Erori"), encodePassword(newPassword->text()));
    Mesaj(QStringLiteral("Confirmare"), QStringLiteral("Parola a fost schimbata cu succes!"), KindInformatie,
          BtnOk);
    newPassword->clear();
    newPasswordAgain->clear();
}

void AdminWindow::grantAccess()
{
    if (accessBox->isChecked())
        applyAccess(true); // ticked already: apply it again all the same
    else
        accessBox->setChecked(true);
}

void AdminWindow::applyAccess(bool granted)
{
    m_access.setGranted(granted);
}

bool AdministratorLogin(AdminWindow &form, PasswordDialog &prompt)
{
    const QString stored = ReadRegValue(QStringLiteral("Erori"));
    if (stored.isEmpty()) {
        Mesaj(QStringLiteral("Administrare"),
              QStringLiteral("        ATENTIE!") + LineBreak() + QStringLiteral("Nu aveti nici o parola!"),
              KindAtentie, BtnOk);
    } else {
        const InputQueryResult answer =
            AskPassword(prompt, QStringLiteral("IDENTIFICARE ADMIN"), QStringLiteral("PAROLA :"));
        if (!answer.confirmed)
            return false;
        if (!passwordMatches(answer.text, stored)) {
            Mesaj(QStringLiteral("Greseala!"), QStringLiteral("PAROLA INCORECTA !"), KindEroare, BtnOk);
            return false;
        }
    }
    form.grantAccess();
    return true;
}

} // namespace kovara
