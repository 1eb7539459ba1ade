// The data folder a command works on (--data, or the Data folder beside the
// program).

#include "base/Paths.h"
#include "cli/Commands.h"

#include <QDir>
#include <QFileInfo>

namespace kovara::cli {

bool dataFolderExists(const Context &ctx)
{
    if (QFileInfo(ctx.dataDir).isDir())
        return true;
    ctx.err << "Dosarul de date " << QDir::toNativeSeparators(ctx.dataDir) << " nu exista.\n";
    return false;
}

std::optional<Workspace> openDataFolder(const Context &ctx)
{
    if (!dataFolderExists(ctx))
        return std::nullopt;
    return FolderWorkspace(ctx.dataDir, ProgramDir());
}

} // namespace kovara::cli
