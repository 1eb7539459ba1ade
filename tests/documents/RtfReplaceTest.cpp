#include "engines/rtf/RtfReplace.h"
#include "TestSupport.h"
#include "base/Error.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace kovara;
using kovara::test::readAll;
using kovara::test::ScratchDir;
using kovara::test::writeAll;

namespace {

const QByteArray kHeader = "{\\rtf1\\ansi\\ansicpg1250\\deff0\r\n"
                           "{\\fonttbl{\\f0\\froman Times New Roman;}}\r\n";

// A template whose body is the given lines, closed by the document's brace.
QByteArray templateWith(const QList<QByteArray> &body)
{
    QByteArray t = kHeader;
    for (const QByteArray &line : body)
        t += line + "\r\n";
    return t + "}\r\n";
}

int balance(const QByteArray &text)
{
    return RtfReplace::braceBalance(text);
}

struct Pairs
{
    const char *key;
    QString value;
};

// Line mode, one record of one copy: the body as written.
QByteArray lineMode(const ScratchDir &dir, const QByteArray &bodyLine, const QList<Pairs> &pairs)
{
    writeAll(dir.file("t.rtf"), templateWith({"\\pard " + bodyLine + "\\par"}));
    RtfReplace rtf;
    rtf.setSource(dir.file("t.rtf"));
    rtf.setDestination(dir.file("out.rtf"));
    EXPECT_TRUE(rtf.beginDocument());
    for (const Pairs &p : pairs)
        rtf.addPair(QString::fromLatin1(p.key), p.value);
    rtf.appendCopies(1);
    rtf.endDocument();
    const QByteArray doc = readAll(dir.file("out.rtf"));
    const qsizetype at = doc.indexOf("\\pard ");
    return doc.mid(at + 6, doc.indexOf("\\par\r\n", at) - at - 6);
}

TEST(RtfValues, EscapedForTheDocument)
{
    const struct
    {
        QString value;
        bool capitals;
        QByteArray escaped;
    } cases[] = {
        {"a{b}c", false, "a(b)c"},
        {"Str. Lunga \\ nr. 5", false, "Str. Lunga \\\\ nr. 5"},
        {"\\par", true, "\\\\PAR"},
        {QString::fromUtf8("Ş"), false, "\\u350?"},
        {QString::fromUtf8("Ţ"), false, "\\u354?"},
        {QString::fromUtf8("ăâîşţ"), false, "\\u259?\\u226?\\u238?\\u351?\\u355?"},
        {QString::fromUtf8("ĂÂÎ"), false, "\\u258?\\u194?\\u206?"},
        {QString::fromUtf8("ș"), false, "\\u537?"},                  // comma below, kept as typed
        {QString::fromUtf8("pop ştefan"), true, "POP \\u350?TEFAN"}, // capitals: Romanian letters too
        {QString::fromUtf8("\u20ac"), false, "\\u8364?"},
        {QString::fromUtf8("\uffff"), false, "\\u-1?"}, // RTF's signed 16-bit numbers
        {"a\tb", false, "a\\tab b"},
        {"", false, ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(RtfReplace::escapeValue(c.value, c.capitals), c.escaped) << c.value.toStdString();
}

TEST(RtfLineMode, ReplacesEachPlaceholderOfALine)
{
    ScratchDir dir;
    const struct
    {
        const char *name;
        QByteArray line;
        QList<Pairs> pairs;
        QByteArray expected;
    } cases[] = {
        {"twice, capitals", "[NUME] si [NUME]", {{"[NUME]", "pop"}}, "POP si POP"},
        {"lower case in template", "[nume]", {{"[NUME]", "pop"}}, "pop"},
        {"mixed case in template", "[Nume]", {{"[NUME]", "pop"}}, "pop"},
        {"four characters", "[NR]", {{"[NR]", "pop"}}, "pop"},
        {"lower-case key", "[NUME]", {{"[nume]", "pop"}}, "POP"},
        {"empty value", "a [NUME] b", {{"[NUME]", ""}}, "a .......... b"},
        {"empty value, short key", "[NR]", {{"[NR]", ""}}, ".........."},
        {"key in its own value", "[NR].", {{"[NR]", "12[NR]"}}, "12[NR]."},
        // A value once put in is never searched again, by a later pair nor by its own.
        {"later pair on inserted text", "[A1]", {{"[A1]", "[B1]"}, {"[B1]", "x"}}, "[B1]"},
        {"value holding a later key",
         "[SOLICITANT] [CNP]",
         {{"[SOLICITANT]", "Pop [CNP]"}, {"[CNP]", "123"}},
         "POP [CNP] 123"},
        {"later pair for the same key", "[NR]", {{"[NR]", "1[NR]"}, {"[NR]", "2"}}, "1[NR]"},
        {"nested brackets", "[[NR]] [NR[NR]", {{"[NR]", "7"}}, "[7] [NR7"},
        {"braces", "[NUME]", {{"[NUME]", "a{b}"}}, "A(B)"},
        {"backslash", "[ADRESA]", {{"[ADRESA]", "Str. Lunga \\ nr. 5"}}, "STR. LUNGA \\\\ NR. 5"},
        {"diacritics",
         "[SOLICITANT]",
         {{"[SOLICITANT]", QString::fromUtf8("Şerban Ţuţea")}},
         "\\u350?ERBAN \\u354?U\\u354?EA"},
        {"diacritics in capitals",
         "[JUDET] [nume]",
         {{"[JUDET]", QString::fromUtf8("Sălaj")}, {"[NUME]", QString::fromUtf8("Sălaj")}},
         "S\\u258?LAJ S\\u259?laj"},
        {"other brackets stay", "[] [X] [NUME]", {{"[NUME]", "a"}}, "[] [X] A"},
        {"no pair", "[NUME]", {}, "[NUME]"},
        {"placeholder split by codes", "[SOLI}{\\b CITANT]", {{"[SOLICITANT]", "a"}}, "[SOLI}{\\b CITANT]"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(lineMode(dir, c.line, c.pairs), c.expected) << c.name;
}

// The whole document of line mode from a body and a sequence of operations.
QByteArray document(const ScratchDir &dir, const QByteArray &tmpl,
                    const std::function<void(RtfReplace &)> &ops)
{
    writeAll(dir.file("t.rtf"), tmpl);
    RtfReplace rtf;
    rtf.setSource(dir.file("t.rtf"));
    rtf.setDestination(dir.file("out.rtf"));
    EXPECT_TRUE(rtf.beginDocument());
    ops(rtf);
    rtf.endDocument();
    return readAll(dir.file("out.rtf"));
}

TEST(RtfLineMode, CopiesRecordsAndPageBreaks)
{
    ScratchDir dir;
    const QByteArray tmpl = templateWith({"\\pard\\plain {\\b [NR]}\\par", "", "text\\par"});
    const QByteArray body = "\\pard\\plain {\\b 7}\\par\r\ntext\\par\r\n";
    const struct
    {
        const char *name;
        std::function<void(RtfReplace &)> ops;
        QByteArray body;
    } cases[] = {
        {"one copy", [](RtfReplace &r) { r.addPair("[NR]", "7"), r.appendCopies(1); }, body},
        {"two copies", [](RtfReplace &r) { r.addPair("[NR]", "7"), r.appendCopies(2); },
         body + "\\page\r\n" + body},
        {"two records",
         [](RtfReplace &r) {
             r.addPair("[NR]", "7");
             r.appendCopies(1);
             r.appendPageBreak();
             r.addPair("[NR]", "7");
             r.appendCopies(1);
         },
         body + "\\par \\page\r\n" + body},
        {"no copies", [](RtfReplace &r) { r.addPair("[NR]", "7"), r.appendCopies(0); }, ""},
        {"pairs emptied after a copy",
         [](RtfReplace &r) {
             r.addPair("[NR]", "7");
             r.appendCopies(1);
             r.appendCopies(1);
         },
         body + "\\pard\\plain {\\b [NR]}\\par\r\ntext\\par\r\n"},
    };
    for (const auto &c : cases) {
        const QByteArray doc = document(dir, tmpl, c.ops);
        EXPECT_EQ(doc, kHeader + c.body + "}\r\n") << c.name;
        EXPECT_EQ(balance(doc), 0) << c.name;
    }
}

TEST(RtfLineMode, BodyEndsAtTheDocumentsBrace)
{
    ScratchDir dir;
    const struct
    {
        const char *name;
        QByteArray tmpl;
        QByteArray body;
    } cases[] = {
        {"closing brace on the last text line", kHeader + "\\pard a\\par\r\nb\\par }\r\n",
         "\\pard a\\par\r\nb\\par\r\n"},
        {"text after the brace on its line", kHeader + "\\pard a\\par\r\n{b}}\\x\r\n",
         "\\pard a\\par\r\n{b}\r\n"},
        {"body on one line", kHeader + "\\pard a\\par }", "\\pard a\\par\r\n"},
        {"text after the document", kHeader + "\\pard a\\par\r\n}\r\ngarbage\r\n", "\\pard a\\par\r\n"},
        {"escaped braces are text", kHeader + "\\pard a\\} b\\par\r\n\\{c\\par\r\n}\r\n",
         "\\pard a\\} b\\par\r\n\\{c\\par\r\n"},
        {"LF line ends", "{\\rtf1\\ansi\n\\pard a\\par\n}\n", "\\pard a\\par\r\n"},
        {"template cut short keeps its last line", kHeader + "\\pard a\\par\r\nb\\par\r\n",
         "\\pard a\\par\r\nb\\par\r\n"},
    };
    for (const auto &c : cases) {
        const QByteArray doc = document(dir, c.tmpl, [](RtfReplace &r) { r.appendCopies(1); });
        EXPECT_TRUE(doc.endsWith(c.body + "}\r\n")) << c.name << "\n" << doc.toStdString();
    }
}

TEST(RtfLineMode, HeaderEndsBeforeTheFirstPard)
{
    ScratchDir dir;
    QByteArray tmpl = "{\\rtf1\\ansi\\ansicpg1250\r\n";
    for (int i = 2; i <= 16; ++i)
        tmpl += "{\\*\\line" + QByteArray::number(i) + " x}\r\n";
    const QByteArray header = tmpl;
    tmpl += "  {\\info{\\title t}}\\fs20 \\pard\\plain [NR]\\par\r\n}\r\n";
    const QByteArray doc =
        document(dir, tmpl, [](RtfReplace &r) { r.addPair("[NR]", "5"), r.appendCopies(1); });
    EXPECT_EQ(doc, header + "{\\info{\\title t}}\\fs20\r\n\\pard\\plain 5\\par\r\n}\r\n");
    EXPECT_EQ(balance(doc), 0);
}

TEST(RtfLineMode, BeginFailsWithoutAUsableTemplateAndSaysWhy)
{
    ScratchDir dir;
    writeAll(dir.file("empty.rtf"), "");
    writeAll(dir.file("nopard.rtf"), "{\\rtf1\\ansi text}\r\n");
    writeAll(dir.file("good.rtf"), templateWith({"\\pard a"}));
    using Why = RtfReplace::BeginFailure;
    const struct
    {
        const char *name;
        QString source, destination;
        Why why;
    } cases[] = {
        {"no template named", "", dir.file("out.rtf"), Why::TemplateUnreadable},
        {"missing template", dir.file("absent.rtf"), dir.file("out.rtf"), Why::TemplateUnreadable},
        {"empty template", dir.file("empty.rtf"), dir.file("out.rtf"), Why::TemplateUnreadable},
        {"no \\pard", dir.file("nopard.rtf"), dir.file("out.rtf"), Why::NoParagraph},
        {"destination folder missing", dir.file("good.rtf"), dir.file("none/out.rtf"),
         Why::DocumentUnwritable},
        {"no destination named", dir.file("good.rtf"), "", Why::DocumentUnwritable},
    };
    for (const auto &c : cases) {
        RtfReplace rtf;
        rtf.setSource(c.source);
        rtf.setDestination(c.destination);
        EXPECT_FALSE(rtf.beginDocument()) << c.name;
        EXPECT_EQ(rtf.beginFailure(), c.why) << c.name;
        if (!c.destination.isEmpty()) {
            EXPECT_FALSE(QFileInfo::exists(c.destination)) << c.name;
        }
        EXPECT_THROW(rtf.appendCopies(1), Error) << c.name;
    }
    RtfReplace good;
    good.setSource(dir.file("good.rtf"));
    good.setDestination(dir.file("out.rtf"));
    EXPECT_TRUE(good.beginDocument());
    EXPECT_EQ(good.beginFailure(), Why::None);
}

TEST(RtfLineMode, UnfinishedDocumentLeavesNoFile)
{
    ScratchDir dir;
    writeAll(dir.file("t.rtf"), templateWith({"\\pard a"}));
    {
        RtfReplace rtf;
        rtf.setSource(dir.file("t.rtf"));
        rtf.setDestination(dir.file("out.rtf"));
        ASSERT_TRUE(rtf.beginDocument());
        rtf.appendCopies(3);
    }
    EXPECT_FALSE(QFileInfo::exists(dir.file("out.rtf")));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"t.rtf"});
}

TEST(RtfWholeFile, ReplacesEveryOccurrenceOnce)
{
    ScratchDir dir;
    const struct
    {
        const char *name;
        QByteArray text;
        QList<Pairs> pairs;
        QByteArray expected;
    } cases[] = {
        {"every occurrence, value unchanged", "[NUME] [nume] [Nume]", {{"[NUME]", "pop"}}, "pop pop pop"},
        {"empty value leaves nothing", "a[PRENUME]b", {{"[PRENUME]", ""}}, "ab"},
        {"inserted text never matched again",
         "[NUME] [PRENUME]",
         {{"[NUME]", "[PRENUME]"}, {"[PRENUME]", "x"}},
         "[PRENUME] x"},
        {"key in its own value", "[NR]", {{"[NR]", "1[NR]"}}, "1[NR]"},
        {"escaping",
         "[ADRESA]",
         {{"[ADRESA]", QString::fromUtf8("Str. {Lungă} \\ 5")}},
         "Str. (Lung\\u259?) \\\\ 5"},
        {"placeholders over lines", "[CNP]\r\n[CNP]\r\n", {{"[CNP]", "1"}}, "1\r\n1\r\n"},
        {"LF becomes CR LF", "[CNP]\n[BINR]\n", {{"[CNP]", "1"}, {"[BINR]", "2"}}, "1\r\n2\r\n"},
    };
    for (const auto &c : cases) {
        writeAll(dir.file("t.rtf"), "{\\rtf1 " + c.text + "}");
        RtfReplace rtf;
        rtf.setSource(dir.file("t.rtf"));
        rtf.setDestination(dir.file("out.rtf"));
        for (const Pairs &p : c.pairs)
            rtf.addPair(QString::fromLatin1(p.key), p.value);
        rtf.writeWholeFile();
        EXPECT_EQ(readAll(dir.file("out.rtf")), "{\\rtf1 " + c.expected + "}\r\n") << c.name;
    }
}

TEST(RtfWholeFile, MissingTemplateFails)
{
    ScratchDir dir;
    RtfReplace rtf;
    rtf.setSource(dir.file("absent.rtf"));
    rtf.setDestination(dir.file("out.rtf"));
    EXPECT_THROW(rtf.writeWholeFile(), Error);
    EXPECT_FALSE(QFileInfo::exists(dir.file("out.rtf")));
}

} // namespace
