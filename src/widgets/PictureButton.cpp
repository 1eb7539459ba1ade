#include "widgets/PictureButton.h"

namespace kovara {

PictureButton::PictureButton(const QString &caption, const QString &picture, const QString &hint,
                             QWidget *parent)
    : QToolButton(parent)
{
    setText(caption);
    setToolTip(hint);
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setIconSize(QSize(48, 48));
    setAutoRaise(true);
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(104, 84);
    QFont f = font();
    f.setBold(true);
    setFont(f);
    setPicture(picture);
}

void PictureButton::setPicture(const QString &picture)
{
    m_picture = picture;
    setIcon(QIcon(picture));
}

} // namespace kovara
