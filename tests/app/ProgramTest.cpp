// Runs the kovara program itself, on the offscreen platform.

#include "TestSupport.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QThread>
#include <QUuid>
#include <gtest/gtest.h>

namespace {

QString programIn(const QString &folder)
{
    QDir().mkpath(folder);
    const QString target = folder + QStringLiteral("/kovara");
    const QString built = qEnvironmentVariable("KOVARA_BIN_DIR") + QStringLiteral("/kovara");
    if (!QFile::copy(built, target))
        return {};
    QFile::setPermissions(target, QFile::permissions(built));
    return target;
}

bool waitFor(const std::function<bool()> &condition, int ms)
{
    QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired()) {
        if (condition())
            return true;
        QThread::msleep(50);
    }
    return condition();
}

} // namespace

TEST(Program, FirstStartCreatesTheDataAndASecondStartEndsAtOnce)
{
    kovara::test::ScratchDir scratch;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("HOME"), scratch.file(QStringLiteral("home")));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), scratch.file(QStringLiteral("home/.config")));
    env.insert(QStringLiteral("USER"),
               QStringLiteral("t") + QUuid::createUuid().toString(QUuid::Id128).left(10));

    const QString first = programIn(scratch.file(QStringLiteral("one")));
    ASSERT_FALSE(first.isEmpty()) << "KOVARA_BIN_DIR must name the built program";
    QProcess running;
    running.setProcessEnvironment(env);
    running.start(first, {});
    ASSERT_TRUE(running.waitForStarted());

    const QString data = scratch.file(QStringLiteral("one/Data"));
    const QString ini = data + QStringLiteral("/Kovara.ini");
    EXPECT_TRUE(waitFor(
        [&] {
            return QFileInfo::exists(ini) && !QDir(data).entryList({QStringLiteral("cereri.dbf")}).isEmpty();
        },
        15000));
    QSettings settings(ini, QSettings::IniFormat);
    EXPECT_EQ(settings.value(QStringLiteral("CONST/VERSIUNE")).toString(), QStringLiteral("1.25"));

    // A second copy, started from another empty folder, ends at once and
    // leaves that folder as it was.
    const QString second = programIn(scratch.file(QStringLiteral("two")));
    QProcess again;
    again.setProcessEnvironment(env);
    again.start(second, {});
    EXPECT_TRUE(again.waitForFinished(10000));
    EXPECT_EQ(again.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(again.exitCode(), 0);
    EXPECT_EQ(QDir(scratch.file(QStringLiteral("two")))
                  .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList({QStringLiteral("kovara")}));

    // The first copy is still the one running.
    EXPECT_EQ(running.state(), QProcess::Running);
    running.kill();
    running.waitForFinished(5000);
}
