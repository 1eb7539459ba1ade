#include "app/SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QUuid>
#include <gtest/gtest.h>

using namespace kovara;

namespace {

QString uniqueKey()
{
    return QStringLiteral("kovara-test-") + QUuid::createUuid().toString(QUuid::Id128).left(12);
}

} // namespace

TEST(SingleInstance, SecondCopyAsksTheFirstToComeForward)
{
    const QString key = uniqueKey();
    SingleInstance first(key);
    ASSERT_TRUE(first.claim());
    QSignalSpy activated(&first, &SingleInstance::activateRequested);

    SingleInstance second(key);
    EXPECT_FALSE(second.claim());
    EXPECT_TRUE(activated.wait(3000));
    EXPECT_EQ(activated.count(), 1);

    SingleInstance third(key);
    EXPECT_FALSE(third.claim());
    EXPECT_TRUE(activated.wait(3000));
    EXPECT_EQ(activated.count(), 2);
}

TEST(SingleInstance, FreedWhenTheFirstCopyEnds)
{
    const QString key = uniqueKey();
    {
        SingleInstance first(key);
        ASSERT_TRUE(first.claim());
    }
    SingleInstance next(key);
    EXPECT_TRUE(next.claim());
}

// The key comes from the user as the system knows it, not from USER.
TEST(SingleInstance, KeyIsDerivedFromTheUserAndSafeAsAFileName)
{
    const QByteArray saved = qgetenv("USER");
    const QString before = SingleInstance::defaultKey();
    qputenv("USER", "ana maria/../x");
    EXPECT_EQ(SingleInstance::defaultKey(), before);
    qputenv("USER", saved);
    EXPECT_TRUE(before.startsWith(QStringLiteral("kovara-")));
    for (const QChar c : before)
        EXPECT_TRUE(c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('-'))
            << before.toStdString();
}

// A second copy started with another TMPDIR still finds the first.
TEST(SingleInstance, AnotherTemporaryFolderIsNoWayAround)
{
    const QString key = uniqueKey();
    SingleInstance first(key);
    ASSERT_TRUE(first.claim());
    const QByteArray saved = qgetenv("TMPDIR");
    const QString elsewhere = QDir::tempPath() + QStringLiteral("/kovara-other-tmp");
    QDir().mkpath(elsewhere);
    qputenv("TMPDIR", elsewhere.toUtf8());
    SingleInstance second(key);
    EXPECT_FALSE(second.claim());
    if (saved.isEmpty())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", saved);
    QDir(elsewhere).removeRecursively();
}
