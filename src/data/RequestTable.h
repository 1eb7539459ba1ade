#pragma once

// The request table Cereri.dbf of the data folder and its counters.

#include "engines/dbf/Dbf.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace kovara {

class Database;

QString RequestTablePath(); // DataDir() + "/Cereri.dbf", matched without regard to case
// The table's name in statements run on Database::shared() (attached on
// first use), e.g. "SELECT * FROM " + RequestTable() + " WHERE IDCERERE = ?".
QString RequestTable();
// The columns a request table is looked up by, indexed in memory:
// IDCERERE (one request) and DINDATA (a period).
const QStringList &RequestIndexedColumns();
// A request table (that of another data folder, too) attached to `db` with
// those indexes. Every statement on a request table names it through this.
QString RequestTableIn(Database &db, const QString &path);
// The 27 columns of the table, in file order.
QList<dbf::FieldDef> RequestTableColumns();

// How the columns of an existing request table differ from those the
// program needs, one text each ("coloana NR are tipul C (text), programul
// are nevoie de N (numar)", "lipseste coloana NR"); empty when every needed
// column is there with its kind of value. A missing HANDI is no fault: the
// start adds it. With `typesOnly`, missing columns are not listed.
QStringList RequestColumnFaults(const dbf::Table &table, bool typesOnly = false);

// Every fault of the request table at `path` that forbids using it: where
// its records sit, every record's deletion flag, a column of the wrong kind. Throws
// dbf::DamagedTable with the whole message when there is one.
void CheckRequestTable(const QString &path);

// Creates the table with its 27 columns when the file is missing.
void CreateRequestTable();
// Adds the HANDI column, filled with "NU", to older tables and then stamps
// the data version. For data older than 1.25 the request form template is
// deleted and the refresh set below runs (it writes the missing templates
// again). A damaged table (see dbf::Table::open) fails before anything is
// changed, the settings file included.
void UpgradeData();
// What UpgradeData runs to write the document templates anew (nothing
// until the template module sets it).
void setTemplateRefresh(std::function<void()> refresh);

// Counters of section INDEX of the settings file. A stored text that is not
// a whole number fails (kovara::Error) and leaves the counter as it was.
// NextIndex("IDCERERE") never returns an identifier the request table
// already holds, deleted rows included, even when the settings file was
// lost or replaced.
QString NextIndex(const QString &key); // returns the counter, stores it + 1
void SetIndex(const QString &key, const QString &value);
QString PeekIndex(const QString &key); // "1" when empty

} // namespace kovara
