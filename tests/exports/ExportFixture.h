#pragma once

// A program folder for the export tests: the model tables of the
// installation beside it, and a data folder written by an independent
// script (tests/exports/make_requests.py) with a fixed set of requests.

#include "TestSupport.h"
#include "base/Paths.h"
#include "data/Settings.h"
#include "engines/dbf/SqlEngine.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>
#include <ostream>

// Texts in failure messages as text.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace kovara::test {

inline const QString kPython = QStringLiteral("/usr/bin/python3");

// Runs a python script of the source tree and returns what it printed.
inline QString runPython(const QString &script, const QStringList &args)
{
    QProcess p;
    p.start(kPython, QStringList{sourcePath(script)} + args);
    const bool finished = p.waitForFinished(60000);
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_TRUE(finished && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0)
        << script.toStdString() << ": " << p.readAllStandardError().toStdString();
    return out;
}

class ExportData : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QProcess probe;
        probe.start(kPython, {QStringLiteral("-c"), QStringLiteral("import dbfread, xlrd")});
        KOVARA_NEEDS(probe.waitForFinished(30000) && probe.exitCode() == 0, "python3 with dbfread and xlrd");
        Database::shared().detachAll();
        setProgramDir(scratch.path());
        setDataDir(QString());
        for (const char *model : {"RapAj.DBF", "ModelTrz.DBF"})
            ASSERT_TRUE(QFile::copy(sourcePath(QStringLiteral("install/") + QLatin1String(model)),
                                    scratch.file(QLatin1String(model))));
        makeData();
    }
    void TearDown() override { Database::shared().detachAll(); }

    // The data folder anew, for a county and a fiscal code.
    void makeData(const QString &county = QStringLiteral("BRAILA"),
                  const QString &cf = QStringLiteral("1234567"))
    {
        Database::shared().detachAll();
        runPython(QStringLiteral("tests/exports/make_requests.py"),
                  {DataDir(), QStringLiteral("--judet"), county, QStringLiteral("--cf"), cf});
        LoadConstants();
    }

    // A dBase file as dbfread sees it; the records, one per line.
    static QStringList dbfRecords(const QString &path)
    {
        QStringList lines = runPython(QStringLiteral("tests/data/dbfread_dump.py"), {path})
                                .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        lines.removeIf([](const QString &l) { return !l.startsWith(QLatin1String("record ")); });
        return lines;
    }

    // A workbook as xlrd sees it, one line per cell (see xlrd_dump.py).
    static QStringList xlsCells(const QString &path)
    {
        return runPython(QStringLiteral("tests/exports/xlrd_dump.py"), {path})
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    // Every file in a folder, names only.
    static QStringList filesIn(const QString &folder)
    {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    ScratchDir scratch;
};

} // namespace kovara::test
