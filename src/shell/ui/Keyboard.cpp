#include "shell/ui/Keyboard.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace kovara {
namespace {

const char *const RulesName = "kovara_keyboard_rules";

// Sees every key press of the program before the control does, and hands
// those of windows with rules to them.
class KeyFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        auto *widget = static_cast<QWidget *>(watched);
        // Only the first delivery (to the focused control) counts; parents
        // see the same event again when the control ignores it.
        QWidget *focus = QApplication::focusWidget();
        if (focus && widget != focus && widget->isAncestorOf(focus))
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        if (KeyboardRules::pressesButton(widget, key->key(), key->modifiers()))
            return true;
        KeyboardRules *rules = KeyboardRules::of(widget->window());
        if (!rules)
            return false;
        return rules->handleKey(widget, key->key(), key->modifiers());
    }
};

} // namespace

void KeyboardRules::installEverywhere()
{
    static QPointer<KeyFilter> filter;
    if (!filter && qApp) {
        filter = new KeyFilter(qApp);
        qApp->installEventFilter(filter);
    }
}

namespace {

// A line edit inside a combo box or spin box stands for its owner.
QWidget *ownerField(QWidget *widget)
{
    QWidget *parent = widget ? widget->parentWidget() : nullptr;
    if (parent && (qobject_cast<QComboBox *>(parent) || qobject_cast<QAbstractSpinBox *>(parent)))
        return parent;
    return widget;
}

} // namespace

KeyboardRules::KeyboardRules(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    setObjectName(QLatin1String(RulesName));
}

KeyboardRules *KeyboardRules::attach(QWidget *window)
{
    installEverywhere();
    if (KeyboardRules *existing = of(window))
        return existing;
    return new KeyboardRules(window);
}

KeyboardRules *KeyboardRules::of(const QWidget *window)
{
    if (!window)
        return nullptr;
    return window->findChild<KeyboardRules *>(QLatin1String(RulesName), Qt::FindDirectChildrenOnly);
}

void KeyboardRules::addLastField(QWidget *field, QAbstractButton *mainButton, std::function<bool()> when)
{
    QPointer<QAbstractButton> button(mainButton);
    addLastField(
        field,
        [button] {
            if (button && button->isEnabled())
                button->click();
        },
        std::move(when));
}

void KeyboardRules::addLastField(QWidget *field, std::function<void()> action, std::function<bool()> when)
{
    m_last.push_back({field, std::move(action), std::move(when)});
}

bool KeyboardRules::isEntryField(const QWidget *widget)
{
    return qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QAbstractSpinBox *>(widget) ||
           qobject_cast<const QComboBox *>(widget) || qobject_cast<const QCheckBox *>(widget) ||
           qobject_cast<const QRadioButton *>(widget);
}

void KeyboardRules::focusByKeyboard(QWidget *next)
{
    if (!next)
        return;
    // The style draws the focus mark only on a window whose focus the
    // keyboard moved.
    next->window()->setAttribute(Qt::WA_KeyboardFocusChange, true);
    next->setFocus(Qt::TabFocusReason);
}

bool KeyboardRules::pressesButton(QWidget *receiver, int key, Qt::KeyboardModifiers modifiers)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    if (modifiers & ~Qt::KeypadModifier)
        return false;
    auto *button = qobject_cast<QAbstractButton *>(receiver);
    if (!button || isEntryField(button) || !button->isEnabled() || !button->isVisible())
        return false;
    // A button with a menu opens it, as Space does.
    if (auto *push = qobject_cast<QPushButton *>(button); push && push->menu()) {
        push->showMenu();
        return true;
    }
    button->click();
    return true;
}

bool KeyboardRules::handleKey(QWidget *receiver, int key, Qt::KeyboardModifiers modifiers)
{
    if (key == Qt::Key_Escape && modifiers == Qt::NoModifier) {
        if (m_escape)
            m_escape();
        else if (auto *dialog = qobject_cast<QDialog *>(m_window))
            dialog->reject();
        else
            m_window->close();
        return true;
    }
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    QWidget *field = ownerField(receiver);
    if (!isEntryField(field))
        return false;
    moveFocusFrom(field);
    for (const LastField &last : m_last) {
        if (last.field == field && (!last.when || last.when())) {
            if (last.action)
                last.action();
            break;
        }
    }
    return true;
}

void KeyboardRules::moveFocusFrom(QWidget *field)
{
    for (QWidget *next = field->nextInFocusChain(); next && next != field; next = next->nextInFocusChain()) {
        if (next->window() != m_window || field->isAncestorOf(next) || next->focusProxy())
            continue;
        if ((next->focusPolicy() & Qt::TabFocus) != Qt::TabFocus || !next->isEnabled() ||
            !next->isVisibleTo(m_window))
            continue;
        focusByKeyboard(next);
        return;
    }
}

} // namespace kovara
