#include "app/StartupWork.h"

#include "base/Paths.h"
#include "data/RequestTable.h"
#include "data/Settings.h"
#include "documents/Models.h"
#include "engines/archive/Archive.h"
#include "engines/dbf/SqlEngine.h"
#include "shell/Formats.h"

namespace kovara {

StartupSteps DefaultStartupSteps()
{
    StartupSteps steps;
    steps.makeDataDir = [] {
        MakeDataDir();
        // A restore cut short is finished before anything reads the folder.
        FinishInterruptedRestore(DataDir());
    };
    steps.createRequestTable = CreateRequestTable;
    steps.loadConstants = LoadConstants;
    steps.upgradeData = [] {
        InstallTemplateRefresh(); // the upgrade writes the missing templates
        UpgradeData();
    };
    steps.stampRegistry = [] {
        WriteRegValue(QStringLiteral("CALE"), ProgramDir());
        WriteRegValue(QStringLiteral("VER"), TitleWithVersion());
    };
    steps.packTable = [] { PackTable(RequestTablePath()); };
    return steps;
}

} // namespace kovara
