#pragma once

// SQLite's printf() and format() give NULL, not an error, when their result
// would be longer than the connection's length limit: a query asking for a
// value over the limit would print an empty field and end as a success. The
// guard puts its own printf() and format() on a connection: each runs the
// built-in one on a private connection with the same limit, and a NULL that
// did not come from a NULL format becomes the "too big" error the other
// functions give.

struct sqlite3;

namespace kovara::cli {

// Installs the guard on `db` for results of at most `lengthLimit` bytes. The
// guard lives as long as `db`.
void GuardFormatFunctions(sqlite3 *db, int lengthLimit);

} // namespace kovara::cli
