#include "shell/ui/UiHelpers.h"

#include "shell/ui/Resources.h"
#include "widgets/Balloon.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QStyle>

namespace kovara {
namespace {

QPointer<Balloon> g_balloon;

} // namespace

void ShowProblem(const QString &message, QWidget *control)
{
    InitResources();
    if (!g_balloon)
        g_balloon = new Balloon;
    // The tip just below the control's lower edge: the balloon hangs under
    // the field and leaves it in sight.
    const QPoint tip = control ? control->mapToGlobal(QPoint(10, control->height() - 1)) : QPoint(10, 10);
    const QPixmap icon = QPixmap(QStringLiteral(":/icons/dialog-error.png"));
    g_balloon->popup(tip, QStringLiteral("Problema !"), message,
                     icon.isNull() ? QApplication::style()->standardPixmap(QStyle::SP_MessageBoxCritical)
                                   : icon,
                     300, 5000);
    // The cursor goes to the field the balloon points at.
    if (control && control->isVisible() && control->focusPolicy() != Qt::NoFocus)
        control->setFocus(Qt::OtherFocusReason);
}

void FillText(QLineEdit *edit, const QString &text)
{
    const char *key = "kovaraTypingLimit";
    if (!edit->property(key).isValid())
        edit->setProperty(key, edit->maxLength());
    const int limit = edit->property(key).toInt();
    edit->setMaxLength(qMax(limit, int(text.size())));
    if (edit->text() != text)
        edit->setText(text);
}

Balloon *ProblemBalloon()
{
    return g_balloon;
}

void SelectComboText(QComboBox *combo, const QString &text)
{
    if (!combo)
        return;
    for (int i = 0; i < combo->count(); ++i) {
        if (combo->itemText(i).compare(text, Qt::CaseInsensitive) == 0) {
            combo->setCurrentIndex(i);
            return;
        }
    }
    combo->setCurrentIndex(-1);
}

} // namespace kovara
