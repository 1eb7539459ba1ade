// The request list's query, search, year list and delete.

#include "requests/RequestList.h"
#include "RequestListFixture.h"
#include "base/Error.h"
#include "engines/dbf/Query.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace kovara;
using kovara::test::Row;

namespace {

class RequestListData : public kovara::test::RequestData
{
protected:
    void SetUp() override
    {
        RequestData::SetUp();
        add({{1, {2023, 12, 31}, 1, "A", "POPESCU ION", "1800101000001"},
             {2, {2024, 1, 1}, 1, "3", "POPA MARIA", "2800101000002"},
             {3, {2024, 5, 5}, 2, "AS", "IONESCU \"DAN\" {x} 100%", "1800101000003"},
             {4, {2024, 6, 6}, 1, "4", "POPOVICI ANA", "2800101000004"},
             {5, {2024, 12, 31}, 3, "I", "POPESCU ŞTEFAN", "1900101000005"},
             {6, {2025, 1, 1}, 1, "S", "VASILE O'NEIL", "1900101000006"}});
    }

    QList<qint64> ids(Query &q)
    {
        QList<qint64> out;
        for (q.first(); !q.eof(); q.next())
            out << q.integer("IDCERERE");
        return out;
    }
};

TEST_F(RequestListData, KindAndYearSelectTheirRows)
{
    struct Case
    {
        int year;
        int kind;
        QList<qint64> ids;
    } cases[] = {
        {2024, 0, {2, 3, 4, 5}}, {2024, 1, {3, 5}}, {2024, 2, {2}}, {2024, 3, {4}},
        {2023, 0, {1}},          {2025, 1, {6}},    {2022, 0, {}},
    };
    for (const Case &c : cases) {
        Query q;
        OpenRequestList(q, c.year, c.kind);
        EXPECT_EQ(ids(q), c.ids) << c.year << " kind " << c.kind;
    }
}

TEST_F(RequestListData, OpensOnTheLastRow)
{
    Query q;
    OpenRequestList(q, 2024, 0);
    EXPECT_EQ(q.integer("IDCERERE"), 5);
}

TEST_F(RequestListData, SortsByAnyColumnAndRefusesUnknownOnes)
{
    Query q;
    OpenRequestList(q, 2024, 0, "SUBSEMN");
    EXPECT_EQ(ids(q), (QList<qint64>{3, 2, 5, 4}));
    OpenRequestList(q, 2024, 0, "nr");
    EXPECT_EQ(q.integer("NR"), 3);
    EXPECT_THROW(OpenRequestList(q, 2024, 0, "NR; DROP"), Error);
}

TEST_F(RequestListData, SearchBeginsWithOnNameAndCodeTogether)
{
    struct Case
    {
        QString name;
        QString cnp;
        QList<qint64> ids;
    } cases[] = {
        {"POP", "", {2, 4, 5}},
        {"POPESCU", "", {5}},
        {"POP", "2", {2, 4}},
        {"", "19", {5}},
        {"IONESCU \"DAN\" {x} 100%", "", {3}},
        {"IONESCU \"DAN\" {x} 1*", "", {}},
        {"POPESCU Ş", "", {5}},
        {"ESCU", "", {}},
    };
    for (const Case &c : cases) {
        Query q;
        const Filter f = RequestSearchFilter(c.name, c.cnp);
        q.setFilter(f);
        OpenRequestList(q, 2024, 0);
        EXPECT_EQ(ids(q), c.ids) << c.name.toStdString() << " / " << c.cnp.toStdString();
    }
    EXPECT_TRUE(RequestSearchFilter("", "").isEmpty());
}

TEST_F(RequestListData, YearListNewestFirstWithCurrentYearInFront)
{
    EXPECT_EQ(RequestYears(2024), (QStringList{"2025", "2024", "2023"}));
    EXPECT_EQ(RequestYears(2026), (QStringList{"2026", "2025", "2024", "2023"}));
}

TEST(RowAfterDelete, NextOrPreviousOrNone)
{
    struct Case
    {
        int row, count, expected;
    } cases[] = {{0, 1, -1}, {2, 3, 1}, {1, 3, 2}, {0, 3, 1}, {0, 2, 1}, {1, 2, 0}};
    for (const Case &c : cases)
        EXPECT_EQ(RowAfterDelete(c.row, c.count), c.expected) << c.row << "/" << c.count;
}

TEST_F(RequestListData, DeleteRemovesRowAndItsDocument)
{
    kovara::test::writeAll(RequestDocumentPath(3), "{\\rtf1}");
    kovara::test::writeAll(RequestDocumentPath(4), "{\\rtf1}");
    DeleteRequest(3);
    EXPECT_FALSE(QFile::exists(RequestDocumentPath(3)));
    EXPECT_TRUE(QFile::exists(RequestDocumentPath(4)));
    DeleteRequest(2); // no document: no failure
    Query q;
    OpenRequestList(q, 2024, 0);
    EXPECT_EQ(ids(q), (QList<qint64>{4, 5}));
}

// The request's form open in the word processor (its lock file beside it):
// neither the row nor the form is deleted, and the message says why.
TEST_F(RequestListData, AFormOpenInTheWordProcessorKeepsItsRequest)
{
    kovara::test::writeAll(RequestDocumentPath(3), "{\\rtf1}");
    const QString lock = QFileInfo(RequestDocumentPath(3)).dir().filePath(".~lock.Cerere3.rtf#");
    kovara::test::writeAll(lock, "lock");
    try {
        DeleteRequest(3);
        ADD_FAILURE() << "deleted a request whose form is open";
    } catch (const Error &e) {
        EXPECT_TRUE(e.message().contains("este deschis in alt program")) << e.message().toStdString();
    }
    EXPECT_TRUE(QFile::exists(RequestDocumentPath(3)));
    Query q;
    OpenRequestList(q, 2024, 0);
    EXPECT_EQ(ids(q), (QList<qint64>{2, 3, 4, 5}));
    QFile::remove(lock);
}

TEST_F(RequestListData, FailedDeleteKeepsRowAndDocument)
{
    kovara::test::writeAll(RequestDocumentPath(3), "{\\rtf1}");
    Database::shared().setReadOnlyGuard(true);
    EXPECT_THROW(DeleteRequest(3), Error);
    Database::shared().setReadOnlyGuard(false);
    EXPECT_TRUE(QFile::exists(RequestDocumentPath(3)));
    Query q;
    OpenRequestList(q, 2024, 0);
    EXPECT_EQ(ids(q), (QList<qint64>{2, 3, 4, 5}));
}

} // namespace
