// The request list window driven as a clerk would: delete, search, sort,
// add through the editor and number dispositions.

#include "requests/ui/RequestListWindow.h"
#include "RequestListFixture.h"
#include "data/Settings.h"
#include "requests/RequestList.h"
#include "requests/RequestRecord.h"
#include "requests/ui/CereriModel.h"
#include "requests/ui/NumberingDialog.h"
#include "shell/ui/MessageDialog.h"
#include "shell/ui/TestSeam.h"
#include "shell/ui/UiHelpers.h"
#include "widgets/Balloon.h"
#include "widgets/CNPEdit.h"
#include "widgets/DateField.h"
#include "widgets/NumericEdit.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

using namespace kovara;
using kovara::test::Row;

namespace {

const int Y = QDate::currentDate().year();

class RequestListWindowTest : public kovara::test::RequestData
{
protected:
    void SetUp() override
    {
        RequestData::SetUp();
        setRegistryPath(scratch.file(QStringLiteral("registry.ini")));
        seam::activate();
        window = std::make_unique<RequestListWindow>();
    }
    void TearDown() override
    {
        window.reset();
        seam::deactivate();
        setRegistryPath(QString());
        RequestData::TearDown();
    }

    void open(int kind = 0)
    {
        window->kindSelector->setCurrentIndex(kind);
        window->prepareOpen();
        window->show();
    }

    QList<qint64> listed()
    {
        QList<qint64> ids;
        Query &q = window->list();
        const int pos = q.recNo();
        for (int r = 0; r < q.rowCount(); ++r) {
            q.goTo(r);
            ids << q.integer("IDCERERE");
        }
        q.goTo(pos);
        return ids;
    }
    qint64 current() { return window->list().integer("IDCERERE"); }
    int gridRow() { return window->requestGrid->currentIndex().row(); }
    void selectRow(int row) { window->requestGrid->setCurrentIndex(window->model()->index(row, 0)); }

    void addThree()
    {
        add({{1, {Y, 1, 10}, 1, "3", "POPESCU ION", "1800101000001"},
             {2, {Y, 2, 10}, 2, "3", "POPA MARIA", "2800101000002"},
             {3, {Y, 3, 10}, 3, "3", "ALBU DAN", "1900101000003"}});
    }

    std::unique_ptr<RequestListWindow> window;
};

TEST_F(RequestListWindowTest, DeleteShowsTheRowAfterOrBefore)
{
    struct Case
    {
        int rows;
        int selected;
        QList<qint64> left;
        qint64 shown; // -1: empty list
    } cases[] = {
        {3, 2, {1, 2}, 2}, // the last row: the one before it
        {3, 1, {1, 3}, 3}, // a middle row: the one after it
        {3, 0, {2, 3}, 2},
        {1, 0, {}, -1}, // the only row: an empty list
    };
    for (const Case &c : cases) {
        window.reset();
        seam::activate();
        Database::shared().detachAll();
        QFile::remove(RequestTablePath());
        CreateRequestTable();
        window = std::make_unique<RequestListWindow>();
        for (int i = 1; i <= c.rows; ++i)
            add(Row{i, QDate(Y, i, 1), i + 10, "4", "NUME", ""});
        kovara::test::writeAll(RequestDocumentPath(c.selected + 1), "{\\rtf1}");
        open();
        selectRow(c.selected);
        seam::pushMesajAnswer(ResDa);
        window->DelBut->click();
        ASSERT_EQ(seam::mesajCalls().size(), 1);
        EXPECT_EQ(seam::mesajCalls()[0].title, "Stergere cerere");
        EXPECT_EQ(seam::mesajCalls()[0].text, QString("\rStergeti cererea nr.%1?").arg(c.selected + 11));
        EXPECT_EQ(listed(), c.left);
        EXPECT_FALSE(QFile::exists(RequestDocumentPath(c.selected + 1)));
        if (c.shown < 0) {
            EXPECT_FALSE(window->ModiBut->isEnabled());
            EXPECT_FALSE(window->DelBut->isEnabled());
        } else {
            EXPECT_EQ(current(), c.shown);
            EXPECT_EQ(gridRow(), window->list().recNo());
            EXPECT_TRUE(window->DelBut->isEnabled());
        }
        EXPECT_EQ(window->ListCerere->isEnabled(), c.shown >= 0);
    }
}

TEST_F(RequestListWindowTest, DeleteAnsweredNoKeepsEverything)
{
    addThree();
    open();
    seam::pushMesajAnswer(ResNu);
    window->DelBut->click();
    EXPECT_EQ(listed(), (QList<qint64>{1, 2, 3}));
    EXPECT_EQ(current(), 3);
}

TEST_F(RequestListWindowTest, SearchBeginsWithBothBoxesAndStaysBetweenOpenings)
{
    addThree();
    open();
    QTest::keyClicks(window->nameSearch, "pop");
    EXPECT_EQ(window->nameSearch->text(), "POP");
    EXPECT_EQ(listed(), (QList<qint64>{1, 2}));
    QTest::keyClicks(window->cnpSearch, "2");
    EXPECT_EQ(listed(), (QList<qint64>{2}));
    EXPECT_EQ(window->model()->rowCount(), 1);
    window->hide();
    open();
    EXPECT_EQ(listed(), (QList<qint64>{2}));
    window->cnpSearch->clear();
    window->nameSearch->clear();
    EXPECT_EQ(listed(), (QList<qint64>{1, 2, 3}));
}

TEST_F(RequestListWindowTest, TitleClickSortsAndKeepsTheCurrentRequest)
{
    addThree();
    add(Row{4, QDate(Y, 4, 1), 4, "A", "BARBU", ""});
    open();
    selectRow(1);                                               // POPA MARIA
    window->requestGrid->horizontalHeader()->sectionClicked(2); // "Solicitant"
    EXPECT_EQ(window->orderField(), "SUBSEMN");
    EXPECT_EQ(listed(), (QList<qint64>{3, 4, 2, 1}));
    EXPECT_EQ(current(), 2);
    EXPECT_EQ(gridRow(), 2);
    EXPECT_EQ(window->model()->data(window->model()->index(gridRow(), 2), Qt::DisplayRole).toString(),
              "POPA MARIA");
    window->kindSelector->setCurrentIndex(2); // the order stays for another kind
    EXPECT_EQ(listed(), (QList<qint64>{3, 2, 1}));
    open();
    EXPECT_EQ(window->orderField(), "IDCERERE");
}

TEST_F(RequestListWindowTest, KindShowsNumberingAndDispositionColumns)
{
    addThree();
    open();
    for (int kind = 0; kind < 4; ++kind) {
        window->kindSelector->setCurrentIndex(kind);
        const bool numbering = kind >= 2;
        EXPECT_EQ(window->NumeroBut->isVisible(), numbering) << kind;
        for (int c = 6; c <= 8; ++c)
            EXPECT_EQ(window->requestGrid->isColumnHidden(c), !numbering) << kind;
    }
    EXPECT_EQ(window->Anul->itemText(0), QString::number(Y));
    QStringList bands;
    for (const auto &band : window->Bands->bands())
        bands << band.first;
    EXPECT_EQ(bands, (QStringList{"Cererea", "Copil", "Dispozitie"}));
    window->kindSelector->setCurrentIndex(1);
    bands.clear();
    for (const auto &band : window->Bands->bands())
        bands << band.first;
    EXPECT_EQ(bands, (QStringList{"Cererea", "Copil"}));
}

TEST_F(RequestListWindowTest, EnterOrDoubleClickInTheGridModifies)
{
    addThree();
    open(2);
    selectRow(0);
    int asked = 0;
    window->setEditor([&](int, bool modify, RequestRecord &r) {
        ++asked;
        EXPECT_TRUE(modify);
        EXPECT_EQ(r.IDCERERE, 1);
        return false; // not saved: nothing is written
    });
    window->requestGrid->setFocus();
    QTest::keyClick(window->requestGrid, Qt::Key_Return);
    emit window->requestGrid->doubleClicked(window->model()->index(0, 0));
    EXPECT_EQ(asked, 2);
    EXPECT_TRUE(seam::mesajCalls().isEmpty());
    EXPECT_EQ(current(), 1);
}

TEST_F(RequestListWindowTest, AddedRequestNotListedLeavesTheFirstRow)
{
    addThree();
    open(2);
    window->setEditor([](int, bool, RequestRecord &r) {
        r.DINDATA = QDate(Y - 3, 5, 5);
        r.NR = 4;
        r.TIP = "3";
        r.HANDI = "NU";
        return true;
    });
    window->AddBut->click();
    EXPECT_EQ(listed(), (QList<qint64>{1, 2, 3}));
    EXPECT_EQ(current(), 1);
}

TEST_F(RequestListWindowTest, AddStoresTheEditorsRecordAndStandsOnIt)
{
    addThree();
    open();
    bool asked = false;
    window->setEditor([&](int kind, bool modify, RequestRecord &r) {
        asked = true;
        EXPECT_EQ(kind, 2);
        EXPECT_FALSE(modify);
        r.DINDATA = QDate(Y, 1, 5);
        r.NR = 9;
        r.TIP = "3";
        r.SUBSEMN = "O'BRIEN \"ŞTEFAN\" {A} \\ * %";
        r.HANDI = "NU";
        r.DATADISP = QDate::currentDate();
        return true;
    });
    window->AddBut->click(); // kind selector on "* Indiferent *"
    EXPECT_FALSE(asked);
    ASSERT_TRUE(ProblemBalloon());
    EXPECT_EQ(ProblemBalloon()->text(), "Alegeti mai intai tipul cererii!");
    window->kindSelector->setCurrentIndex(2);
    window->AddBut->click();
    EXPECT_TRUE(asked);
    EXPECT_EQ(listed(), (QList<qint64>{1, 2, 3, 4}));
    EXPECT_EQ(current(), 4);
    EXPECT_EQ(window->list().text("SUBSEMN"), "O'BRIEN \"ŞTEFAN\" {A} \\ * %");
}

TEST_F(RequestListWindowTest, FailedAddChangesNothingAndSaysWhy)
{
    addThree();
    open(2);
    window->setEditor([](int, bool, RequestRecord &r) {
        r.DINDATA = QDate(Y, 1, 5);
        r.TIP = "3";
        return true;
    });
    Database::shared().setReadOnlyGuard(true);
    window->AddBut->click();
    Database::shared().setReadOnlyGuard(false);
    EXPECT_EQ(seam::errorsShown().size(), 1);
    EXPECT_EQ(listed(), (QList<qint64>{1, 2, 3}));
}

TEST_F(RequestListWindowTest, FailedDeleteOrModifyKeepsRowAndDocument)
{
    addThree();
    kovara::test::writeAll(RequestDocumentPath(2), "{\\rtf1}");
    open(2);
    window->setEditor([](int, bool, RequestRecord &r) {
        r.SUBSEMN = "ALTUL";
        return true;
    });
    for (QPushButton *command : {window->DelBut, window->ModiBut}) {
        seam::activate();
        selectRow(1);
        seam::pushMesajAnswer(ResDa);
        Database::shared().setReadOnlyGuard(true);
        command->click();
        Database::shared().setReadOnlyGuard(false);
        EXPECT_EQ(seam::errorsShown().size(), 1) << command->text().toStdString();
        EXPECT_EQ(listed(), (QList<qint64>{1, 2, 3}));
        EXPECT_EQ(current(), 2);
        EXPECT_EQ(window->list().text("SUBSEMN"), "POPA MARIA");
        EXPECT_TRUE(QFile::exists(RequestDocumentPath(2)));
    }
}

TEST_F(RequestListWindowTest, ModifyAsksAboutTheDocumentAndStandsOnTheRequest)
{
    addThree();
    kovara::test::writeAll(RequestDocumentPath(2), "{\\rtf1}");
    open(2);
    selectRow(1);
    window->setEditor([](int kind, bool modify, RequestRecord &r) {
        EXPECT_EQ(kind, 2);
        EXPECT_TRUE(modify);
        r.SUBSEMN = "POPA MARIA-ELENA";
        return true;
    });
    seam::pushMesajAnswer(ResNu);
    window->ModiBut->click();
    ASSERT_EQ(seam::mesajCalls().size(), 1);
    EXPECT_EQ(seam::mesajCalls()[0].text, "\rDoriti anularea modificarilor din Cererea precedenta?");
    EXPECT_TRUE(QFile::exists(RequestDocumentPath(2)));
    EXPECT_EQ(current(), 2);
    EXPECT_EQ(window->list().text("SUBSEMN"), "POPA MARIA-ELENA");
    seam::pushMesajAnswer(ResDa);
    window->ModiBut->click();
    EXPECT_FALSE(QFile::exists(RequestDocumentPath(2)));
}

TEST_F(RequestListWindowTest, NumberingOverARangeReturnsToTheCurrentRequest)
{
    add({{1, {Y, 1, 10}, 5, "3", "A"},
         {2, {Y, 1, 11}, 3, "3", "B"},
         {3, {Y, 1, 12}, 4, "4", "C"},     // the other newborn kind
         {4, {Y - 1, 12, 1}, 4, "3", "D"}, // before the first date
         {5, {Y, 1, 13}, 1, "3", "E"}});
    open(2);
    selectRow(1);
    auto *numero = new NumberingDialog(window.get());
    window->setNumberingDialog(numero);
    numero->firstRequestNr->setText("3");
    numero->lastRequestNr->setText("5");
    numero->fromDate->setDate(QDate(Y, 1, 1));
    numero->firstDispositionNr->setText("100");
    numero->DataDisp->setDate(QDate(Y, 2, 1));
    numero->Luna->setCurrentIndex(1);
    numero->Anul->setCurrentIndex(1);
    QTimer::singleShot(0, numero, [numero] { numero->NumeroteazaBut->click(); });
    window->NumeroBut->click();
    ASSERT_EQ(seam::mesajCalls().size(), 1);
    EXPECT_EQ(seam::mesajCalls()[0].text, "Au fost numerotate 2 dispozitii!");
    EXPECT_EQ(current(), 2);
    EXPECT_EQ(window->list().integer("NRDISP"), 100);
    EXPECT_EQ(window->list().text("PTLUNA"), QString("februarie.%1").arg(Y + 1));
    const QModelIndex nrdisp = window->model()->index(gridRow(), 6);
    EXPECT_EQ(window->model()->data(nrdisp, Qt::DisplayRole).toString(), "100");
    window->list().locate("IDCERERE", 1);
    EXPECT_EQ(window->list().integer("NRDISP"), 101);
    window->list().locate("IDCERERE", 5);
    EXPECT_EQ(window->list().integer("NRDISP"), 0);
    EXPECT_FALSE(QFile::exists(NumberingWorkTable()));
}

TEST_F(RequestListWindowTest, NumberingRefusesAnEmptyList)
{
    open(3);
    window->NumeroBut->click();
    ASSERT_TRUE(ProblemBalloon());
    EXPECT_EQ(ProblemBalloon()->text(), "Nu aveti ce numerota!");
}

TEST_F(RequestListWindowTest, NumberingWithNothingInRangeSaysSo)
{
    addThree();
    open(2);
    auto *numero = new NumberingDialog(window.get());
    window->setNumberingDialog(numero);
    numero->firstRequestNr->setText("50");
    numero->lastRequestNr->setText("60");
    numero->firstDispositionNr->setText("1");
    QTimer::singleShot(0, numero, [numero] { numero->NumeroteazaBut->click(); });
    window->NumeroBut->click();
    ASSERT_EQ(seam::mesajCalls().size(), 1);
    EXPECT_EQ(seam::mesajCalls()[0].title, "Numerotare dispozitii");
    EXPECT_EQ(seam::mesajCalls()[0].kind, KindEroare);
    EXPECT_EQ(seam::mesajCalls()[0].text,
              "Nu exista nici o cerere cu numarul\r\ncuprins in intervalul 50 - 60 !");
    EXPECT_FALSE(QFile::exists(NumberingWorkTable()));
    EXPECT_EQ(current(), 3);
}

TEST_F(RequestListWindowTest, YearChoiceListsThatYearOnTheLastRow)
{
    addThree();
    add({{4, {Y - 1, 12, 31}, 7, "3", "X"}, {5, {Y - 1, 6, 1}, 8, "3", "Y"}});
    open();
    ASSERT_EQ(window->Anul->count(), 2);
    window->Anul->setCurrentIndex(1);
    EXPECT_EQ(listed(), (QList<qint64>{4, 5}));
    EXPECT_EQ(current(), 5);
    EXPECT_EQ(gridRow(), 1);
}

TEST(NumberingDialogTest, EnterInTheLastFieldNumbers)
{
    struct Case
    {
        int kind;
        bool fromDataDisp; // Enter in DataDisp, else in Anul
        bool confirmed;
    } cases[] = {{2, false, true}, {3, true, true}, {2, true, false}};
    for (const Case &c : cases) {
        NumberingDialog dialog;
        dialog.prepare(c.kind);
        dialog.show();
        dialog.lastRequestNr->setText("5");
        dialog.firstDispositionNr->setText("1");
        QWidget *field = c.fromDataDisp ? static_cast<QWidget *>(dialog.DataDisp) : dialog.Anul;
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Return);
        EXPECT_EQ(dialog.result() == QDialog::Accepted, c.confirmed) << c.kind << c.fromDataDisp;
        EXPECT_EQ(dialog.Luna->isVisibleTo(&dialog), c.kind == 2);
    }
}

TEST(NumberingDialogTest, ChecksRangeAndFirstNumber)
{
    struct Case
    {
        const char *nr1, *nr2, *disp;
        const char *problem; // nullptr: confirmed
    } cases[] = {
        {"5", "3", "1", "Interval incorect!"},
        {"3", "5", "0", "Numar de dispozitie incorect!"},
        {"", "", "", "Numar de dispozitie incorect!"},
        {"5", "5", "1", nullptr},
        {"0", "9", "7", nullptr},
    };
    for (const Case &c : cases) {
        NumberingDialog dialog;
        dialog.prepare(3);
        dialog.firstRequestNr->setText(c.nr1);
        dialog.lastRequestNr->setText(c.nr2);
        dialog.firstDispositionNr->setText(c.disp);
        dialog.NumeroteazaClick();
        if (c.problem) {
            ASSERT_TRUE(ProblemBalloon());
            EXPECT_EQ(ProblemBalloon()->text(), c.problem);
            EXPECT_NE(dialog.result(), QDialog::Accepted);
        } else {
            EXPECT_EQ(dialog.result(), QDialog::Accepted) << c.nr1;
        }
    }
}

} // namespace

// A year of requests: every code is shown whole, the titles are not cut,
// the spare width goes to the name columns, and the widths the clerk sets
// are kept for the next opening.
TEST_F(RequestListWindowTest, ColumnsFitTheirContentAndKeepTheClerksWidths)
{
    for (int i = 1; i <= 365; ++i)
        add(Row{i, QDate(Y, 1, 1).addDays(i - 1), i, "3", "POPESCU-IONESCU MARIA-MAGDALENA",
                "2800101000002"});
    window->resize(1000, 600);
    open(2);
    QHeaderView *header = window->requestGrid->horizontalHeader();
    const QFontMetrics cells = window->requestGrid->fontMetrics();
    const QFontMetrics titles = header->fontMetrics();
    EXPECT_GT(header->sectionSize(3), cells.horizontalAdvance("2800101000002")) << "the CNP is cut";
    for (int c = 0; c < header->count(); ++c) {
        EXPECT_GT(header->sectionSize(c), titles.horizontalAdvance(CereriModel::columns().at(c).title))
            << "title cut: " << CereriModel::columns().at(c).title.toStdString();
    }
    EXPECT_NE(header->sectionSize(0), 100);

    // A wider window widens the name columns only.
    const int name = header->sectionSize(2), child = header->sectionSize(4), code = header->sectionSize(3);
    window->resize(1400, 600);
    QCoreApplication::processEvents();
    EXPECT_GT(header->sectionSize(2), name);
    EXPECT_GT(header->sectionSize(4), child);
    EXPECT_EQ(header->sectionSize(3), code);

    // The clerk widens the applicant's code; a list read again and the
    // next window (the next run) keep it.
    header->resizeSection(3, 333);
    window->kindSelector->setCurrentIndex(3);
    EXPECT_EQ(header->sectionSize(3), 333);
    window.reset();
    window = std::make_unique<RequestListWindow>();
    open(2);
    EXPECT_EQ(window->requestGrid->horizontalHeader()->sectionSize(3), 333);
}

// Tab leaves the grid for the buttons and selectors; Enter still modifies.
TEST_F(RequestListWindowTest, TabLeavesTheGrid)
{
    addThree();
    open(2);
    window->activateWindow();
    QApplication::setActiveWindow(window.get());
    window->requestGrid->setFocus();
    ASSERT_TRUE(window->requestGrid->hasFocus());
    selectRow(1);
    QTest::keyClick(window->requestGrid, Qt::Key_Tab);
    EXPECT_FALSE(window->requestGrid->hasFocus());
    EXPECT_EQ(gridRow(), 1) << "Tab moved in the grid";
    QWidget *reached = QApplication::focusWidget();
    ASSERT_NE(reached, nullptr);
    // Tab goes on around the window and reaches "Adauga cerere".
    bool add = false;
    for (int i = 0; i < 20 && !add; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        add = QApplication::focusWidget() == window->AddBut;
    }
    EXPECT_TRUE(add);
}

// A document written on Windows with capitals is found when modifying.
TEST_F(RequestListWindowTest, ModifyFindsTheDocumentWhateverItsLetterCase)
{
    addThree();
    const QString upper = DataDir() + "/CERERE2.RTF";
    kovara::test::writeAll(upper, "{\\rtf1}");
    open(2);
    selectRow(1);
    window->setEditor([](int, bool, RequestRecord &) { return true; });
    seam::pushMesajAnswer(ResDa);
    window->ModiBut->click();
    ASSERT_EQ(seam::mesajCalls().size(), 1);
    EXPECT_EQ(seam::mesajCalls()[0].text, "\rDoriti anularea modificarilor din Cererea precedenta?");
    EXPECT_FALSE(QFile::exists(upper));
}

// The numbering dialog's dates typed with dots, as a clerk types them.
TEST(NumberingDialogTest, DatesTypedWithDotsAreTheDatesShown)
{
    NumberingDialog dialog;
    dialog.prepare(2);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    dialog.fromDate->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(dialog.fromDate, "01.01.2009");
    dialog.DataDisp->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(dialog.DataDisp, "05032026");
    dialog.Luna->setFocus();
    EXPECT_EQ(dialog.fromDate->text(), "01.01.2009");
    EXPECT_EQ(dialog.DataDisp->text(), "05.03.2026");
    EXPECT_EQ(dialog.range().fromDate, QDate(2009, 1, 1));
    EXPECT_EQ(dialog.range().dispDate, QDate(2026, 3, 5));

    // An impossible date is pointed at, never replaced by another.
    dialog.lastRequestNr->setText("5");
    dialog.firstDispositionNr->setText("1");
    dialog.fromDate->setText("30.02.2009");
    dialog.NumeroteazaClick();
    ASSERT_TRUE(ProblemBalloon());
    EXPECT_EQ(ProblemBalloon()->text(), "Data incorecta!");
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(dialog.fromDate->hasFocus());
    EXPECT_EQ(dialog.fromDate->text(), "30.02.2009");
}

// At the window's size on a 1024 x 768 screen the dates, numbers, names and
// codes are all in sight, whole; only the disposition columns may scroll.
TEST_F(RequestListWindowTest, NamesAndCodesFitWholeOnASmallScreen)
{
    add({{1, {Y, 1, 10}, 1, "3", QString::fromUtf8("DUMITRAŞCU-ŢĂRĂNUŢĂ MĂRIOARA"), "2800101000001"},
         {2, {Y, 2, 10}, 2, "3", "POPA MARIA", "2800101000002"}});
    open(2);
    window->resize(1008, 720);
    QApplication::processEvents();
    QTableView *grid = window->requestGrid;
    int used = 0;
    for (int c = 0; c <= 5; ++c)
        used += grid->columnWidth(c);
    EXPECT_LE(used, grid->viewport()->width());
    const QString longName = QString::fromUtf8("DUMITRAŞCU-ŢĂRĂNUŢĂ MĂRIOARA");
    EXPECT_GE(grid->columnWidth(2), grid->fontMetrics().horizontalAdvance(longName));
    EXPECT_FALSE(grid->isColumnHidden(6)); // the disposition columns are there, to scroll to
}

// The window opens at the size the clerk left it at.
TEST_F(RequestListWindowTest, RemembersItsSize)
{
    open();
    window->resize(700, 450);
    window->hide();
    auto again = std::make_unique<RequestListWindow>();
    again->prepareOpen();
    EXPECT_EQ(again->size(), QSize(700, 450));
}
