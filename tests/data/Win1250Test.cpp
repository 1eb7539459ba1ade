#include "base/Win1250.h"

#include <QStringDecoder>
#include <gtest/gtest.h>

using namespace kovara;

TEST(Win1250, RomanianLettersRoundTrip)
{
    const QString text = QStringLiteral("ăâîşţĂÂÎŞŢ abc 123");
    EXPECT_EQ(fromWin1250(toWin1250(text)), text);
    EXPECT_EQ(toWin1250(QStringLiteral("ăâîşţ")), QByteArray("\xe3\xe2\xee\xba\xfe"));
}

TEST(Win1250, CommaBelowBecomesCedilla)
{
    EXPECT_EQ(toWin1250(QStringLiteral("șțȘȚ")), toWin1250(QStringLiteral("şţŞŢ")));
    EXPECT_EQ(fromWin1250(toWin1250(QStringLiteral("Știință"))), QStringLiteral("Ştiinţă"));
    EXPECT_TRUE(fitsWin1250(QStringLiteral("Știință")));
}

TEST(Win1250, UnknownCharacterBecomesQuestionMark)
{
    EXPECT_EQ(toWin1250(QStringLiteral("a\u20ACb\u4E2D")), QByteArray("a\x80"
                                                                      "b?"));
    EXPECT_FALSE(fitsWin1250(QStringLiteral("\u4E2D")));
}

TEST(Win1250, EveryByteMatchesTheCodec)
{
    QStringDecoder decoder("windows-1250");
    ASSERT_TRUE(decoder.isValid());
    for (int b = 0x20; b < 256; ++b) {
        const char byte = char(b);
        const QString expected = decoder.decode(QByteArrayView(&byte, 1));
        if (expected == QStringLiteral("\uFFFD"))
            continue;
        EXPECT_EQ(fromWin1250(QByteArrayView(&byte, 1)), expected) << b;
        EXPECT_EQ(toWin1250(expected), QByteArray(1, byte)) << b;
    }
}
