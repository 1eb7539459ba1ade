#include "requests/Numbering.h"
#include "base/FileNames.h"

#include "base/CrashPoint.h"
#include "base/Error.h"
#include "base/Paths.h"
#include "data/RequestKinds.h"
#include "data/RequestTable.h"
#include "engines/dbf/Query.h"
#include "engines/dbf/SqlEngine.h"
#include "shell/Formats.h"
#include "shell/TextHelpers.h"
#include "shell/WorkTable.h"

#include <QDir>
#include <QFile>
#include <optional>

namespace kovara {

QString NumberingWorkTable()
{
    return ProgramDir() + QStringLiteral("/pilot.dbf");
}

QString WorkTableLockedText(const QString &path)
{
    return QStringLiteral("Fisierul ") + QDir::toNativeSeparators(path) +
           QStringLiteral(" nu poate fi sters!") + LineBreak() +
           QStringLiteral("Va rog sa restartati calculatorul!");
}

QString NothingInRangeText(const QString &firstNr, const QString &lastNr)
{
    return QStringLiteral("Nu exista nici o cerere cu numarul") + LineBreak() +
           QStringLiteral("cuprins in intervalul ") + firstNr + QStringLiteral(" - ") + lastNr +
           QStringLiteral(" !");
}

int NumberDispositions(const NumberingRange &range, const std::function<void(int, int)> &progress)
{
    Database &db = Database::shared();
    const QString path = NumberingWorkTable();
    std::optional<WorkTable> work;
    try {
        work.emplace(db, path, QStringLiteral("IDCERERE DECIMAL(10,0), NR DECIMAL(9,0)"));
    } catch (const WorkTableInUse &) {
        throw NumberingRefused(NumberingRefused::WorkTableLocked, WorkTableLockedText(path));
    }
    const QString pilot = work->table();

    db.exec(QStringLiteral("INSERT INTO ") + pilot +
                QStringLiteral(" (IDCERERE, NR)\nSELECT IDCERERE, NR\nFROM ") + RequestTable() +
                QStringLiteral("\nWHERE TIP = ? AND DINDATA >= ?\nAND NR >= ?\nAND NR <= ?"),
            {TipOfKind(range.kind), range.fromDate, range.firstNr, range.lastNr});

    Query rows(db);
    rows.open(QStringLiteral("SELECT * FROM ") + pilot + QStringLiteral("\nORDER BY NR"));
    const int total = rows.rowCount();
    if (total == 0) {
        rows.close();
        throw NumberingRefused(
            NumberingRefused::NothingInRange,
            NothingInRangeText(QString::number(range.firstNr), QString::number(range.lastNr)));
    }
    if (progress)
        progress(0, total);

    const QString update = QStringLiteral("UPDATE ") + RequestTable() +
                           QStringLiteral("\nSET DATADISP = ?,\nNRDISP = ?,\nPTLUNA = ?\nWHERE IDCERERE = ?");
    const QString month = MonthPaidText(range.month, range.year);
    // The whole run is one transaction: a failure or a crash half-way
    // leaves every request as it was before the run.
    Transaction run(db);
    qint64 n = range.firstDisp;
    int done = 0;
    for (rows.first(); !rows.eof(); rows.next()) {
        db.exec(update, {range.dispDate, n, month, rows.integer(QStringLiteral("IDCERERE"))});
        ++n;
        ++done;
        crashPoint("numbering");
        if (progress)
            progress(done, total);
    }
    rows.close();
    run.commit();
    crashPoint("numbering");
    work->finish();
    return total;
}

} // namespace kovara
