// The centralizer and ministry workbooks as xlrd reads them.

#include "exports/Workbooks.h"
#include "ExportFixture.h"
#include "data/RequestTable.h"
#include "data/Workspace.h"
#include "engines/dbf/Dbf.h"
#include "engines/dbf/SqlEngine.h"

#include <QFileInfo>

using namespace kovara;
using namespace kovara::test;

namespace {

using Workbooks = ExportData;

// The cells of one row, in column order.
QStringList rowOf(const QStringList &cells, int row)
{
    QStringList out;
    for (const QString &c : cells)
        if (c.startsWith(QString::number(row) + QLatin1Char(',')))
            out << c;
    return out;
}

TEST_F(Workbooks, CentralizerLinesPerChildWithTheTotal)
{
    const QString xls = ExportCentralizer(ProgramWorkspace(), QDate(2008, 3, 1), QDate(2008, 3, 31));
    EXPECT_EQ(QFileInfo(xls).fileName(), "XLS0.xls");
    EXPECT_TRUE(QFileInfo::exists(scratch.file("E4.dbf"))); // kept until the next export
    const QStringList cells = xlsCells(xls);
    EXPECT_EQ(cells.first(), "encoding cp1250");
    for (const char *line : {
             "1,1 text ROMANIA | Arial 10 bold | left | -",
             "2,1 text JUDETUL BRAILA | Arial 10 bold | left | -",
             "3,1 text PRIMARIA FAUREI | Arial 10 bold | left | -",
             "5,4 text SITUATIA CENTRALIZATOARE | Arial 12 bold | centre | -",
             "1,7 text ANEXA NR.2 | Arial 10 bold | right | -",
             "8,1 text TITULARUL TRUSOULUI | Arial 10 bold | left | TLR",
             "8,7 text SUMA | Arial 10 bold | left | TR",
             "9,1 blank '' | Arial 10 bold | left | LR",
             "9,5 text pt.care se acorda | Arial 10 | left | R",
             "10,1 blank '' | Arial 10 bold | left | BLR",
             "10,5 text trusoul | Arial 10 | left | BR",
         })
        EXPECT_TRUE(cells.contains(QLatin1String(line))) << line;
    EXPECT_TRUE(cells.contains(QString::fromUtf8("6,4 text privind dispozitiile primarului si beneficiarii "
                                                 "trusoului pentru nou-născuti | Arial 10 bold | "
                                                 "centre | -")));

    // Two children of 300 lei, three of 100 lei, and the requests of one
    // child (the layette with NRCOPII 1 and a second child gives one line).
    EXPECT_EQ(rowOf(cells, 11), QStringList({
                                    "11,1 text POPESCU ION | Arial 10 | left | BLR",
                                    "11,2 text 1800101123458 | Arial 10 | right | BR",
                                    "11,3 number 1.0 | Arial 10 | right | BR",
                                    "11,4 text POPESCU ANA | Arial 10 | left | BR",
                                    "11,5 text 5080301123451 | Arial 10 | right | BR",
                                    "11,6 text Str. Lunga nr. 4 | Arial 10 | left | BR",
                                    "11,7 number 150.0 | Arial 10 | right | BR",
                                }));
    EXPECT_TRUE(cells.contains("12,7 number 150.0 | Arial 10 | right | BR"));
    // 100 lei among three children: the last one takes the rest, so that the
    // shares add up to the amount granted.
    for (int row : {13, 14})
        EXPECT_TRUE(cells.contains(QStringLiteral("%1,7 number 33.3333 | Arial 10 | right | BR").arg(row)));
    EXPECT_TRUE(cells.contains("15,7 number 33.3334 | Arial 10 | right | BR"));
    // Amounts with decimals keep them, as in the finance and treasury files.
    EXPECT_TRUE(cells.contains("16,7 number 200.5 | Arial 10 | right | BR"));
    EXPECT_TRUE(cells.contains("18,7 number 150.5 | Arial 10 | right | BR"));
    // A disposition number above 65,535 is a number, not wrapped.
    EXPECT_TRUE(cells.contains(QString::fromUtf8("18,1 text ŞERBAN ŢINCA | Arial 10 | left | BLR")));
    EXPECT_TRUE(cells.contains("18,3 number 70000.0 | Arial 10 | right | BR"));
    // A request without a number of children keeps its whole amount.
    EXPECT_TRUE(cells.contains("17,7 number 150.0 | Arial 10 | right | BR"));
    EXPECT_EQ(rowOf(cells, 19), QStringList({
                                    "19,1 blank '' | Arial 10 | right | BL",
                                    "19,2 blank '' | Arial 10 | right | B",
                                    "19,3 blank '' | Arial 10 | right | B",
                                    "19,4 blank '' | Arial 10 | right | B",
                                    "19,5 blank '' | Arial 10 | right | B",
                                    "19,6 text TOTAL | Arial 10 bold | left | B",
                                    // 150 + 150 + 100 + 200.5 + 150 + 150.5: the
                                    // treasury file's total of the same month
                                    "19,7 number 901.0 | Arial 10 bold | right | BR",
                                }));
    EXPECT_TRUE(cells.contains("21,4 text PRIMAR, | Arial 10 bold | centre | -"));
    EXPECT_TRUE(cells.contains("22,4 text ION IONESCU | Arial 10 bold | centre | -"));
    EXPECT_EQ(rowOf(cells, 20), QStringList());
}

TEST_F(Workbooks, MinistryReportOfAMonth)
{
    // The ministry report first: the centralizer after it keeps its title
    // cells without borders.
    const QString xls = ExportMinistry(ProgramWorkspace(), 7, 2007);
    EXPECT_EQ(QFileInfo(xls).fileName(), "XLS0.xls");
    const QStringList cells = xlsCells(xls);
    EXPECT_EQ(rowOf(cells, 1).size(), 14);
    EXPECT_TRUE(cells.contains("1,1 text COD | Arial 10 bold | other | TBLR"));
    EXPECT_TRUE(cells.contains("1,9 text RANG COPIL | Arial 10 bold | other | TBLR"));
    EXPECT_EQ(rowOf(cells, 2), QStringList({
                                   "2,1 number 9.0 | Arial 10 | right | TBLR",
                                   "2,2 text Faurei | Arial 10 | left | TBLR",
                                   "2,3 number 7.0 | Arial 10 | right | TBLR",
                                   "2,4 text 2007 | Arial 10 | centre | TBLR",
                                   "2,5 number 1750101123456.0 | Arial 10 | right | TBLR",
                                   "2,6 text MUNTEANU DAN | Arial 10 | left | TBLR",
                                   "2,7 number 5080301123451.0 | Arial 10 | right | TBLR",
                                   "2,8 text MUNTEANU IOANA | Arial 10 | left | TBLR",
                                   "2,9 number 2.0 | Arial 10 | right | TBLR",
                                   "2,10 text 10 | Arial 10 | right | TBLR",
                                   "2,11 text 02.07.2007 | Arial 10 | centre | TBLR",
                                   "2,12 text 01.06.2007 | Arial 10 | centre | TBLR",
                                   "2,13 number 204.0 | Arial 10 | right | TBLR",
                                   "2,14 text Str. Garii 7 | Arial 10 | left | TBLR",
                               }));
    // Unknown rank 0; an amount above 65,535 stays whole.
    EXPECT_TRUE(cells.contains("3,9 number 0.0 | Arial 10 | right | TBLR"));
    EXPECT_TRUE(cells.contains("3,13 number 70000.0 | Arial 10 | right | TBLR"));
    EXPECT_EQ(rowOf(cells, 4), QStringList());

    const QStringList centralizer =
        xlsCells(ExportCentralizer(ProgramWorkspace(), QDate(2008, 3, 1), QDate(2008, 3, 31)));
    EXPECT_TRUE(centralizer.contains("1,1 text ROMANIA | Arial 10 bold | left | -"));

    // The last county of the list.
    makeData("BUCURESTI", "1234567");
    EXPECT_TRUE(xlsCells(ExportMinistry(ProgramWorkspace(), 7, 2007))
                    .contains("2,1 number 42.0 | Arial 10 | right | TBLR"));
}

TEST_F(Workbooks, MinistryRefusesACodeThatIsNotANumber)
{
    const QStringList before = filesIn(scratch.path());
    try {
        ExportMinistry(ProgramWorkspace(), 8, 2007);
        ADD_FAILURE() << "not refused";
    } catch (const ReportRefusal &r) {
        EXPECT_EQ(r.title(), "Generare XLS");
        EXPECT_EQ(r.message(),
                  "Cererea nr. 17 (GRESIT VASILE) are in campul CNP1 valoarea \"12345ABC\", care nu "
                  "este un numar.\r\nCorectati cererea si mai incercati odata!");
    }
    EXPECT_EQ(filesIn(scratch.path()), before); // no workbook written
}

// Without a county the workbook has no code to name it by: refused as the
// treasury file is, before anything is written.
TEST_F(Workbooks, MinistryRefusedWithoutACounty)
{
    const QStringList before = filesIn(scratch.path());
    Workspace ws = ProgramWorkspace();
    ws.constants.JUDET.clear();
    try {
        ExportMinistry(ws, 7, 2007);
        ADD_FAILURE() << "not refused";
    } catch (const ReportRefusal &r) {
        EXPECT_EQ(r.title(), "Generare XLS");
        EXPECT_EQ(r.message(), "Judetul de la Administrare este incorect !");
    }
    EXPECT_EQ(filesIn(scratch.path()), before);
}

// An amount stored with decimals (older tables hold "204.5" in a whole
// number column) keeps them in the ministry workbook, as everywhere else;
// a whole amount stays the integer cell.
TEST_F(Workbooks, MinistryKeepsTheDecimalsOfAnAmount)
{
    Database::shared().detachAll();
    {
        auto table = dbf::Table::open(RequestTablePath(), dbf::Mode::ReadWrite);
        const dbf::Field &id = table->fields().at(table->fieldIndex("IDCERERE"));
        const dbf::Field &amount = table->fields().at(table->fieldIndex("CUANTUM"));
        for (qint64 r = 0; r < table->recordCount(); ++r) {
            QByteArray record = table->readRecord(r);
            if (record.mid(id.offset, id.length).trimmed() == "7") {
                record.replace(amount.offset, amount.length, QByteArray(" 204.5"));
                table->writeRecord(r, record);
            }
        }
    }
    const QStringList cells = xlsCells(ExportMinistry(ProgramWorkspace(), 7, 2007));
    EXPECT_TRUE(cells.contains("2,13 number 204.5 | Arial 10 | right | TBLR"));
    EXPECT_TRUE(cells.contains("3,13 number 70000.0 | Arial 10 | right | TBLR"));
}

} // namespace
