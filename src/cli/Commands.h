#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace kovara::cli {

struct Context
{
    QString dataDir;  // --data, or the Data folder beside the program
    QStringList args; // the words after the command's name
    QTextStream &out; // results
    QTextStream &err; // messages
};

// Each command returns the process exit code: 0 on success.
int sqlCommand(const Context &ctx);     // sql "SELECT ..."
int checkCommand(const Context &ctx);   // check
int backupCommand(const Context &ctx);  // backup FILE.kov
int verifyCommand(const Context &ctx);  // verify FILE.kov
int restoreCommand(const Context &ctx); // restore FILE.kov
int exportCommand(
    const Context &ctx); // export centralizator FROM TO -o FILE.xls | export ministru LUNA.AN -o FILE.xls
int financeCommand(const Context &ctx);   // finance nn|trusou FROM TO -o FOLDER
int treasuryCommand(const Context &ctx);  // treasury FROM TO --transfer D --takeover D --payment D -o FOLDER
int annex2Command(const Context &ctx);    // annex2 FILE.dbf --transfer D -o FILE.xls
int documentCommand(const Context &ctx);  // document KIND ... -o FILE.rtf
int templatesCommand(const Context &ctx); // templates

} // namespace kovara::cli
