#pragma once

// A work table: a dBase file made by SQL for one run of a listing, an export
// or the numbering, and removed (or, where the office keeps it until the next
// run, let go of) when the run ends. Every work table of the program goes
// through this guard, so a leftover is handled and a failed removal reported
// the same way everywhere.

#include "base/Error.h"

#include <QString>

namespace kovara {

// The failure of a work table held open by another program: the listing
// shows it as an error box titled with the listing's name.
class WorkTableInUse : public Error
{
public:
    explicit WorkTableInUse(const QString &path);
    const QString &path() const noexcept { return m_path; }

private:
    QString m_path;
};

// "Fisierul <path> este in utilizare!" + line break + "Va rog sa ...".
QString WorkTableInUseText(const QString &path);

class Database;

class WorkTable
{
public:
    // What the end of the run does with the file.
    enum class AtEnd {
        Remove, // the file is deleted
        Keep    // the file stays (rows and all) until the next run replaces it
    };

    // Removes a file of that name left over from an earlier run; fails with
    // WorkTableInUse when it is held open by another program or cannot be
    // removed. Then creates the table with `columns`.
    WorkTable(Database &db, const QString &path, const QString &columns, AtEnd atEnd = AtEnd::Remove);
    // A run that did not reach finish() (it failed): the table is let go of
    // as finish() would, but a failure to remove it is not added to the
    // failure already on its way.
    ~WorkTable();
    WorkTable(const WorkTable &) = delete;
    WorkTable &operator=(const WorkTable &) = delete;

    const QString &path() const { return m_path; }
    QString table() const; // its name in statements

    // The end of a successful run: removes (or lets go of) the table. Fails
    // with kovara::Error ("Fisierul ... nu poate fi sters.") when the file
    // cannot be removed, so that nobody believes it gone.
    void finish();

private:
    Database &m_db;
    QString m_path;
    AtEnd m_atEnd;
    bool m_finished = false;
};

} // namespace kovara
