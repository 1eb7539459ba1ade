// "Exporta tabelul" in the request list window: the rows listed, in the
// window's order, opened afterwards; the current row and the window as they
// were; a failure shown with the file's name and nothing opened.

#include "../requests/RequestListFixture.h"
#include "XlsReader.h"
#include "app/RequestsWiring.h"
#include "requests/ui/CereriModel.h"
#include "requests/ui/RequestListWindow.h"
#include "shell/OpenDocument.h"
#include "shell/ui/TestSeam.h"

#include <QComboBox>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace kovara;

namespace {

const int Y = QDate::currentDate().year();

class ExportButton : public kovara::test::RequestData
{
protected:
    void SetUp() override
    {
        RequestData::SetUp();
        seam::activate();
        openseam::activate();
        add({{1, {Y, 1, 10}, 1, "3", "POPESCU ION", "1800101000001"},
             {2, {Y, 2, 10}, 2, "3", QString::fromUtf8("BĂLAN MARIA"), "2800101000002"},
             {3, {Y, 3, 10}, 3, "4", "ALBU DAN", "1900101000003"},
             {4, {Y, 4, 10}, 4, "3", "ZAMFIR ANA", "2900101000004"}});
        window = std::make_unique<RequestListWindow>();
        connectRequestListCommands(window.get());
        window->kindSelector->setCurrentIndex(2);
        window->prepareOpen();
        window->show();
    }
    void TearDown() override
    {
        window.reset();
        openseam::deactivate();
        seam::deactivate();
        RequestData::TearDown();
    }

    static QStringList openedPaths()
    {
        QStringList paths;
        for (const auto &r : openseam::requests())
            paths << r.path;
        return paths;
    }

    qint64 current() { return window->list().integer("IDCERERE"); }

    std::unique_ptr<RequestListWindow> window;
};

TEST_F(ExportButton, ExportsTheListedRowsInTheWindowsOrderAndOpensTheResult)
{
    window->SortBy(2); // "Solicitant"
    window->requestGrid->setCurrentIndex(window->model()->index(1, 0));
    const qint64 before = current();
    ASSERT_TRUE(window->ExportBut->isEnabled());
    QTest::mouseClick(window->ExportBut, Qt::LeftButton);

    EXPECT_TRUE(seam::errorsShown().isEmpty()) << seam::errorsShown().value(0).toStdString();
    const QString dest = QDir(ProgramDir()).filePath(QStringLiteral("Dest0.xls"));
    ASSERT_EQ(openedPaths(), QStringList{dest});
    EXPECT_EQ(openseam::requests()[0].workingDir,
              ProgramDir()); // the list export opens in the program folder
    EXPECT_EQ(current(), before);
    EXPECT_EQ(window->requestGrid->currentIndex().row(), 1);
    EXPECT_TRUE(window->isEnabled());
    EXPECT_TRUE(window->requestGrid->updatesEnabled());

    KOVARA_NEEDS(kovara::test::xlrdAvailable(), "python3-xlrd");
    const kovara::test::XlrdSheet s = kovara::test::readWithXlrd(dest).value(0);
    ASSERT_EQ(s.nrows, 5);
    EXPECT_EQ(s.at(2, 3).value.toString(), QString::fromUtf8("BĂLAN MARIA"));
    EXPECT_EQ(s.at(3, 3).value.toString(), QStringLiteral("POPESCU ION"));
    EXPECT_EQ(s.at(4, 3).value.toString(), QStringLiteral("ZAMFIR ANA"));
    EXPECT_EQ(s.at(4, 0).value.toDouble(), 3);

    // A second export, the first result still there: the files are reused.
    QTest::mouseClick(window->ExportBut, Qt::LeftButton);
    EXPECT_EQ(openedPaths().size(), 2);
}

TEST_F(ExportButton, ATemplateThatCannotBeWrittenIsNamedAndNothingOpens)
{
    const qint64 before = current();
    setDataDir(DataDir());
    setProgramDir(scratch.file("lipsa")); // a program folder that is not there
    QTest::mouseClick(window->ExportBut, Qt::LeftButton);
    setProgramDir(scratch.path());
    setDataDir(QString());
    ASSERT_EQ(seam::errorsShown().size(), 1);
    EXPECT_TRUE(seam::errorsShown().first().contains(QStringLiteral("Exp0.xls")))
        << seam::errorsShown().first().toStdString();
    EXPECT_TRUE(openedPaths().isEmpty());
    EXPECT_EQ(current(), before);
    EXPECT_TRUE(window->isEnabled());
    EXPECT_TRUE(window->requestGrid->updatesEnabled());
}

} // namespace
