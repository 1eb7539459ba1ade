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

TEST(SingleInstance, KeyIsDerivedFromTheUserAndSafeAsAFileName)
{
    const QByteArray saved = qgetenv("USER");
    qputenv("USER", "ana maria/../x");
    const QString key = SingleInstance::defaultKey();
    qputenv("USER", saved);
    EXPECT_EQ(key, QStringLiteral("kovara-ana_maria____x"));
    EXPECT_TRUE(SingleInstance::defaultKey().startsWith(QStringLiteral("kovara-")));
}
