// The request list export: the listed requests in the template's rows, read
// back by xlrd; the command's numbered files, its failures and the opening
// of the result.

#include "exports/RequestListExport.h"
#include "ListExportFixture.h"
#include "base/Error.h"
#include "engines/dbf/Query.h"
#include "requests/RequestList.h"
#include "shell/TextHelpers.h"

#include <QElapsedTimer>
#include <QFile>
#include <gtest/gtest.h>

using namespace kovara;
using kovara::test::Request;
using kovara::test::XlrdSheet;

namespace {

class ListExport : public kovara::test::ListExportData
{
protected:
    void addThree()
    {
        add(Request{1,
                    {2007, 10, 31},
                    12,
                    "3",
                    QString::fromUtf8("ŞTEFĂNESCU ŢICU"),
                    "1790101123456",
                    QString::fromUtf8("ŞTEFĂNESCU ÎNGER"),
                    "5071010123451",
                    101,
                    {2007, 11, 15}});
        add(Request{2,
                    {2007, 3, 1},
                    7,
                    "3",
                    QString::fromUtf8("ANDREI MĂRIOARA"),
                    "2800202123452",
                    QStringLiteral("ANDREI ION"),
                    "5070201123452",
                    0,
                    {}});
        add(Request{3,
                    {2007, 12, 31},
                    0,
                    "3",
                    QStringLiteral("POPA ANA"),
                    "2810303123453",
                    QStringLiteral("POPA MIHAI"),
                    "5071230123453",
                    102,
                    {2008, 1, 7}});
    }

    XlrdSheet exportYear(int year, int kind, const QString &order = {})
    {
        Query list;
        OpenRequestList(list, year, kind, order);
        const int current = list.recNo();
        const QString out = scratch.file(QStringLiteral("lista-%1-%2.xls").arg(year).arg(order));
        ExportRequestListTo(list, out);
        EXPECT_EQ(list.recNo(), current); // the list stands where it stood
        return kovara::test::readWithXlrd(out).value(0);
    }

    void SetUp() override
    {
        ListExportData::SetUp();
        KOVARA_NEEDS(kovara::test::xlrdAvailable(), "python3-xlrd");
    }
};

// The ruled header as the template has it.
void expectHeader(const XlrdSheet &s)
{
    EXPECT_EQ(s.name, QStringLiteral("Lista"));
    EXPECT_EQ(s.at(0, 0).value.toString(), QStringLiteral("Nr. crt."));
    EXPECT_EQ(s.at(0, 7).value.toString(), QStringLiteral("Dispozitia"));
    EXPECT_EQ(s.at(1, 8).value.toString(), QStringLiteral("Din data"));
    EXPECT_EQ(s.merged.size(), 5);
    EXPECT_TRUE(s.at(0, 0).bold);
    EXPECT_EQ(s.at(0, 0).font, QStringLiteral("Arial Narrow"));
}

TEST_F(ListExport, ThreeRequestsFillRowsThreeToFive)
{
    addThree();
    const XlrdSheet s = exportYear(2007, 2);
    expectHeader(s);
    ASSERT_EQ(s.nrows, 5);
    struct Expected
    {
        double date;
        const char *nr, *subsemn, *cnp, *copil, *cnpCopil, *nrdisp;
        double datadisp;
    } rows[] = {
        {39386, "12", "ŞTEFĂNESCU ŢICU", "1790101123456", "ŞTEFĂNESCU ÎNGER", "5071010123451", "101", 39401},
        {39142, "7", "ANDREI MĂRIOARA", "2800202123452", "ANDREI ION", "5070201123452", "", 0},
        {39447, "", "POPA ANA", "2810303123453", "POPA MIHAI", "5071230123453", "102", 39454},
    };
    auto shown = [](const kovara::test::XlrdCell &c) {
        return c.type == 2 ? QString::number(c.value.toDouble(), 'f', 0) : c.value.toString();
    };
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const int r = 2 + i;
        EXPECT_EQ(s.at(r, 0).value.toDouble(), i + 1);
        EXPECT_EQ(s.at(r, 1).type, 3); // a date, shown by the cell's date format
        EXPECT_EQ(s.at(r, 1).value.toDouble(), rows[i].date);
        EXPECT_EQ(s.at(r, 1).format, QStringLiteral("dd\\.mm\\.yyyy"));
        EXPECT_EQ(shown(s.at(r, 2)), QString::fromUtf8(rows[i].nr));
        EXPECT_NE(s.at(r, 2).type, 1); // a number, never text
        EXPECT_EQ(s.at(r, 3).value.toString(), QString::fromUtf8(rows[i].subsemn));
        EXPECT_EQ(s.at(r, 4).value.toString(), QString::fromUtf8(rows[i].cnp));
        EXPECT_EQ(s.at(r, 5).value.toString(), QString::fromUtf8(rows[i].copil));
        EXPECT_EQ(s.at(r, 6).value.toString(), QString::fromUtf8(rows[i].cnpCopil));
        EXPECT_EQ(shown(s.at(r, 7)), QString::fromUtf8(rows[i].nrdisp));
        if (rows[i].datadisp) {
            EXPECT_EQ(s.at(r, 8).type, 3);
            EXPECT_EQ(s.at(r, 8).value.toDouble(), rows[i].datadisp);
        } else {
            EXPECT_EQ(s.at(r, 8).type, 6); // blank, still framed
        }
        EXPECT_EQ(s.at(r, 9).value.toString(), QString()); // the "#DBF" cell emptied
        for (int c = 0; c < 9; ++c)
            EXPECT_EQ(s.at(r, c).xf, s.at(2, c).xf) << "column " << c; // the template row's formats
        // A long name is drawn smaller, on one line, not cut at the row's
        // fixed height; the position column keeps its format.
        for (int c = 1; c < 9; ++c) {
            EXPECT_TRUE(s.at(r, c).shrink) << "column " << c;
            EXPECT_FALSE(s.at(r, c).wrap) << "column " << c;
        }
        EXPECT_FALSE(s.at(r, 0).shrink);
    }
    EXPECT_EQ(s.at(4, 7).border, s.at(2, 7).border);
    EXPECT_FALSE(s.at(0, 1).shrink); // the header as the template has it
}

TEST_F(ListExport, RowsFollowTheListsOrder)
{
    addThree();
    auto names = [](const XlrdSheet &s) {
        QStringList out;
        for (int r = 2; r < s.nrows; ++r)
            out << s.at(r, 3).value.toString();
        return out;
    };
    EXPECT_EQ(names(exportYear(2007, 2)),
              QStringList({QString::fromUtf8("ŞTEFĂNESCU ŢICU"), QString::fromUtf8("ANDREI MĂRIOARA"),
                           QStringLiteral("POPA ANA")}));
    EXPECT_EQ(names(exportYear(2007, 2, QStringLiteral("SUBSEMN"))),
              QStringList({QString::fromUtf8("ANDREI MĂRIOARA"), QStringLiteral("POPA ANA"),
                           QString::fromUtf8("ŞTEFĂNESCU ŢICU")}));
    EXPECT_EQ(names(exportYear(2007, 2, QStringLiteral("DINDATA"))).first(),
              QString::fromUtf8("ANDREI MĂRIOARA"));
}

TEST_F(ListExport, NoRequestLeavesTheMarkersButDbf)
{
    addThree();
    const XlrdSheet s = exportYear(2007, 3);
    expectHeader(s);
    ASSERT_EQ(s.nrows, 3);
    EXPECT_EQ(s.at(2, 0).value.toString(), QStringLiteral("%NRCRT"));
    EXPECT_EQ(s.at(2, 1).value.toString(), QStringLiteral("#DINDATA"));
    EXPECT_EQ(s.at(2, 8).value.toString(), QStringLiteral("#DATADISP"));
    EXPECT_EQ(s.at(2, 9).value.toString(), QString());
}

TEST_F(ListExport, OneRequest)
{
    add(Request{9,
                {2024, 2, 29},
                5,
                "A",
                QStringLiteral("ION ION"),
                "1800101000001",
                QStringLiteral("ION A"),
                "5200101000001"});
    const XlrdSheet s = exportYear(2024, 1);
    ASSERT_EQ(s.nrows, 3);
    EXPECT_EQ(s.at(2, 0).value.toDouble(), 1);
    EXPECT_EQ(s.at(2, 1).value.toDouble(), 45351); // 29.02.2024
    EXPECT_EQ(s.at(2, 7).type, 6);                 // not numbered: empty
}

TEST_F(ListExport, TenThousandRequests)
{
    QElapsedTimer timer;
    timer.start();
    addMany(10000);
    qInfo("requests written in %lld ms", timer.restart());
    const XlrdSheet s = exportYear(2024, 2);
    qInfo("exported and read by xlrd in %lld ms", timer.elapsed());
    ASSERT_EQ(s.nrows, 10002);
    for (int i = 1; i <= 10000; i += 999) {
        SCOPED_TRACE(i);
        const int r = 1 + i;
        EXPECT_EQ(s.at(r, 0).value.toDouble(), i);
        EXPECT_EQ(s.at(r, 2).value.toDouble(), i);
        EXPECT_EQ(s.at(r, 1).type, 3);
        EXPECT_EQ(s.at(r, 7).type, i % 2 ? 6 : 2);
        EXPECT_EQ(s.at(r, 5).value.toString(), QStringLiteral("COPIL %1").arg(i));
    }
    EXPECT_EQ(s.at(10001, 0).value.toDouble(), 10000);
}

// Markers written in small letters or with blanks around them are found;
// a "#" text naming no field stays.
TEST_F(ListExport, MarkersAreComparedTrimmedAndInCapitals)
{
    addThree();
    const QString templatePath = scratch.file("Exp0.xls");
    {
        BiffWorkbook model;
        model.openBytes(ListModelBytes(), QStringLiteral("model"));
        model.SetCellValue(3, 2, QStringLiteral("  #dindata "));
        model.SetCellValue(3, 3, QStringLiteral("#NUEXISTA"));
        model.SetCellValue(3, 10, QString());
        model.SetCellValue(3, 11, QStringLiteral(" #dbf"));
        model.SaveWorkbookAs(templatePath);
    }
    RequestListExport exporter;
    ASSERT_TRUE(exporter.OpenTemplate(templatePath));
    EXPECT_EQ(QFileInfo(exporter.destinationPath()).fileName(), QStringLiteral("Dest0.xls"));
    Query list;
    OpenRequestList(list, 2007, 2);
    exporter.FillTemplate(list);
    QStringList opened;
    exporter.setOpener([&](const QString &path) { opened << path; });
    exporter.FinishExport(true);
    EXPECT_EQ(opened, QStringList{exporter.destinationPath()});
    const XlrdSheet s = kovara::test::readWithXlrd(exporter.destinationPath()).value(0);
    EXPECT_EQ(s.nrows, 5);
    EXPECT_EQ(s.at(0, 1).value.toString(), QStringLiteral("Cererea"));
    for (int r = 2; r < 5; ++r) {
        EXPECT_EQ(s.at(r, 1).type, 3);
        EXPECT_EQ(s.at(r, 2).value.toString(), QStringLiteral("#NUEXISTA"));
        EXPECT_EQ(s.at(r, 10).value.toString(), QString());
    }
}

// Whatever moves the list between two rows (a grid repainting over it)
// neither skips nor repeats a row, and the list ends where it stood.
TEST_F(ListExport, MovingTheListBetweenRowsChangesNothing)
{
    addThree();
    Query list;
    OpenRequestList(list, 2007, 2);
    list.first();
    list.next();
    RequestListExport exporter;
    exporter.openModel();
    exporter.FillTemplate(list, [&] {
        list.last();
        list.next(); // past the end
    });
    EXPECT_EQ(list.recNo(), 1);
    exporter.setDestinationPath(scratch.file("mutat.xls"));
    exporter.FinishExport(false);
    const XlrdSheet s = kovara::test::readWithXlrd(scratch.file("mutat.xls")).value(0);
    ASSERT_EQ(s.nrows, 5);
    for (int r = 2; r < 5; ++r)
        EXPECT_EQ(s.at(r, 0).value.toDouble(), r - 1);
    EXPECT_EQ(s.at(4, 3).value.toString(), QStringLiteral("POPA ANA"));
}

TEST_F(ListExport, TheCommandWritesNumberedFilesAndOpensTheResult)
{
    addThree();
    Query list;
    OpenRequestList(list, 2007, 2);
    QStringList opened;
    int events = 0;
    const ListExportHooks hooks{[&] { ++events; }, [&](const QString &path) { opened << path; }};
    const QString first = ExportRequestList(ProgramDir(), list, hooks);
    EXPECT_EQ(first, QDir(ProgramDir()).filePath(QStringLiteral("Dest0.xls")));
    EXPECT_TRUE(QFile::exists(QDir(ProgramDir()).filePath(QStringLiteral("Exp0.xls"))));
    EXPECT_EQ(opened, QStringList{first});
    EXPECT_GE(events, 4); // before filling and after each row
    // Again: the files of the first export are reused, the template anew.
    QFile::resize(QDir(ProgramDir()).filePath(QStringLiteral("Exp0.xls")), 10);
    EXPECT_EQ(ExportRequestList(ProgramDir(), list, hooks), first);
    EXPECT_EQ(kovara::test::readWithXlrd(first).value(0).nrows, 5);
}

TEST_F(ListExport, ATemplateThatCannotBeWrittenOrReadIsNamedAndNothingOpens)
{
    addThree();
    Query list;
    OpenRequestList(list, 2007, 2);
    QStringList opened;
    const ListExportHooks hooks{{}, [&](const QString &path) { opened << path; }};

    setProgramDir(scratch.file("lipsa")); // a program folder that is not there
    setDataDir(scratch.path() + QStringLiteral("/Data"));
    try {
        ExportRequestList(ProgramDir(), list, hooks);
        ADD_FAILURE() << "exported";
    } catch (const Error &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("Exp0.xls"))) << e.message().toStdString();
        EXPECT_NE(e.message(), NoOpenWorkbookText());
    }
    setProgramDir(scratch.path());

    kovara::test::writeAll(scratch.file("Exp7.xls"), "nu este un registru");
    RequestListExport exporter;
    exporter.setOpener([&](const QString &path) { opened << path; });
    EXPECT_FALSE(exporter.OpenTemplate(scratch.file("Exp9.xls")));
    try {
        exporter.OpenTemplate(scratch.file("Exp7.xls"));
        ADD_FAILURE() << "read";
    } catch (const Error &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("Exp7.xls"))) << e.message().toStdString();
    }
    EXPECT_THROW(exporter.FinishExport(true), Error);
    EXPECT_TRUE(opened.isEmpty());
}

} // namespace
