#pragma once

// The treasury report file of the layettes (aid code "060"): a copy of the
// model table ModelTrz.DBF with one row per layette request of a period,
// named after the county, the fiscal code and the transfer date; and what
// its two annexes read back from such a file.

#include "exports/ReportCommon.h"

#include <QDate>
#include <QList>
#include <QPair>
#include <QString>

namespace kovara {

// The five dates of the treasury dialog, kept for the whole run.
struct TreasuryDates
{
    QDate from;     // Data1: first day of the period
    QDate to;       // Data2: last day
    QDate transfer; // DataV: names the file, dates the annexes
    QDate takeover; // DataP: DATA_PREL
    QDate payment;  // DataC: DTPLATCRT
};

// The county number with two digits followed by the fiscal code ("09" + "1234567").
QString TreasuryPrefix(int county, const QString &fiscalCode);
// prefix + "_" + dd-MM-yyyy of the transfer date + ".dbf".
QString TreasuryFileName(int county, const QString &fiscalCode, const QDate &transfer);
// 1, plus one for each of CNP2 and CNP3 holding exactly 13 characters.
int ChildCount(const QString &cnp2, const QString &cnp3);

// Writes the file into `folder`, for the layette requests registered from
// dates.from to dates.to. Checks first (model, county, fiscal code, folder,
// an older file that cannot be replaced), then fills a copy of the model
// that replaces an older file of the same name only once complete.
ReportOutcome CreateTreasuryFile(const Workspace &ws, const QString &folder, const TreasuryDates &dates,
                                 const ReportProgress &progress = {});

// The texts of both annexes.
struct TreasuryLabels
{
    QString county; // "1  JUDETUL ALBA"
    QString unit;   // "1234567  CONSILIUL LOCAL BLAJ"
    QString date;   // "in ziua 05 luna 03 anul 2008"
    QString mayor;
};
TreasuryLabels TreasuryAnnexLabels(const MunicipalityConstants &c, const QDate &transfer);

// Refused ("Fisierul ales nu este cel de raportat la Trezorerie!", titled
// `title`) unless the file's name, in capitals, contains the treasury prefix.
void CheckTreasuryFileName(const MunicipalityConstants &c, const QString &file, const QString &title);

struct Annex2Row
{
    QString name; // NUMEPREN
    qint64 persons = 0;
    QString cnp;
    double amount = 0;
};

// The rows of a treasury file, ordered by NUMEPREN; the name is checked
// first, and a file without the column NUMEPREN is refused (title
// "Anexa 2 Trezorerie").
QList<Annex2Row> ReadAnnex2Rows(const MunicipalityConstants &c, const QString &file);
// The sum of the amounts, each as written in the file (to the cent).
double Annex2Total(const QList<Annex2Row> &rows);

// The placeholders of annex 3 and their values, in the order they are
// filled: [CODJUD], [DENUMJUD], [CODUNIT], [DENUMUNIT], [NR], [SUMA], [DATA].
// The name is checked first (title "Listare DBF Trezorerie").
QList<QPair<QString, QString>> Annex3Pairs(const MunicipalityConstants &c, const QString &file,
                                           const QDate &transfer);

} // namespace kovara
