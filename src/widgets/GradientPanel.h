#pragma once

#include <QColor>
#include <QWidget>

namespace kovara {

// A panel filled with a vertical gradient between two colours.
class GradientPanel : public QWidget
{
    Q_OBJECT
public:
    explicit GradientPanel(QWidget *parent = nullptr);

    void setColors(const QColor &from, const QColor &to);
    QColor fromColor() const { return m_from; }
    QColor toColor() const { return m_to; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_from = QColor(0xE0, 0xE0, 0xE0);
    QColor m_to = QColor(0x80, 0x80, 0x80);
};

} // namespace kovara
