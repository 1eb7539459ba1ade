#pragma once

// Files and folders written beside their target before they take its place.
// A run killed half-way leaves its copy behind; the next run removes it.
// Each name carries the process number of its writer, so that a copy still
// being written by another running copy of the program is never touched:
//     "91234567.dbf.kovara-4711-a8Kd0q"      (a file for 91234567.dbf)
//     ".kovara-export-4711-Zq81mB"            (a work folder)

#include <QString>

namespace kovara {

// The pattern for QTemporaryFile / QTemporaryDir of a passing copy of
// `target` ("<target>.kovara-<pid>-XXXXXX").
QString PassingFileTemplate(const QString &target);
// The pattern of a work folder in `folder` named `prefix` + "<pid>-XXXXXX".
QString WorkFolderTemplate(const QString &folder, const QString &prefix);

// Removes the passing copies of `target` whose writer no longer runs. Copies
// in the older form "<target>.XXXXXX" (six letters or digits) are removed
// when they were last written more than an hour ago. A copy's own side
// files ("...-XXXXXX-jurnal") go with it. Returns how many.
int RemoveLeftoverCopies(const QString &target);
// Removes the work folders in `folder` named `prefix` + "<pid>-XXXXXX" whose
// writer no longer runs, with what they hold. Returns how many.
int RemoveLeftoverWorkFolders(const QString &folder, const QString &prefix);

} // namespace kovara
