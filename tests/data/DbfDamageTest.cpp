#include "base/Error.h"
#include "engines/dbf/Dbf.h"

#include "DbfTestSupport.h"
#include "TestSupport.h"

#include <QDir>
#include <functional>
#include <gtest/gtest.h>

using namespace kovara;
using namespace kovara::test;

namespace {

// A sound table of 4 records: NAME C(12), NR N(6,0), SUMA N(9,2), DATA D, OK L.
// Header 193 bytes, records 37 bytes.
QByteArray soundTable(const ScratchDir &dir)
{
    const QString path = dir.file(QStringLiteral("model.dbf"));
    makeTable(path, sampleFields(),
              {{QStringLiteral("unu"), 1},
               {QStringLiteral("doi"), 2},
               {QStringLiteral("trei"), 3},
               {QStringLiteral("patru"), 4}});
    return readAll(path);
}

void put16(QByteArray &b, int at, int v)
{
    b[at] = char(v & 0xFF);
    b[at + 1] = char((v >> 8) & 0xFF);
}

void put32(QByteArray &b, int at, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = char((v >> (8 * i)) & 0xFF);
}

constexpr int kHeader = 193;
constexpr int kDesc = 32;  // first descriptor
constexpr int kNr = 64;    // descriptor of NR
constexpr int kData = 128; // descriptor of DATA

struct Damage
{
    const char *what;
    std::function<void(QByteArray &)> apply;
    const char *says; // part of the message
};

const QList<Damage> &damages()
{
    static const QList<Damage> list = {
        {"empty file", [](QByteArray &b) { b.clear(); }, "32"},
        {"shorter than 32 bytes", [](QByteArray &b) { b.truncate(31); }, "32"},
        {"only the fixed header", [](QByteArray &b) { b.truncate(32); }, "depaseste"},
        {"unknown version", [](QByteArray &b) { b[0] = 0x02; }, "versiune"},
        {"dBase 7 layout", [](QByteArray &b) { b[0] = 0x04; }, "versiune"},
        {"header longer than file", [](QByteArray &b) { put16(b, 8, int(b.size()) + 10); }, "depaseste"},
        {"header too small", [](QByteArray &b) { put16(b, 8, 40); }, "prea mica"},
        {"terminator missing", [](QByteArray &b) { b[kHeader - 1] = 'X'; }, "0x0D"},
        {"header counts a field less", [](QByteArray &b) { put16(b, 8, kHeader - 32); }, "0x0D"},
        {"header counts a field more", [](QByteArray &b) { put16(b, 8, kHeader + 32); },
         "lungimea antetului"},
        {"header off by a few bytes", [](QByteArray &b) { put16(b, 8, kHeader + 5); }, "lungimea antetului"},
        {"record length too large", [](QByteArray &b) { put16(b, 10, 38); }, "lungimea inregistrarii"},
        {"record length zero", [](QByteArray &b) { put16(b, 10, 0); }, "lungimea inregistrarii"},
        {"field of width 0", [](QByteArray &b) { b[kDesc + 16] = 0; }, "latimea"},
        {"number wider than 20", [](QByteArray &b) { b[kNr + 16] = 25; }, "latimea"},
        {"decimals as wide as the number", [](QByteArray &b) { b[kNr + 17] = 6; }, "zecimale"},
        {"date of 7 bytes", [](QByteArray &b) { b[kData + 16] = 7; }, "latimea"},
        {"unknown field type", [](QByteArray &b) { b[kNr + 11] = 'X'; }, "tipul"},
        {"field without name", [](QByteArray &b) { b[kNr] = 0; }, "nu are nume"},
        {"name with a control byte", [](QByteArray &b) { b[kNr + 1] = 0x07; }, "numele campului"},
        {"count larger than data", [](QByteArray &b) { put32(b, 4, 5); }, "trunchiat"},
        {"absurd count", [](QByteArray &b) { put32(b, 4, 0xFFFFFFFFu); }, "trunchiat"},
        {"last record cut short", [](QByteArray &b) { b.chop(10); }, "trunchiat"},
        {"no field at all",
         [](QByteArray &b) {
             b = b.left(32) + '\x0d' + b.mid(kHeader);
             put16(b, 8, 33);
         },
         "prea mica"},
    };
    return list;
}

TEST(DbfDamage, DamagedFilesFailClearly)
{
    ScratchDir dir;
    const QByteArray sound = soundTable(dir);
    const QString path = dir.file(QStringLiteral("stricat.dbf"));
    for (const Damage &d : damages()) {
        SCOPED_TRACE(d.what);
        QByteArray bytes = sound;
        d.apply(bytes);
        writeAll(path, bytes);
        for (dbf::Mode mode : {dbf::Mode::ReadOnly, dbf::Mode::ReadWrite}) {
            try {
                dbf::Table::open(path, mode);
                ADD_FAILURE() << "opened";
            } catch (const Error &e) {
                EXPECT_TRUE(e.message().contains(QDir::toNativeSeparators(path))) << e.what();
                EXPECT_TRUE(e.message().contains(QLatin1String(d.says))) << e.what();
            }
        }
        EXPECT_EQ(readAll(path), bytes) << "a failed open must not touch the file";
    }
}

struct Tolerated
{
    const char *what;
    std::function<void(QByteArray &)> apply;
    qint64 count;
};

TEST(DbfDamage, HarmlessOddsAreTolerated)
{
    ScratchDir dir;
    const QByteArray sound = soundTable(dir);
    const QString path = dir.file(QStringLiteral("vechi.dbf"));
    const QList<Tolerated> cases = {
        {"no end mark", [](QByteArray &b) { b.chop(1); }, 4},
        {"count smaller than data", [](QByteArray &b) { put32(b, 4, 3); }, 3},
        {"garbage after the end mark", [](QByteArray &b) { b += "xyz"; }, 4},
        {"a pad byte after 0x0D",
         [](QByteArray &b) {
             b.insert(kHeader, '\0');
             put16(b, 8, kHeader + 1);
         },
         4},
        {"dBase III with memo, lower-case type",
         [](QByteArray &b) {
             b[0] = char(0x83);
             b[kDesc + 11] = 'c';
         },
         4},
        {"FoxPro float field", [](QByteArray &b) { b[kNr + 11] = 'F'; }, 4},
        {"garbage after the field name", [](QByteArray &b) { b[kNr + 4] = 'Z'; }, 4},
    };
    for (const Tolerated &c : cases) {
        SCOPED_TRACE(c.what);
        QByteArray bytes = sound;
        c.apply(bytes);
        writeAll(path, bytes);
        auto table = dbf::Table::open(path);
        ASSERT_EQ(table->recordCount(), c.count);
        ASSERT_EQ(table->fields().size(), 5);
        EXPECT_EQ(table->fields()[1].name, "NR");
        EXPECT_EQ(table->fields()[1].type, 'N');
        const QByteArray block = table->readRecords(0, c.count);
        for (qint64 i = 0; i < c.count; ++i) {
            const QByteArray record = block.mid(i * table->recordLength(), table->recordLength());
            const dbf::Field &nr = table->fields()[1];
            EXPECT_EQ(dbf::decodeField(nr, dbf::fieldBytes(nr, record)), QVariant(i + 1));
        }
    }
}

TEST(DbfDamage, ExoticVersionsOpenOnlyForReading)
{
    ScratchDir dir;
    QByteArray bytes = soundTable(dir);
    bytes[0] = char(0xF5); // FoxPro 2
    const QString path = dir.file(QStringLiteral("fox.dbf"));
    writeAll(path, bytes);
    EXPECT_EQ(dbf::Table::open(path)->recordCount(), 4);
    EXPECT_THROW(dbf::Table::open(path, dbf::Mode::ReadWrite), Error);
    EXPECT_EQ(readAll(path), bytes);
}

} // namespace
