#include "engines/workbook/BiffRecords.h"

#include <cstring>

namespace kovara::biff {

double f64(const QByteArray &d, qsizetype at)
{
    quint64 bits = quint64(u32(d, at)) | quint64(u32(d, at + 4)) << 32;
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

void addF64(QByteArray &d, double v)
{
    quint64 bits;
    std::memcpy(&bits, &v, sizeof v);
    add32(d, quint32(bits & 0xFFFFFFFFu));
    add32(d, quint32(bits >> 32));
}

void appendRecord(QByteArray &stream, quint16 type, const QByteArray &data)
{
    add16(stream, type);
    add16(stream, quint16(data.size()));
    stream.append(data);
}

Record readRecord(const QByteArray &stream, qsizetype &pos)
{
    if (stream.size() - pos < 4)
        throw Damaged{"record header"};
    Record r;
    r.type = u16(stream, pos);
    const quint16 length = u16(stream, pos + 2);
    if (stream.size() - pos - 4 < length)
        throw Damaged{"record data"};
    r.data = stream.mid(pos + 4, length);
    pos += 4 + length;
    return r;
}

double rkValue(quint32 rk)
{
    double v;
    if (rk & 2) {
        v = double(qint32(rk) >> 2);
    } else {
        const quint64 bits = quint64(rk & 0xFFFFFFFCu) << 32;
        std::memcpy(&v, &bits, sizeof v);
    }
    return (rk & 1) ? v / 100 : v;
}

bool rkFromInteger(qint64 value, quint32 &rk)
{
    if (value < -(qint64(1) << 29) || value >= (qint64(1) << 29))
        return false;
    rk = (quint32(qint32(value)) << 2) | 2;
    return true;
}

QString readUnicodeString(const QByteArray &d, qsizetype at, bool shortLength)
{
    const int lengthSize = shortLength ? 1 : 2;
    need(d, at + lengthSize + 1, "string");
    const int cch = shortLength ? quint8(d[at]) : u16(d, at);
    const quint8 flags = quint8(d[at + lengthSize]);
    qsizetype p = at + lengthSize + 1;
    if (flags & 0x08)
        p += 2; // count of formatting runs
    if (flags & 0x04)
        p += 4; // size of the phonetic data
    QString s;
    if (flags & 0x01) {
        need(d, p + 2 * qsizetype(cch), "string");
        s.resize(cch);
        for (int i = 0; i < cch; ++i)
            s[i] = QChar(u16(d, p + 2 * i));
    } else {
        need(d, p + cch, "string");
        s.resize(cch);
        for (int i = 0; i < cch; ++i)
            s[i] = QChar(quint8(d[p + i]));
    }
    return s;
}

} // namespace kovara::biff
