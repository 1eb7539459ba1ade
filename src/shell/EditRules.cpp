#include "shell/EditRules.h"

#include <cstdlib>

namespace kovara {
namespace {

EditState withoutSelection(EditState s)
{
    if (s.hasSelection()) {
        s.text.remove(s.selStart, s.selLength);
        s.caret = s.selStart;
    }
    s.selStart = s.caret;
    s.selLength = 0;
    return s;
}

EditState inserted(EditState s, QChar c)
{
    s.text.insert(s.caret, c);
    ++s.caret;
    s.selStart = s.caret;
    return s;
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Backspace and Delete, the same in the CNP and the numeric field.
EditState erase(const EditState &state, bool backspace)
{
    if (state.hasSelection())
        return withoutSelection(state);
    EditState s = state;
    if (backspace && s.caret > 0) {
        s.text.remove(s.caret - 1, 1);
        --s.caret;
    } else if (!backspace && s.caret < s.text.size()) {
        s.text.remove(s.caret, 1);
    }
    s.selStart = s.caret;
    s.selLength = 0;
    return s;
}

bool atMaximum(const QString &text, int maxLength)
{
    return maxLength > 0 && text.size() >= maxLength;
}

// The selection removed and a lone "0" given up for what is typed next;
// droppedZero tells whether the "0" went.
EditState readyForTyping(const EditState &state, bool *droppedZero = nullptr)
{
    EditState s = withoutSelection(state);
    const bool zero = s.text == QLatin1String("0");
    if (zero) {
        s.text.clear();
        s.caret = s.selStart = 0;
    }
    if (droppedZero)
        *droppedZero = zero;
    return s;
}

} // namespace

EditKey classifyKey(int qtKey, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return {};
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return EditKey::digitKey(static_cast<char>('0' + (qtKey - Qt::Key_0)));
    switch (qtKey) {
    case Qt::Key_Backspace:
        return EditKey::backspace();
    case Qt::Key_Delete:
        return EditKey::del();
    case Qt::Key_Minus:
        return EditKey::minus();
    default:
        return {};
    }
}

EditState cnpKey(const EditState &state, const EditKey &key)
{
    switch (key.kind) {
    case EditKey::Backspace:
        return erase(state, true);
    case EditKey::Delete:
        return erase(state, false);
    case EditKey::Digit: {
        const EditState s = readyForTyping(state);
        if (s.text.size() >= CnpMaxLength)
            return state;
        return inserted(s, key.digit);
    }
    default:
        return state;
    }
}

EditState numericKey(const EditState &state, const EditKey &key, int maxLength)
{
    switch (key.kind) {
    case EditKey::Backspace:
        return erase(state, true);
    case EditKey::Delete:
        return erase(state, false);
    case EditKey::Digit: {
        const EditState s = readyForTyping(state);
        if (atMaximum(s.text, maxLength))
            return state;
        // Nothing can be typed in front of the sign.
        if (s.caret < s.text.size() && s.text.at(s.caret) == QLatin1Char('-'))
            return state;
        return inserted(s, key.digit);
    }
    case EditKey::Minus: {
        bool droppedZero = false;
        const EditState s = readyForTyping(state, &droppedZero);
        if (droppedZero)
            return s;
        if (atMaximum(s.text, maxLength) || s.caret != 0 || s.text.startsWith(QLatin1Char('-')))
            return state;
        return inserted(s, QLatin1Char('-'));
    }
    default:
        return state;
    }
}

qint64 numericValue(QStringView text)
{
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    return ok ? value : 0;
}

bool maskTest(QStringView text, const NumericMask &mask)
{
    QStringView s = text;
    if (s.isEmpty())
        return true;
    if (s.startsWith(QLatin1Char('-')))
        s = s.mid(1);
    if (s.startsWith(QLatin1String("00")))
        return false;
    if (mask.maskInt == 0 && mask.maskZec == 0)
        return true;
    const qsizetype limit = std::abs(mask.maskInt);
    const qsizetype p = s.indexOf(mask.decimal) + 1; // counted from 1; 0 when absent
    if (p > 0)
        return p <= limit + 1 && s.size() - p <= mask.maskZec;
    return s.size() <= limit;
}

MaskedOutcome maskedChar(const EditState &state, QChar c, const NumericMask &mask)
{
    const MaskedOutcome refused{state, true};
    const bool back = c == MaskedBackspace;
    const bool minus = c == QLatin1Char('-');
    const bool decimal = c == mask.decimal;
    const bool digit = isDigit(c);
    if (!back && !minus && !decimal && !digit)
        return refused;

    const bool hadSelection = state.hasSelection();
    EditState s = withoutSelection(state);
    // Backspace on a selection erases the selection and nothing more.
    if (back && hadSelection)
        return {s, false};

    if (decimal && mask.maskZec == 0)
        return refused;
    if ((decimal || minus) && s.text.contains(c))
        return refused;
    if (minus && mask.maskInt > 0)
        return refused;

    auto accept = [&](const EditState &from) -> MaskedOutcome {
        if (atMaximum(from.text, mask.maxLength))
            return refused;
        return {inserted(from, c), false};
    };

    if (minus && s.caret != 0) {
        if (s.caret == 1 && s.text.startsWith(QLatin1Char('0'))) {
            s.text.clear();
            s.caret = s.selStart = 0;
            return accept(s);
        }
        return refused;
    }
    if (s.text == QLatin1String("0") && (minus || digit)) {
        s.text = c;
        s.caret = s.selStart = 1;
        return {s, false};
    }
    if (s.caret == 0 && s.text.contains(QLatin1Char('-')))
        return refused;
    if (c == QLatin1Char('0') && s.caret < s.text.size() && s.caret <= 1 &&
        !s.text.left(s.caret).contains(mask.decimal)) {
        const QChar next = s.text.at(s.caret);
        if (next >= QLatin1Char('1') && next <= QLatin1Char('9') &&
            (s.caret == 0 || s.text.startsWith(QLatin1Char('-'))))
            return refused;
    }
    if (digit) {
        QString candidate = s.text;
        candidate.insert(s.caret, c);
        if (!maskTest(candidate, mask))
            return refused;
        return accept(s);
    }
    if (back) {
        if (s.caret > 0) {
            QString candidate = s.text;
            candidate.remove(s.caret - 1, 1);
            if (!maskTest(candidate, mask))
                return refused;
        }
        if (s.text.size() == 1 && s.caret == 1) {
            s.text = QStringLiteral("0");
            s.caret = s.selStart = 1;
            return {s, true};
        }
        if (s.caret > 0) {
            s.text.remove(s.caret - 1, 1);
            s.caret = s.selStart = s.caret - 1;
        }
        return {s, false};
    }
    return accept(s);
}

} // namespace kovara
