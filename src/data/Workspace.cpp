#include "data/Workspace.h"

#include "base/Error.h"
#include "base/FileNames.h"
#include "base/Paths.h"
#include "data/RequestTable.h"
#include "engines/dbf/SqlEngine.h"

#include <QDir>

namespace kovara {

Database &Workspace::database() const
{
    if (!db)
        throw Error(QStringLiteral("Operatia nu are o baza de date."));
    return *db;
}

QString Workspace::requestTablePath() const
{
    return dataFile(QStringLiteral("Cereri.dbf"));
}

QString Workspace::requestTable() const
{
    return RequestTableIn(database(), requestTablePath());
}

QString Workspace::programFile(const QString &name) const
{
    return findFileNoCase(QDir(programDir).filePath(name));
}

QString Workspace::dataFile(const QString &name) const
{
    return findFileNoCase(QDir(dataDir).filePath(name));
}

Workspace ProgramWorkspace()
{
    return {&Database::shared(), ProgramDir(), DataDir(), Constants()};
}

Workspace FolderWorkspace(const QString &dataDir, const QString &programDir)
{
    Workspace ws{&Database::shared(), programDir, dataDir, {}};
    ws.constants = ReadConstants(ws.dataFile(QStringLiteral("Kovara.ini")));
    return ws;
}

} // namespace kovara
