#include "base/Paths.h"
#include "data/RequestKinds.h"
#include "data/RequestTable.h"
#include "data/Settings.h"
#include "engines/dbf/Query.h"
#include "exports/Workbooks.h"
#include "listings/SharedRows.h"
#include "shell/Formats.h"
#include "shell/NumberedFile.h"
#include "shell/TextHelpers.h"

#include <QDir>
#include <cmath>

namespace kovara {
namespace {

const QString kTitle = QStringLiteral("Generare XLS");

bool isNumber(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

// Every applicant and child code must be a number: the sheet holds them as
// numbers. The first request that fails is named with its field.
void CheckCodes(Query &rows)
{
    for (rows.first(); !rows.eof(); rows.next()) {
        for (const char *field : {"CNP", "CNP1"}) {
            const QString code = rows.text(QLatin1String(field));
            if (isNumber(code))
                continue;
            throw ReportRefusal(kTitle, QStringLiteral("Cererea nr. ") + rows.text(QStringLiteral("CERENR")) +
                                            QStringLiteral(" (") + rows.text(QStringLiteral("SUBSEMN")) +
                                            QStringLiteral(") are in campul ") + QLatin1String(field) +
                                            QStringLiteral(" valoarea \"") + code +
                                            QStringLiteral("\", care nu este un numar.") + LineBreak() +
                                            QStringLiteral("Corectati cererea si mai incercati odata!"));
        }
    }
}

int RankOf(const QString &alcate)
{
    static const QStringList ranks{QStringLiteral("primul"), QStringLiteral("al doilea"),
                                   QStringLiteral("al treilea"), QStringLiteral("al patrulea")};
    for (int i = 0; i < ranks.size(); ++i)
        if (ranks[i].compare(alcate, Qt::CaseInsensitive) == 0)
            return i + 1;
    return 0;
}

void WriteMinistry(NativeXlsWriter &xls, Query &rows, int month, int year, const MunicipalityConstants &k)
{
    xls.setLeftMargin(0.8);
    xls.setRightMargin(0.3);
    xls.setTopMargin(0.4);
    xls.setBottomMargin(0.5);
    const QString face = QStringLiteral("Arial");
    xls.addFont(XlsFont{face, 10});
    xls.addFont(XlsFont{face, 10, true});
    xls.addFont(XlsFont{face, 12, true});
    xls.setHeaderText({});
    xls.setFooterText({});
    const int widths[] = {5, 12, 4, 5, 14, 15, 14, 15, 7, 7, 10, 10, 10, 14};
    for (int c = 0; c < 14; ++c)
        xls.setColumnWidth(c + 1, widths[c]);

    xls.borders = AllBorders;
    xls.setActiveFont(1);
    xls.alignment = XlsAlignment::MultiPlan;
    const char *const headings[] = {"COD",      "COMUNA",  "LU",       "AN",         "CNP_RL",
                                    "NUME_RL",  "CNP_COP", "NUME_COP", "RANG COPIL", "DISP",
                                    "DAT_DISP", "DAT_CER", "CUANT_",   "ADRESA"};
    for (int c = 0; c < 14; ++c)
        xls.writeText(1, c + 1, QString::fromLatin1(headings[c]));

    const int county = CountyCode(k.JUDET);
    int row = 1;
    for (rows.first(); !rows.eof(); rows.next()) {
        ++row;
        xls.setActiveFont(0);
        auto align = [&xls](XlsAlignment a) { xls.alignment = a; };
        align(XlsAlignment::Right);
        xls.writeNumber(row, 1, county);
        align(XlsAlignment::Left);
        xls.writeText(row, 2, k.LOCALIT);
        align(XlsAlignment::Right);
        xls.writeNumber(row, 3, month);
        align(XlsAlignment::Center);
        xls.writeText(row, 4, QString::number(year));
        align(XlsAlignment::Right);
        xls.writeNumber(row, 5, rows.text(QStringLiteral("CNP")).toDouble());
        align(XlsAlignment::Left);
        xls.writeText(row, 6, rows.text(QStringLiteral("SUBSEMN")));
        align(XlsAlignment::Right);
        xls.writeNumber(row, 7, rows.text(QStringLiteral("CNP1")).toDouble());
        align(XlsAlignment::Left);
        xls.writeText(row, 8, rows.text(QStringLiteral("COPIL1")));
        align(XlsAlignment::Right);
        xls.writeNumber(row, 9, RankOf(rows.text(QStringLiteral("ALCATE"))));
        xls.writeText(row, 10, rows.text(QStringLiteral("NRDISP")));
        align(XlsAlignment::Center);
        xls.writeVariant(row, 11,
                         rows.isNull(QStringLiteral("DATADISP"))
                             ? QVariant()
                             : QVariant(rows.date(QStringLiteral("DATADISP"))));
        xls.writeVariant(row, 12,
                         rows.isNull(QStringLiteral("CEREDATA"))
                             ? QVariant()
                             : QVariant(rows.date(QStringLiteral("CEREDATA"))));
        align(XlsAlignment::Right);
        // A whole amount as the integer cell the ministry expects; an amount
        // with decimals keeps them (to four), as in every other output.
        const double amount = Currency(rows.amount(QStringLiteral("CUANTUM")));
        if (amount == std::floor(amount))
            xls.writeInteger(row, 13, qint64(amount));
        else
            xls.writeNumber(row, 13, amount);
        align(XlsAlignment::Left);
        xls.writeText(row, 14, rows.text(QStringLiteral("ADRESA")));
    }
    xls.endWorkbook();
}

} // namespace

QString ExportMinistry(const Workspace &ws, int month, int year, const QString &file)
{
    // The workbook names the county by its code: without one it is refused
    // before anything is read or written, as the treasury file is.
    CountyNumber(ws.constants, kTitle);
    Query rows(ws.database());
    OpenMinistryRows(rows, ws.requestTable(), month, year);
    CheckCodes(rows);
    QString target = file;
    if (target.isEmpty()) {
        target = FreeNumberedFile(ws.programDir, QStringLiteral("XLS"), QStringLiteral(".xls"), 1000);
        if (target.isEmpty())
            throw ReportRefusal(kTitle, QStringLiteral("Nu pot scrie in ") +
                                            QDir::toNativeSeparators(ws.programDir) + QStringLiteral("!"));
    }
    NativeXlsWriter xls;
    StartWorkbook(xls, target);
    WriteMinistry(xls, rows, month, year, ws.constants);
    rows.close();
    xls.saveToFile();
    return xls.fileName();
}

} // namespace kovara
