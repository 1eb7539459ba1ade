#include "widgets/GradientPanel.h"

#include <QLinearGradient>
#include <QPainter>

namespace kovara {

GradientPanel::GradientPanel(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GradientPanel::setColors(const QColor &from, const QColor &to)
{
    m_from = from;
    m_to = to;
    update();
}

void GradientPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, m_from);
    gradient.setColorAt(1, m_to);
    painter.fillRect(rect(), gradient);
}

} // namespace kovara
