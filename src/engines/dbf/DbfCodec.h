#pragma once

// Fast conversions between the raw bytes of dBase fields and the values the
// SQL engine works with. Used on every row of a scan, so nothing here builds
// a QString or a QVariant.

#include <QtGlobal>
#include <string>

namespace kovara::sqlcodec {

enum class Kind : quint8 { Text, Integer, Real, Date, Logical };

// Number of bytes left once trailing blanks (and NUL padding) are removed.
int trimmedLength(const char *p, int n);

// True when every byte is a blank (or NUL): the empty value.
inline bool isBlank(const char *p, int n)
{
    return trimmedLength(p, n) == 0;
}

// A whole number written with optional blanks around it and an optional
// sign. False for blanks or anything else.
bool parseInteger(const char *p, int n, qint64 &out);
// A decimal number ('.' as separator), independent of the locale.
bool parseReal(const char *p, int n, double &out);
// YYYYMMDD of a real calendar day, as the number yyyymmdd.
bool parseDate(const char *p, int n, int &yyyymmdd);
// ISO text YYYY-MM-DD (also YYYYMMDD and dd.MM.yyyy) to yyyymmdd.
bool parseIsoDate(const char *p, int n, int &yyyymmdd);
// Writes yyyymmdd as "YYYY-MM-DD" into out (10 bytes, no terminator).
void formatIsoDate(int yyyymmdd, char *out);
// T/t/Y/y -> 1, F/f/N/n -> 0, anything else -> -1 (null).
int logicalValue(char c);

// Appends the UTF-8 form of Windows-1250 bytes. Pure ASCII is copied as is.
void win1250ToUtf8(const char *p, int n, std::string &out);
// True when no byte has the high bit set.
bool isAscii(const char *p, int n);

// The "WIN1250" collation: texts (UTF-8) ordered by their Windows-1250
// bytes. Characters the code page lacks sort after every byte, by code point.
int compareWin1250(int n1, const void *s1, int n2, const void *s2);
// The same order over Windows-1250 bytes (as stored in a file).
int compareWin1250Bytes(const char *s1, int n1, const char *s2, int n2);
// True when plain byte order gives that order for these bytes (true unless
// they hold one of the few bytes the code page leaves undefined).
bool bytesSortAsThemselves(const char *p, int n);

} // namespace kovara::sqlcodec
