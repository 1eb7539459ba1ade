// Conversions between the bytes of a field and a value.

#include "engines/dbf/Dbf.h"

#include "base/Dates.h"
#include "base/Error.h"
#include "base/Win1250.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace kovara::dbf {
namespace {

bool isBlank(QByteArrayView bytes)
{
    for (char c : bytes) {
        if (c != ' ' && c != '\0')
            return false;
    }
    return true;
}

QVariant decodeNumber(const Field &field, QByteArrayView bytes)
{
    const char *b = bytes.data();
    const char *e = b + bytes.size();
    while (b < e && (*b == ' ' || *b == '\0'))
        ++b;
    while (e > b && (e[-1] == ' ' || e[-1] == '\0'))
        --e;
    if (b == e)
        return {};
    const char *digits = (*b == '-' || *b == '+') ? b + 1 : b;
    bool point = false;
    int count = 0;
    for (const char *p = digits; p < e; ++p) {
        if (*p >= '0' && *p <= '9')
            ++count;
        else if (*p == '.' && !point)
            point = true;
        else
            return {}; // "*****" overflow marks, inner blanks, letters
    }
    if (count == 0)
        return {};
    if (!point && count <= 18) {
        qint64 v = 0;
        for (const char *p = digits; p < e; ++p)
            v = v * 10 + (*p - '0');
        if (*b == '-')
            v = -v;
        if (field.decimals > 0)
            return double(v);
        return v;
    }
    double v = 0;
    const auto [ptr, ec] = std::from_chars(digits, e, v, std::chars_format::fixed);
    if (ec != std::errc() || ptr != e)
        return {};
    return *b == '-' ? -v : v;
}

QVariant decodeDate(QByteArrayView bytes)
{
    if (bytes.size() != 8)
        return {};
    int parts[3] = {0, 0, 0};
    const int widths[3] = {4, 2, 2};
    int at = 0;
    for (int i = 0; i < 3; ++i) {
        for (int k = 0; k < widths[i]; ++k, ++at) {
            const char c = bytes[at];
            if (c < '0' || c > '9')
                return {};
            parts[i] = parts[i] * 10 + (c - '0');
        }
    }
    const QDate date(parts[0], parts[1], parts[2]);
    return date.isValid() ? QVariant(date) : QVariant();
}

QVariant decodeLogical(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return {};
    switch (bytes[0]) {
    case 'T':
    case 't':
    case 'Y':
    case 'y':
        return true;
    case 'F':
    case 'f':
    case 'N':
    case 'n':
        return false;
    default:
        return {};
    }
}

void fill(char *dst, QByteArrayView text, int width)
{
    const qsizetype n = std::min<qsizetype>(text.size(), width);
    if (n > 0)
        std::memcpy(dst, text.data(), size_t(n));
    std::memset(dst + n, ' ', size_t(width - n));
}

[[noreturn]] void tooWide(const Field &field, const QByteArray &text)
{
    throw Error(QStringLiteral("Valoarea %1 nu incape in campul %2 (N(%3,%4)).")
                    .arg(QString::fromLatin1(text), QString::fromLatin1(field.name))
                    .arg(field.length)
                    .arg(field.decimals));
}

QByteArray formatInteger(const Field &field, qint64 v)
{
    QByteArray text = QByteArray::number(v);
    if (field.decimals > 0)
        text += '.' + QByteArray(field.decimals, '0');
    return text;
}

QByteArray formatDouble(const Field &field, double v)
{
    if (!std::isfinite(v))
        throw Error(QStringLiteral("Campul %1 nu poate primi o valoare care nu este un numar.")
                        .arg(QString::fromLatin1(field.name)));
    if (std::fabs(v) >= 1e21)
        tooWide(field, QByteArray::number(v, 'g', 17));
    char buf[64];
    const int n = std::snprintf(buf, sizeof buf, "%.*f", field.decimals, v);
    QByteArray text(buf, n);
    if (text.startsWith('-') && text.count('0') == text.size() - 1 - (field.decimals > 0 ? 1 : 0))
        text.remove(0, 1); // "-0.00" after rounding
    return text;
}

QByteArray numberText(const Field &field, const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::Long:
    case QMetaType::UInt:
    case QMetaType::UShort:
    case QMetaType::ULong:
        return formatInteger(field, value.toLongLong());
    case QMetaType::ULongLong:
        if (value.toULongLong() > quint64(std::numeric_limits<qint64>::max()))
            tooWide(field, QByteArray::number(value.toULongLong()));
        return formatInteger(field, value.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return formatDouble(field, value.toDouble());
    default:
        break;
    }
    const QString s = value.toString().trimmed();
    if (s.isEmpty() && (value.typeId() == QMetaType::QString || value.typeId() == QMetaType::QByteArray))
        return {};
    bool ok = false;
    const qint64 i = s.toLongLong(&ok);
    if (ok)
        return formatInteger(field, i);
    const double dv = s.toDouble(&ok);
    if (ok)
        return formatDouble(field, dv);
    throw Error(QStringLiteral("Valoarea \"%1\" nu este un numar (campul %2).")
                    .arg(s, QString::fromLatin1(field.name)));
}

QByteArray dateText(const Field &field, const QVariant &value)
{
    QDate date;
    if (value.typeId() == QMetaType::QDate || value.typeId() == QMetaType::QDateTime) {
        date = value.toDate();
        if (!date.isValid())
            return {};
    } else {
        const QString s = value.toString().trimmed();
        if (s.isEmpty())
            return {};
        date = ParseDate(s);
        for (const char *format : {"yyyy-MM-dd", "yyyyMMdd"}) {
            if (date.isValid())
                break;
            date = QDate::fromString(s, QLatin1String(format));
            if (date.isValid())
                break;
        }
        if (!date.isValid())
            throw Error(QStringLiteral("Valoarea \"%1\" nu este o data (campul %2).")
                            .arg(s, QString::fromLatin1(field.name)));
    }
    if (date.year() < 1 || date.year() > 9999)
        throw Error(QStringLiteral("Data %1 nu poate fi scrisa in campul %2.")
                        .arg(date.toString(Qt::ISODate), QString::fromLatin1(field.name)));
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d%02d%02d", date.year(), date.month(), date.day());
    return QByteArray(buf, 8);
}

QByteArray logicalText(const Field &field, const QVariant &value)
{
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? "T" : "F";
    if (value.typeId() == QMetaType::Int || value.typeId() == QMetaType::LongLong)
        return value.toLongLong() != 0 ? "T" : "F";
    const QString s = value.toString().trimmed().toUpper();
    if (s.isEmpty() || s == QLatin1String("?"))
        return {};
    if (s == QLatin1String("T") || s == QLatin1String("Y") || s == QLatin1String("TRUE") ||
        s == QLatin1String("DA"))
        return "T";
    if (s == QLatin1String("F") || s == QLatin1String("N") || s == QLatin1String("FALSE") ||
        s == QLatin1String("NU"))
        return "F";
    throw Error(QStringLiteral("Valoarea \"%1\" nu este logica (campul %2).")
                    .arg(value.toString(), QString::fromLatin1(field.name)));
}

} // namespace

QByteArrayView fieldBytes(const Field &field, QByteArrayView record)
{
    if (field.offset < 1 || field.length < 1 || record.size() < qsizetype(field.offset) + field.length)
        return {};
    return record.sliced(field.offset, field.length);
}

QByteArrayView fieldBytes(const Field &field, const QByteArray &record)
{
    return fieldBytes(field, QByteArrayView(record));
}

QVariant decodeField(const Field &field, QByteArrayView bytes)
{
    switch (field.type) {
    case 'C':
        return isBlank(bytes) ? QVariant() : QVariant(fromWin1250(bytes));
    case 'N':
    case 'F':
        return decodeNumber(field, bytes);
    case 'D':
        return decodeDate(bytes);
    case 'L':
        return decodeLogical(bytes);
    default:
        return {}; // memo contents live in another file
    }
}

void encodeField(const Field &field, const QVariant &value, QByteArray &record)
{
    if (field.offset < 1 || field.length < 1 || record.size() < qsizetype(field.offset) + field.length)
        throw Error(
            QStringLiteral("Inregistrarea nu cuprinde campul %1.").arg(QString::fromLatin1(field.name)));
    char *dst = record.data() + field.offset;
    const bool empty = !value.isValid() || value.isNull();
    QByteArray text;
    switch (field.type) {
    case 'C':
        if (!empty)
            text = toWin1250(value.toString());
        break;
    case 'N':
    case 'F':
        if (!empty)
            text = numberText(field, value);
        if (text.size() > field.length)
            tooWide(field, text);
        if (!text.isEmpty())
            text = QByteArray(field.length - text.size(), ' ') + text;
        break;
    case 'D':
        if (!empty)
            text = dateText(field, value);
        break;
    case 'L':
        if (!empty)
            text = logicalText(field, value);
        break;
    default:
        throw Error(QStringLiteral("Campul %1 de tip %2 nu poate fi scris.")
                        .arg(QString::fromLatin1(field.name), QChar::fromLatin1(field.type)));
    }
    fill(dst, text, field.length);
}

} // namespace kovara::dbf
