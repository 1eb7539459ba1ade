#include "base/FileNames.h"
#include "base/Paths.h"
#include "data/RequestKinds.h"
#include "data/RequestTable.h"
#include "data/Settings.h"
#include "engines/dbf/Query.h"
#include "engines/dbf/SqlEngine.h"
#include "exports/Workbooks.h"
#include "listings/SharedRows.h"
#include "shell/Formats.h"
#include "shell/NumberedFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cmath>

namespace kovara {
namespace {

const QString kTitle = QStringLiteral("Export Centralizator");

struct Cell
{
    const char *text; // nullptr: a blank cell
    int font;
    std::uint8_t borders;
};

void put(NativeXlsWriter &xls, int row, int col, const Cell &c, XlsAlignment align)
{
    xls.setActiveFont(c.font);
    xls.alignment = align;
    xls.borders = c.borders;
    if (c.text)
        xls.writeText(row, col, QString::fromLatin1(c.text));
    else
        xls.writeBlank(row, col);
}

void WriteCentralizer(NativeXlsWriter &xls, Query &rows, const MunicipalityConstants &k)
{
    xls.setLeftMargin(0.6);
    xls.setRightMargin(0.5);
    xls.setTopMargin(0.4);
    xls.setBottomMargin(0.5);
    const QString face = QStringLiteral("Arial");
    xls.addFont(XlsFont{face, 10});
    xls.addFont(XlsFont{face, 10, true});
    xls.addFont(XlsFont{face, 12, true});
    xls.setHeaderText({});
    xls.setFooterText({});
    const int widths[] = {31, 15, 10, 30, 16, 25, 8};
    for (int c = 0; c < 7; ++c)
        xls.setColumnWidth(c + 1, widths[c]);

    auto title = [&xls](int row, int col, int font, XlsAlignment align, const QString &text) {
        xls.setActiveFont(font);
        xls.alignment = align;
        xls.borders = 0;
        xls.writeText(row, col, text);
    };
    title(1, 1, 1, XlsAlignment::Left, QStringLiteral("ROMANIA"));
    title(2, 1, 1, XlsAlignment::Left, QStringLiteral("JUDETUL ") + k.JUDET);
    title(3, 1, 1, XlsAlignment::Left, QStringLiteral("PRIMARIA ") + k.PRIMARIA.toUpper());
    title(5, 4, 2, XlsAlignment::Center, QStringLiteral("SITUATIA CENTRALIZATOARE"));
    title(6, 4, 1, XlsAlignment::Center,
          QStringLiteral("privind dispozitiile primarului si beneficiarii trusoului pentru nou-n") +
              QChar(0x0103) + QStringLiteral("scuti"));
    title(1, 7, 1, XlsAlignment::Right, QStringLiteral("ANEXA NR.2"));
    title(2, 7, 1, XlsAlignment::Right, QStringLiteral("la Instructiuni"));

    const std::uint8_t tlr = BorderTop | BorderLeft | BorderRight, tr = BorderTop | BorderRight;
    const std::uint8_t lr = BorderLeft | BorderRight, r = BorderRight;
    const std::uint8_t blr = BorderBottom | BorderLeft | BorderRight, br = BorderBottom | BorderRight;
    const Cell head[3][7] = {
        {{"TITULARUL TRUSOULUI", 1, tlr},
         {"CNP TITULAR", 1, tr},
         {"NR.DISP.", 1, tr},
         {"NUME SI PRENUME", 1, tr},
         {"CNP COPIL", 1, tr},
         {"ADRESA TITULARULUI", 1, tr},
         {"SUMA", 1, tr}},
        {{nullptr, 1, lr},
         {"TRUSOU", 1, r},
         {"PRIMAR", 1, r},
         {"COPIL", 1, r},
         {"pt.care se acorda", 0, r},
         {nullptr, 0, r},
         {"LEI", 0, r}},
        {{nullptr, 1, blr},
         {nullptr, 1, br},
         {nullptr, 1, br},
         {nullptr, 1, br},
         {"trusoul", 0, br},
         {nullptr, 0, br},
         {nullptr, 0, br}},
    };
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 7; ++col)
            put(xls, 8 + row, col + 1, head[row][col], XlsAlignment::Left);

    int row = 10;
    qint64 total = 0; // in ten-thousandths, as currency values add
    for (rows.first(); !rows.eof(); rows.next()) {
        ++row;
        xls.setActiveFont(0);
        auto cell = [&xls](XlsAlignment align, std::uint8_t borders) {
            xls.alignment = align;
            xls.borders = borders;
        };
        cell(XlsAlignment::Left, blr);
        xls.writeText(row, 1, rows.text(QStringLiteral("SUBSEMN")));
        cell(XlsAlignment::Right, br);
        xls.writeText(row, 2, rows.text(QStringLiteral("CNP")));
        xls.writeInteger(row, 3, rows.integer(QStringLiteral("NRDISP")));
        cell(XlsAlignment::Left, br);
        xls.writeText(row, 4, rows.text(QStringLiteral("COPIL")));
        cell(XlsAlignment::Right, br);
        xls.writeText(row, 5, rows.text(QStringLiteral("CNPC")));
        cell(XlsAlignment::Left, br);
        xls.writeText(row, 6, rows.text(QStringLiteral("ADRESA")));
        const qint64 amount = std::llround(rows.amount(QStringLiteral("SUMA")) * 10000.0);
        total += amount;
        cell(XlsAlignment::Right, br);
        xls.writeNumber(row, 7, double(amount) / 10000.0);
    }
    const int t = row + 1;
    xls.setActiveFont(0);
    xls.alignment = XlsAlignment::Right;
    xls.borders = BorderBottom | BorderLeft;
    xls.writeBlank(t, 1);
    xls.borders = BorderBottom;
    for (int col = 2; col <= 5; ++col)
        xls.writeBlank(t, col);
    xls.setActiveFont(1);
    xls.alignment = XlsAlignment::Left;
    xls.writeText(t, 6, QStringLiteral("TOTAL"));
    xls.alignment = XlsAlignment::Right;
    xls.borders = BorderBottom | BorderRight;
    xls.writeNumber(t, 7, double(total) / 10000.0);
    title(t + 2, 4, 1, XlsAlignment::Center, QStringLiteral("PRIMAR,"));
    title(t + 3, 4, 1, XlsAlignment::Center, k.PRIMAR.toUpper());
    xls.endWorkbook();
}

} // namespace

QString ExportCentralizer(const Workspace &ws, const QDate &from, const QDate &to, const QString &file)
{
    const QString work = QDir(ws.programDir).filePath(QStringLiteral("E4.dbf"));
    const QString target =
        file.isEmpty() ? FreeNumberedFile(ws.programDir, QStringLiteral("XLS"), QStringLiteral(".xls"), -1)
                       : file;
    try {
        // The work table stays beside the program until the next export.
        CentralizerRows centralizer(ws.database(), ws.requestTable(), work, WorkTable::AtEnd::Keep, from, to);
        NativeXlsWriter xls;
        StartWorkbook(xls, target);
        WriteCentralizer(xls, centralizer.rows(), ws.constants);
        centralizer.finish();
        xls.saveToFile();
        return xls.fileName();
    } catch (const WorkTableInUse &e) {
        throw ReportRefusal(kTitle, e.message());
    }
}

} // namespace kovara
