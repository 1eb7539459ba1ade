#pragma once

#include "data/Workspace.h"

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <optional>

namespace kovara::cli {

struct Context
{
    QString dataDir;  // --data, or the Data folder beside the program
    QStringList args; // the words after the command's name
    QTextStream &out; // results
    QTextStream &err; // messages
};

// False, said on err, when the data folder does not exist.
bool dataFolderExists(const Context &ctx);
// The data folder with its constants, and the program folder for what goes
// beside the program; none (said on err) when the folder does not exist.
std::optional<Workspace> openDataFolder(const Context &ctx);

// Each command returns the process exit code: 0 on success.
int sqlCommand(const Context &ctx);         // sql "SELECT ..."
int checkCommand(const Context &ctx);       // check
int backupCommand(const Context &ctx);      // backup FILE.kov
int verifyCommand(const Context &ctx);      // verify FILE.kov
int restoreCommand(const Context &ctx);     // restore FILE.kov
int exportCommand(const Context &ctx);      // export centralizator FROM TO | ministru LUNA.AN -o FILE.xls
int financeCommand(const Context &ctx);     // finance nn|trusou FROM TO -o FOLDER
int financeListCommand(const Context &ctx); // finance-list FILE.dbf nn|trusou FROM TO -o FILE.pdf (paints)
int treasuryCommand(const Context &ctx);   // treasury FROM TO --transfer D --takeover D --payment D -o FOLDER
int annex2Command(const Context &ctx);     // annex2 FILE.dbf --transfer D -o FILE.pdf|FILE.xls (paints)
int annex3Command(const Context &ctx);     // annex3 FILE.dbf --transfer D -o FILE.rtf
int documentCommand(const Context &ctx);   // document KIND ... -o FILE.rtf
int templatesCommand(const Context &ctx);  // templates
int repairCommand(const Context &ctx);     // repair FILE.dbf
int listingCommand(const Context &ctx);    // listing KIND FROM TO -o FILE.pdf (paints)
int exportListCommand(const Context &ctx); // export lista KIND YEAR [--sort COLUMN] -o FILE.xls

// The kinds of `document` (the words after the kind's name).
int dispositionsDocument(const Context &ctx,
                         QStringList words); // dispozitii nn|trusou FIRST LAST [--copies N] -o FILE
int statisticsDocument(const Context &ctx, QStringList words); // statistica 1|2 YEAR -o FILE

} // namespace kovara::cli
