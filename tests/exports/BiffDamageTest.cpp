// Damaged and foreign files are refused with a message that names the file
// and says what is wrong; nothing is left open.

#include "TestSupport.h"
#include "base/Error.h"
#include "engines/workbook/BiffRecords.h"
#include "engines/workbook/BiffWorkbook.h"
#include "engines/workbook/CompoundFile.h"

#include <functional>
#include <gtest/gtest.h>

using namespace kovara;
using kovara::test::readAll;

namespace {

QByteArray cellsFile()
{
    return readAll(kovara::test::sourcePath(QStringLiteral("tests/exports/fixtures/cells.xls")));
}

QByteArray cellsStream()
{
    biff::CompoundNode root = biff::ReadCompoundFile(cellsFile(), QStringLiteral("cells.xls"));
    return biff::FindStream(root, QStringLiteral("Workbook"))->data;
}

// A compound file holding one stream.
QByteArray compoundWith(const QString &name, const QByteArray &data)
{
    biff::CompoundNode root;
    root.storage = true;
    root.children.push_back(biff::CompoundNode{name, false, data, {}, {}});
    return biff::WriteCompoundFile(root);
}

// The stream with the BOF records saying BIFF5 (version 0x0500).
QByteArray asBiff5(QByteArray stream)
{
    biff::set16(stream, 4, 0x0500);
    return stream;
}

struct DamageCase
{
    const char *name;
    std::function<QByteArray()> file;
    const char *message; // a part of the message
};

const DamageCase kCases[] = {
    {"empty file", [] { return QByteArray(); }, "nu este un registru de calcul Excel"},
    {"text file", [] { return QByteArray("Nume,CNP\nPOP ION,1790101123456\n"); },
     "nu este un registru de calcul Excel"},
    {"truncated compound file", [] { return cellsFile().left(1536); }, "nu este un registru de calcul Excel"},
    {"compound file without Workbook stream",
     [] {
         return readAll(kovara::test::sourcePath(QStringLiteral("tests/exports/fixtures/notaworkbook.doc")));
     },
     "lipseste fluxul Workbook"},
    {"BIFF5 Book stream", [] { return compoundWith(QStringLiteral("Book"), asBiff5(cellsStream())); },
     "Excel 5.0/95 (BIFF5)"},
    {"BIFF5 in a Workbook stream",
     [] { return compoundWith(QStringLiteral("Workbook"), asBiff5(cellsStream())); }, "Excel 5.0/95 (BIFF5)"},
    {"Workbook stream cut inside a record",
     [] { return compoundWith(QStringLiteral("Workbook"), cellsStream().left(2100)); }, "este deteriorat"},
    {"Workbook stream cut after the globals",
     [] { return compoundWith(QStringLiteral("Workbook"), cellsStream().left(1579)); }, "este deteriorat"},
    {"Workbook stream of zeros",
     [] { return compoundWith(QStringLiteral("Workbook"), QByteArray(4096, '\0')); }, "este deteriorat"},
    {"text cell shorter than its text (found by the fuzz target)",
     [] {
         return compoundWith(
             QStringLiteral("Workbook"),
             readAll(kovara::test::sourcePath(QStringLiteral("fuzz/corpus/workbook/label-cut.stream"))));
     },
     "este deteriorat"},
    {"sheet position pointing nowhere",
     [] {
         QByteArray s = cellsStream();
         const qsizetype at = s.indexOf(QByteArray("\x85\x00", 2));
         biff::set32(s, at + 4, 12345);
         return compoundWith(QStringLiteral("Workbook"), s);
     },
     "este deteriorat"},
};

class DamagedFiles : public ::testing::TestWithParam<DamageCase>
{
};

TEST_P(DamagedFiles, AreRefusedWithAClearMessage)
{
    const DamageCase &c = GetParam();
    kovara::test::ScratchDir dir;
    const QString path = dir.file("primit.xls");
    kovara::test::writeAll(path, c.file());
    BiffWorkbook book;
    try {
        book.OpenWorkbook(path);
        ADD_FAILURE() << "opened";
    } catch (const Error &e) {
        EXPECT_TRUE(e.message().contains(QString::fromUtf8(c.message))) << e.message().toStdString();
        EXPECT_TRUE(e.message().contains(QStringLiteral("primit.xls"))) << e.message().toStdString();
    }
    EXPECT_FALSE(book.isOpen());
}

INSTANTIATE_TEST_SUITE_P(Cases, DamagedFiles, ::testing::ValuesIn(kCases), [](const auto &info) {
    std::string name;
    for (const char *p = info.param.name; *p; ++p)
        name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
    return name;
});

TEST(DamagedFiles, AMissingFileIsNamed)
{
    BiffWorkbook book;
    try {
        book.OpenWorkbook(QStringLiteral("/nu/exista/Exp0.xls"));
        ADD_FAILURE() << "opened";
    } catch (const Error &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("Exp0.xls"))) << e.message().toStdString();
    }
}

// Every prefix of a sound stream is either read or refused: never a crash.
TEST(DamagedFiles, EveryCutOfTheStreamIsReadOrRefused)
{
    const QByteArray stream = cellsStream();
    for (qsizetype n = 0; n < stream.size(); n += 7) {
        BiffWorkbook book;
        try {
            book.openStream(stream.left(n), QStringLiteral("taiat.xls"));
            book.LastRow();
            book.workbookStream();
        } catch (const Error &) {
        }
    }
}

} // namespace
