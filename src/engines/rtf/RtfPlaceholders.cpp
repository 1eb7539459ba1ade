#include "engines/rtf/RtfPlaceholders.h"

#include <QHash>
#include <QRegularExpression>

namespace kovara {
namespace {

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

qsizetype occurrences(const QByteArray &text, const QByteArray &key)
{
    qsizetype n = 0;
    for (qsizetype at = text.indexOf(key); at >= 0; at = text.indexOf(key, at + key.size()))
        ++n;
    return n;
}

} // namespace

QByteArray VisibleText(const QByteArray &rtf)
{
    QByteArray out;
    out.reserve(rtf.size() / 2);
    const qsizetype n = rtf.size();
    int skip = 0; // fallback characters still to leave out after "\uN"
    for (qsizetype i = 0; i < n; ++i) {
        const char c = rtf[i];
        if (c == '{' || c == '}' || c == '\r' || c == '\n')
            continue;
        if (c != '\\') {
            if (skip > 0)
                --skip;
            else
                out += c;
            continue;
        }
        if (i + 1 >= n)
            break;
        const char next = rtf[i + 1];
        if (next == '\'') { // "\'xx": one character of the code page
            if (skip > 0)
                --skip;
            else {
                const QByteArray hex = QByteArray::fromHex(rtf.mid(i + 2, 2));
                out += hex.isEmpty() ? '?' : hex.at(0);
            }
            i += 3;
            continue;
        }
        if (!isLetter(next)) { // "\{", "\}", "\\", "\~" ...
            if (next == '{' || next == '}' || next == '\\')
                out += next;
            ++i;
            continue;
        }
        qsizetype j = i + 1;
        while (j < n && isLetter(rtf[j]))
            ++j;
        const QByteArray word = rtf.mid(i + 1, j - i - 1);
        const qsizetype numberStart = j;
        if (j < n && (rtf[j] == '-' || isDigit(rtf[j])))
            ++j;
        while (j < n && isDigit(rtf[j]))
            ++j;
        if (word == "u" && j > numberStart)
            skip = 1;
        if (word == "par" || word == "line" || word == "tab" || word == "cell")
            out += ' ';
        if (j < n && rtf[j] == ' ')
            ++j; // the delimiter belongs to the control word
        i = j - 1;
    }
    return out;
}

QList<BrokenPlaceholder> BrokenPlaceholders(const QByteArray &rtf)
{
    const QByteArray upper = rtf.toUpper();
    const QByteArray visible = VisibleText(rtf).toUpper();
    static const QRegularExpression bracketed(QStringLiteral(R"(\[[A-Z][A-Z0-9]*\])"));
    QHash<QString, qsizetype> shown;
    QStringList order;
    auto it = bracketed.globalMatch(QString::fromLatin1(visible));
    while (it.hasNext()) {
        const QString key = it.next().captured(0);
        if (!shown.contains(key))
            order << key;
        ++shown[key];
    }
    QList<BrokenPlaceholder> broken;
    for (const QString &key : order) {
        const qsizetype whole = occurrences(upper, key.toLatin1());
        if (shown.value(key) > whole)
            broken.append({key, int(shown.value(key) - whole)});
    }
    return broken;
}

} // namespace kovara
