#include "engines/rtf/RtfReplace.h"

#include "base/Error.h"
#include "base/NativePath.h"
#include "base/SaveFile.h"
#include "base/Win1250.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace kovara {
namespace {

const QByteArray kPard = QByteArrayLiteral("\\pard");
const QByteArray kLineEnd = QByteArrayLiteral("\r\n");
const QByteArray kFiller = QByteArrayLiteral("..........");

char asciiUpper(char c)
{
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}

QByteArray asciiUpper(QByteArrayView text)
{
    QByteArray out(text.data(), text.size());
    for (char &c : out)
        c = asciiUpper(c);
    return out;
}

bool hasSmallLetter(QByteArrayView text)
{
    for (char c : text)
        if (c >= 'a' && c <= 'z')
            return true;
    return false;
}

// Blanks and control characters (codes up to 32) removed from both ends.
QByteArray trimControls(QByteArrayView text)
{
    qsizetype begin = 0, end = text.size();
    while (begin < end && uchar(text[begin]) <= ' ')
        ++begin;
    while (end > begin && uchar(text[end - 1]) <= ' ')
        --end;
    return QByteArray(text.data() + begin, end - begin);
}

QByteArray readTemplate(const QString &path)
{
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        throw Error(
            QStringLiteral("Modelul %1 nu poate fi deschis: %2").arg(NativePath(path), in.errorString()));
    return in.readAll();
}

} // namespace

QList<QByteArray> RtfLines(const QByteArray &text)
{
    QList<QByteArray> lines;
    const qsizetype n = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char c = text[i];
        if (c != '\n' && c != '\r')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == '\r' && i + 1 < n && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

RtfReplace::RtfReplace() = default;
RtfReplace::~RtfReplace() = default;

int RtfReplace::braceBalance(QByteArrayView line)
{
    int balance = 0;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '\\') {
            ++i; // "\{", "\}" and "\\" are text, not groups
            continue;
        }
        if (c == '{')
            ++balance;
        else if (c == '}')
            --balance;
    }
    return balance;
}

QByteArray RtfReplace::escapeValue(const QString &value, bool capitals)
{
    QByteArray out;
    out.reserve(value.size() + 8);
    // Capitals for every letter, the Romanian ones included ("Sălaj" gives
    // "SĂLAJ", not "SăLAJ").
    const QString text = capitals ? value.toUpper() : value;
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u == u'{')
            out += '(';
        else if (u == u'}')
            out += ')';
        else if (u == u'\\')
            out += "\\\\";
        else if (u == u'\t')
            out += "\\tab ";
        else if (u < 0x20)
            out += ' ';
        else if (u < 0x80)
            out += char(u);
        else
            out += "\\u" + QByteArray::number(qint16(u)) + '?';
    }
    return out;
}

void RtfReplace::addPair(const QString &key, const QString &value)
{
    const QByteArray bytes = toWin1250(key);
    m_pairs.append({bytes, asciiUpper(bytes), value});
}

void RtfReplace::clearPairs()
{
    m_pairs.clear();
}

bool RtfReplace::beginDocument()
{
    m_out.reset();
    m_body.clear();
    m_lastLine.clear();
    clearPairs();
    m_beginFailure = BeginFailure::TemplateUnreadable;
    if (m_source.isEmpty() || !QFileInfo(m_source).isFile())
        return false;
    QFile in(m_source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QList<QByteArray> lines = RtfLines(in.readAll());
    in.close();
    if (lines.isEmpty())
        return false;

    QByteArray header;
    qsizetype first = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const qsizetype at = lines[i].indexOf(kPard);
        if (at < 0) {
            header += lines[i] + kLineEnd;
            continue;
        }
        const QByteArray before = trimControls(QByteArrayView(lines[i]).first(at));
        if (!before.isEmpty())
            header += before + kLineEnd;
        first = i;
        break;
    }
    if (first < 0) {
        m_beginFailure = BeginFailure::NoParagraph; // not a template this engine can use
        return false;
    }

    // The body: from "\pard" on, to the line whose braces close the document.
    QByteArray current = lines[first].mid(lines[first].indexOf(kPard));
    int depth = braceBalance(current) + 1;
    qsizetype next = first + 1;
    while (next < lines.size() && depth != 0) {
        if (!current.isEmpty())
            m_body.append(current);
        current = lines[next++];
        depth += braceBalance(current);
    }
    // The closing line keeps what stands before the brace that closes the
    // document; a template cut short (no such brace) keeps its last line whole.
    if (depth == 0) {
        int running = depth - braceBalance(current);
        qsizetype cut = current.size();
        for (qsizetype i = 0; i < current.size(); ++i) {
            if (current[i] == '\\') {
                ++i;
            } else if (current[i] == '{') {
                ++running;
            } else if (current[i] == '}' && --running == 0) {
                cut = i;
                break;
            }
        }
        current.truncate(cut);
    }
    m_lastLine = trimControls(current);

    m_beginFailure = BeginFailure::DocumentUnwritable;
    if (m_destination.isEmpty())
        return false;
    auto out = std::make_unique<QSaveFile>(m_destination);
    if (!out->open(QIODevice::WriteOnly) || out->write(header) != header.size())
        return false;
    m_out = std::move(out);
    m_beginFailure = BeginFailure::None;
    return true;
}

void RtfReplace::write(const QByteArray &bytes)
{
    if (!m_out)
        throw Error(QStringLiteral("Documentul %1 nu a fost inceput.").arg(NativePath(m_destination)));
    if (m_out->write(bytes) != bytes.size())
        throw Error(QStringLiteral("Documentul %1 nu poate fi scris: %2")
                        .arg(NativePath(m_destination), WriteFailureText(*m_out)));
}

QByteArray RtfReplace::replaceInLine(const QByteArray &source) const
{
    QByteArray line = source;
    QByteArray upper = asciiUpper(line);
    for (const Pair &pair : m_pairs) {
        if (pair.upper.isEmpty())
            continue;
        qsizetype from = 0;
        for (;;) {
            const qsizetype at = upper.indexOf(pair.upper, from);
            if (at < 0)
                break;
            const QByteArrayView matched = QByteArrayView(line).sliced(at, pair.key.size());
            const bool capitals = matched.size() > 4 && !hasSmallLetter(matched);
            const QByteArray value = pair.value.isEmpty() ? kFiller : escapeValue(pair.value, capitals);
            line.replace(at, pair.key.size(), value);
            upper.replace(at, pair.key.size(), asciiUpper(value));
            from = at + value.size();
        }
    }
    return line;
}

void RtfReplace::appendCopies(int count)
{
    QByteArray text;
    for (int copy = 1; copy <= count; ++copy) {
        if (copy > 1)
            text += QByteArrayLiteral("\\page") + kLineEnd;
        for (const QByteArray &line : std::as_const(m_body))
            text += replaceInLine(line) + kLineEnd;
        if (!m_lastLine.isEmpty())
            text += replaceInLine(m_lastLine) + kLineEnd;
    }
    clearPairs();
    if (!text.isEmpty() || !m_out)
        write(text);
}

void RtfReplace::appendPageBreak()
{
    clearPairs();
    write(QByteArrayLiteral("\\par \\page") + kLineEnd);
}

void RtfReplace::endDocument()
{
    clearPairs();
    write(QByteArrayLiteral("}") + kLineEnd);
    const bool saved = SaveWhole(*m_out);
    const QString reason = WriteFailureText(*m_out);
    m_out.reset();
    if (!saved)
        throw Error(
            QStringLiteral("Documentul %1 nu poate fi scris: %2").arg(NativePath(m_destination), reason));
}

void RtfReplace::writeWholeFile()
{
    const QList<QByteArray> lines = RtfLines(readTemplate(m_source));
    QByteArray text;
    qsizetype size = 0;
    for (const QByteArray &line : lines)
        size += line.size() + 2;
    text.reserve(size);
    for (const QByteArray &line : lines)
        text += line + kLineEnd;
    const QByteArray upper = asciiUpper(text);

    // The text as pieces: ranges of the template (searched) and inserted values (never searched).
    struct Piece
    {
        qsizetype begin = 0, end = 0; // range of the template when value is null
        QByteArray value;
        bool inserted = false;
    };
    QList<Piece> pieces{{0, text.size(), {}, false}};
    for (const Pair &pair : std::as_const(m_pairs)) {
        if (pair.upper.isEmpty())
            continue;
        const QByteArray value = escapeValue(pair.value);
        QList<Piece> next;
        next.reserve(pieces.size());
        for (const Piece &piece : std::as_const(pieces)) {
            if (piece.inserted) {
                next.append(piece);
                continue;
            }
            const QByteArrayView range = QByteArrayView(upper).sliced(piece.begin, piece.end - piece.begin);
            qsizetype from = 0;
            for (;;) {
                const qsizetype at = range.indexOf(pair.upper, from);
                if (at < 0)
                    break;
                if (at > from)
                    next.append({piece.begin + from, piece.begin + at, {}, false});
                next.append({0, 0, value, true});
                from = at + pair.upper.size();
            }
            if (from < range.size())
                next.append({piece.begin + from, piece.end, {}, false});
        }
        pieces = std::move(next);
    }

    QByteArray result;
    result.reserve(text.size() + 1024);
    for (const Piece &piece : std::as_const(pieces))
        result += piece.inserted ? QByteArrayView(piece.value)
                                 : QByteArrayView(text).sliced(piece.begin, piece.end - piece.begin);

    QSaveFile out(m_destination);
    if (!out.open(QIODevice::WriteOnly) || out.write(result) != result.size() || !SaveWhole(out))
        throw Error(QStringLiteral("Documentul %1 nu poate fi scris: %2")
                        .arg(NativePath(m_destination), WriteFailureText(out)));
}

} // namespace kovara
