#pragma once

// The key rules of the program's three entry fields, as pure functions of
// the field's state, so that every rule can be checked without a window:
//  - the CNP field (digits only, at most 13),
//  - the numeric field (whole numbers, a minus sign only in first place),
//  - the masked numeric field (a count of integer and decimal digits).
// The widgets in this folder only translate key events and apply the
// returned state.

#include <QChar>
#include <QString>
#include <Qt>

namespace kovara {

// Text, caret (insertion point, 0 before the first character) and the
// selected characters [selStart, selStart + selLength).
struct EditState
{
    QString text;
    int caret = 0;
    int selStart = 0;
    int selLength = 0;

    bool hasSelection() const { return selLength > 0; }
    bool operator==(const EditState &) const = default;
};

// A key as the field rules see it. Keypad digits are the same digits as
// the main row; the keypad minus is the same minus; the decimal keys and
// everything else fall under Other.
struct EditKey
{
    enum Kind { Other, Backspace, Delete, Minus, Digit };
    Kind kind = Other;
    QChar digit; // for Digit only

    static EditKey backspace() { return {Backspace, {}}; }
    static EditKey del() { return {Delete, {}}; }
    static EditKey minus() { return {Minus, {}}; }
    static EditKey digitKey(char d) { return {Digit, QChar(QLatin1Char(d))}; }
};

// Translates a key code with its modifiers. Ctrl and Alt combinations are
// never typing keys.
EditKey classifyKey(int qtKey, Qt::KeyboardModifiers modifiers);

inline constexpr int CnpMaxLength = 13;

// The CNP field: digits, Backspace and Delete; nothing else changes the
// text.
EditState cnpKey(const EditState &state, const EditKey &key);

// The numeric field with its maximum length.
EditState numericKey(const EditState &state, const EditKey &key, int maxLength);

// The number a numeric field holds; 0 for "" and "-" (and for any text that
// is not a whole number).
qint64 numericValue(QStringView text);

// The masked numeric field. maskInt: most digits before the decimal
// separator (negative: also admits a minus sign); maskZec: most digits after
// it (0 forbids it). Both 0: any number of digits.
struct NumericMask
{
    int maskInt = 0;
    int maskZec = 0;
    int maxLength = 10;
    QChar decimal = QLatin1Char('.');
};

// The mask test of a whole text.
bool maskTest(QStringView text, const NumericMask &mask);

struct MaskedOutcome
{
    EditState state;
    bool beep = false;
};

inline constexpr QChar MaskedBackspace = QLatin1Char('\b');

// One typed character (MaskedBackspace for Backspace) into the masked field:
// the state after the field has applied or refused it, and whether to beep.
// A refused character leaves the state as it was, except where the field
// turns a last digit erased by Backspace into "0".
MaskedOutcome maskedChar(const EditState &state, QChar c, const NumericMask &mask);

} // namespace kovara
