#include "exports/FinanceFile.h"
#include "base/FileNames.h"

#include "data/RequestKinds.h"
#include "data/RequestTable.h"
#include "data/Settings.h"
#include "engines/dbf/Query.h"
#include "engines/dbf/SqlEngine.h"
#include "shell/Formats.h"

#include <QDir>
#include <QFileInfo>

namespace kovara {
namespace {

const QString kTitle = QStringLiteral("Raport Finante");

} // namespace

QString FinanceSubfolder(FinanceKind kind)
{
    return kind == FinanceKind::Layette ? QStringLiteral("TRUSOU_NN") : QStringLiteral("ALOCAT_NN");
}

RequestSelection FinanceSelection(FinanceKind kind, const QDate &from, const QDate &to)
{
    return {kind == FinanceKind::Layette ? LayetteTip() : NewbornTip(), from, to};
}

QString FinanceFileName(int county, const QString &fiscalCode)
{
    return QString::number(county) + fiscalCode + QStringLiteral(".dbf");
}

SplitName SplitApplicantName(const QString &subsemn)
{
    const qsizetype blank = subsemn.indexOf(QLatin1Char(' '));
    if (blank < 0)
        return {subsemn, QString()};
    return {subsemn.left(blank), subsemn.mid(blank + 1).trimmed()};
}

ReportOutcome CreateFinanceFile(const Workspace &ws, const QString &folder, const RequestSelection &selection,
                                const ReportProgress &progress)
{
    // Every check before anything on disk is touched.
    const QString model = ModelTable(ws, QStringLiteral("RapAj.DBF"), kTitle);
    const int county = CountyNumber(ws.constants, kTitle);
    const QString cf = CheckedFiscalCode(ws.constants, kTitle);
    MakeReportFolder(folder, kTitle);
    const QString target = findFileNoCase(QDir(folder).filePath(FinanceFileName(county, cf)));
    CheckReplaceable(target, kTitle);

    Query rows(ws.database());
    rows.open(QStringLiteral("SELECT SUBSEMN, CNP, CUANTUM\nFROM ") + ws.requestTable() +
                  QStringLiteral("\nWHERE TIP = ? AND DINDATA >= ? AND DINDATA <= ?\nORDER BY SUBSEMN"),
              {selection.tip, selection.from, selection.to});
    const int total = rows.rowCount();
    if (progress)
        progress(0, total);
    const QString codjud = QString::number(county);
    FillModelCopy(model, target, kTitle, [&](dbf::Table &table) {
        int done = 0;
        for (rows.first(); !rows.eof(); rows.next()) {
            const QVariant subsemn = rows.value(QStringLiteral("SUBSEMN"));
            const SplitName name = SplitApplicantName(subsemn.isNull() ? QString() : subsemn.toString());
            QByteArray record = table.blankRecord();
            SetField(table, record, "CODJUD", codjud);
            SetField(table, record, "CODFISC", cf);
            SetField(table, record, "CNP", rows.text(QStringLiteral("CNP")));
            SetField(table, record, "NUME", name.nume);
            SetField(table, record, "PRENUME", name.prenume);
            SetField(table, record, "SUMA", Currency(rows.amount(QStringLiteral("CUANTUM"))));
            table.appendRecord(record);
            if (progress)
                progress(++done, total);
        }
    });
    rows.close();

    ReportOutcome out;
    out.path = QDir::toNativeSeparators(target);
    out.rows = total;
    out.title = kTitle;
    out.text =
        QStringLiteral("Fisierul de raportat se numeste ") + out.path + QStringLiteral(".") + LineBreak() +
        QStringLiteral("Urmeaza sa-l copiati pe CD folosind programul NERO sau sa-l trimiteti prin email.");
    return out;
}

QString FinanceListingSubtitle(FinanceKind kind)
{
    return kind == FinanceKind::Layette
               ? QStringLiteral("cu beneficiarii de trusouri pentru copii nou-nascuti,")
               : QStringLiteral("cu beneficiarii de alocatii pentru copii nou-nascuti,");
}

FinanceListing PrepareFinanceListing(const MunicipalityConstants &c, const QString &file, FinanceKind kind,
                                     const QDate &from, const QDate &to)
{
    const QString title = QStringLiteral("Listare DBF Finante");
    const int county = CountyNumber(c, title);
    const QString expected = FinanceFileName(county, c.CF).toUpper();
    if (QFileInfo(file).fileName().toUpper() != expected)
        throw ReportRefusal(title, QStringLiteral("Fisierul ales nu este cel de raportat la finante!") +
                                       LineBreak() + QStringLiteral("Acesta trebuie sa aiba numele: ") +
                                       expected + QStringLiteral(" !"));
    FinanceListing l;
    l.file = file;
    l.county = QString::number(county) + QStringLiteral("  JUDETUL ") + c.JUDET;
    l.unit = c.CF + QStringLiteral("  CONSILIUL LOCAL ") + c.LOCALIT.toUpper();
    l.subtitle = FinanceListingSubtitle(kind);
    l.period = QStringLiteral("in perioada ") + FormatDate(from) + QStringLiteral(" - ") + FormatDate(to);
    l.mayor = c.PRIMAR;
    return l;
}

QString FinanceListingStatement(const QString &table)
{
    return QStringLiteral(
               "SELECT COALESCE(NUME, '') || ' ' || COALESCE(PRENUME, '') AS NUMEX, NUME, PRENUME, CNP, "
               "SUMA\nFROM ") +
           table + QStringLiteral("\nORDER BY NUME, PRENUME");
}

} // namespace kovara
