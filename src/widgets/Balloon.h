#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>

class QLabel;
class QPainterPath;

namespace kovara {

// A hint shaped as a balloon: a pointer at its top-left towards the spot it
// explains, an icon, a bold title and a text panel of fixed width. It does
// not take the focus, lets clicks through to what is under it, and closes
// by itself after its lifetime.
class Balloon : public QWidget
{
    Q_OBJECT
public:
    explicit Balloon(QWidget *parent = nullptr);

    // Shows the balloon with its pointer tip at the given screen point.
    void popup(const QPoint &tip, const QString &title, const QString &text, const QPixmap &icon,
               int textWidth, int lifetimeMs);

    QString title() const;
    QString text() const;
    int textWidth() const;
    QPoint tip() const { return m_tip; }
    const QTimer &lifetime() const { return m_timer; }

    static constexpr int PointerHeight = 14;

    // The outline: the rounded body and its pointer. The window is cut to
    // it (a window mask), so nothing shows around it even where no
    // compositor draws transparent windows.
    QPainterPath outline() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QLabel *m_icon;
    QLabel *m_title;
    QLabel *m_text;
    QTimer m_timer;
    QPoint m_tip;
};

} // namespace kovara
