#pragma once

#include <QToolButton>

namespace kovara {

// A large button of the main window: a picture above its caption, a hint
// when the pointer rests on it.
class PictureButton : public QToolButton
{
    Q_OBJECT
public:
    PictureButton(const QString &caption, const QString &picture, const QString &hint,
                  QWidget *parent = nullptr);

    void setPicture(const QString &picture);
    QString picture() const { return m_picture; }

private:
    QString m_picture;
};

} // namespace kovara
