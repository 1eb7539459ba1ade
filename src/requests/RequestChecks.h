#pragma once

// The checks of the request editor's "Memoreaza", over the editor's values,
// without a window: each refusal carries its message and the field its
// balloon points at (the field's object name in the editor).

#include "requests/RequestRecord.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

namespace kovara {

class Query;

// The editor's fields as typed.
struct RequestInput
{
    bool Handi = false;
    QString CerereNr;
    QDate CerereData;
    QString CNPSubsemnat, Subsemnat, AdresaSubsemnat, JudetSubsemnat;
    // kind 1
    bool Alocatie = false, Indemnizatie = false, Stimulent = false;
    QString Copil1, CNP1, Copil2, CNP2, Copil3, CNP3;
    // kind 2
    QString BIseria, BINr, ALCopil, Cuantum, NumeCopil, CNPCopil, CNSeria, CNNr, CNElib;
    // kind 3
    QString Calitate, BISeria2, BINr2, Cuantum2, Copil21, CNP21, Copil22, CNP22, Copil23, CNP23;
};

struct Problem
{
    QString message;
    QString field;
    bool operator==(const Problem &) const = default;
};

// The items of the birth-rank choice (kind 2) and of the applicant's
// capacity (kind 3).
const QStringList &AlcateItems();
const QStringList &CalitateItems();

// The defaults of a new request of a kind: today's date, the kind's next
// number, the remembered county and amounts (section VAR of the settings).
RequestInput DefaultInput(int kind, const QDate &today);
// The fields of a stored row for the page of `kind`, over `in` (number,
// date and applicant code are not touched).
void FillInput(RequestInput &in, int kind, const RequestRecord &r);

// Checks 1 to 5 of every kind (number, applicant code, name, address,
// county). Normalises the fields it checks.
std::optional<Problem> CheckCommon(RequestInput &in);
// The checks of the kind's page, up to the children in other requests.
// Normalises the page's fields and moves child 3 up when row 2 is empty.
std::optional<Problem> CheckPage(int kind, RequestInput &in);

// The lookup query of the editor: the columns of every request that the
// duplicate checks read. Rows that pass a check's filter are taken in the
// order CNP, then IDCERERE from the newest.
void OpenLookup(Query &lookup);

// The applicant's most recent request (highest IDCERERE, of any kind).
std::optional<RequestRecord> LatestRequestOf(const QString &cnp);

// The message when another request of the same kind has the same number:
// for a new request (`ownId` 0), one dated on or after 1 January of today's
// year; for a modified request (`ownId`, itself excluded), one dated in the
// year of `requestDate`, so that a request of an earlier year can be
// corrected although its number was given again this year. The lookup's
// filter is cleared again.
std::optional<QString> DuplicateNumber(Query &lookup, int kind, const QString &nr, const QDate &today,
                                       qint64 ownId, const QDate &requestDate = QDate());

// The question when the children of the request appear in other requests
// of the kind (`ownId` excluded when not 0); the lookup's filter is cleared.
struct ChildrenFound
{
    int count = 0;
    QString question;
};
std::optional<ChildrenFound> ChildrenElsewhere(Query &lookup, int kind, const RequestInput &in, qint64 ownId);

// The row to store from the checked values. New requests: NRDISP 0,
// DATADISP today, PTLUNA empty; modified ones keep IDCERERE, NRDISP,
// DATADISP and PTLUNA of `stored`.
RequestRecord RecordOf(int kind, const RequestInput &in, bool modify, const RequestRecord &stored,
                       const QDate &today);

// After a new request is saved: the kind's next number, the county and the
// amount of the kind, in the settings file.
void RememberNewRequest(int kind, const RequestInput &in);

} // namespace kovara
