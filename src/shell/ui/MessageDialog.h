#pragma once

// The program's only message dialog. Every message, question and
// confirmation goes through Mesaj; the look tells its kind.

#include "shell/MesajRules.h"

#include <QDialog>
#include <QMap>

class QLabel;
class QPushButton;

namespace kovara {

class GradientPanel;

class MessageDialog : public QDialog
{
    Q_OBJECT
public:
    explicit MessageDialog(QWidget *parent = nullptr);

    // Shows the message modally and returns the result of the button
    // pressed (DA 6, NU 7, RENUNT 2, OK 1); Esc or the close box give 2,
    // and a set of bits without any button gives 2 without showing anything.
    // The focus and Enter go to `defaultButton` (one of the bits) when it is
    // shown, otherwise to the first button: a question whose DA destroys
    // something names BtnNu.
    int Mesaj(const QString &title, const QString &text, int kind, int buttons, int defaultButton = 0);

    // The dialog Mesaj shows: the program installs the one it creates with
    // its windows (null uninstalls). A destroyed dialog is uninstalled.
    static void install(MessageDialog *dialog);
    // The installed dialog. Where none is (the tests of single windows,
    // tools), one is created on first use and installed.
    static MessageDialog *instance();

    // The controls, for the program's tests.
    QLabel *titleLabel() const { return m_title; }
    QLabel *textLabel() const { return m_text; }
    QLabel *iconLabel() const { return m_icon; }
    GradientPanel *header() const { return m_header; }
    GradientPanel *footer() const { return m_footer; }
    QPushButton *button(int bit) const { return m_buttons.value(bit); }

    // Prepares the dialog without showing it (steps before the modal loop);
    // returns the number of visible buttons.
    int prepare(const QString &title, const QString &text, int kind, int buttons, int defaultButton = 0);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    int m_result = ResRenunt;
    GradientPanel *m_header;
    GradientPanel *m_footer;
    QWidget *m_row;
    QLabel *m_icon;
    QLabel *m_title;
    QLabel *m_text;
    QMap<int, QPushButton *> m_buttons;
};

// Shortcut to MessageDialog::instance()->Mesaj(...): the installed dialog.
int Mesaj(const QString &title, const QString &text, int kind, int buttons, int defaultButton = 0);

} // namespace kovara
