#include "data/IniFile.h"
#include "base/Error.h"

#include <QString>
#include <gtest/gtest.h>

using kovara::IniFile;

namespace {

struct ReadCase
{
    const char *what;
    const char *bytes;
    const char *section;
    const char *key;
    QString expected;
};

TEST(IniFileRead, FindsValuesTheWayWindowsDoes)
{
    const ReadCase cases[] = {
        {"plain", "[A]\r\nX=1\r\n", "A", "X", "1"},
        {"section and key in other case", "[Constante]\r\nPrimar=Ion\r\n", "CONSTANTE", "PRIMAR", "Ion"},
        {"blanks around section, key and value", "  [ A ]  \r\n  X  =  1 2  \r\n", "A", "X", "1 2"},
        {"tabs are blanks", "[A]\r\n\tX\t=\tv\t\r\n", "A", "X", "v"},
        {"only the first '=' separates", "[A]\r\nF=x=y+1\r\n", "A", "F", "x=y+1"},
        {"backslashes and commas kept", "[A]\r\nP=C:\\Kovara\\Data\\ a,b, c\r\n", "A", "P",
         "C:\\Kovara\\Data\\ a,b, c"},
        {"double quotes stripped once", "[A]\r\nX=\"\"x\"\"\r\n", "A", "X", "\"x\""},
        {"quotes keep inner blanks", "[A]\r\nX=\"  x \"\r\n", "A", "X", "  x "},
        {"single quotes stripped", "[A]\r\nX='y'\r\n", "A", "X", "y"},
        {"unmatched quotes kept", "[A]\r\nX=\"y'\r\n", "A", "X", "\"y'"},
        {"a lone quote kept", "[A]\r\nX=\"\r\n", "A", "X", "\""},
        {"inner quotes kept", "[A]\r\nX=a \"b\" c\r\n", "A", "X", "a \"b\" c"},
        {"empty value", "[A]\r\nX=\r\n", "A", "X", ""},
        {"line without '=' is an empty key", "[A]\r\nFLAG\r\n", "A", "FLAG", ""},
        {"Windows-1250 letters", "[A]\r\nX=\xE3\xE2\xEE\xBA\xFE \xC3\xC2\xCE\xAA\xDE\r\n", "A", "X",
         QString::fromUtf8("ăâîşţ ĂÂÎŞŢ")},
        {"LF-only lines", "[A]\nX=1\nY=2\n", "A", "Y", "2"},
        {"last line without line end", "[A]\r\nX=1", "A", "X", "1"},
        {"commented key is not a key", "[A]\r\n;X=1\r\n", "A", "X", ""},
        {"keys before any section belong to none", "X=1\r\n[A]\r\n", "A", "X", ""},
        {"key of the next section not taken", "[A]\r\n[B]\r\nX=1\r\n", "A", "X", ""},
        {"absent section", "[A]\r\nX=1\r\n", "B", "X", ""},
        {"absent key", "[A]\r\nX=1\r\n", "A", "Y", ""},
        {"first occurrence wins", "[A]\r\nX=1\r\nx=2\r\n", "A", "X", "1"},
        {"repeated section searched too", "[A]\r\nX=1\r\n[B]\r\n[a]\r\nY=2\r\n", "A", "Y", "2"},
        {"section line with text after ']'", "[A] ; comentariu\r\nX=1\r\n", "A", "X", "1"},
        {"UTF-8 file with byte order mark",
         "\xEF\xBB\xBF[A]\r\nX=\xC8\x99"
         "a\r\n",
         "A", "X", QString::fromUtf8("șa")},
        {"UTF-8 file without byte order mark",
         "[CONSTANTE]\r\nPRIMARIA=PRIM\xC4\x82RIA \xC8\x98OIM\xC4\x82RI\r\n", "CONSTANTE", "PRIMARIA",
         QString::fromUtf8("PRIMĂRIA ȘOIMĂRI")},
        // Bytes that are not all UTF-8 stay Windows-1250: "\xC3" before a
        // plain letter, a lone continuation byte, an overlong form.
        {"Windows-1250 capital A breve before a letter", "[A]\r\nX=PRIM\xC3RIA\r\n", "A", "X",
         QString::fromUtf8("PRIMĂRIA")},
        {"Windows-1250 text with one UTF-8-like pair", "[A]\r\nX=\xC3\xAA \xE3\r\n", "A", "X",
         QString::fromUtf8("ĂŞ ă")},
        {"overlong form is not UTF-8", "[A]\r\nX=\xE0\x80\xAA\r\n", "A", "X", QString::fromUtf8("ŕ€Ş")},
        {"letter cut at the end of the file", "[A]\r\nX=\xC8", "A", "X", QString::fromUtf8("Č")},
        {"empty file", "", "A", "X", ""},
    };
    for (const ReadCase &c : cases) {
        SCOPED_TRACE(c.what);
        const IniFile ini{QByteArray(c.bytes)};
        EXPECT_EQ(ini.value(c.section, c.key), c.expected);
    }
}

TEST(IniFileRead, ContainsTellsAbsentFromEmpty)
{
    const IniFile ini{QByteArray("[A]\r\nX=\r\nFLAG\r\n")};
    EXPECT_TRUE(ini.contains("a", "x"));
    EXPECT_TRUE(ini.contains("A", "FLAG"));
    EXPECT_FALSE(ini.contains("A", "Y"));
    EXPECT_FALSE(ini.contains("B", "X"));
}

struct WriteCase
{
    const char *what;
    const char *before;
    const char *section;
    const char *key;
    QString value;
    const char *after;
};

TEST(IniFileWrite, ChangesOnlyWhatIsWritten)
{
    const WriteCase cases[] = {
        {"empty file", "", "A", "X", "1", "[A]\r\nX=1\r\n"},
        {"existing key keeps its spelling and spacing", "[A]\r\nKey = old  \r\nY=2\r\n", "a", "KEY", "new",
         "[A]\r\nKey = new\r\nY=2\r\n"},
        {"existing key keeps its LF", "[A]\nX=1\nY=2\n", "A", "X", "9", "[A]\nX=9\nY=2\n"},
        {"new key after the last key, before blanks and comments",
         "[A]\r\nX=1\r\n\r\n; urmeaza B\r\n[B]\r\nY=2\r\n", "A", "Z", "3",
         "[A]\r\nX=1\r\nZ=3\r\n\r\n; urmeaza B\r\n[B]\r\nY=2\r\n"},
        {"new key in a section without keys", "[A]\r\n; nimic\r\n\r\n[B]\r\n", "A", "Z", "3",
         "[A]\r\nZ=3\r\n; nimic\r\n\r\n[B]\r\n"},
        {"new key in an LF-only file ends with CR LF", "[A]\nX=1\n", "A", "Z", "3", "[A]\nX=1\nZ=3\r\n"},
        {"new key after a last line without line end", "[A]\r\nX=1", "A", "Y", "2", "[A]\r\nX=1\r\nY=2\r\n"},
        {"new section at the end", "[A]\r\nX=1\r\n\r\n", "B", "Y", "2", "[A]\r\nX=1\r\n\r\n[B]\r\nY=2\r\n"},
        {"new section after a last line without line end", "[A]\r\nX=1", "B", "Y", "2",
         "[A]\r\nX=1\r\n[B]\r\nY=2\r\n"},
        {"commented key left alone", "[A]\r\n;X=1\r\n", "A", "X", "2", "[A]\r\nX=2\r\n;X=1\r\n"},
        {"key before any section left alone", "X=1\r\n[A]\r\n", "A", "X", "2", "X=1\r\n[A]\r\nX=2\r\n"},
        {"key of a repeated section changed where it is", "[A]\r\nX=1\r\n[B]\r\n[a]\r\nY=2\r\n", "A", "Y",
         "5", "[A]\r\nX=1\r\n[B]\r\n[a]\r\nY=5\r\n"},
        {"new key goes to the first of repeated sections", "[A]\r\nX=1\r\n[B]\r\n[a]\r\nY=2\r\n", "A", "Z",
         "3", "[A]\r\nX=1\r\nZ=3\r\n[B]\r\n[a]\r\nY=2\r\n"},
        {"key without '=' gets its value", "[A]\r\nFLAG \r\n", "A", "FLAG", "1", "[A]\r\nFLAG=1\r\n"},
        {"empty value", "[A]\r\nX=1\r\n", "A", "X", "", "[A]\r\nX=\r\n"},
        {"blanks at the ends are quoted", "", "A", "X", "  a ", "[A]\r\nX=\"  a \"\r\n"},
        {"a quoted value is quoted again", "", "A", "X", "\"a\"", "[A]\r\nX=\"\"a\"\"\r\n"},
        {"Windows-1250 letters, comma below as cedilla", "", "A", "X", QString::fromUtf8("ăîâșț ĂÎÂȘȚ"),
         "[A]\r\nX=\xE3\xEE\xE2\xBA\xFE \xC3\xCE\xC2\xAA\xDE\r\n"},
        {"UTF-8 file takes any letter", "\xEF\xBB\xBF", "A", "X", QString::fromUtf8("Ж"),
         "\xEF\xBB\xBF[A]\r\nX=\xD0\x96\r\n"},
        {"UTF-8 file stays UTF-8", "\xEF\xBB\xBF[A]\r\nX=1\r\n", "A", "X", QString::fromUtf8("ș"),
         "\xEF\xBB\xBF[A]\r\nX=\xC8\x99\r\n"},
        {"UTF-8 without the mark stays so", "[A]\r\nX=\xC4\x82\r\n", "A", "Y", QString::fromUtf8("ţ"),
         "[A]\r\nX=\xC4\x82\r\nY=\xC5\xA3\r\n"},
        {"plain ASCII file is written as Windows-1250", "[A]\r\nX=1\r\n", "A", "X", QString::fromUtf8("ă"),
         "[A]\r\nX=\xE3\r\n"},
    };
    for (const WriteCase &c : cases) {
        SCOPED_TRACE(c.what);
        IniFile ini{QByteArray(c.before)};
        ini.setValue(c.section, c.key, c.value);
        EXPECT_EQ(ini.bytes(), QByteArray(c.after));
    }
}

TEST(IniFileWrite, ValuesReadBackAsWritten)
{
    const QString values[] = {"",
                              " a",
                              "a ",
                              "\"x\"",
                              "'y'",
                              "\"",
                              "'",
                              "C:\\dir\\",
                              "a=b",
                              "x;y",
                              "[z]",
                              "1,2, 3",
                              "\"a\" b",
                              "a \"b\"",
                              "\t",
                              "''",
                              "=",
                              "@Variant(0)",
                              QString::fromUtf8("ăîâşţ ĂÎÂŞŢ")};
    for (const QString &value : values) {
        SCOPED_TRACE(value.toStdString());
        IniFile ini{QByteArray("[A]\r\nX=old\r\n")};
        ini.setValue("A", "X", value);
        ini.setValue("A", "NEW", value);
        EXPECT_EQ(ini.value("A", "X"), value);
        EXPECT_EQ(ini.value("A", "NEW"), value);
        EXPECT_EQ(IniFile(ini.bytes()).value("a", "new"), value);
    }
}

TEST(IniFileWrite, RefusesWhatWouldBreakTheFile)
{
    const struct
    {
        const char *what;
        QString section, key, value;
    } cases[] = {
        {"empty section", "", "X", "1"},
        {"blank section", "  ", "X", "1"},
        {"line break in section", "A\r\nB", "X", "1"},
        {"']' in section", "A]B", "X", "1"},
        {"empty key", "A", "", "1"},
        {"'=' in key", "A", "X=Y", "1"},
        {"key looking like a comment", "A", ";X", "1"},
        {"key looking like a section", "A", "[X]", "1"},
        {"line break in key", "A", "X\nY", "1"},
        {"CR LF in value", "A", "X", "1\r\n[B]\r\nY=2"},
        {"LF in value", "A", "X", "1\n2"},
        {"CR in value", "A", "X", "1\r2"},
        {"value letter outside Windows-1250", "A", "X", QString::fromUtf8("Жук")},
        {"key letter outside Windows-1250", "A", QString::fromUtf8("Ж"), "1"},
    };
    const QByteArray before("[A]\r\nX=0\r\n");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        IniFile ini{before};
        EXPECT_THROW(ini.setValue(c.section, c.key, c.value), kovara::Error);
        EXPECT_EQ(ini.bytes(), before);
    }
}

} // namespace
