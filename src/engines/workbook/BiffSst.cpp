#include "engines/workbook/BiffSst.h"

#include "engines/workbook/BiffRecords.h"

namespace kovara::biff {
namespace {

// Reads across the record boundaries of an SST and its CONTINUE records.
class ContinuedReader
{
public:
    explicit ContinuedReader(const std::vector<QByteArray> &segments)
        : m_segs(segments)
    {
    }

    quint8 byte()
    {
        skipExhausted();
        return quint8(m_segs[m_seg][m_off++]);
    }
    quint16 word()
    {
        const quint8 lo = byte();
        return quint16(lo | byte() << 8);
    }
    quint32 dword()
    {
        const quint16 lo = word();
        return quint32(lo) | quint32(word()) << 16;
    }
    QByteArray bytes(quint32 n)
    {
        QByteArray out;
        while (n > 0) {
            skipExhausted();
            const qsizetype take = qMin<qsizetype>(n, m_segs[m_seg].size() - m_off);
            out.append(m_segs[m_seg].constData() + m_off, take);
            m_off += take;
            n -= quint32(take);
        }
        return out;
    }
    // Characters of a string; a CONTINUE that goes on with the characters
    // begins with a byte telling whether they are 8-bit or 16-bit.
    QString chars(int count, bool wide)
    {
        QString s;
        s.reserve(count);
        while (count > 0) {
            if (m_seg >= m_segs.size() || m_off >= m_segs[m_seg].size()) {
                ++m_seg;
                m_off = 0;
                if (m_seg >= m_segs.size() || m_segs[m_seg].isEmpty())
                    throw Damaged{"shared strings"};
                wide = quint8(m_segs[m_seg][m_off++]) & 1;
            }
            const QByteArray &d = m_segs[m_seg];
            const int size = wide ? 2 : 1;
            const qsizetype fit = qMin<qsizetype>(count, (d.size() - m_off) / size);
            if (fit == 0)
                throw Damaged{"shared strings"};
            for (qsizetype i = 0; i < fit; ++i)
                s.append(wide ? QChar(u16(d, m_off + 2 * i)) : QChar(quint8(d[m_off + i])));
            m_off += fit * size;
            count -= int(fit);
        }
        return s;
    }
    bool atEnd()
    {
        while (m_seg < m_segs.size() && m_off >= m_segs[m_seg].size()) {
            ++m_seg;
            m_off = 0;
        }
        return m_seg >= m_segs.size();
    }
    qsizetype remaining() const
    {
        qsizetype n = 0;
        for (size_t i = m_seg; i < m_segs.size(); ++i)
            n += m_segs[i].size() - (i == m_seg ? m_off : 0);
        return n;
    }

private:
    void skipExhausted()
    {
        if (atEnd())
            throw Damaged{"shared strings"};
    }

    const std::vector<QByteArray> &m_segs;
    size_t m_seg = 0;
    qsizetype m_off = 0;
};

// Builds the SST and CONTINUE records, keeping track of where each record
// starts.
class SegmentWriter
{
public:
    std::vector<QByteArray> segments{QByteArray()};

    QByteArray &current() { return segments.back(); }
    qsizetype room() const { return kMaxRecordData - segments.back().size(); }
    void next() { segments.emplace_back(); }
};

bool isWide(const QString &s)
{
    for (QChar c : s)
        if (c.unicode() > 0xFF)
            return true;
    return false;
}

} // namespace

void SharedStrings::parse(const std::vector<QByteArray> &segments)
{
    ContinuedReader in(segments);
    in.dword(); // total number of references
    const quint32 unique = in.dword();
    m_entries.clear();
    m_plain.clear();
    m_entries.reserve(qMin<qsizetype>(unique, in.remaining() / 3 + 1));
    for (quint32 i = 0; i < unique && !in.atEnd(); ++i) {
        const quint16 cch = in.word();
        const quint8 flags = in.byte();
        const quint16 runs = (flags & 0x08) ? in.word() : 0;
        const quint32 phonetic = (flags & 0x04) ? in.dword() : 0;
        Entry e;
        e.text = in.chars(cch, flags & 0x01);
        if (quint64(runs) * 4 + phonetic > quint64(in.remaining()))
            throw Damaged{"shared strings"};
        e.runs = in.bytes(quint32(runs) * 4);
        e.phonetic = in.bytes(phonetic);
        if (e.runs.isEmpty() && e.phonetic.isEmpty() && !m_plain.contains(e.text))
            m_plain.insert(e.text, int(m_entries.size()));
        m_entries.push_back(std::move(e));
    }
    m_changed = false;
}

int SharedStrings::add(const QString &text)
{
    const auto found = m_plain.constFind(text);
    if (found != m_plain.constEnd())
        return found.value();
    const int index = int(m_entries.size());
    m_entries.push_back(Entry{text, {}, {}});
    m_plain.insert(text, index);
    m_changed = true;
    return index;
}

void SharedStrings::write(QByteArray &stream, qint64 streamBase, quint32 total, QByteArray &extSst) const
{
    const int count = int(m_entries.size());
    const int perBucket = qMax(8, (count + 127) / 128);
    struct Bucket
    {
        size_t segment;
        qsizetype offset;
    };
    std::vector<Bucket> buckets;

    SegmentWriter out;
    add32(out.current(), total);
    add32(out.current(), quint32(count));
    for (int i = 0; i < count; ++i) {
        const Entry &e = m_entries[size_t(i)];
        const bool wide = isWide(e.text);
        const int charSize = wide ? 2 : 1;
        QByteArray head;
        add16(head, quint16(e.text.size()));
        head.append(
            char((wide ? 0x01 : 0) | (e.runs.isEmpty() ? 0 : 0x08) | (e.phonetic.isEmpty() ? 0 : 0x04)));
        if (!e.runs.isEmpty())
            add16(head, quint16(e.runs.size() / 4));
        if (!e.phonetic.isEmpty())
            add32(head, quint32(e.phonetic.size()));
        // The header and the first character stay together.
        if (out.room() < head.size() + (e.text.isEmpty() ? 0 : charSize))
            out.next();
        if (i % perBucket == 0)
            buckets.push_back({out.segments.size() - 1, out.current().size()});
        out.current().append(head);
        qsizetype done = 0;
        while (done < e.text.size()) {
            qsizetype fit = out.room() / charSize;
            if (fit == 0) {
                out.next();
                out.current().append(char(wide ? 0x01 : 0x00));
                fit = out.room() / charSize;
            }
            const qsizetype n = qMin(fit, e.text.size() - done);
            for (qsizetype k = 0; k < n; ++k) {
                const ushort c = e.text[done + k].unicode();
                out.current().append(char(c & 0xFF));
                if (wide)
                    out.current().append(char(c >> 8));
            }
            done += n;
        }
        // Formatting runs whole (4 bytes each), phonetic data wherever it falls.
        for (qsizetype r = 0; r < e.runs.size(); r += 4) {
            if (out.room() < 4)
                out.next();
            out.current().append(e.runs.mid(r, 4));
        }
        for (qsizetype p = 0; p < e.phonetic.size();) {
            if (out.room() == 0)
                out.next();
            const qsizetype n = qMin(out.room(), e.phonetic.size() - p);
            out.current().append(e.phonetic.mid(p, n));
            p += n;
        }
    }

    std::vector<qint64> segmentStart;
    qint64 pos = streamBase;
    for (size_t s = 0; s < out.segments.size(); ++s) {
        segmentStart.push_back(pos);
        appendRecord(stream, s == 0 ? rt::Sst : rt::Continue, out.segments[s]);
        pos += 4 + out.segments[s].size();
    }
    extSst.clear();
    add16(extSst, quint16(perBucket));
    for (const Bucket &b : buckets) {
        add32(extSst, quint32(segmentStart[b.segment] + 4 + b.offset));
        add16(extSst, quint16(4 + b.offset));
        add16(extSst, 0);
    }
}

} // namespace kovara::biff
