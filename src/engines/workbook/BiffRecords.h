#pragma once

// The records of a BIFF8 workbook stream: a 2-byte type, a 2-byte length
// and the data. Helpers to read and write little-endian values and the
// strings stored in records.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

namespace kovara::biff {

namespace rt {
constexpr quint16 Formula = 0x0006, Eof = 0x000A, Continue = 0x003C, Filepass = 0x002F, BoundSheet = 0x0085,
                  MulRk = 0x00BD, MulBlank = 0x00BE, Rstring = 0x00D6, DbCell = 0x00D7, Xf = 0x00E0,
                  MergedCells = 0x00E5, Sst = 0x00FC, LabelSst = 0x00FD, ExtSst = 0x00FF, Dimensions = 0x0200,
                  Blank = 0x0201, Number = 0x0203, Label = 0x0204, BoolErr = 0x0205, String = 0x0207,
                  Row = 0x0208, Index = 0x020B, Array = 0x0221, Table = 0x0236, Window2 = 0x023E, Rk = 0x027E,
                  Format = 0x041E, ShrFmla = 0x04BC, Bof = 0x0809;
}

// The largest data of one record.
constexpr int kMaxRecordData = 8224;

struct Record
{
    quint16 type = 0;
    QByteArray data;
};

// Raised for bytes that are not a sound record structure; the caller turns it
// into a message that names the file.
struct Damaged
{
    const char *what;
};

inline void need(const QByteArray &data, qsizetype size, const char *what = "record")
{
    if (data.size() < size)
        throw Damaged{what};
}

inline quint16 u16(const QByteArray &d, qsizetype at)
{
    return quint16(quint8(d[at]) | quint8(d[at + 1]) << 8);
}
inline quint32 u32(const QByteArray &d, qsizetype at)
{
    return quint32(u16(d, at)) | quint32(u16(d, at + 2)) << 16;
}
double f64(const QByteArray &d, qsizetype at);

inline void set16(QByteArray &d, qsizetype at, quint16 v)
{
    d[at] = char(v & 0xFF);
    d[at + 1] = char(v >> 8);
}
inline void set32(QByteArray &d, qsizetype at, quint32 v)
{
    set16(d, at, quint16(v & 0xFFFF));
    set16(d, at + 2, quint16(v >> 16));
}
inline void add16(QByteArray &d, quint16 v)
{
    d.append(char(v & 0xFF));
    d.append(char(v >> 8));
}
inline void add32(QByteArray &d, quint32 v)
{
    add16(d, quint16(v & 0xFFFF));
    add16(d, quint16(v >> 16));
}
void addF64(QByteArray &d, double v);

// Appends one record (header and data) to a stream.
void appendRecord(QByteArray &stream, quint16 type, const QByteArray &data);

// The record starting at `pos` of `stream`; `pos` moves past it. Fails
// (Damaged) when the record runs past the end.
Record readRecord(const QByteArray &stream, qsizetype &pos);

// An RK value's number.
double rkValue(quint32 rk);
// The RK form of a whole number of 30 bits; false when it does not fit.
bool rkFromInteger(qint64 value, quint32 &rk);

// A string with a 2-byte (or, `shortLength`, 1-byte) character count at
// `at`, flags and characters, as in LABEL, STRING and FORMAT records.
QString readUnicodeString(const QByteArray &d, qsizetype at, bool shortLength = false);

} // namespace kovara::biff
