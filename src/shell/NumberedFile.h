#pragma once

// The numbered output files of the program (Dispozitie0.rtf, XLS3.xls,
// Exp0.xls, Cerere12.rtf ...): every one is chosen by the same rule.

#include <QString>

namespace kovara {

// The first free name `<base><N><suffix>` in `dir`, N counting from 0 up to
// `last` (a negative `last`: no limit). A name is free when no entry of that
// name exists, whatever its letter case, or when the files there (an earlier
// output) can be deleted, which they are; a name held by something that
// cannot be deleted (a file open in another program, a folder) is skipped,
// and a link is never followed nor deleted. The path is only chosen, not
// created; empty when no name up to `last` is free.
QString FreeNumberedFile(const QString &dir, const QString &base, const QString &suffix, int last);

} // namespace kovara
