#pragma once

// Fixed crash points for the crash tests. With the environment variable
// KOVARA_CRASH_AFTER="<point>:<k>", the k-th pass of an operation through
// crashPoint("<point>") ends the process at once, as a power cut or a kill
// would: nothing is flushed, undone or cleaned up. Without the variable (as
// the program always runs) a pass does nothing.
//
// The points: "restore" (the archive read, then each file moved),
// "dbf-write" (each row a statement changes, then the commit before the
// journal goes), "numbering" (each request numbered, then the commit before
// the work table goes), "settings" (the settings file written, not yet in
// place), "report-copy" (a finance or treasury file filled beside its name),
// "export-work" (a list export written in its work folder).

namespace kovara {

// The exit status of a process ended at a crash point.
constexpr int kCrashPointExitCode = 86;

void crashPoint(const char *point);

} // namespace kovara
