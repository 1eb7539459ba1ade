#include "shell/EditRules.h"

#include <gtest/gtest.h>

using namespace kovara;

namespace {

// A field state written as text: '|' marks the caret, "[...]" the selection
// (caret at its end); without a mark the caret is at the end.
EditState parse(const char *notation)
{
    EditState s;
    int caret = -1;
    for (const char *p = notation; *p; ++p) {
        if (*p == '|') {
            caret = int(s.text.size());
        } else if (*p == '[') {
            s.selStart = int(s.text.size());
        } else if (*p == ']') {
            s.selLength = int(s.text.size()) - s.selStart;
            caret = int(s.text.size());
        } else {
            s.text += QLatin1Char(*p);
        }
    }
    s.caret = caret < 0 ? int(s.text.size()) : caret;
    if (s.selLength == 0)
        s.selStart = s.caret;
    return s;
}

std::string show(const EditState &s)
{
    QString out = s.text;
    if (s.hasSelection()) {
        out.insert(s.selStart + s.selLength, QLatin1Char(']'));
        out.insert(s.selStart, QLatin1Char('['));
    } else {
        out.insert(s.caret, QLatin1Char('|'));
    }
    return out.toStdString();
}

// Keys written as characters: digits, 'b' Backspace, 'd' Delete, '-' minus,
// 'x' any other key.
EditKey keyOf(char k)
{
    if (k >= '0' && k <= '9')
        return EditKey::digitKey(k);
    switch (k) {
    case 'b':
        return EditKey::backspace();
    case 'd':
        return EditKey::del();
    case '-':
        return EditKey::minus();
    default:
        return {};
    }
}

struct KeyCase
{
    const char *start;
    const char *keys;
    const char *expected;
};

const KeyCase cnpCases[] = {
    {"|", "07", "7|"},
    {"|", "0", "0|"},
    {"0|", "5", "5|"},
    {"|0", "5", "5|"},
    {"|", "1900502401230", "1900502401230|"},
    {"1900502401230|", "4", "1900502401230|"},
    {"190050|2401230", "4", "190050|2401230"},
    {"19005024[0]1230", "9", "190050249|1230"},
    {"[1900502401230]", "5", "5|"},
    {"12|34", "b", "1|34"},
    {"|1234", "b", "|1234"},
    {"12|34", "d", "12|4"},
    {"1234|", "d", "1234|"},
    {"1[23]4", "b", "1|4"},
    {"1[23]4", "d", "1|4"},
    {"1[23]4", "9", "19|4"},
    {"12|34", "-", "12|34"},
    {"|", "-", "|"},
    {"12|34", "x", "12|34"},
    {"1[23]4", "x", "1[23]4"},
};

TEST(CnpKeys, Table)
{
    for (const KeyCase &c : cnpCases) {
        EditState s = parse(c.start);
        for (const char *k = c.keys; *k; ++k)
            s = cnpKey(s, keyOf(*k));
        EXPECT_EQ(show(s), c.expected) << c.start << " + " << c.keys;
    }
}

struct NumericCase
{
    const char *start;
    const char *keys;
    int maxLength;
    const char *expected;
};

const NumericCase numericCases[] = {
    {"0|", "07", 9, "7|"},
    {"|0", "3", 9, "3|"},
    {"0|", "-", 9, "|"},
    {"0|", "--", 9, "-|"},
    {"0|", "--5", 9, "-5|"},
    {"12|3", "-", 9, "12|3"},
    {"|123", "-", 9, "-|123"},
    {"-|123", "-", 9, "-|123"},
    {"|-123", "-", 9, "|-123"},
    {"[123]", "-", 9, "-|"},
    {"|-12", "5", 9, "|-12"},
    {"-|12", "5", 9, "-5|12"},
    {"123456789|", "1", 9, "123456789|"},
    {"1234|", "5", 4, "1234|"},
    {"12[3]4", "5", 4, "125|4"},
    {"|12345678", "-", 9, "-|12345678"},
    {"|123456789", "-", 9, "|123456789"},
    {"-|12", "b", 9, "|12"},
    {"12|34", "d", 9, "12|4"},
    {"1[23]4", "b", 9, "1|4"},
    {"0|", "b", 9, "|"},
    {"12|3", "x", 9, "12|3"},
};

TEST(NumericKeys, Table)
{
    for (const NumericCase &c : numericCases) {
        EditState s = parse(c.start);
        for (const char *k = c.keys; *k; ++k)
            s = numericKey(s, keyOf(*k), c.maxLength);
        EXPECT_EQ(show(s), c.expected) << c.start << " + " << c.keys << " (max " << c.maxLength << ")";
    }
}

TEST(NumericKeys, Value)
{
    const std::pair<const char *, qint64> cases[] = {
        {"", 0}, {"-", 0}, {"0", 0}, {"-12", -12}, {"123456789", 123456789}, {"-12345678", -12345678},
    };
    for (const auto &[text, value] : cases)
        EXPECT_EQ(numericValue(QString::fromLatin1(text)), value) << text;
}

TEST(KeyClassification, Table)
{
    struct Case
    {
        int key;
        Qt::KeyboardModifiers modifiers;
        EditKey::Kind kind;
        char digit;
    };
    const Case cases[] = {
        {Qt::Key_5, Qt::NoModifier, EditKey::Digit, '5'},
        {Qt::Key_0, Qt::KeypadModifier, EditKey::Digit, '0'},
        {Qt::Key_9, Qt::KeypadModifier, EditKey::Digit, '9'},
        {Qt::Key_Minus, Qt::NoModifier, EditKey::Minus, 0},
        {Qt::Key_Minus, Qt::KeypadModifier, EditKey::Minus, 0},
        {Qt::Key_Period, Qt::KeypadModifier, EditKey::Other, 0},
        {Qt::Key_Period, Qt::NoModifier, EditKey::Other, 0},
        {Qt::Key_Comma, Qt::NoModifier, EditKey::Other, 0},
        {Qt::Key_Backspace, Qt::NoModifier, EditKey::Backspace, 0},
        {Qt::Key_Delete, Qt::NoModifier, EditKey::Delete, 0},
        {Qt::Key_A, Qt::NoModifier, EditKey::Other, 0},
        {Qt::Key_5, Qt::ControlModifier, EditKey::Other, 0},
        {Qt::Key_5, Qt::AltModifier, EditKey::Other, 0},
    };
    for (const Case &c : cases) {
        const EditKey k = classifyKey(c.key, c.modifiers);
        EXPECT_EQ(k.kind, c.kind) << "key " << c.key;
        if (c.kind == EditKey::Digit) {
            EXPECT_EQ(k.digit, QLatin1Char(c.digit)) << "key " << c.key;
        }
    }
}

TEST(MaskTest, Table)
{
    struct Case
    {
        const char *text;
        int maskInt, maskZec;
        bool passes;
    };
    const Case cases[] = {
        {"", 2, 2, true},
        {"00", 0, 0, false},
        {"-00", -5, 0, false},
        {"0", 10, 0, true},
        {"12.34", 2, 2, true},
        {"123.4", 2, 2, false},
        {"1.234", 2, 2, false},
        {"123", 2, 2, false},
        {"12", 2, 2, true},
        {"-12", -2, 0, true},
        {"-123", -2, 0, false},
        {"99999999999", 0, 0, true},
        {"12", 0, 2, false},
        {".5", 0, 2, true},
        {"1234567890", 10, 0, true},
        {"12345678901", 10, 0, false},
    };
    for (const Case &c : cases) {
        NumericMask mask;
        mask.maskInt = c.maskInt;
        mask.maskZec = c.maskZec;
        EXPECT_EQ(maskTest(QString::fromLatin1(c.text), mask), c.passes)
            << c.text << " " << c.maskInt << "/" << c.maskZec;
    }
}

// Characters typed into the masked field: 'b' stands for Backspace.
struct MaskedCase
{
    const char *start;
    const char *chars;
    int maskInt, maskZec;
    const char *expected;
    int beeps;
};

const MaskedCase maskedCases[] = {
    // The fiscal-code field: 10 digits, no sign, no decimals.
    {"0|", "5", 10, 0, "5|", 0},
    {"5|", "b", 10, 0, "0|", 1},
    {"5|", "-", 10, 0, "5|", 1},
    {"5|", ".", 10, 0, "5|", 1},
    {"5|", "a", 10, 0, "5|", 1},
    {"5|", "a-.", 10, 0, "5|", 3},
    {"1234567890|", "1", 10, 0, "1234567890|", 1},
    {"12|3", "b", 10, 0, "1|3", 0},
    {"|123", "b", 10, 0, "|123", 0},
    {"|5", "0", 10, 0, "|5", 1},
    {"5|", "0", 10, 0, "50|", 0},
    {"0|", "0", 10, 0, "0|", 0},
    {"[123]", "b", 10, 0, "|", 0},
    {"[123]", "7", 10, 0, "7|", 0},
    {"[123]", ".", 10, 0, "[123]", 1},
    {"1[2]3", "9", 10, 0, "19|3", 0},
    // Signed with two decimals.
    {"0|", "-", -5, 2, "-|", 0},
    {"|0", "-", -5, 2, "-|", 0},
    {"-|", "5", -5, 2, "-5|", 0},
    {"|-5", "3", -5, 2, "|-5", 1},
    {"-5|", "-", -5, 2, "-5|", 1},
    {"5|2", "-", -5, 2, "5|2", 1},
    {"12|", ".25", -5, 2, "12.25|", 0},
    {"12.25|", "1", -5, 2, "12.25|", 1},
    {"12.5|", ".", -5, 2, "12.5|", 1},
    {"12345|", "6", -5, 2, "12345|", 1},
    {"12345|", ".9", -5, 2, "12345.9|", 0},
    {"-|5", "0", -5, 2, "-|5", 1},
    {"0.|5", "0", -5, 2, "0.0|5", 0},
    {".|5", "0", -5, 2, ".0|5", 0},
    {"5.2|5", "b", -5, 2, "5.|5", 0},
    {"-|", "b", -5, 2, "0|", 1},
    {"-5|", "b", -5, 2, "-|", 0},
    {"12.|5", "b", -2, 2, "12.|5", 1},
    // Unlimited digits; the field's maximum length still holds.
    {"0|", "-", 0, 0, "-|", 0},
    {"123456789|", "01", 0, 0, "1234567890|", 1},
    {"|5", "0", 0, 0, "|5", 1},
};

TEST(MaskedKeys, Table)
{
    for (const MaskedCase &c : maskedCases) {
        NumericMask mask;
        mask.maskInt = c.maskInt;
        mask.maskZec = c.maskZec;
        mask.maxLength = 10;
        EditState s = parse(c.start);
        int beeps = 0;
        for (const char *k = c.chars; *k; ++k) {
            const QChar ch = *k == 'b' ? MaskedBackspace : QChar(QLatin1Char(*k));
            const MaskedOutcome out = maskedChar(s, ch, mask);
            s = out.state;
            beeps += out.beep ? 1 : 0;
        }
        EXPECT_EQ(show(s), c.expected) << c.start << " + " << c.chars << " " << c.maskInt << "/" << c.maskZec;
        EXPECT_EQ(beeps, c.beeps) << c.start << " + " << c.chars << " " << c.maskInt << "/" << c.maskZec;
    }
}

} // namespace
