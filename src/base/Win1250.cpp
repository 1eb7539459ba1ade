#include "base/Win1250.h"

#include <QHash>
#include <QStringDecoder>
#include <array>

namespace kovara {
namespace {

// The 256 characters of the code page, taken once from the text codec; the
// per-field conversions of a large table then cost a table look-up a byte.
struct CodePage
{
    std::array<char16_t, 256> toUnicode{};
    QHash<char16_t, char> fromUnicode;

    CodePage()
    {
        QStringDecoder decoder("windows-1250", QStringDecoder::Flag::Stateless);
        for (int b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            QString s = decoder.isValid() ? decoder.decode(QByteArrayView(&byte, 1)) : QString();
            char16_t ch = s.size() == 1 ? s.at(0).unicode() : char16_t(b < 0x80 ? b : 0xFFFD);
            toUnicode[b] = ch;
            if (ch != 0xFFFD && !fromUnicode.contains(ch))
                fromUnicode.insert(ch, byte);
        }
    }
};

const CodePage &codePage()
{
    static const CodePage page;
    return page;
}

char16_t cedillaOf(char16_t ch)
{
    switch (ch) {
    case 0x0218:
        return 0x015E; // Ș -> Ş
    case 0x0219:
        return 0x015F; // ș -> ş
    case 0x021A:
        return 0x0162; // Ț -> Ţ
    case 0x021B:
        return 0x0163; // ț -> ţ
    default:
        return ch;
    }
}

} // namespace

QByteArray toWin1250(QStringView text)
{
    const CodePage &page = codePage();
    QByteArray out;
    out.resize(text.size());
    char *dst = out.data();
    for (QChar qc : text) {
        const char16_t ch = cedillaOf(qc.unicode());
        if (ch < 0x80) {
            *dst++ = static_cast<char>(ch);
        } else {
            auto it = page.fromUnicode.constFind(ch);
            *dst++ = it == page.fromUnicode.cend() ? '?' : it.value();
        }
    }
    return out;
}

QString fromWin1250(QByteArrayView bytes)
{
    const CodePage &page = codePage();
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *dst = out.data();
    for (char b : bytes)
        *dst++ = QChar(page.toUnicode[static_cast<unsigned char>(b)]);
    return out;
}

QString withCedillas(QStringView text)
{
    QString out = text.toString();
    for (QChar &c : out)
        c = QChar(cedillaOf(c.unicode()));
    return out;
}

bool fitsWin1250(QStringView text)
{
    const CodePage &page = codePage();
    for (QChar qc : text) {
        const char16_t ch = cedillaOf(qc.unicode());
        if (ch >= 0x80 && !page.fromUnicode.contains(ch))
            return false;
    }
    return true;
}

} // namespace kovara
