#include "widgets/PasswordField.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QProxyStyle>

namespace kovara {
namespace {

// The application's style with "*" as the password mask. A style sheet of
// the application wraps it and asks it for every hint it has no rule for.
class StarMaskStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return '*';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QStyle *starMaskStyle()
{
    static QPointer<QStyle> style;
    if (!style) {
        // The base is a fresh copy of the application's style: the proxy
        // owns it, and the application's own style object stays its own.
        style = new StarMaskStyle(QApplication::style()->name());
        style->setParent(qApp);
    }
    return style;
}

} // namespace

QLineEdit *NewPasswordField(QWidget *parent, int maxLength)
{
    auto *edit = new QLineEdit(parent);
    edit->setStyle(starMaskStyle());
    edit->setEchoMode(QLineEdit::Password);
    edit->setMaxLength(maxLength);
    return edit;
}

} // namespace kovara
