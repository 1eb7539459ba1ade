// What a core operation works on: the program's own folders, or another data
// folder named by kovara-cli, without touching the program's.

#include "data/Workspace.h"
#include "TestSupport.h"
#include "base/Error.h"
#include "base/Paths.h"
#include "data/RequestTable.h"
#include "data/Settings.h"
#include "engines/dbf/Query.h"
#include "engines/dbf/SqlEngine.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace kovara;
using kovara::test::ScratchDir;
using kovara::test::writeAll;

namespace {

TEST(Workspace, AnotherDataFolderLeavesTheProgramsOwnAlone)
{
    ScratchDir program, other;
    setProgramDir(program.path());
    setDataDir(QString());
    QDir().mkpath(DataDir());
    CreateRequestTable();
    writeAll(QDir(other.path()).filePath("KOVARA.INI"), "[CONSTANTE]\r\nPRIMARIA=Sacele\r\n");
    const QString before = DataDir();

    const Workspace ws = FolderWorkspace(other.path(), program.path());
    EXPECT_EQ(ws.constants.PRIMARIA, QStringLiteral("Sacele"));
    EXPECT_EQ(ws.dataFile("kovara.ini"), QDir(other.path()).filePath("KOVARA.INI")); // any letter case
    EXPECT_EQ(DataDir(), before);
    EXPECT_NE(ws.requestTablePath(), RequestTablePath());

    const Workspace own = ProgramWorkspace();
    EXPECT_EQ(own.dataDir, DataDir());
    EXPECT_EQ(own.programDir, ProgramDir());
    EXPECT_EQ(own.requestTablePath(), RequestTablePath());
    Query rows(own.database());
    rows.open(QStringLiteral("SELECT COUNT(*) AS N FROM ") + own.requestTable());
    EXPECT_EQ(rows.integer(QStringLiteral("N")), 0);
}

TEST(Workspace, OneNobodyFilledInFailsInsteadOfCrashing)
{
    const Workspace empty;
    EXPECT_THROW(empty.database(), Error);
}

} // namespace
