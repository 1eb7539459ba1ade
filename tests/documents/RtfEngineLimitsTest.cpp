// The template engine's cost and limits: a copy costs its size however many
// placeholders it holds, a document's size is known before it is written,
// and templates or documents past the limits are refused with nothing at
// the destination.

#include "TestSupport.h"
#include "base/Error.h"
#include "engines/rtf/RtfReplace.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace kovara;
using kovara::test::readAll;
using kovara::test::ScratchDir;
using kovara::test::writeAll;

namespace {

const QByteArray kHeader = "{\\rtf1\\ansi\\ansicpg1250\\deff0\r\n";

// Lowers the document limit for one test.
struct DocumentLimit
{
    explicit DocumentLimit(qint64 bytes) { RtfReplace::setDocumentLimit(bytes); }
    ~DocumentLimit() { RtfReplace::setDocumentLimit(0); }
};

QStringList filesIn(const ScratchDir &dir)
{
    return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// 100,000 placeholders on one line of a megabyte: the old search and
// replace over the whole line took seconds for each copy.
TEST(RtfLinear, AMegabyteLineOfPlaceholders)
{
    ScratchDir dir;
    QByteArray line;
    for (int i = 0; i < 100000; ++i)
        line += "[NRCERERE]";
    ASSERT_EQ(line.size(), 1000000);
    writeAll(dir.file("t.rtf"), kHeader + "\\pard " + line + "\\par\r\n}\r\n");
    QByteArray filled;
    for (int i = 0; i < 100000; ++i)
        filled += "1234";

    QElapsedTimer timer;
    timer.start();
    RtfReplace rtf;
    rtf.setSource(dir.file("t.rtf"));
    rtf.setDestination(dir.file("lines.rtf"));
    ASSERT_TRUE(rtf.beginDocument());
    rtf.addPair("[NRCERERE]", "1234");
    rtf.appendCopies(2);
    rtf.endDocument();
    const qint64 lineMode = timer.restart();
    EXPECT_EQ(readAll(dir.file("lines.rtf")),
              kHeader + "\\pard " + filled + "\\par\r\n\\page\r\n\\pard " + filled + "\\par\r\n}\r\n");

    rtf.setDestination(dir.file("whole.rtf"));
    rtf.addPair("[nrcerere]", "1234");
    rtf.writeWholeFile();
    const qint64 wholeFile = timer.elapsed();
    EXPECT_EQ(readAll(dir.file("whole.rtf")), kHeader + "\\pard " + filled + "\\par\r\n}\r\n");

    // Milliseconds in a build with optimizations; a wide margin for a debug
    // build on a busy machine.
    EXPECT_LT(lineMode, 2000);
    EXPECT_LT(wholeFile, 2000);
}

TEST(RtfKeys, OnlyPlaceholdersInBrackets)
{
    RtfReplace rtf;
    for (const char *key : {"NR", "[NR", "NR]", "[A[B]", "[A]B]", "x[NR]"})
        EXPECT_THROW(rtf.addPair(QString::fromLatin1(key), "1"), Error) << key;
    for (const char *key : {"[NR]", "[]", "[nume mic]", "[A{b}\\c]"})
        EXPECT_NO_THROW(rtf.addPair(QString::fromLatin1(key), "1")) << key;
    EXPECT_NO_THROW(rtf.addPair(QString(), "1")); // ignored, as it always was
}

// What documentBytes() and wholeFileBytes() say is what is written.
TEST(RtfSizes, KnownBeforeWriting)
{
    ScratchDir dir;
    writeAll(dir.file("t.rtf"), kHeader + "{\\fonttbl{\\f0 Arial;}}\r\n\\pard [NUME] [nume] [NR] [X]\\par\r\n"
                                          "\r\n[SOLICITANT]\\par }\r\n");
    const QList<RtfRecord> one{{{"[NUME]", "pop"}, {"[NR]", "12"}, {"[SOLICITANT]", ""}}};
    const QList<RtfRecord> three{{{"[NUME]", QString::fromUtf8("Şerban")}},
                                 {{"[NR]", "a{b}"}, {"[NUME]", "x"}, {"[NUME]", "longer value"}},
                                 {}};
    const struct
    {
        const char *name;
        QList<RtfRecord> records;
        int copies;
    } cases[] = {{"one record, one copy", one, 1},
                 {"one record, three copies", one, 3},
                 {"three records, two copies", three, 2},
                 {"no copies", three, 0}};
    for (const auto &c : cases) {
        RtfReplace rtf;
        rtf.setSource(dir.file("t.rtf"));
        rtf.setDestination(dir.file("out.rtf"));
        const qint64 expected = rtf.documentBytes(c.records, c.copies);
        ASSERT_TRUE(rtf.beginDocument()) << c.name;
        for (qsizetype i = 0; i < c.records.size(); ++i) {
            if (i > 0)
                rtf.appendPageBreak();
            for (const auto &[key, value] : c.records[i])
                rtf.addPair(key, value);
            rtf.appendCopies(c.copies);
        }
        rtf.endDocument();
        EXPECT_EQ(QFileInfo(dir.file("out.rtf")).size(), expected) << c.name;

        for (const auto &[key, value] : c.records.first())
            rtf.addPair(key, value);
        const qint64 whole = rtf.wholeFileBytes();
        rtf.writeWholeFile();
        EXPECT_EQ(QFileInfo(dir.file("out.rtf")).size(), whole) << c.name;
    }
    RtfReplace missing;
    missing.setSource(dir.file("absent.rtf"));
    EXPECT_EQ(missing.documentBytes(one, 1), -1);
    EXPECT_EQ(missing.beginFailure(), RtfReplace::BeginFailure::TemplateUnreadable);
    EXPECT_THROW(missing.wholeFileBytes(), Error);
}

TEST(RtfLimits, TemplateAboveTheLimitIsNotRead)
{
    ScratchDir dir;
    QByteArray body = kHeader + "\\pard [NR]\\par\r\n";
    const QByteArray atLimit = body + QByteArray(kRtfTemplateLimit - body.size() - 3, 'x') + "}\r\n";
    ASSERT_EQ(atLimit.size(), kRtfTemplateLimit);
    writeAll(dir.file("limit.rtf"), atLimit);
    writeAll(dir.file("large.rtf"), atLimit + " ");

    RtfReplace rtf;
    rtf.setSource(dir.file("limit.rtf"));
    rtf.setDestination(dir.file("out.rtf"));
    EXPECT_TRUE(rtf.beginDocument());
    EXPECT_TRUE(RtfReplace::templateSizeFault(dir.file("limit.rtf")).isEmpty());
    rtf.endDocument();
    QFile::remove(dir.file("out.rtf"));

    rtf.setSource(dir.file("large.rtf"));
    EXPECT_FALSE(rtf.loadTemplate());
    EXPECT_EQ(rtf.beginFailure(), RtfReplace::BeginFailure::TemplateTooLarge);
    EXPECT_FALSE(rtf.beginDocument());
    EXPECT_EQ(rtf.beginFailure(), RtfReplace::BeginFailure::TemplateTooLarge);
    EXPECT_EQ(rtf.documentBytes({{}}, 1), -1);
    EXPECT_EQ(RtfReplace::templateSizeFault(dir.file("large.rtf")),
              "are 9 MB; un model de document poate avea cel mult 8 MB");
    try {
        rtf.writeWholeFile();
        ADD_FAILURE() << "a whole file from a template too large";
    } catch (const Error &e) {
        EXPECT_EQ(e.message(), "Modelul " + QDir::toNativeSeparators(dir.file("large.rtf")) +
                                   " are 9 MB; un model de document poate avea cel mult 8 MB !");
    }
    EXPECT_EQ(filesIn(dir), QStringList({"large.rtf", "limit.rtf"}));
}

TEST(RtfLimits, DocumentAboveTheLimitIsGivenUp)
{
    ScratchDir dir;
    const QByteArray tmpl = kHeader + "\\pard [NR]\\par\r\n}\r\n";
    writeAll(dir.file("t.rtf"), tmpl);
    // One copy of "\pard 1234\par\r\n" is 16 bytes, a page break 7.
    const qint64 oneRecord = kHeader.size() + 16 + 3;
    const struct
    {
        const char *name;
        int copies;
        qint64 limit;
        bool written;
    } cases[] = {{"exactly at the limit", 2, oneRecord + 23, true},
                 {"one byte over", 2, oneRecord + 22, false},
                 {"far over", 1000, 4096, false}};
    for (const auto &c : cases) {
        const DocumentLimit limit(c.limit);
        RtfReplace rtf;
        rtf.setSource(dir.file("t.rtf"));
        rtf.setDestination(dir.file("out.rtf"));
        EXPECT_EQ(rtf.documentBytes({{{"[NR]", "1234"}}}, c.copies) <= c.limit, c.written) << c.name;
        ASSERT_TRUE(rtf.beginDocument());
        rtf.addPair("[NR]", "1234");
        if (c.written) {
            rtf.appendCopies(c.copies);
            rtf.endDocument();
            EXPECT_EQ(QFileInfo(dir.file("out.rtf")).size(), c.limit) << c.name;
            QFile::remove(dir.file("out.rtf"));
            continue;
        }
        try {
            rtf.appendCopies(c.copies);
            ADD_FAILURE() << c.name;
        } catch (const Error &e) {
            EXPECT_TRUE(e.message().contains("limita unui document, si nu a fost scris")) << c.name;
        }
        EXPECT_THROW(rtf.endDocument(), Error) << c.name; // the document was given up
        EXPECT_EQ(filesIn(dir), QStringList{"t.rtf"}) << c.name;
    }

    // Whole-file mode: an existing document stays as it was.
    writeAll(dir.file("out.rtf"), "earlier");
    const DocumentLimit limit(tmpl.size() + 10);
    RtfReplace rtf;
    rtf.setSource(dir.file("t.rtf"));
    rtf.setDestination(dir.file("out.rtf"));
    rtf.addPair("[NR]", "12345678901234567890");
    EXPECT_GT(rtf.wholeFileBytes(), tmpl.size() + 10);
    EXPECT_THROW(rtf.writeWholeFile(), Error);
    EXPECT_EQ(readAll(dir.file("out.rtf")), "earlier");
    EXPECT_EQ(filesIn(dir), QStringList({"out.rtf", "t.rtf"}));
    EXPECT_EQ(RtfReplace::documentSizeFault(3 << 20), "Documentul ar avea 3 MB, peste limita de 1 MB");
}

} // namespace
