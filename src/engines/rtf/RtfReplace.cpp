#include "engines/rtf/RtfReplace.h"

#include "base/Error.h"
#include "base/NativePath.h"
#include "base/SaveFile.h"
#include "base/Win1250.h"

#include <QFileInfo>
#include <QSaveFile>

namespace kovara {
namespace {

const QByteArray kPard = QByteArrayLiteral("\\pard");
const QByteArray kLineEnd = QByteArrayLiteral("\r\n");
const QByteArray kCopyBreak = QByteArrayLiteral("\\page\r\n");
const QByteArray kRecordBreak = QByteArrayLiteral("\\par \\page\r\n");
const QByteArray kEnd = QByteArrayLiteral("}\r\n");

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
    if (bytes.isEmpty())
        return;
    if (!IsRtfSlot(bytes))
        throw Error(QStringLiteral("Campul \"%1\" nu poate fi completat: un camp se scrie intre paranteze "
                                   "drepte, fara alte paranteze in el (\"[NUME]\").")
                        .arg(key));
    m_pairs.append({bytes, AsciiCapitals(bytes), value});
}

void RtfReplace::clearPairs()
{
    m_pairs.clear();
}

bool RtfReplace::loadTemplate()
{
    m_loaded = false;
    m_header.clear();
    m_body = RtfSlotText();
    m_beginFailure = BeginFailure::TemplateUnreadable;
    if (m_source.isEmpty() || !QFileInfo(m_source).isFile())
        return false;
    QByteArray bytes;
    bool tooLarge = false;
    QString why;
    if (!readTemplate(m_source, bytes, tooLarge, why)) {
        if (tooLarge)
            m_beginFailure = BeginFailure::TemplateTooLarge;
        return false;
    }
    const QList<QByteArray> lines = RtfLines(bytes);
    bytes.clear();
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
    QByteArray body;
    QByteArray current = lines[first].mid(lines[first].indexOf(kPard));
    int depth = braceBalance(current) + 1;
    qsizetype next = first + 1;
    while (next < lines.size() && depth != 0) {
        if (!current.isEmpty())
            body += current + kLineEnd;
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
    const QByteArray last = trimControls(current);
    if (!last.isEmpty())
        body += last + kLineEnd;

    m_header = std::move(header);
    m_body = RtfSlotText(std::move(body));
    m_loadedSource = m_source;
    m_loaded = true;
    m_beginFailure = BeginFailure::None;
    return true;
}

bool RtfReplace::beginDocument()
{
    abandon();
    clearPairs();
    if (!templateLoaded() && !loadTemplate())
        return false;
    m_beginFailure = BeginFailure::DocumentUnwritable;
    if (m_destination.isEmpty())
        return false;
    auto out = std::make_unique<QSaveFile>(m_destination);
    if (!out->open(QIODevice::WriteOnly) || out->write(m_header) != m_header.size())
        return false;
    m_out = std::move(out);
    m_writer = std::make_unique<RtfWriter>(*m_out, m_destination);
    m_beginFailure = BeginFailure::None;
    return true;
}

qint64 RtfReplace::copiesBytes(int count) const
{
    if (count <= 0)
        return 0;
    const qint64 copy = m_body.fill(m_pairs, RtfFillMode::Lines).bytes();
    return count * copy + (count - 1) * kCopyBreak.size();
}

qint64 RtfReplace::documentBytes(const QList<RtfRecord> &records, int copies)
{
    clearPairs();
    if (!templateLoaded() && !loadTemplate())
        return -1;
    qint64 total = m_header.size() + kEnd.size();
    if (records.size() > 1)
        total += (records.size() - 1) * kRecordBreak.size();
    for (const RtfRecord &record : records) {
        for (const auto &[key, value] : record)
            addPair(key, value);
        total += copiesBytes(copies);
        clearPairs();
    }
    return total;
}

void RtfReplace::write(QByteArrayView bytes, bool closing)
{
    reserve(bytes.size(), closing);
    m_writer->append(bytes);
}

void RtfReplace::reserve(qint64 bytes, bool closing)
{
    if (!m_out)
        throw Error(QStringLiteral("Documentul %1 nu a fost inceput.").arg(NativePath(m_destination)));
    // The closing brace must fit too: the finished document stays within the limit.
    const qint64 total = m_header.size() + m_writer->written() + bytes + (closing ? 0 : kEnd.size());
    if (total <= documentLimit())
        return;
    abandon();
    throw Error(QStringLiteral("Documentul %1 ar avea peste %2 MB, limita unui document, si nu a fost scris.")
                    .arg(NativePath(m_destination))
                    .arg((documentLimit() + (qint64(1) << 20) - 1) >> 20));
}

void RtfReplace::abandon()
{
    m_writer.reset();
    if (m_out)
        m_out->cancelWriting();
    m_out.reset();
}

void RtfReplace::appendCopies(int count)
{
    const RtfFill fill = m_body.fill(m_pairs, RtfFillMode::Lines);
    clearPairs();
    if (count <= 0 || !m_out) {
        if (!m_out)
            reserve(0); // says no document was begun
        return;
    }
    reserve(count * fill.bytes() + (count - 1) * kCopyBreak.size());
    for (int copy = 1; copy <= count; ++copy) {
        if (copy > 1)
            m_writer->append(kCopyBreak);
        fill.write(*m_writer);
    }
}

void RtfReplace::appendPageBreak()
{
    clearPairs();
    write(kRecordBreak);
}

void RtfReplace::endDocument()
{
    clearPairs();
    write(kEnd, true);
    m_writer->flush();
    m_writer.reset();
    const bool saved = SaveWhole(*m_out);
    const QString reason = WriteFailureText(*m_out);
    m_out.reset();
    m_loaded = false; // the next document reads its template again
    if (!saved)
        throw Error(
            QStringLiteral("Documentul %1 nu poate fi scris: %2").arg(NativePath(m_destination), reason));
}

} // namespace kovara
