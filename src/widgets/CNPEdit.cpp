#include "widgets/CNPEdit.h"

#include "base/Dates.h"
#include "shell/CNP.h"
#include "shell/EditRules.h"
#include "widgets/FieldState.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace kovara {

CNPEdit::CNPEdit(QWidget *parent)
    : QLineEdit(parent)
{
    setMaxLength(CnpMaxLength);
    closeSideEntrances(this);
    connect(this, &QLineEdit::textChanged, this, &CNPEdit::updateInfo);
}

bool CNPEdit::Corect() const
{
    return kovara::Corect(text(), m_acceptGol);
}

QDate CNPEdit::NascutLa() const
{
    return kovara::NascutLa(text());
}

QString CNPEdit::Sex() const
{
    return kovara::Sex(text());
}

QString CNPEdit::infoText() const
{
    return m_info;
}

void CNPEdit::updateInfo()
{
    const QString t = text();
    QString info;
    if (t.size() == CnpMaxLength && kovara::Corect(t))
        info = FormatDate(kovara::NascutLa(t)) + QStringLiteral(", ") + kovara::Sex(t);
    if (info == m_info)
        return;
    m_info = info;
    setToolTip(m_info);
    update();
}

int CNPEdit::infoWidth() const
{
    return fontMetrics().horizontalAdvance(QStringLiteral("00.00.0000, masculin")) + 8;
}

QSize CNPEdit::sizeHint() const
{
    QSize size = QLineEdit::sizeHint();
    const int needed =
        fontMetrics().horizontalAdvance(QString(CnpMaxLength, QLatin1Char('0'))) + infoWidth() + 24;
    size.setWidth(qMax(size.width(), needed));
    return size;
}

QSize CNPEdit::minimumSizeHint() const
{
    // Never narrower than the digits and the whole hint beside them.
    QSize size = QLineEdit::minimumSizeHint();
    size.setWidth(qMax(size.width(), sizeHint().width()));
    return size;
}

namespace {

QRect infoArea(const CNPEdit *edit, const QStyleOptionFrame &option)
{
    const QRect inner = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    const int digits = edit->fontMetrics().horizontalAdvance(edit->text());
    return inner.adjusted(digits + 10, 0, -2, 0);
}

} // namespace

bool CNPEdit::infoFits() const
{
    if (m_info.isEmpty())
        return true;
    QStyleOptionFrame option;
    initStyleOption(&option);
    return infoArea(this, option).width() >= fontMetrics().horizontalAdvance(m_info);
}

void CNPEdit::keyPressEvent(QKeyEvent *event)
{
    if (isNavigationKey(event)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (isWindowKey(event)) {
        event->ignore();
        return;
    }
    const EditKey key = classifyKey(event->key(), event->modifiers());
    applyState(this, cnpKey(stateOf(this), key));
    event->accept();
}

void CNPEdit::paintEvent(QPaintEvent *event)
{
    QLineEdit::paintEvent(event);
    if (m_info.isEmpty())
        return;
    QStyleOptionFrame option;
    initStyleOption(&option);
    // Right of the typed digits; in a field too narrow for it the tool tip
    // still tells.
    const QRect area = infoArea(this, option);
    if (area.width() < fontMetrics().horizontalAdvance(QStringLiteral("00.00.0000")))
        return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Disabled, QPalette::Text));
    const QString shown = painter.fontMetrics().elidedText(m_info, Qt::ElideRight, area.width());
    painter.drawText(area, Qt::AlignRight | Qt::AlignVCenter, shown);
}

} // namespace kovara
