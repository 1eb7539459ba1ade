#pragma once

// The whole-number entry field: digits, and one minus sign in first place.
// It starts as "0"; its maximum length is set per field.

#include <QLineEdit>

namespace kovara {

class NumericEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit NumericEdit(QWidget *parent = nullptr);

    // The text the field starts with.
    QString Initial() const { return QStringLiteral("0"); }

    // The text read as a number; 0 for "" and "-".
    qint64 value() const;
    void setValue(qint64 value);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace kovara
