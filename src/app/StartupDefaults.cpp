#include "app/StartupWork.h"

#include "app/Formats.h"
#include "base/Paths.h"
#include "data/RequestTable.h"
#include "data/Settings.h"
#include "data/SqlEngine.h"
#include "documents/Models.h"

namespace kovara {

StartupSteps DefaultStartupSteps()
{
    StartupSteps steps;
    steps.makeDataDir = MakeDataDir;
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
