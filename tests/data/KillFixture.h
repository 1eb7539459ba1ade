#pragma once

// What the crash tests share: a program folder, child processes that end at
// a fixed crash point (base/CrashPoint.h), and the data of the operations
// that are cut short.

#include "../admin/ArchiveTestUtil.h"
#include "TestSupport.h"
#include "base/CrashPoint.h"
#include "base/Paths.h"
#include "data/RequestTable.h"
#include "engines/dbf/Dbf.h"
#include "engines/dbf/SqlEngine.h"
#include "requests/Numbering.h"

#include <QDate>
#include <QDir>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kovara::test {

// The bytes compared while ignoring the header's last-update date.
inline bool sameTable(QByteArray a, QByteArray b)
{
    if (a.size() != b.size() || a.size() < 4)
        return false;
    for (int i = 1; i <= 3; ++i)
        a[i] = b[i] = 0;
    return a == b;
}

// Runs `work` in a child process with KOVARA_CRASH_AFTER=`crashAfter`
// ("<point>:<k>"): true when the child ended at that crash point, false when
// it finished the work without reaching it. Fails the test when the child
// failed on its own.
inline bool crashedAt(const std::function<void()> &work, const QString &crashAfter)
{
    Database::shared().detachAll(); // the child inherits no open table
    const pid_t child = ::fork();
    if (child < 0) {
        ADD_FAILURE() << "fork failed";
        return false;
    }
    if (child == 0) {
        ::setenv("KOVARA_CRASH_AFTER", crashAfter.toLatin1().constData(), 1);
        try {
            work();
        } catch (...) {
            ::_exit(2);
        }
        ::_exit(0);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        ADD_FAILURE() << "the child did not end by itself";
        return false;
    }
    const int code = WEXITSTATUS(status);
    EXPECT_TRUE(code == 0 || code == kCrashPointExitCode) << "the operation itself failed (" << code << ")";
    return code == kCrashPointExitCode;
}

class Kill : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setProgramDir(scratch.path());
        QDir().mkpath(DataDir());
    }
    void TearDown() override { Database::shared().detachAll(); }

    QString inData(const QString &name) const { return QDir(DataDir()).filePath(name); }
    // Entries of the data folder other than the table and the settings.
    QStringList leftovers() const
    {
        QStringList names = QDir(DataDir()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        names.removeAll(QStringLiteral("Cereri.dbf"));
        names.removeAll(QStringLiteral("Kovara.ini"));
        return names;
    }

    // A request table of newborn requests numbered 1..count, and the range
    // that gives all of them a disposition in one run.
    NumberingRange numberingTable(int count)
    {
        CreateRequestTable();
        {
            auto table = dbf::Table::open(RequestTablePath(), dbf::Mode::ReadWrite);
            auto field = [&](const char *name) { return table->fields().at(table->fieldIndex(name)); };
            QByteArray record = table->blankRecord();
            for (int i = 1; i <= count; ++i) {
                dbf::encodeField(field("IDCERERE"), i, record);
                dbf::encodeField(field("NR"), i, record);
                dbf::encodeField(field("TIP"), QStringLiteral("3"), record);
                dbf::encodeField(field("DINDATA"), QDate(2024, 3, 1), record);
                dbf::encodeField(field("SUBSEMN"), QStringLiteral("POPESCU %1").arg(i), record);
                table->appendRecord(record);
            }
        }
        NumberingRange range;
        range.kind = 2;
        range.firstNr = 1;
        range.lastNr = count;
        range.fromDate = QDate(2024, 1, 1);
        range.firstDisp = 100;
        range.dispDate = QDate(2024, 4, 15);
        range.month = 4;
        range.year = 2024;
        return range;
    }

    // The data folder's files before a restore, and an archive that
    // replaces them (three files out, three in).
    const QMap<QString, QByteArray> oldFiles = {
        {QStringLiteral("Cereri.dbf"), randomBytes(6 << 20, 1)},
        {QStringLiteral("Kovara.ini"), "[CONST]\r\nVERSIUNE=1.25\r\n"},
        {QStringLiteral("Cerere12.rtf"), randomBytes(300000, 2)}};
    QString restoreArchive()
    {
        const QString kov = scratch.file(QStringLiteral("salvare.kov"));
        writeAll(kov, handArchive({{"Data\\Cereri.dbf", randomBytes(5 << 20, 3), 1},
                                   {"Data\\Kovara.ini", "[CONST]\r\nVERSIUNE=1.26\r\n"},
                                   {"Data\\Disp3.rtf", randomBytes(200000, 4), 1}}));
        return kov;
    }
    void fillOldFiles()
    {
        const QString data = DataDir();
        QDir(data).removeRecursively();
        QDir().mkpath(data);
        for (auto it = oldFiles.cbegin(); it != oldFiles.cend(); ++it)
            writeAll(QDir(data).filePath(it.key()), it.value());
    }

    ScratchDir scratch;
};

} // namespace kovara::test
