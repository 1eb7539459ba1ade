#pragma once

// A work table of a listing: a dBase file in the work folder, made by SQL
// for one run and removed when the run ends, whichever way.

#include "base/Error.h"

#include <QString>

namespace kovara {

// The failure of a work table held open by another program: the listing
// shows it as an error box titled with the listing's name.
class WorkTableInUse : public Error
{
public:
    using Error::Error;
};

// "Fisierul <path> este in utilizare!" + line break + "Va rog sa ...".
QString WorkTableInUseText(const QString &path);

class Database;

class WorkTable
{
public:
    // Removes a file of that name left over from an earlier run; fails
    // (WorkTableInUse, with WorkTableInUseText) when it is held open by another
    // program or cannot be removed. Then creates the table with `columns`.
    WorkTable(Database &db, const QString &path, const QString &columns);
    ~WorkTable();
    WorkTable(const WorkTable &) = delete;
    WorkTable &operator=(const WorkTable &) = delete;

    const QString &path() const { return m_path; }
    QString table() const; // its name in statements

private:
    Database &m_db;
    QString m_path;
};

} // namespace kovara
