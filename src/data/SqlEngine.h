#pragma once

// The SQL engine: SQLite with a virtual-table module over dBase files.
// (Declarations filled in by the SQL engine module.)

#include <QString>

namespace kovara {

// Removes the deleted rows of a table for good (no rewrite when there are none).
void PackTable(const QString &path);

} // namespace kovara
