#include "admin/Password.h"

#include "TestSupport.h"
#include "base/Win1250.h"

#include <gtest/gtest.h>

using namespace kovara;
using kovara::test::fromHex;

namespace {

struct EncodingCase
{
    QByteArray input;
    const char *hex;
};

TEST(CodeazaStr, FixedPairs)
{
    const EncodingCase cases[] = {
        {QByteArray(), "572c2a48574fa1"},
        {QByteArray("parola"), "6c6d2a294e612f6f296c4a707261"},
        {QByteArray("Parola"), "4d616b6c7239999d506f7f2c4d61"},
        {QByteArray("a"), "962e968b733bb4ae61"},
        {QByteArray("admin"), "2f878c3f645d97692321616d232f3f235a90763a236e"},
        // "Parolă" and "ştiinţă" as Windows-1250 bytes.
        {fromHex("50 61 72 6f 6c e3"), "6c74726c6f6f9123933e3486756150e3"},
        {fromHex("ba 74 69 69 6e fe e3"), "2ba380fe6922476e2b4e234a655741b069ae427488758d50216b9e7e87ba3ee3"},
    };
    for (const EncodingCase &c : cases)
        EXPECT_EQ(CodeazaStr(c.input).toHex(), QByteArray(c.hex)) << c.input.toHex().constData();
}

TEST(CodeazaStr, LengthGrowsBySevenToThirtySix)
{
    QByteArray input;
    for (int n = 0; n < 300; ++n) {
        const QByteArray out = CodeazaStr(input);
        EXPECT_GE(out.size(), input.size() + 7) << n;
        EXPECT_LE(out.size(), input.size() + 36) << n;
        EXPECT_EQ(out, CodeazaStr(input)) << "same input, same result";
        input.append(static_cast<char>(32 + (n * 37) % 224));
    }
}

TEST(CodeazaStr, TextGoesThroughWin1250)
{
    // Comma-below letters are the cedilla letters of the code page.
    EXPECT_EQ(toWin1250(u"Parolă"), fromHex("50 61 72 6f 6c e3"));
    EXPECT_EQ(encodePassword(QString::fromUtf8("Parolă")),
              fromWin1250(fromHex("6c74726c6f6f9123933e3486756150e3")));
    EXPECT_EQ(encodePassword(QString::fromUtf8("știință")), encodePassword(QString::fromUtf8("ştiinţă")));
}

TEST(Password, MatchesExactly)
{
    const QString stored = encodePassword(QStringLiteral("Secret1"));
    EXPECT_TRUE(passwordMatches(QStringLiteral("Secret1"), stored));
    EXPECT_FALSE(passwordMatches(QStringLiteral("secret1"), stored));
    EXPECT_FALSE(passwordMatches(QStringLiteral("Secret1 "), stored));
    EXPECT_FALSE(passwordMatches(QString(), stored));
    EXPECT_FALSE(passwordMatches(QString(), QString()));
}

TEST(Password, StoredTextKeepsEveryByte)
{
    // Codes 32 to 181 include bytes the code page leaves undefined; the
    // stored text must give back the same bytes.
    for (const char *word : {"a", "admin", "parola", "Kovara2026", "x y z"}) {
        const QByteArray bytes = CodeazaStr(QByteArray(word));
        EXPECT_EQ(toWin1250(fromWin1250(bytes)), bytes) << word;
    }
}

} // namespace
