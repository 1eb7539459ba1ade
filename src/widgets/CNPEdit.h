#pragma once

// The C.N.P. entry field: digits only, at most 13. Beside the code it shows
// the birth date and sex the code carries, once it is complete and valid,
// so that the clerk can compare them with the birth certificate.

#include <QDate>
#include <QLineEdit>

namespace kovara {

class CNPEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit CNPEdit(QWidget *parent = nullptr);

    // The value of Corect for an empty field (false in every window).
    void setAcceptGol(bool accept) { m_acceptGol = accept; }

    bool Corect() const;
    QDate NascutLa() const;
    QString Sex() const;

    // "dd.MM.yyyy, masculin|feminin" for a complete valid code, else empty.
    QString infoText() const;

    QSize sizeHint() const override;
    // True when the hint beside the digits is shown whole (no hint: true).
    bool infoFits() const;
    QSize minimumSizeHint() const override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void updateInfo();
    int infoWidth() const;

    bool m_acceptGol = false;
    QString m_info;
};

} // namespace kovara
