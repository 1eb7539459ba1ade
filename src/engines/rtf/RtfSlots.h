#pragma once

// A template's text cut once into fixed runs and placeholder slots, and the
// values a list of pairs gives its slots. A slot is "[" followed by bytes
// that are neither "[" nor "]", then "]" ("[NRCERERE]", "[nume]", "[]");
// everything else is fixed. A copy is written as the fixed runs and the
// slots' values in their order: its cost is the size of the copy however
// many placeholders the text holds, and a value once put in is never
// searched again.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <array>

class QFileDevice;

namespace kovara {

// One replacement. The key is a slot as written ("[JUDET]", Windows-1250).
struct RtfPair
{
    QByteArray key;   // as given
    QByteArray upper; // in ASCII capitals, for the search
    QString value;    // as given; escaped when written
};

// The text with its ASCII small letters in capitals; other bytes unchanged.
QByteArray AsciiCapitals(QByteArrayView text);

// True when `key` is a slot: "[", bytes that are neither "[" nor "]", "]".
bool IsRtfSlot(QByteArrayView key);

// How a value goes into its slot.
enum class RtfFillMode {
    Lines,    // an empty value writes ".........."; a slot of more than four characters
              // without small letters ("[SOLICITANT]") takes the value in capitals
    WholeFile // the value as given; an empty value leaves nothing
};

// Bytes on their way to a file, written in blocks. Fails with kovara::Error
// naming `path` and why (WriteFailureText: a full disk said so) when the
// file refuses them.
class RtfWriter
{
public:
    RtfWriter(QFileDevice &out, QString path);
    void append(QByteArrayView bytes)
    {
        m_buffer.append(bytes);
        if (m_buffer.size() >= kBlock)
            flush();
    }
    void flush();
    // Every byte given so far, written or waiting.
    qint64 written() const { return m_written + m_buffer.size(); }

private:
    static constexpr qsizetype kBlock = 1 << 20;
    QFileDevice &m_out;
    QString m_path;
    QByteArray m_buffer;
    qint64 m_written = 0;
};

class RtfSlotText;

// The values of one list of pairs for the slots of a text.
class RtfFill
{
public:
    // The bytes of the filled text.
    qint64 bytes() const { return m_bytes; }
    void write(RtfWriter &out) const;

private:
    friend class RtfSlotText;
    const RtfSlotText *m_text = nullptr;
    RtfFillMode m_mode = RtfFillMode::Lines;
    QList<std::array<QByteArray, 2>> m_values; // per distinct slot: plain, in capitals
    QList<bool> m_filled;                      // per distinct slot: a pair fills it
    qint64 m_bytes = 0;
};

class RtfSlotText
{
public:
    RtfSlotText() = default;
    explicit RtfSlotText(QByteArray text);

    const QByteArray &text() const { return m_text; }
    qsizetype slotCount() const { return m_slots.size(); }

    // The first pair whose key is a slot's text, ASCII letter case aside,
    // fills every occurrence of that slot; slots no pair names stay as written.
    RtfFill fill(const QList<RtfPair> &pairs, RtfFillMode mode) const;

private:
    friend class RtfFill;
    struct Slot
    {
        qsizetype begin; // offset of its "["
        int key;         // index into m_keys
        bool capitals;   // more than four characters, no small letter
    };
    QByteArray m_text;
    QList<Slot> m_slots;
    QList<QByteArray> m_keys;               // distinct slot texts in ASCII capitals
    QHash<QByteArray, int> m_keyIndex;      // of m_keys
    QList<std::array<qsizetype, 2>> m_uses; // per distinct slot: occurrences plain, in capitals
};

} // namespace kovara
