#pragma once

// The filled application form of one request ("Listeaza cerere"), made in
// whole-file mode from the template Cerere.rtf of the data folder.

#include "data/Workspace.h"

#include <QList>
#include <QString>
#include <utility>

namespace kovara {

class Query;
class RtfReplace;

// (column name, text) of every field of a row, in the table's field order:
// dates "dd.MM.yyyy", numbers in decimals, empty fields as empty text.
using RowFields = QList<std::pair<QString, QString>>;
RowFields CurrentRowFields(const Query &row);

// The request form's pairs: "[" + field + "]" for every field; after SUBSEMN
// "[NUME]" and "[PRENUME]" (its first word and the rest), after COPILn
// "[NUMEn]" and "[PRENUMEn]" the same way.
void AddRequestFormPairs(RtfReplace &rtf, const RowFields &fields);

// Writes the form of the request to `destination` from Cerere.rtf of the
// data folder `dataDir` (written from its model first when missing). Fails
// with kovara::Error.
void WriteRequestForm(const QString &dataDir, const RowFields &fields, const QString &destination);

// The list command: the request's own document Cerere<IDCERERE>.rtf of the
// data folder, made the first time and reused afterwards, then opened.
// Returns its path.
QString ListRequestForm(const QString &dataDir, const RowFields &fields);

// The fields of the request with identifier `id`; fails with kovara::Error
// when there is none.
RowFields RequestFields(const Workspace &ws, qint64 id);

} // namespace kovara
