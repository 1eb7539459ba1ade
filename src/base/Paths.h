#pragma once

#include "base/NativePath.h"

#include <QString>

namespace kovara {

// The folder of the program file, without a trailing separator. When that
// folder cannot be written (an installed, read-only location) a per-user
// folder is used instead, and the files the installation supplies beside the
// program are copied into it once.
QString ProgramDir();

// ProgramDir + "Data", joined with the platform's separator, unless a
// tool named another data folder with setDataDir.
QString DataDir();
// kovara-cli --data: the data folder named on the command line (empty: the
// Data folder beside the program again).
void setDataDir(const QString &dir);

// Tests and tools point the program at another folder.
void setProgramDir(const QString &dir);

// The per-user folder used when the program's own folder is read-only.
QString userProgramDir();

// The folder to work in for a program living in programFolder: that folder
// when it can be written, otherwise userFolder, seeded with SeedUserDir.
QString ResolveProgramDir(const QString &programFolder, const QString &userFolder);

// Copies the installation's files (tables, templates and forms: *.dbf,
// *.rtf, *.doc, matched without regard to case) from `from` into `to`, and
// those of `from`/Data into `to`/Data, once:
// a marker file records that it was done, and a file already in `to` is
// never replaced.
void SeedUserDir(const QString &from, const QString &to);

} // namespace kovara
