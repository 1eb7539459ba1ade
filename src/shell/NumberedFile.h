#pragma once

// The numbered output files of the program (Dispozitie0.rtf, XLS3.xls,
// Exp0.xls, Cerere12.rtf ...): every one is chosen by the same rule, and
// never replaced while an office program may have it open.

#include <QString>

namespace kovara {

// The first free name `<base><N><suffix>` in `dir`, N counting from 0 up to
// `last` (a negative `last`: no limit). A name is free when no entry of that
// name exists, whatever its letter case, or when the files there (an earlier
// output) can be deleted, which they are. A name is skipped when what holds
// it cannot be deleted (a file open in another program, a folder), when an
// office program's lock file stands beside it (HeldOpen), or when this
// program handed that file to an application to open since it started (the
// application may still be starting and not have written its lock). A link
// is never followed nor deleted. The path is only chosen, not created;
// empty when no name up to `last` is free.
QString FreeNumberedFile(const QString &dir, const QString &base, const QString &suffix, int last);

// True when an office program's lock file stands beside `path`: LibreOffice
// writes ".~lock.<name>#", Word and Excel "~$<name>", with the name's first
// two letters dropped when it is long enough. On Linux a file open in
// another program can still be deleted: the lock is the sign that it is in
// use.
bool HeldOpen(const QString &path);

// Notes that `path` was handed to an application to open (OpenDocument
// does it), so that no numbered name reuses it while the program runs.
void NoteHandedToApplication(const QString &path);
// Forgets every such note (tests).
void ForgetHandedFiles();

// Deletes an earlier output that the program is about to make anew; false,
// leaving it in place, when it is held open (HeldOpen) or cannot be deleted.
// True also when there is nothing to delete.
bool RemoveOutput(const QString &path);

// "Fisierul <path> este deschis in alt program ..." for an output that
// cannot be deleted or made anew.
QString HeldOpenText(const QString &path);

} // namespace kovara
