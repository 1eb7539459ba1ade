#pragma once

// The mayor's dispositions for the newborn allowance (requests of type "3",
// template Disp3.rtf) and for the layette (type "4", Disp4.rtf): the
// dispositions of a range of numbers dated this year, in the order of the
// request numbers, each on its own page, in 1 to 9 copies.

#include "data/Settings.h"
#include "data/Workspace.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <utility>

namespace kovara {

class Query;

enum class DispositionKind { NewbornAllowance, Layette };

// Placeholder and value, in the order they are added.
using PlaceholderValues = QList<std::pair<QString, QString>>;

// The children of a layette request, as the template's sentence continues
// it: "al copilului " for one child, "a copiilor " otherwise, then a blank
// and, for each child, name + ", CNP " + code + ", ".
QString ChildrenPhrase(const QStringList &names, const QStringList &codes);

// The applicant's capacity as the layette sentence writes it before the
// children phrase: "reprezentant legal al copilului" loses its last words,
// which the children phrase says ("... reprezentant legal al copilului
// POP ANA", never "al copilului al copilului"); other capacities as stored.
QString CapacityBeforeChildren(const QString &calitate);

// "numita"/"doamnei" for an applicant whose code says female, otherwise
// (also for an empty code) "numitul"/"domnului"; by the sex rule of the
// identity code (first digit 2, 6 or 8 female).
struct ApplicantWords
{
    QString numit;
    QString dnei;
};
ApplicantWords ApplicantSexWords(const QString &cnp);

// The messages of the failures, as the windows show them.
QString DispositionsTitle();                    // "Listare Dispozitii"
QString NoDispositionText(int first, int last); // "Nu exista nici o dispozitie cu numarul intre ..."
QString CannotWriteText();                      // "Nu pot scrie pe harddisk!"
QString LayetteTemplateMissingText(const QString &path);

// What a run makes. The rows come from the request table of the data
// folder (DataDir), the template from the same folder.
struct DispositionRun
{
    DispositionKind kind = DispositionKind::NewbornAllowance;
    int first = 0;
    int last = 0;
    int copies = 1;
    int year = QDate::currentDate().year(); // dispositions dated from 1 January of this year
    QString output;                         // the document to write
    Workspace workspace;                    // the requests, the templates and the constants
    std::function<void()> afterRow;         // lets the window repaint; may be empty
};

// The template of a kind: Disp3.rtf or Disp4.rtf of the data folder.
QString DispositionTemplate(const QString &dataDir, DispositionKind kind);

// The placeholders of one disposition row (a row of the request table).
PlaceholderValues DispositionValues(DispositionKind kind, const Query &row, const MunicipalityConstants &c);

// The placeholder sets of the range, one per disposition, in order.
// Fails with DocumentRefusal when the range holds no disposition.
QList<PlaceholderValues> DispositionValueSets(const DispositionRun &run);

// Writes the document of the range; returns the number of dispositions.
// The newborn template is written from the program's model when missing;
// a missing layette template, an empty range and a document that cannot be
// started stop with DocumentRefusal (no document is left behind).
int WriteDispositions(const DispositionRun &run);

} // namespace kovara
