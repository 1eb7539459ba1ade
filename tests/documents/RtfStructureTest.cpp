// The structure check of a template: RTF, groups closed where they should
// be, a body to fill; where a fault shows and how it is said.

#include "engines/rtf/RtfStructure.h"
#include "TestSupport.h"
#include "documents/Models.h"

#include <gtest/gtest.h>

using namespace kovara;
using namespace Qt::Literals::StringLiterals;

namespace {

using Kind = RtfStructureFault::Kind;

TEST(RtfStructure, FaultsAndWhereTheyShow)
{
    const QByteArray model = ModelBytes("DISP3");
    QByteArray extraClose = model; // line 4 closes one group too many
    extraClose.replace("{\\author Kovara}}", "{\\author Kovara}}}");
    QByteArray extraOpen = model; // line 11 opens a group never closed
    extraOpen.replace("\\fs28 DISPOZI", "\\fs28 {DISPOZI");
    QByteArray twoOpen = model;
    twoOpen.replace("\\fs28 DISPOZI", "{\\fs28 {DISPOZI");
    QByteArray lastBraceLost = model;
    lastBraceLost.truncate(lastBraceLost.lastIndexOf('}'));
    const struct
    {
        const char *name;
        QByteArray rtf;
        Kind kind;
        int line;
        const char *text;
    } cases[] = {
        {"the model", model, Kind::None, 0, ""},
        {"blanks and NUL around", "\r\n \t{\\rtf1 a\\par}\r\n\0\0"_ba, Kind::None, 0, ""},
        {"LF and lone CR line ends", "{\\rtf1\n\\pard a\r\\par\n}", Kind::None, 0, ""},
        {"escaped braces are text", "{\\rtf1 \\{ \\} \\\\{\\b x}\\par}", Kind::None, 0, ""},
        {"hex escapes are text", "{\\rtf1 \\'7b\\'7d\\'e3\\par}", Kind::None, 0, ""},
        {"\\pard alone is a body", "{\\rtf1 \\pard a}", Kind::None, 0, ""},
        {"empty", "", Kind::Empty, 0, "este gol"},
        {"only blanks", "  \r\n\t\0"_ba, Kind::Empty, 0, "este gol"},
        {"junk bytes", "\x89PNG\r\n\x1a\n\0\0\0\rIHDR"_ba, Kind::NotRtf, 1,
         "nu este un document RTF (nu incepe cu {\\rtf)"},
        {"text before the document", "\r\nhello {\\rtf1 a\\par}", Kind::NotRtf, 2,
         "nu este un document RTF (nu incepe cu {\\rtf)"},
        {"extra } in the header", extraClose, Kind::ClosedEarly, 4,
         "are o acolada } in plus: documentul se inchide pe linia 4, inainte de sfarsitul fisierului"},
        {"extra { in the body", extraOpen, Kind::UnclosedGroup, 1,
         "are o acolada { fara pereche: grupul deschis pe linia 1 nu se inchide"},
        {"two extra {", twoOpen, Kind::UnclosedGroup, 11,
         "are 2 acolade { fara pereche: grupul deschis pe linia 11 nu se inchide"},
        {"closing brace lost", lastBraceLost, Kind::UnclosedGroup, 1,
         "are o acolada { fara pereche: grupul deschis pe linia 1 nu se inchide"},
        {"cut inside a group", "{\\rtf1\r\n{\\fonttbl\r\n{\\f0 Arial;", Kind::UnclosedGroup, 3,
         "are 3 acolade { fara pereche: grupul deschis pe linia 3 nu se inchide"},
        {"text after the document", "{\\rtf1 a\\par}\r\n\r\njunk", Kind::TextAfterEnd, 3,
         "are text dupa acolada care inchide documentul, pe linia 3"},
        {"group after the document", "{\\rtf1 a\\par}{x}", Kind::TextAfterEnd, 1,
         "are text dupa acolada care inchide documentul, pe linia 1"},
        {"no paragraph", "{\\rtf1\\ansi [CODJUD] fara paragraf}", Kind::NoBody, 0,
         "nu are nici un paragraf de completat"},
        {"\\par only in text after an escape", "{\\rtf1 \\\\par \\pardx}", Kind::NoBody, 0,
         "nu are nici un paragraf de completat"},
        {"backslash at the very end", "{\\rtf1 a\\par}\\", Kind::TextAfterEnd, 1,
         "are text dupa acolada care inchide documentul, pe linia 1"},
        {"\\bin read as a control word", "{\\rtf1 \\bin999999 \\par}", Kind::None, 0, ""},
    };
    for (const auto &c : cases) {
        const RtfStructureFault fault = CheckRtfStructure(c.rtf);
        EXPECT_EQ(fault.kind, c.kind) << c.name;
        EXPECT_EQ(fault.line, c.line) << c.name;
        EXPECT_EQ(fault.ok(), c.kind == Kind::None) << c.name;
        EXPECT_EQ(RtfStructureFaultText(fault), QString::fromLatin1(c.text)) << c.name;
    }
}

// Every template the program writes, and the statistics template the
// installation brings, is sound.
TEST(RtfStructure, TheProgramsModelsAreSound)
{
    for (const QString &name : ModelNames())
        EXPECT_TRUE(CheckRtfStructure(ModelBytes(name)).ok()) << name.toStdString();
    EXPECT_TRUE(CheckRtfStructure(test::readAll(test::sourcePath("install/Data/Statistic.rtf"))).ok());
}

} // namespace
