#pragma once

// The keyboard rules of every window, written once:
//  - Esc closes the window (a dialog is rejected: nothing was chosen);
//  - Enter in an entry field moves the focus to the next control that takes
//    it, and is consumed (no default button runs, no sound);
//  - Enter in a window's last field runs its main button after the focus
//    has moved;
//  - Enter on a focused button presses it, as Space does, in every window
//    of the program (with rules or not, Qt's own dialogs included).
// The window sees each key before its controls do.
//
//   KeyboardRules::attach(this)->addLastField(Data2, AmAlesBut);

#include <QObject>
#include <QPointer>
#include <functional>
#include <vector>

class QAbstractButton;
class QWidget;

namespace kovara {

class KeyboardRules : public QObject
{
    Q_OBJECT
public:
    // Sees every key of the program from now on: Enter on a focused button
    // presses it everywhere; the windows' own rules apply where attached.
    // attach() calls it too.
    static void installEverywhere();

    // Enter on a focused, enabled button (not a check box or radio button):
    // pressed, or its menu opened; true when the key was used.
    static bool pressesButton(QWidget *receiver, int key, Qt::KeyboardModifiers modifiers);

    // Moves the focus to `next` as the keyboard does (as after Tab): its
    // window then draws the focus mark, which a button has no other sign of.
    static void focusByKeyboard(QWidget *next);

    // Puts the rules on a window (idempotent) and returns them.
    static KeyboardRules *attach(QWidget *window);
    // The rules of a window, or null when none were attached.
    static KeyboardRules *of(const QWidget *window);

    // Enter in field runs the action (or clicks the button) after moving on.
    // When `when` is given, the field counts as last only while it is true
    // (a window whose last field depends on a hidden panel).
    void addLastField(QWidget *field, QAbstractButton *mainButton, std::function<bool()> when = {});
    void addLastField(QWidget *field, std::function<void()> action, std::function<bool()> when = {});

    // Esc normally closes the window; a window may do something else.
    void setEscapeAction(std::function<void()> action) { m_escape = std::move(action); }

    // True when the widget is an entry field in the sense of these rules.
    static bool isEntryField(const QWidget *widget);

    // Handles one key press sent to `receiver`; true when it was consumed.
    bool handleKey(QWidget *receiver, int key, Qt::KeyboardModifiers modifiers);

private:
    explicit KeyboardRules(QWidget *window);

    struct LastField
    {
        QPointer<QWidget> field;
        std::function<void()> action;
        std::function<bool()> when;
    };

    void moveFocusFrom(QWidget *field);

    QWidget *m_window;
    std::vector<LastField> m_last;
    std::function<void()> m_escape;
};

} // namespace kovara
