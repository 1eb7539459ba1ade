#include "data/IniFile.h"

#include "base/CrashPoint.h"
#include "base/Error.h"
#include "base/SaveFile.h"
#include "base/Win1250.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace kovara {
namespace {

const QByteArray kUtf8Bom("\xEF\xBB\xBF");
const QByteArray kNewLine("\r\n");

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

char foldAscii(char c)
{
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}

bool equalsFolded(QByteArrayView a, QByteArrayView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (foldAscii(a[i]) != foldAscii(b[i]))
            return false;
    }
    return true;
}

enum class Kind { Blank, Comment, Section, Key };

// One line of the file, as offsets into its bytes.
struct Line
{
    qsizetype begin = 0;
    qsizetype end = 0;  // end of the text, before CR LF / LF
    qsizetype next = 0; // first byte of the following line
    bool hasBreak = false;
    Kind kind = Kind::Blank;
    qsizetype nameBegin = 0, nameEnd = 0; // section name or key, trimmed
    qsizetype valueStart = -1;            // after '=' and its blanks; -1: no '='
    qsizetype valueEnd = 0;               // value trimmed at its end
};

class LineReader
{
public:
    LineReader(QByteArrayView data, qsizetype start)
        : m_data(data)
        , m_pos(start)
    {
    }

    bool next(Line &line)
    {
        if (m_pos >= m_data.size())
            return false;
        line = Line();
        line.begin = m_pos;
        const qsizetype lf = m_data.indexOf('\n', m_pos);
        line.hasBreak = lf >= 0;
        line.end = line.hasBreak ? lf : m_data.size();
        if (line.end > line.begin && m_data[line.end - 1] == '\r')
            --line.end; // the CR of CR LF belongs to the line end
        line.next = line.hasBreak ? lf + 1 : m_data.size();
        m_pos = line.next;
        classify(line);
        return true;
    }

private:
    void classify(Line &line) const
    {
        qsizetype s = line.begin, e = line.end;
        while (s < e && isBlank(m_data[s]))
            ++s;
        while (e > s && isBlank(m_data[e - 1]))
            --e;
        if (s == e) {
            line.kind = Kind::Blank;
        } else if (m_data[s] == ';') {
            line.kind = Kind::Comment;
        } else if (m_data[s] == '[') {
            line.kind = Kind::Section;
            qsizetype close = e;
            while (close > s + 1 && m_data[close - 1] != ']')
                --close;
            const qsizetype nameEnd = close > s + 1 ? close - 1 : e;
            setName(line, s + 1, nameEnd);
        } else {
            line.kind = Kind::Key;
            const qsizetype eq = m_data.sliced(s, e - s).indexOf('=');
            if (eq < 0) {
                setName(line, s, e);
                return;
            }
            setName(line, s, s + eq);
            qsizetype v = s + eq + 1;
            while (v < e && isBlank(m_data[v]))
                ++v;
            line.valueStart = v;
            line.valueEnd = e;
        }
    }

    void setName(Line &line, qsizetype b, qsizetype e) const
    {
        while (b < e && isBlank(m_data[b]))
            ++b;
        while (e > b && isBlank(m_data[e - 1]))
            --e;
        line.nameBegin = b;
        line.nameEnd = e;
    }

    QByteArrayView m_data;
    qsizetype m_pos;
};

QByteArrayView nameOf(QByteArrayView data, const Line &line)
{
    return data.sliced(line.nameBegin, line.nameEnd - line.nameBegin);
}

// Calls visit(line) for each key line of the sections named `section`, in
// file order, until it returns true. Returns the line found, if any.
template <typename Visit>
bool findKey(QByteArrayView data, qsizetype start, QByteArrayView section, Visit visit)
{
    LineReader reader(data, start);
    bool inside = false;
    for (Line line; reader.next(line);) {
        if (line.kind == Kind::Section)
            inside = equalsFolded(nameOf(data, line), section);
        else if (inside && line.kind == Kind::Key && visit(line))
            return true;
    }
    return false;
}

bool hasLineBreak(QStringView text)
{
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

void checkWritable(const QString &section, const QString &key, const QString &value)
{
    const QString s = section.trimmed(), k = key.trimmed();
    if (s.isEmpty() || hasLineBreak(section) || s.contains(QLatin1Char(']')))
        throw Error(
            QStringLiteral("Numele sectiunii \"%1\" nu este valid in fisierul de setari.").arg(section));
    if (k.isEmpty() || hasLineBreak(key) || k.contains(QLatin1Char('=')) || k.startsWith(QLatin1Char(';')) ||
        k.startsWith(QLatin1Char('[')))
        throw Error(QStringLiteral("Numele cheii \"%1\" nu este valid in fisierul de setari.").arg(key));
    if (hasLineBreak(value))
        throw Error(QStringLiteral("Valoarea cheii %1 nu poate contine un sfarsit de rand.").arg(key));
}

// The value as it is written after '=': quoted when reading would otherwise
// strip its blanks or its quotes.
QByteArray quotedForWriting(QByteArray v)
{
    const bool blankEnds = !v.isEmpty() && (isBlank(v.front()) || isBlank(v.back()));
    const bool quoted = v.size() >= 2 && v.front() == v.back() && (v.front() == '"' || v.front() == '\'');
    if (blankEnds || quoted)
        return '"' + v + '"';
    return v;
}

// A file saved as UTF-8 by an editor that writes no byte order mark: every
// byte sequence is valid UTF-8 and at least one letter takes more than one
// byte. Romanian text in Windows-1250 is never valid UTF-8 (a letter such as
// "\xE3" is followed by a plain letter, not by a continuation byte).
bool readsAsUtf8(const QByteArray &bytes)
{
    const uchar *p = reinterpret_cast<const uchar *>(bytes.constData());
    const qsizetype n = bytes.size();
    bool multiByte = false;
    for (qsizetype i = 0; i < n;) {
        const uchar c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int more = 0;
        char32_t code = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            more = 1;
            code = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            more = 2;
            code = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            more = 3;
            code = c & 0x07;
        } else {
            return false;
        }
        for (int k = 1; k <= more; ++k) {
            if (i + k >= n || (p[i + k] & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (p[i + k] & 0x3F);
        }
        // Overlong forms, UTF-16 halves and codes past U+10FFFF are not UTF-8.
        if ((more == 2 && code < 0x800) || (more == 3 && (code < 0x10000 || code > 0x10FFFF)) ||
            (code >= 0xD800 && code <= 0xDFFF))
            return false;
        multiByte = true;
        i += more + 1;
    }
    return multiByte;
}

} // namespace

IniFile::IniFile(QByteArray bytes)
    : m_bytes(std::move(bytes))
    , m_bom(m_bytes.startsWith(kUtf8Bom))
    , m_utf8(m_bom || readsAsUtf8(m_bytes))
{
}

IniFile IniFile::load(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return IniFile();
    if (!file.open(QIODevice::ReadOnly))
        throw Error(
            QStringLiteral("Fisierul de setari %1 nu poate fi citit.").arg(QDir::toNativeSeparators(path)));
    return IniFile(file.readAll());
}

void IniFile::save(const QString &path) const
{
    const QString shown = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    if (!info.absoluteDir().exists())
        throw Error(QStringLiteral("Fisierul de setari %1 nu poate fi scris: folderul %2 nu exista.")
                        .arg(shown, QDir::toNativeSeparators(info.absolutePath())));
    if (info.exists() && !info.isWritable())
        throw Error(
            QStringLiteral("Fisierul de setari %1 nu poate fi scris: este protejat la scriere.").arg(shown));
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) && file.write(m_bytes) == m_bytes.size();
    crashPoint("settings");
    if (!written || !SaveWhole(file))
        throw Error(QStringLiteral("Fisierul de setari %1 nu poate fi scris: %2.")
                        .arg(shown, WriteFailureText(file)));
}

QByteArray IniFile::encode(QStringView text) const
{
    return m_utf8 ? text.toUtf8() : toWin1250(text);
}

QString IniFile::decode(QByteArrayView bytes) const
{
    return m_utf8 ? QString::fromUtf8(bytes) : fromWin1250(bytes);
}

bool IniFile::contains(const QString &section, const QString &key) const
{
    const QByteArray k = encode(key.trimmed());
    return findKey(m_bytes, m_bom ? kUtf8Bom.size() : 0, encode(section.trimmed()),
                   [&](const Line &line) { return equalsFolded(nameOf(m_bytes, line), k); });
}

QString IniFile::value(const QString &section, const QString &key) const
{
    const QByteArray k = encode(key.trimmed());
    QByteArrayView found;
    findKey(m_bytes, m_bom ? kUtf8Bom.size() : 0, encode(section.trimmed()), [&](const Line &line) {
        if (!equalsFolded(nameOf(m_bytes, line), k))
            return false;
        if (line.valueStart >= 0)
            found = QByteArrayView(m_bytes).sliced(line.valueStart, line.valueEnd - line.valueStart);
        return true;
    });
    if (found.size() >= 2 && found.front() == found.back() && (found.front() == '"' || found.front() == '\''))
        found = found.sliced(1, found.size() - 2);
    return decode(found);
}

void IniFile::setValue(const QString &section, const QString &key, const QString &value)
{
    checkWritable(section, key, value);
    if (!m_utf8) {
        for (const QString *text : {&section, &key, &value}) {
            if (!fitsWin1250(*text))
                throw Error(
                    QStringLiteral("Textul \"%1\" contine caractere care nu pot fi scrise in fisierul de "
                                   "setari.")
                        .arg(*text));
        }
    }
    const QByteArray s = encode(section.trimmed());
    const QByteArray k = encode(key.trimmed());
    const QByteArray v = quotedForWriting(encode(value));
    const qsizetype start = m_bom ? kUtf8Bom.size() : 0;

    Line existing;
    if (findKey(m_bytes, start, s, [&](const Line &line) {
            existing = line;
            return equalsFolded(nameOf(m_bytes, line), k);
        })) {
        if (existing.valueStart >= 0)
            m_bytes.replace(existing.valueStart, existing.end - existing.valueStart, v);
        else
            m_bytes.replace(existing.nameEnd, existing.end - existing.nameEnd, '=' + v);
        return;
    }

    // The new key goes after the last key line (or the header) of the first
    // section of that name.
    LineReader reader(m_bytes, start);
    bool inFirst = false, found = false;
    Line anchor;
    for (Line line; reader.next(line);) {
        if (line.kind == Kind::Section) {
            inFirst = !found && equalsFolded(nameOf(m_bytes, line), s);
            if (inFirst) {
                found = true;
                anchor = line;
            }
        } else if (inFirst && line.kind == Kind::Key) {
            anchor = line;
        }
    }
    const QByteArray keyLine = k + '=' + v + kNewLine;
    if (found) {
        m_bytes.insert(anchor.next, anchor.hasBreak ? keyLine : kNewLine + keyLine);
        return;
    }
    if (!m_bytes.isEmpty() && m_bytes.size() > start && !m_bytes.endsWith('\n'))
        m_bytes += kNewLine;
    m_bytes += '[' + s + ']' + kNewLine + keyLine;
}

} // namespace kovara
