#pragma once

// The masked numeric entry field: a number with at most MaskInt digits
// before the decimal separator and MaskZec after it. Refused characters
// beep. Shown right-aligned; entering the field selects its whole text.

#include "shell/EditRules.h"

#include <QLineEdit>

namespace kovara {

class MaskedNumberEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit MaskedNumberEdit(QWidget *parent = nullptr);

    // Most digits before the separator; a negative value also admits a
    // minus sign. MaskInt 0 with MaskZec 0: any number of digits.
    int MaskInt() const { return m_mask.maskInt; }
    void setMaskInt(int digits) { m_mask.maskInt = digits; }
    // Most digits after the separator; 0 forbids the separator.
    int MaskZec() const { return m_mask.maskZec; }
    void setMaskZec(int digits) { m_mask.maskZec = digits; }

    // Beeps given so far (for the program's tests).
    int beeps() const { return m_beeps; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    void type(QChar c);

    NumericMask m_mask;
    int m_beeps = 0;
};

} // namespace kovara
