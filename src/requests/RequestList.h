#pragma once

// The request list's data: which requests are listed (kind and year), in
// which order, the search by applicant, the year list and the commands
// that delete a request. Every value reaches the engine bound, never as
// part of the statement's text.

#include "engines/dbf/Query.h"
#include "requests/RequestRecord.h"

#include <QString>
#include <QStringList>
#include <QVariantList>

namespace kovara {

// The kind selector's entries: 0 every kind, 1 state allowance /
// indemnity / incentive (TIP greater than "4"), 2 newborn allowance
// (TIP "3"), 3 layette (TIP "4").
QStringList RequestKindNames();

struct ListStatement
{
    QString sql;
    QVariantList values;
};

// SELECT * over the requests of `year` (1 January inclusive to 1 January of
// the next year exclusive) and of the kind, ordered by `orderField`
// (a column of the request table; IDCERERE when empty). An unknown column
// fails. Over `requestTable` (as named in statements), or the program's own.
ListStatement RequestListStatement(const QString &requestTable, int year, int kind,
                                   const QString &orderField = {});
ListStatement RequestListStatement(int year, int kind, const QString &orderField = {});

// Opens (or reopens) the list query with the statement above; the filter
// already set on it stays. The current row is the last one.
void OpenRequestList(Query &list, const QString &requestTable, int year, int kind,
                     const QString &orderField = {});
void OpenRequestList(Query &list, int year, int kind, const QString &orderField = {});

// The years that have requests, newest first, with `currentYear` in front
// when it has none.
QStringList RequestYears(int currentYear);

// The search: SUBSEMN begins with `name` and CNP begins with `cnp`; an
// empty box sets no condition. Empty when both are empty.
Filter RequestSearchFilter(const QString &name, const QString &cnp);

// The row shown after deleting row `row` of `count` rows: the next one, the
// previous one when it was the last, -1 when it was the only one.
int RowAfterDelete(int row, int count);

// "Cerere<id>.rtf" in the data folder: the request's form document.
QString RequestDocumentPath(qint64 id);

// Deletes the request and then its form document (when present). A failed
// statement changes nothing and keeps the document; a document that cannot
// be removed fails after the request is gone.
void DeleteRequest(qint64 id);

// Stores a new request: its identifier from the INDEX counter IDCERERE,
// then the row. Returns the identifier. A failed statement stores nothing
// (the identifier taken is not given back).
qint64 AddRequest(RequestRecord &record);

} // namespace kovara
