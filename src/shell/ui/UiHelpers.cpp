#include "shell/ui/UiHelpers.h"

#include "shell/ui/Resources.h"
#include "widgets/Balloon.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QStyle>
#include <algorithm>

namespace kovara {
namespace {

QPointer<Balloon> g_balloon;

} // namespace

int BalloonTipDepth(int controlHeight)
{
    constexpr int kTallestField = 48;
    return controlHeight > kTallestField ? 10 : std::max(0, controlHeight - 1);
}

void ShowProblem(const QString &message, QWidget *control)
{
    InitResources();
    if (!g_balloon)
        g_balloon = new Balloon;
    // The tip 10 pixels in from the control's left edge. Under a field (a
    // line's height) it hangs from the lower edge and leaves the field in
    // sight; on a tall control (the request grid) it points 10 pixels below
    // the top-left corner, not at the far bottom.
    const QPoint tip =
        control ? control->mapToGlobal(QPoint(10, BalloonTipDepth(control->height()))) : QPoint(10, 10);
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
