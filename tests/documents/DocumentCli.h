#pragma once

// kovara-cli run as the built program over the data folder of a document test.

#include "base/Paths.h"

#include <QProcess>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

namespace kovara::test {

struct CliResult
{
    int status;
    QString out, err;
};

inline CliResult runCli(const QStringList &args)
{
    QProcess p;
    p.start(QString::fromLocal8Bit(qgetenv("KOVARA_BIN_DIR")) + "/kovara-cli",
            QStringList{"--data", DataDir()} + args);
    EXPECT_TRUE(p.waitForFinished(30000));
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

} // namespace kovara::test
