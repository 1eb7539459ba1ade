#include "exports/Workbooks.h"

#include "base/Paths.h"
#include "engines/dbf/SqlEngine.h"
#include "shell/NumberedFile.h"

#include <QDir>
#include <QFile>
#include <QHash>

namespace kovara {

void StartWorkbook(NativeXlsWriter &xls, const QString &file)
{
    xls.setCodePage(1250);
    xls.beginWorkbook();
    xls.setFileName(file);
}

void WriteAnnex2Workbook(NativeXlsWriter &xls, const TreasuryLabels &labels, const QList<Annex2Row> &rows)
{
    const QString face = QStringLiteral("MS Sans Serif");
    xls.addFont(XlsFont{face, 10});
    xls.addFont(XlsFont{face, 10, true});
    xls.addFont(XlsFont{face, 12, true});
    xls.setLeftMargin(0.6);
    xls.setRightMargin(0.4);
    xls.setTopMargin(0.3);
    xls.setBottomMargin(0.4);
    xls.setHeaderText({});
    xls.setFooterText({});
    const int widths[] = {4, 37, 15, 14, 17};
    for (int c = 0; c < 5; ++c)
        xls.setColumnWidth(c + 1, widths[c]);

    auto text = [&xls](int row, int col, int font, XlsAlignment align, std::uint8_t borders,
                       const QString &t) {
        xls.setActiveFont(font);
        xls.alignment = align;
        xls.borders = borders;
        xls.writeText(row, col, t);
    };
    text(1, 1, 1, XlsAlignment::Left, 0, QStringLiteral("JUDETUL: ") + labels.county);
    text(1, 5, 1, XlsAlignment::Right, 0, QStringLiteral("Anexa nr.2"));
    text(2, 1, 0, XlsAlignment::Left, 0,
         QStringLiteral("Unitatea administrativ-teritoriala: ") + labels.unit);
    text(5, 2, 2, XlsAlignment::Left, 0, QStringLiteral("SITUATIA 060 TRUSOU NOU-NASCUTI"));
    text(6, 1, 0, XlsAlignment::Left, 0,
         QStringLiteral(
             "cu titularii de drepturi cu caracter social, in evidenta si platiti, sau, dupa caz, pentru "
             "care se vireaza sumele"));
    text(7, 2, 0, XlsAlignment::Left, 0, labels.date);
    const char *const top[] = {"Nr.", "Nume si prenume", "Numar membri", "Cod numeric", "Plati efectuate in"};
    const char *const bottom[] = {"crt", " ", "familie/copii", "personal", "luna raportata (lei)"};
    for (int c = 0; c < 5; ++c)
        text(9, c + 1, 1, XlsAlignment::Center, BorderTop, QString::fromLatin1(top[c]));
    for (int c = 0; c < 5; ++c)
        text(10, c + 1, 1, XlsAlignment::Center, BorderBottom, QString::fromLatin1(bottom[c]));

    int row = 10;
    for (const Annex2Row &r : rows) {
        ++row;
        xls.setActiveFont(0);
        xls.borders = BorderBottom;
        xls.alignment = XlsAlignment::Right;
        xls.writeNumber(row, 1, row - 10);
        xls.alignment = XlsAlignment::Left;
        xls.writeText(row, 2, r.name);
        xls.alignment = XlsAlignment::Right;
        xls.writeInteger(row, 3, r.persons);
        xls.alignment = XlsAlignment::Center;
        xls.writeText(row, 4, QStringLiteral(" ") + r.cnp);
        xls.alignment = XlsAlignment::Right;
        xls.writeNumber(row, 5, r.amount);
    }
    text(row + 1, 4, 1, XlsAlignment::Left, 0, QStringLiteral("TOTAL"));
    xls.alignment = XlsAlignment::Right;
    xls.writeNumber(row + 1, 5, Annex2Total(rows));
    text(row + 3, 3, 1, XlsAlignment::Left, 0, QStringLiteral("Ordonator de credite,"));
    text(row + 4, 3, 1, XlsAlignment::Left, 0, labels.mayor);
    xls.endWorkbook();
}

QString ExportAnnex2(const Workspace &ws, const QString &treasuryFile, const QDate &transfer,
                     const QString &file)
{
    const QList<Annex2Row> rows = ReadAnnex2Rows(ws.constants, treasuryFile);
    QString target = file;
    if (target.isEmpty()) {
        target = FreeNumberedFile(ws.programDir, QStringLiteral("Anx2"), QStringLiteral(".xls"), 100);
        if (target.isEmpty())
            throw ReportRefusal(QStringLiteral("Anexa 2 Trezorerie"),
                                QStringLiteral("Nu pot scrie in ") + QDir::toNativeSeparators(ws.programDir) +
                                    QStringLiteral("!"));
    }
    NativeXlsWriter xls;
    StartWorkbook(xls, target);
    WriteAnnex2Workbook(xls, TreasuryAnnexLabels(ws.constants, transfer), rows);
    xls.saveToFile();
    return xls.fileName();
}

} // namespace kovara
