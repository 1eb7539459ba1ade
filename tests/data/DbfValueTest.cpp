#include "base/Error.h"
#include "engines/dbf/Dbf.h"

#include <QDate>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace kovara;
using dbf::Field;

namespace {

Field field(char type, int length, int decimals = 0)
{
    Field f;
    f.name = "CAMP";
    f.type = type;
    f.length = length;
    f.decimals = decimals;
    f.offset = 1;
    return f;
}

struct DecodeCase
{
    const char *what;
    char type;
    int length;
    int decimals;
    QByteArray bytes;
    QVariant expected; // invalid: null expected
};

const QList<DecodeCase> &decodeCases()
{
    static const QList<DecodeCase> cases = {
        {"blank text is null", 'C', 5, 0, "     ", {}},
        {"text keeps trailing blanks", 'C', 5, 0, "ab   ", QStringLiteral("ab   ")},
        {"text keeps leading blanks", 'C', 5, 0, "  ab ", QStringLiteral("  ab ")},
        {"text is Windows-1250", 'C', 5, 0, "\xe3\xe2\xee\xba\xfe", QStringLiteral("ăâîşţ")},
        {"NUL padding is blank", 'C', 3, 0, QByteArray(3, '\0'), {}},
        {"whole number", 'N', 6, 0, "   204", QVariant(qint64(204))},
        {"negative whole number", 'N', 5, 0, "  -12", QVariant(qint64(-12))},
        {"blank number is null", 'N', 6, 0, "      ", {}},
        {"number with decimals", 'N', 8, 2, "   12.50", QVariant(12.5)},
        {"negative with decimals", 'N', 8, 2, "   -0.75", QVariant(-0.75)},
        {"decimals field without point", 'N', 8, 2, "      12", QVariant(12.0)},
        {"fraction in whole field kept", 'N', 6, 0, "  12.5", QVariant(12.5)},
        {"leading point", 'N', 4, 1, "  .5", QVariant(0.5)},
        {"twenty digits", 'N', 20, 0, "99999999999999999999", QVariant(1e20)},
        {"overflow stars", 'N', 6, 0, "******", {}},
        {"inner blank", 'N', 6, 0, " 1 2  ", {}},
        {"letters", 'N', 6, 0, "   abc", {}},
        {"sign alone", 'N', 3, 0, "  -", {}},
        {"two points", 'N', 6, 2, " 1.2.3", {}},
        {"date", 'D', 8, 0, "20240229", QDate(2024, 2, 29)},
        {"date not in calendar", 'D', 8, 0, "20230229", {}},
        {"month 13", 'D', 8, 0, "20231301", {}},
        {"blank date", 'D', 8, 0, "        ", {}},
        {"zero date", 'D', 8, 0, "00000000", {}},
        {"date with letters", 'D', 8, 0, "2024AB01", {}},
        {"date cut short", 'D', 8, 0, "2024", {}},
        {"logical T", 'L', 1, 0, "T", true},
        {"logical y", 'L', 1, 0, "y", true},
        {"logical F", 'L', 1, 0, "F", false},
        {"logical n", 'L', 1, 0, "n", false},
        {"logical ?", 'L', 1, 0, "?", {}},
        {"logical blank", 'L', 1, 0, " ", {}},
        {"logical other", 'L', 1, 0, "X", {}},
    };
    return cases;
}

TEST(DbfDecode, TableOfCases)
{
    for (const DecodeCase &c : decodeCases()) {
        SCOPED_TRACE(c.what);
        const QVariant v = dbf::decodeField(field(c.type, c.length, c.decimals), c.bytes);
        if (!c.expected.isValid()) {
            EXPECT_FALSE(v.isValid()) << v.toString().toStdString();
            continue;
        }
        EXPECT_EQ(v.typeId(), c.expected.typeId());
        EXPECT_EQ(v, c.expected) << v.toString().toStdString();
    }
}

TEST(DbfDecode, FieldBytesStayInsideTheRecord)
{
    Field f = field('C', 4);
    f.offset = 3;
    const QByteArray record = " abCDEFgh";
    EXPECT_EQ(dbf::fieldBytes(f, record), QByteArrayView("CDEF"));
    EXPECT_EQ(dbf::fieldBytes(f, QByteArrayView(record)), QByteArrayView("CDEF"));
    EXPECT_TRUE(dbf::fieldBytes(f, QByteArray(" abCD")).isEmpty()); // record too short
}

struct EncodeCase
{
    const char *what;
    char type;
    int length;
    int decimals;
    QVariant value;
    QByteArray expected; // empty: kovara::Error expected
};

const QList<EncodeCase> &encodeCases()
{
    static const QList<EncodeCase> cases = {
        {"text padded", 'C', 5, 0, QStringLiteral("ab"), "ab   "},
        {"text cut", 'C', 3, 0, QStringLiteral("abcdef"), "abc"},
        {"text leading blanks kept", 'C', 5, 0, QStringLiteral(" ab"), " ab  "},
        {"text Windows-1250", 'C', 6, 0, QStringLiteral("ăşţ"), "\xe3\xba\xfe   "},
        {"comma below as cedilla", 'C', 2, 0, QStringLiteral("șȚ"), "\xba\xde"},
        {"null text", 'C', 4, 0, QVariant(), "    "},
        {"whole number", 'N', 6, 0, 204, "   204"},
        {"negative number", 'N', 6, 0, -12, "   -12"},
        {"number fills the field", 'N', 3, 0, 999, "999"},
        {"decimals", 'N', 8, 2, 12.5, "   12.50"},
        {"negative decimals", 'N', 8, 2, -3.25, "   -3.25"},
        {"rounded to zero has no sign", 'N', 8, 2, -0.001, "    0.00"},
        {"integer into decimals", 'N', 8, 2, qint64(7), "    7.00"},
        {"double rounded", 'N', 6, 0, 2.6, "     3"},
        {"large integer exact", 'N', 19, 0, qint64(1234567890123456789), "1234567890123456789"},
        {"number text", 'N', 6, 0, QStringLiteral(" 42 "), "    42"},
        {"decimal text", 'N', 7, 1, QStringLiteral("3.14"), "    3.1"},
        {"empty text is blank", 'N', 6, 0, QStringLiteral(""), "      "},
        {"null number", 'N', 6, 0, QVariant(), "      "},
        {"too wide", 'N', 4, 0, 12345, ""},
        {"too wide negative", 'N', 3, 0, -100, ""},
        {"too wide with decimals", 'N', 5, 2, 123.45, ""},
        {"huge double", 'N', 20, 0, 1e300, ""},
        {"not a number text", 'N', 6, 0, QStringLiteral("abc"), ""},
        {"NaN", 'N', 6, 0, std::numeric_limits<double>::quiet_NaN(), ""},
        {"date", 'D', 8, 0, QDate(2024, 2, 29), "20240229"},
        {"invalid date is blank", 'D', 8, 0, QDate(), "        "},
        {"date text day first", 'D', 8, 0, QStringLiteral("01.03.2025"), "20250301"},
        {"date text ISO", 'D', 8, 0, QStringLiteral("2025-03-01"), "20250301"},
        {"date text wrong", 'D', 8, 0, QStringLiteral("31.02.2025"), ""},
        {"date year too large", 'D', 8, 0, QDate(12000, 1, 1), ""},
        {"logical true", 'L', 1, 0, true, "T"},
        {"logical false", 'L', 1, 0, false, "F"},
        {"logical null", 'L', 1, 0, QVariant(), " "},
        {"logical text", 'L', 1, 0, QStringLiteral("DA"), "T"},
        {"logical wrong text", 'L', 1, 0, QStringLiteral("poate"), ""},
    };
    return cases;
}

TEST(DbfEncode, TableOfCases)
{
    for (const EncodeCase &c : encodeCases()) {
        SCOPED_TRACE(c.what);
        const Field f = field(c.type, c.length, c.decimals);
        // A guard byte on both sides shows a write outside the field.
        QByteArray record = "#" + QByteArray(c.length, '?') + "#";
        const QByteArray before = record;
        if (c.expected.isEmpty()) {
            EXPECT_THROW(dbf::encodeField(f, c.value, record), Error);
            EXPECT_EQ(record, before) << "a failed write must leave the record as it was";
            continue;
        }
        dbf::encodeField(f, c.value, record);
        EXPECT_EQ(record, "#" + c.expected + "#");
    }
}

TEST(DbfEncode, ValuesReadBackUnchanged)
{
    const struct
    {
        Field f;
        QVariant value;
    } cases[] = {
        {field('C', 10), QStringLiteral("Ştefan ţ  ")},
        {field('N', 10), QVariant(qint64(-123456789))},
        {field('N', 12, 3), QVariant(-98765.432)},
        {field('D', 8), QDate(1999, 12, 31)},
        {field('L', 1), false},
    };
    for (const auto &c : cases) {
        QByteArray record(1 + c.f.length, ' ');
        dbf::encodeField(c.f, c.value, record);
        EXPECT_EQ(dbf::decodeField(c.f, dbf::fieldBytes(c.f, record)), c.value) << c.f.type;
    }
}

TEST(DbfEncode, RecordTooShortFails)
{
    QByteArray record(3, ' ');
    EXPECT_THROW(dbf::encodeField(field('C', 5), QStringLiteral("a"), record), Error);
    EXPECT_EQ(record, QByteArray(3, ' '));
}

} // namespace
