#include "exports/TreasuryFile.h"
#include "base/FileNames.h"

#include "data/RequestKinds.h"
#include "data/RequestTable.h"
#include "data/Settings.h"
#include "engines/dbf/Query.h"
#include "engines/dbf/SqlEngine.h"
#include "shell/Formats.h"

#include <QDir>
#include <QFileInfo>
#include <cmath>

namespace kovara {
namespace {

const QString kTitle = QStringLiteral("Raport DBF Trezorerie");

// A chosen treasury file, attached read-only to an engine of its own.
struct ChosenFile
{
    Database db;
    QString table;
    explicit ChosenFile(const QString &path)
    {
        table = QStringLiteral("trezorerie");
        db.attach(table, path, true);
    }
};

QString twoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

// A sum as the engine's text of a number: no trailing zeros, "." before decimals.
QString sumText(double value)
{
    return QString::number(std::round(value * 100.0) / 100.0, 'g', 15);
}

} // namespace

QString TreasuryPrefix(int county, const QString &fiscalCode)
{
    return twoDigits(county) + fiscalCode;
}

QString TreasuryFileName(int county, const QString &fiscalCode, const QDate &transfer)
{
    return TreasuryPrefix(county, fiscalCode) + QStringLiteral("_") +
           transfer.toString(QStringLiteral("dd-MM-yyyy")) + QStringLiteral(".dbf");
}

int ChildCount(const QString &cnp2, const QString &cnp3)
{
    return 1 + (cnp2.size() == 13 ? 1 : 0) + (cnp3.size() == 13 ? 1 : 0);
}

ReportOutcome CreateTreasuryFile(const Workspace &ws, const QString &folder, const TreasuryDates &dates,
                                 const ReportProgress &progress)
{
    const QString model = ModelTable(ws, QStringLiteral("ModelTrz.DBF"), kTitle);
    const int county = CountyNumber(ws.constants, kTitle);
    const QString cf = CheckedFiscalCode(ws.constants, QStringLiteral("Raport Finante"));
    MakeReportFolder(folder, kTitle);
    const QString target =
        findFileNoCase(QDir(folder).filePath(TreasuryFileName(county, cf, dates.transfer)));
    CheckReplaceable(target, QStringLiteral("Raport Trezorerie"));

    Query rows(ws.database());
    rows.open(QStringLiteral("SELECT SUBSEMN, CNP, CUANTUM, CNP2, CNP3\nFROM ") + ws.requestTable() +
                  QStringLiteral("\nWHERE TIP = ? AND DINDATA >= ? AND DINDATA <= ?\nORDER BY SUBSEMN"),
              {LayetteTip(), dates.from, dates.to});
    const int total = rows.rowCount();
    if (progress)
        progress(0, total);
    const QString codjud = QString::number(county);
    FillModelCopy(model, target, QStringLiteral("Raport Trezorerie"), [&](dbf::Table &table) {
        int done = 0;
        for (rows.first(); !rows.eof(); rows.next()) {
            QByteArray record = table.blankRecord();
            SetField(table, record, "CODJUD", codjud);
            SetField(table, record, "CODFISC", cf);
            SetField(table, record, "CNP", rows.text(QStringLiteral("CNP")));
            SetField(table, record, "CODAJUT", QStringLiteral("060"));
            SetField(table, record, "NUMEPREN", rows.text(QStringLiteral("SUBSEMN")));
            SetField(table, record, "DTPLATCRT", dates.payment);
            SetField(table, record, "DATA_PREL", dates.takeover);
            SetField(table, record, "SUMA", Currency(rows.amount(QStringLiteral("CUANTUM"))));
            SetField(table, record, "NRPERS",
                     ChildCount(rows.text(QStringLiteral("CNP2")), rows.text(QStringLiteral("CNP3"))));
            table.appendRecord(record);
            if (progress)
                progress(++done, total);
        }
    });
    rows.close();

    ReportOutcome out;
    out.path = QDir::toNativeSeparators(target);
    out.rows = total;
    out.title = QStringLiteral("Raport Trezorerie");
    out.text = QStringLiteral("Fisierul de raportat se numeste ") + out.path + QStringLiteral(".") +
               LineBreak() +
               QStringLiteral("Urmeaza sa-l copiati pe CD folosind programul NERO sau pe disketa.");
    return out;
}

TreasuryLabels TreasuryAnnexLabels(const MunicipalityConstants &c, const QDate &transfer)
{
    TreasuryLabels l;
    l.county = QString::number(CountyCode(c.JUDET)) + QStringLiteral("  JUDETUL ") + c.JUDET;
    l.unit = c.CF + QStringLiteral("  CONSILIUL LOCAL ") + c.LOCALIT.toUpper();
    l.date = QStringLiteral("in ziua ") + twoDigits(transfer.day()) + QStringLiteral(" luna ") +
             twoDigits(transfer.month()) + QStringLiteral(" anul ") + QString::number(transfer.year());
    l.mayor = c.PRIMAR;
    return l;
}

void CheckTreasuryFileName(const MunicipalityConstants &c, const QString &file, const QString &title)
{
    const QString prefix = TreasuryPrefix(CountyCode(c.JUDET), c.CF);
    if (!QFileInfo(file).fileName().toUpper().contains(prefix.toUpper()))
        throw ReportRefusal(title, QStringLiteral("Fisierul ales nu este cel de raportat la Trezorerie!") +
                                       LineBreak() +
                                       QStringLiteral("Acesta trebuie sa aiba numele de forma: ") + prefix +
                                       QStringLiteral("_zz-ll-aaaa.dbf !"));
}

QList<Annex2Row> ReadAnnex2Rows(const MunicipalityConstants &c, const QString &file)
{
    const QString title = QStringLiteral("Anexa 2 Trezorerie");
    CheckTreasuryFileName(c, file, title);
    {
        const std::unique_ptr<dbf::Table> table = dbf::Table::open(file);
        if (table->fieldIndex("NUMEPREN") < 0)
            throw ReportRefusal(title,
                                QStringLiteral("Fisierul ales nu este cel de raportat la Trezorerie!"));
    }
    ChosenFile chosen(file);
    Query q(chosen.db);
    q.open(QStringLiteral("SELECT NUMEPREN, NRPERS, CNP, SUMA\nFROM ") + chosen.table +
           QStringLiteral("\nORDER BY NUMEPREN"));
    QList<Annex2Row> rows;
    for (q.first(); !q.eof(); q.next())
        rows.append({q.text(QStringLiteral("NUMEPREN")), q.integer(QStringLiteral("NRPERS")),
                     q.text(QStringLiteral("CNP")), q.amount(QStringLiteral("SUMA"))});
    q.close();
    return rows;
}

double Annex2Total(const QList<Annex2Row> &rows)
{
    // Added in cents, so that the total is exactly the sum of the amounts shown.
    qint64 cents = 0;
    for (const Annex2Row &r : rows)
        cents += std::llround(r.amount * 100.0);
    return double(cents) / 100.0;
}

QList<QPair<QString, QString>> Annex3Pairs(const MunicipalityConstants &c, const QString &file,
                                           const QDate &transfer)
{
    CheckTreasuryFileName(c, file, QStringLiteral("Listare DBF Trezorerie"));
    ChosenFile chosen(file);
    Query q(chosen.db);
    q.open(QStringLiteral("SELECT SUM(NRPERS) AS NR, SUM(SUMA) AS TOTAL\nFROM ") + chosen.table);
    const QString nr = sumText(q.amount(QStringLiteral("NR")));
    const QString total = sumText(q.amount(QStringLiteral("TOTAL")));
    q.close();
    return {
        {QStringLiteral("[CODJUD]"), QString::number(CountyCode(c.JUDET))},
        {QStringLiteral("[DENUMJUD]"), c.JUDET},
        {QStringLiteral("[CODUNIT]"), c.CF},
        {QStringLiteral("[DENUMUNIT]"), QStringLiteral("Consiliul local ") + c.LOCALIT},
        {QStringLiteral("[NR]"), nr},
        {QStringLiteral("[SUMA]"), total},
        {QStringLiteral("[DATA]"), FormatDate(transfer)},
    };
}

} // namespace kovara
