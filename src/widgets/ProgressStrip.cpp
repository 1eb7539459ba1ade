#include "widgets/ProgressStrip.h"

#include <QLinearGradient>
#include <QPainter>

namespace kovara {
namespace {

// One tile of the pattern: a blue block with a light top edge and a gap.
QPixmap makePattern(int height)
{
    QPixmap tile(10, height);
    tile.fill(Qt::transparent);
    QPainter p(&tile);
    QLinearGradient g(0, 0, 0, height);
    g.setColorAt(0, QColor(0xBF, 0xD4, 0xF2));
    g.setColorAt(0.5, QColor(0x36, 0x5F, 0x9C));
    g.setColorAt(1, QColor(0x1C, 0x35, 0x5E));
    p.fillRect(0, 0, 8, height, g);
    return tile;
}

} // namespace

ProgressStrip::ProgressStrip(int fullLength, QWidget *parent)
    : QWidget(parent)
{
    setFixedSize(fullLength + 4, 18);
    m_pattern = makePattern(height() - 4);
}

void ProgressStrip::setLength(int pixels)
{
    m_length = qBound(0, pixels, width() - 4);
    update();
}

void ProgressStrip::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setPen(QColor(0x36, 0x5F, 0x9C));
    p.setBrush(Qt::white);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    if (m_length > 0)
        p.drawTiledPixmap(QRect(2, 2, m_length, height() - 4), m_pattern);
}

} // namespace kovara
