#include "engines/rtf/RtfSlots.h"

#include "base/Error.h"
#include "base/NativePath.h"
#include "base/SaveFile.h"
#include "engines/rtf/RtfReplace.h"

#include <QFileDevice>

namespace kovara {
namespace {

const QByteArray kFiller = QByteArrayLiteral("..........");

char asciiUpper(char c)
{
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}

bool hasSmallLetter(QByteArrayView text)
{
    for (char c : text)
        if (c >= 'a' && c <= 'z')
            return true;
    return false;
}

} // namespace

QByteArray AsciiCapitals(QByteArrayView text)
{
    QByteArray out(text.data(), text.size());
    for (char &c : out)
        c = asciiUpper(c);
    return out;
}

bool IsRtfSlot(QByteArrayView key)
{
    if (key.size() < 2 || key.front() != '[' || key.back() != ']')
        return false;
    const QByteArrayView inside = key.sliced(1, key.size() - 2);
    return !inside.contains('[') && !inside.contains(']');
}

RtfWriter::RtfWriter(QFileDevice &out, QString path)
    : m_out(out)
    , m_path(std::move(path))
{
}

void RtfWriter::flush()
{
    if (m_buffer.isEmpty())
        return;
    if (m_out.write(m_buffer) != m_buffer.size())
        throw Error(QStringLiteral("Documentul %1 nu poate fi scris: %2")
                        .arg(NativePath(m_path), WriteFailureText(m_out)));
    m_written += m_buffer.size();
    m_buffer.resize(0); // keeps its capacity
}

RtfSlotText::RtfSlotText(QByteArray text)
    : m_text(std::move(text))
{
    const qsizetype n = m_text.size();
    const char *bytes = m_text.constData();
    QByteArray upper;
    qsizetype open = -1;
    for (qsizetype i = 0; i < n; ++i) {
        if (bytes[i] == '[') {
            open = i;
            continue;
        }
        if (bytes[i] != ']' || open < 0)
            continue;
        const QByteArrayView written(bytes + open, i - open + 1);
        upper.resize(written.size());
        for (qsizetype j = 0; j < written.size(); ++j)
            upper[j] = asciiUpper(written[j]);
        auto found = m_keyIndex.constFind(upper);
        int key;
        if (found != m_keyIndex.constEnd()) {
            key = *found;
        } else {
            key = int(m_keys.size());
            m_keys.append(upper);
            m_keyIndex.insert(upper, key);
            m_uses.append({0, 0});
        }
        const bool capitals = written.size() > 4 && !hasSmallLetter(written);
        m_slots.append({open, key, capitals});
        ++m_uses[key][capitals ? 1 : 0];
        open = -1;
    }
}

RtfFill RtfSlotText::fill(const QList<RtfPair> &pairs, RtfFillMode mode) const
{
    RtfFill f;
    f.m_text = this;
    f.m_mode = mode;
    f.m_bytes = m_text.size();
    if (m_keys.isEmpty())
        return f;
    f.m_values.resize(m_keys.size());
    f.m_filled.fill(false, m_keys.size());
    for (const RtfPair &pair : pairs) {
        const int key = m_keyIndex.value(pair.upper, -1);
        if (key < 0 || f.m_filled[key])
            continue; // not in the text, or an earlier pair fills it
        f.m_filled[key] = true;
        const std::array<qsizetype, 2> &uses = m_uses[key];
        for (int form = 0; form < 2; ++form) {
            const qsizetype count =
                mode == RtfFillMode::Lines ? uses[form] : (form == 0 ? uses[0] + uses[1] : 0);
            if (count == 0)
                continue;
            QByteArray value =
                mode == RtfFillMode::Lines && pair.value.isEmpty()
                    ? kFiller
                    : RtfReplace::escapeValue(pair.value, mode == RtfFillMode::Lines && form == 1);
            f.m_bytes += qint64(count) * (value.size() - m_keys[key].size());
            f.m_values[key][form] = std::move(value);
        }
    }
    return f;
}

void RtfFill::write(RtfWriter &out) const
{
    const QByteArrayView text(m_text->m_text);
    qsizetype at = 0;
    for (const RtfSlotText::Slot &slot : m_text->m_slots) {
        if (!m_filled[slot.key])
            continue; // stays as written, part of the fixed run
        out.append(text.sliced(at, slot.begin - at));
        out.append(m_values[slot.key][m_mode == RtfFillMode::Lines && slot.capitals ? 1 : 0]);
        at = slot.begin + m_text->m_keys[slot.key].size();
    }
    out.append(text.sliced(at));
}

} // namespace kovara
