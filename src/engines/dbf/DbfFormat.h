#pragma once

// The layout of a dBase III file, shared by the table, pack and add-column
// code. Not part of the module's interface.

#include "engines/dbf/Dbf.h"

#include <QByteArray>
#include <QDate>
#include <QIODevice>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace kovara::dbf::detail {

constexpr int kPrefixLength = 32;     // fixed part of the header
constexpr int kDescriptorLength = 32; // one field descriptor
constexpr char kHeaderEnd = 0x0D;     // after the last descriptor
constexpr char kEndOfFile = 0x1A;     // after the last record
constexpr int kMaxFields = 255;
constexpr int kFoxProBackLink = 263; // bytes after 0x0D in Visual FoxPro tables

// Header offsets.
constexpr int kOffVersion = 0;
constexpr int kOffDate = 1;
constexpr int kOffCount = 4;
constexpr int kOffHeaderLength = 8;
constexpr int kOffRecordLength = 10;
constexpr int kOffLanguage = 29;

struct Header
{
    QByteArray bytes; // the whole header as found, terminator and trailer included
    std::uint8_t version = 0x03;
    qint64 recordCount = 0;
    int headerLength = 0;
    int recordLength = 0;
    int terminatorAt = 0; // position of the 0x0D byte
    QList<Field> fields;
};

// Reads and checks the header of `file` (an open file). `fileSize` is the
// size of the whole file. Throws kovara::Error naming `path` for damage.
// A header that counts more records than the file holds whole (a table cut
// short) throws, unless `shortBy` is given: then it receives how many of the
// counted records are missing and the header is returned.
Header readHeader(const QString &path, QIODevice &file, qint64 fileSize, qint64 *shortBy = nullptr);

// Faults of a table whose header reads well but whose records do not sit
// where the header says: whole records beyond the header's count, bytes
// left after the last record, records that do not start
// with a deletion flag (a header length one byte off shifts every record).
// Empty for a sound table; a missing end mark alone is no fault. A table with any of these is never written.
struct Layout
{
    bool shifted = false;  // header length one byte too long
    bool badFlags = false; // first or last record without a deletion flag
    qint64 beyond = 0;     // whole records after the header's count
    qint64 dataEnd = 0;    // after the last whole record, those beyond included
    bool endMark = false;  // 0x1A at dataEnd
    qint64 extra = 0;      // bytes after dataEnd and its end mark
    QStringList faults;    // the texts, in the order above
    // Whether repair() can mend the faults: not when the records' places
    // are in doubt.
    bool repairable() const { return !shifted && !badFlags; }
};
Layout inspectLayout(const Header &header, QIODevice &file, qint64 fileSize);

// The records among the first `records` whose first byte is neither ' ' nor
// '*' (read in blocks, the flags only); the first of them in `*first`.
qint64 countBadFlags(const Header &header, QIODevice &file, qint64 records, qint64 *first = nullptr);

// True for a version byte whose layout matches dBase III.
bool knownVersion(std::uint8_t version);
// True for the versions this module also writes.
bool writableVersion(std::uint8_t version);

// Checks a field definition for a new table or a new column and returns it
// with the name in upper case and the fixed widths filled in.
FieldDef checkedDefinition(const FieldDef &def);

// The 32 bytes describing a field.
QByteArray descriptor(const FieldDef &def);

// Little-endian helpers.
inline quint32 getU32(const char *p)
{
    const auto *u = reinterpret_cast<const unsigned char *>(p);
    return quint32(u[0]) | quint32(u[1]) << 8 | quint32(u[2]) << 16 | quint32(u[3]) << 24;
}
inline quint16 getU16(const char *p)
{
    const auto *u = reinterpret_cast<const unsigned char *>(p);
    return quint16(u[0] | u[1] << 8);
}
void putU32(char *p, quint32 value);
void putU16(char *p, quint16 value);

// Stamps the last-update date (YY since 1900, MM, DD) into a header.
void stampDate(char *header, QDate date = QDate::currentDate());

// "Fisierul <path> nu este un tabel dBase valid: <detail>."
QString damaged(const QString &path, const QString &detail);

} // namespace kovara::dbf::detail
