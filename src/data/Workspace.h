#pragma once

// What a core operation works on: the database its statements run on, the
// program folder (model tables, templates beside the program, outputs and
// work tables), the data folder (Cereri.dbf, Kovara.ini, the document
// templates) and the municipality's constants. The windows pass the
// program's own; kovara-cli and the tests pass the folder they were given,
// without touching the program's.

#include "data/Settings.h"

#include <QString>

namespace kovara {

class Database;

struct Workspace
{
    Database *db = nullptr;
    QString programDir;
    QString dataDir;
    MunicipalityConstants constants;

    // The database; fails (kovara::Error) for a workspace nobody filled in.
    Database &database() const;
    // dataDir's Cereri.dbf, matched without regard to case.
    QString requestTablePath() const;
    // The request table as named in statements on database() (attached with
    // its indexes on first use).
    QString requestTable() const;
    // A file of the program folder or of the data folder, matched without
    // regard to case (the name as given when there is none).
    QString programFile(const QString &name) const;
    QString dataFile(const QString &name) const;
};

// The program's own: Database::shared(), ProgramDir(), DataDir() and the
// constants in memory (read when the program started or last saved).
Workspace ProgramWorkspace();

// The data folder `dataDir` (its Cereri.dbf and the constants of its
// Kovara.ini) with the program folder `programDir`, on Database::shared().
Workspace FolderWorkspace(const QString &dataDir, const QString &programDir);

} // namespace kovara
