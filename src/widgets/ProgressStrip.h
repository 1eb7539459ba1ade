#pragma once

#include <QWidget>

namespace kovara {

// A horizontal strip painted with a small pattern picture, of a length set
// in pixels (at most the widget's width); the rest stays empty.
class ProgressStrip : public QWidget
{
    Q_OBJECT
public:
    explicit ProgressStrip(int fullLength, QWidget *parent = nullptr);

    void setLength(int pixels);
    int length() const { return m_length; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_length = 0;
    QPixmap m_pattern;
};

} // namespace kovara
