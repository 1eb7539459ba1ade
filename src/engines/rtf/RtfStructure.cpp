#include "engines/rtf/RtfStructure.h"

#include <QList>

namespace kovara {
namespace {

bool isBlank(char c)
{
    return uchar(c) <= ' ';
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Reads the text once, counting its lines.
class Reader
{
public:
    explicit Reader(const QByteArray &text)
        : m_text(text)
    {
    }
    bool atEnd() const { return m_at >= m_text.size(); }
    char peek(qsizetype ahead = 0) const
    {
        return m_at + ahead < m_text.size() ? m_text[m_at + ahead] : '\0';
    }
    int line() const { return m_line; }
    // Moves past one byte, a line end counted.
    void step()
    {
        const char c = m_text[m_at++];
        if (c == '\n' || (c == '\r' && peek() != '\n'))
            ++m_line;
    }
    void skipBlanks()
    {
        while (!atEnd() && isBlank(peek()))
            step();
    }
    bool startsWith(const char *prefix) const
    {
        return QByteArrayView(m_text).sliced(m_at).startsWith(prefix);
    }
    // After a backslash: the control word's letters, moved past.
    QByteArrayView word()
    {
        const qsizetype start = m_at;
        while (!atEnd() && isLetter(peek()))
            ++m_at;
        return QByteArrayView(m_text).sliced(start, m_at - start);
    }

private:
    const QByteArray &m_text;
    qsizetype m_at = 0;
    int m_line = 1;
};

} // namespace

RtfStructureFault CheckRtfStructure(const QByteArray &rtf)
{
    using Kind = RtfStructureFault::Kind;
    Reader in(rtf);
    in.skipBlanks();
    if (in.atEnd())
        return {Kind::Empty, 0, 0};
    if (!in.startsWith("{\\rtf"))
        return {Kind::NotRtf, in.line(), 0};

    QList<int> open; // the line of each open group's brace
    bool body = false;
    int closedOn = 0; // the line of the brace that closed the document
    while (!in.atEnd() && closedOn == 0) {
        const char c = in.peek();
        if (c == '\\') {
            in.step();
            if (isLetter(in.peek())) {
                const QByteArrayView word = in.word();
                body = body || word == "par" || word == "pard";
            } else if (!in.atEnd() && in.peek() != '\r' && in.peek() != '\n') {
                in.step(); // "\{", "\}", "\\", "\'": text
            }
            continue;
        }
        if (c == '{') {
            open.append(in.line());
        } else if (c == '}') {
            open.removeLast();
            if (open.isEmpty())
                closedOn = in.line();
        }
        in.step();
    }
    if (!open.isEmpty())
        return {Kind::UnclosedGroup, open.last(), int(open.size())};

    // After the document: blanks only. A "}" with no group to close means
    // the document's group closed early, on a brace too many.
    in.skipBlanks();
    if (!in.atEnd()) {
        const int after = in.line();
        int depth = 0;
        while (!in.atEnd()) {
            const char c = in.peek();
            in.step();
            if (c == '\\' && !in.atEnd())
                in.step();
            else if (c == '{')
                ++depth;
            else if (c == '}' && --depth < 0)
                return {Kind::ClosedEarly, closedOn, 0};
        }
        return {Kind::TextAfterEnd, after, 0};
    }
    if (!body)
        return {Kind::NoBody, 0, 0};
    return {};
}

QString RtfStructureFaultText(const RtfStructureFault &fault)
{
    using Kind = RtfStructureFault::Kind;
    switch (fault.kind) {
    case Kind::None:
        return QString();
    case Kind::Empty:
        return QStringLiteral("este gol");
    case Kind::NotRtf:
        return QStringLiteral("nu este un document RTF (nu incepe cu {\\rtf)");
    case Kind::UnclosedGroup:
        if (fault.open == 1)
            return QStringLiteral("are o acolada { fara pereche: grupul deschis pe linia %1 nu se inchide")
                .arg(fault.line);
        return QStringLiteral("are %1 acolade { fara pereche: grupul deschis pe linia %2 nu se inchide")
            .arg(fault.open)
            .arg(fault.line);
    case Kind::ClosedEarly:
        return QStringLiteral("are o acolada } in plus: documentul se inchide pe linia %1, inainte de "
                              "sfarsitul fisierului")
            .arg(fault.line);
    case Kind::TextAfterEnd:
        return QStringLiteral("are text dupa acolada care inchide documentul, pe linia %1").arg(fault.line);
    case Kind::NoBody:
        return QStringLiteral("nu are nici un paragraf de completat");
    }
    return QString();
}

} // namespace kovara
