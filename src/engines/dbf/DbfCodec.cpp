#include "engines/dbf/DbfCodec.h"

#include "base/Win1250.h"

#include <QString>
#include <array>
#include <charconv>
#include <cstring>

namespace kovara::sqlcodec {
namespace {

// The UTF-8 bytes of each Windows-1250 byte, and the byte of each code
// point the code page holds (the comma-below letters share the bytes of
// their cedilla forms, as the file writer maps them).
struct Tables
{
    std::array<std::array<char, 4>, 256> utf8{};
    std::array<quint8, 256> utf8Length{};
    static constexpr int kCodePoints = 0x2200;
    std::array<qint16, kCodePoints> byteOf{};
    std::array<quint32, 256> byteKey{}; // sort key of each byte, as the collation has it

    Tables()
    {
        byteOf.fill(-1);
        for (int b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            const QString s = fromWin1250(QByteArrayView(&byte, 1));
            const QByteArray u = s.toUtf8();
            utf8Length[b] = static_cast<quint8>(qMin<qsizetype>(u.size(), 4));
            std::memcpy(utf8[b].data(), u.constData(), utf8Length[b]);
            const char16_t cp = s.isEmpty() ? 0xFFFD : s.at(0).unicode();
            if (cp < kCodePoints && cp != 0xFFFD && byteOf[cp] < 0)
                byteOf[cp] = static_cast<qint16>(b);
        }
        const char16_t commaBelow[4][2] = {
            {0x0218, 0x015E}, {0x0219, 0x015F}, {0x021A, 0x0162}, {0x021B, 0x0163}};
        for (const auto &pair : commaBelow)
            byteOf[pair[0]] = byteOf[pair[1]];
        for (int b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            const QString s = fromWin1250(QByteArrayView(&byte, 1));
            const char16_t cp = s.isEmpty() ? 0xFFFD : s.at(0).unicode();
            byteKey[b] = cp < kCodePoints && byteOf[cp] >= 0 ? quint32(byteOf[cp]) : 0x100u + cp;
        }
    }
};

const Tables &tables()
{
    static const Tables t;
    return t;
}

bool allDigits(const char *p, int n)
{
    for (int i = 0; i < n; ++i)
        if (p[i] < '0' || p[i] > '9')
            return false;
    return true;
}

int daysInMonth(int y, int m)
{
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (m == 2 && ((y % 4 == 0 && y % 100 != 0) || y % 400 == 0))
        return 29;
    return days[m - 1];
}

bool validDate(int y, int m, int d)
{
    return y >= 1 && m >= 1 && m <= 12 && d >= 1 && d <= daysInMonth(y, m);
}

int number(const char *p, int n)
{
    int v = 0;
    for (int i = 0; i < n; ++i)
        v = v * 10 + (p[i] - '0');
    return v;
}

// Sort key of the code point starting at s[i]; advances i. Invalid UTF-8
// bytes sort after every character.
quint32 nextKey(const unsigned char *s, int n, int &i)
{
    const unsigned char c = s[i];
    if (c < 0x80) {
        ++i;
        return c;
    }
    quint32 cp = 0;
    int extra = 0;
    if ((c & 0xE0) == 0xC0) {
        cp = c & 0x1F;
        extra = 1;
    } else if ((c & 0xF0) == 0xE0) {
        cp = c & 0x0F;
        extra = 2;
    } else if ((c & 0xF8) == 0xF0) {
        cp = c & 0x07;
        extra = 3;
    } else {
        ++i;
        return 0x200000u + c;
    }
    if (i + extra >= n) {
        ++i;
        return 0x200000u + c;
    }
    for (int k = 1; k <= extra; ++k) {
        if ((s[i + k] & 0xC0) != 0x80) {
            ++i;
            return 0x200000u + c;
        }
        cp = (cp << 6) | (s[i + k] & 0x3F);
    }
    i += extra + 1;
    const Tables &t = tables();
    if (cp < static_cast<quint32>(Tables::kCodePoints) && t.byteOf[cp] >= 0)
        return static_cast<quint32>(t.byteOf[cp]);
    return 0x100u + cp;
}

} // namespace

int trimmedLength(const char *p, int n)
{
    constexpr quint64 kBlanks = 0x2020202020202020ull;
    while (n >= 8) { // eight blanks at a time first: fields are mostly padding
        quint64 w;
        std::memcpy(&w, p + n - 8, 8);
        if (w != kBlanks)
            break;
        n -= 8;
    }
    while (n > 0 && (p[n - 1] == ' ' || p[n - 1] == '\0'))
        --n;
    return n;
}

bool parseInteger(const char *p, int n, qint64 &out)
{
    int i = 0;
    while (i < n && p[i] == ' ')
        ++i;
    n = trimmedLength(p, n);
    if (i >= n)
        return false;
    bool negative = false;
    if (p[i] == '-' || p[i] == '+') {
        negative = p[i] == '-';
        ++i;
    }
    if (i >= n || n - i > 18 || !allDigits(p + i, n - i))
        return false;
    qint64 v = 0;
    for (; i < n; ++i)
        v = v * 10 + (p[i] - '0');
    out = negative ? -v : v;
    return true;
}

bool parseReal(const char *p, int n, double &out)
{
    int i = 0;
    while (i < n && p[i] == ' ')
        ++i;
    n = trimmedLength(p, n);
    if (i >= n)
        return false;
    if (p[i] == '+')
        ++i;
    const auto res = std::from_chars(p + i, p + n, out, std::chars_format::fixed);
    return res.ec == std::errc() && res.ptr == p + n;
}

bool parseDate(const char *p, int n, int &yyyymmdd)
{
    if (n != 8 || !allDigits(p, 8))
        return false;
    const int y = number(p, 4), m = number(p + 4, 2), d = number(p + 6, 2);
    if (!validDate(y, m, d))
        return false;
    yyyymmdd = y * 10000 + m * 100 + d;
    return true;
}

bool parseIsoDate(const char *p, int n, int &yyyymmdd)
{
    while (n > 0 && p[n - 1] == ' ')
        --n;
    while (n > 0 && *p == ' ') {
        ++p;
        --n;
    }
    if (n == 8)
        return parseDate(p, n, yyyymmdd);
    int y = 0, m = 0, d = 0;
    if (n == 10 && p[4] == '-' && p[7] == '-' && allDigits(p, 4) && allDigits(p + 5, 2) &&
        allDigits(p + 8, 2)) {
        y = number(p, 4), m = number(p + 5, 2), d = number(p + 8, 2);
    } else if (n == 10 && p[2] == '.' && p[5] == '.' && allDigits(p, 2) && allDigits(p + 3, 2) &&
               allDigits(p + 6, 4)) {
        d = number(p, 2), m = number(p + 3, 2), y = number(p + 6, 4);
    } else {
        return false;
    }
    if (!validDate(y, m, d))
        return false;
    yyyymmdd = y * 10000 + m * 100 + d;
    return true;
}

void formatIsoDate(int v, char *out)
{
    const int y = v / 10000, m = v / 100 % 100, d = v % 100;
    out[0] = char('0' + y / 1000 % 10);
    out[1] = char('0' + y / 100 % 10);
    out[2] = char('0' + y / 10 % 10);
    out[3] = char('0' + y % 10);
    out[4] = '-';
    out[5] = char('0' + m / 10);
    out[6] = char('0' + m % 10);
    out[7] = '-';
    out[8] = char('0' + d / 10);
    out[9] = char('0' + d % 10);
}

int logicalValue(char c)
{
    switch (c) {
    case 'T':
    case 't':
    case 'Y':
    case 'y':
        return 1;
    case 'F':
    case 'f':
    case 'N':
    case 'n':
        return 0;
    default:
        return -1;
    }
}

bool isAscii(const char *p, int n)
{
    int i = 0;
    for (; i + 8 <= n; i += 8) {
        quint64 w;
        std::memcpy(&w, p + i, 8);
        if (w & 0x8080808080808080ull)
            return false;
    }
    for (; i < n; ++i)
        if (static_cast<unsigned char>(p[i]) >= 0x80)
            return false;
    return true;
}

void win1250ToUtf8(const char *p, int n, std::string &out)
{
    const Tables &t = tables();
    for (int i = 0; i < n; ++i) {
        const unsigned char b = static_cast<unsigned char>(p[i]);
        if (b < 0x80)
            out.push_back(static_cast<char>(b));
        else
            out.append(t.utf8[b].data(), t.utf8Length[b]);
    }
}

int compareWin1250(int n1, const void *v1, int n2, const void *v2)
{
    const auto *s1 = static_cast<const unsigned char *>(v1);
    const auto *s2 = static_cast<const unsigned char *>(v2);
    int i = 0, j = 0;
    while (i < n1 && j < n2) {
        if (s1[i] < 0x80 && s2[j] < 0x80) {
            if (s1[i] != s2[j])
                return s1[i] < s2[j] ? -1 : 1;
            ++i;
            ++j;
            continue;
        }
        const quint32 k1 = nextKey(s1, n1, i);
        const quint32 k2 = nextKey(s2, n2, j);
        if (k1 != k2)
            return k1 < k2 ? -1 : 1;
    }
    if (i < n1)
        return 1;
    if (j < n2)
        return -1;
    return 0;
}

bool bytesSortAsThemselves(const char *p, int n)
{
    const Tables &t = tables();
    for (int i = 0; i < n; ++i)
        if (t.byteKey[static_cast<unsigned char>(p[i])] != static_cast<unsigned char>(p[i]))
            return false;
    return true;
}

int compareWin1250Bytes(const char *s1, int n1, const char *s2, int n2)
{
    const Tables &t = tables();
    const int n = qMin(n1, n2);
    for (int i = 0; i < n; ++i) {
        if (s1[i] == s2[i])
            continue;
        const quint32 k1 = t.byteKey[static_cast<unsigned char>(s1[i])];
        const quint32 k2 = t.byteKey[static_cast<unsigned char>(s2[i])];
        if (k1 != k2)
            return k1 < k2 ? -1 : 1;
    }
    return n1 < n2 ? -1 : n1 > n2 ? 1 : 0;
}

} // namespace kovara::sqlcodec
