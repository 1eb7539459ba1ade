#pragma once

// The SQLite virtual-table module "dbf": a dBase file seen as a table.
//
//   CREATE VIRTUAL TABLE temp.x USING dbf('<path>' [, 'readonly'] [, 'index=COL,COL'])
//
// Columns keep the file's names and order: N without decimals as INTEGER,
// N with decimals as REAL, D as ISO text 'YYYY-MM-DD' (declared DATETEXT),
// C as text without its trailing blanks (declared COLLATE WIN1250), L as
// 0/1; blanks read as NULL. The rowid is the record number (from 1);
// deleted records are invisible. The columns named by 'index=' (whole
// numbers or dates; names the file lacks are passed over) are looked up
// through an in-memory index instead of a scan.
// Each statement that writes is a transaction of its own: a failure puts
// every touched byte of the file back. The file is opened for writing (and
// so locked against other writers) only while a statement writes.
// Where the platform allows, records scattered over the file are read
// through a read-only mapping of it (scans read blocks); the program's own
// writers never shorten a table in place (pack and new columns write a new
// file and rename it), so the mapping stays valid.

#include <QString>

struct sqlite3;

namespace kovara::sqlvtab {

// Registers the module "dbf" and the collation "WIN1250" on a connection.
void registerDbfModule(sqlite3 *db);

} // namespace kovara::sqlvtab
