#pragma once

// The administration window: the municipality constants, the administrator
// password, and the way to the document templates. Closing it in any way
// reloads the constants from the settings file, so unsaved edits are
// dropped.

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QMenu;
class QPushButton;

namespace kovara {

class AccessState;
class MaskedNumberEdit;
class PasswordDialog;

class AdminWindow : public QDialog
{
    Q_OBJECT
public:
    // The access box shows and changes the given access state.
    explicit AdminWindow(AccessState &access, QWidget *parent = nullptr);

    // New password, twice.
    QGroupBox *passwordGroup;
    QLineEdit *newPassword;
    QLineEdit *newPasswordAgain;
    QPushButton *SchimbaBut;

    // Municipality constants, in tab order.
    QLineEdit *PrimariaEd;
    QLineEdit *LocalitEd;
    QComboBox *Judet;
    MaskedNumberEdit *CodFiscal;
    QLineEdit *Primar;
    QLineEdit *Secretar;
    QLineEdit *DirectorEd;
    QLineEdit *IntocmitEd;
    QLineEdit *AvizatEd;

    // The button that leads to the document templates; its menu is filled
    // by the template management.
    QPushButton *ModeleBut;
    QMenu *ModeleMenu;

    QPushButton *SalveazaBut;
    QPushButton *RenuntBut;

    // The access state, never shown; only the login ticks it.
    QCheckBox *accessBox;

    // The fields again hold the constants record.
    void loadFields();

    // "Salveaza si inchide", "&Schimba parola".
    void SalveazaClick();
    void SchimbaClick();

    // Ticks accessBox and applies it to the access state.
    void grantAccess();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void applyAccess(bool granted);
    void reloadConstants();

    AccessState &m_access;
};

// The command of the main window's "Administrare" while access is not yet
// granted: asks for the stored password (if any) and grants access on
// success, through the given password prompt. Returns true when access was
// granted. The administration window is not shown by this command.
bool AdministratorLogin(AdminWindow &form, PasswordDialog &prompt);

} // namespace kovara
