#pragma once

// A backup saves each table whole: it reads a table under the reader's lock
// (waiting for a running change to finish) and never saves a change's
// journal.

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace kovara {

// Called before a file is saved: for a dBase table, the reader's lock,
// taken within `timeoutMs` (a journal left by a change that will never
// finish is rolled back first); `waiting` is called with the table's path
// when it has to wait. Nothing for other files. Throws kovara::Error when
// the change does not end in time.
std::function<std::shared_ptr<void>(const QString &path)>
TableReadHold(const std::function<void(const QString &path)> &waiting = {}, int timeoutMs = 60000);

// The files without the journals of tables' changes ("<table>-jurnal").
QStringList WithoutTableJournals(const QStringList &files);

// "Astept terminarea unei modificari a tabelului <name>..."
QString WaitingForTableText(const QString &path);

} // namespace kovara
