#include "widgets/Balloon.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace kovara {

Balloon::Balloon(QWidget *parent)
    // Clicks pass through it to the controls under it: a balloon never
    // blocks the very box the clerk must untick.
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                          Qt::WindowTransparentForInput)
    , m_icon(new QLabel(this))
    , m_title(new QLabel(this))
    , m_text(new QLabel(this))
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);

    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    m_text->setWordWrap(true);

    auto *head = new QHBoxLayout;
    head->addWidget(m_icon);
    head->addWidget(m_title, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, PointerHeight + 8, 10, 8);
    layout->addLayout(head);
    layout->addWidget(m_text);

    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &QWidget::hide);
}

void Balloon::popup(const QPoint &tip, const QString &title, const QString &text, const QPixmap &icon,
                    int textWidth, int lifetimeMs)
{
    m_tip = tip;
    m_title->setText(title);
    m_text->setText(text);
    m_text->setFixedWidth(textWidth);
    m_icon->setPixmap(icon.scaled(24, 24, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    adjustSize();
    // The pointer sits 16 pixels in from the left edge.
    move(tip - QPoint(16, 0));
    show();
    raise();
    m_timer.start(lifetimeMs);
}

QString Balloon::title() const
{
    return m_title->text();
}

QString Balloon::text() const
{
    return m_text->text();
}

int Balloon::textWidth() const
{
    return m_text->width();
}

QPainterPath Balloon::outline() const
{
    const QRectF body = QRectF(rect()).adjusted(0.5, PointerHeight + 0.5, -0.5, -0.5);
    QPainterPath path;
    path.addRoundedRect(body, 8, 8);
    QPainterPath pointer;
    pointer.moveTo(16, 0.5);
    pointer.lineTo(14, body.top() + 1);
    pointer.lineTo(34, body.top() + 1);
    pointer.closeSubpath();
    return path.united(pointer);
}

void Balloon::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // One pixel beyond the outline so its border line is not cut.
    QPainterPathStroker stroker;
    stroker.setWidth(2);
    const QPainterPath path = outline();
    setMask(QRegion(path.united(stroker.createStroke(path)).toFillPolygon().toPolygon()));
}

void Balloon::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
    painter.setBrush(QColor(0xFF, 0xFF, 0xE1));
    painter.drawPath(outline());
}

} // namespace kovara
