#include "shell/ui/UiHelpers.h"
#include "base/Error.h"
#include "shell/ui/Choosers.h"
#include "shell/ui/ErrorDisplay.h"
#include "shell/ui/ProgressCounter.h"
#include "shell/ui/TestSeam.h"
#include "widgets/Balloon.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace kovara;

// The balloon hangs below the field (the field stays in sight), is cut to
// its rounded outline by a window mask (no dark corners where no compositor
// draws transparency), and the cursor is in the field it points at.
TEST(ShowProblem, LeavesTheFieldInSightShapedAndFocused)
{
    QWidget window;
    auto *other = new QLineEdit(&window);
    auto *field = new QLineEdit(&window);
    field->move(40, 60);
    window.resize(300, 200);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    other->setFocus();

    ShowProblem(QStringLiteral("Data incorecta!"), field);
    Balloon *balloon = ProblemBalloon();
    const QRect fieldOnScreen(field->mapToGlobal(QPoint(0, 0)), field->size());
    EXPECT_FALSE(balloon->frameGeometry().intersects(fieldOnScreen.adjusted(0, 0, 0, -1)))
        << "the balloon covers the field";
    EXPECT_TRUE(field->hasFocus());

    const QRegion mask = balloon->mask();
    ASSERT_FALSE(mask.isEmpty());
    EXPECT_FALSE(mask.contains(QPoint(0, Balloon::PointerHeight))) << "the body's corner shows";
    EXPECT_FALSE(mask.contains(QPoint(balloon->width() - 1, balloon->height() - 1)));
    EXPECT_FALSE(mask.contains(QPoint(balloon->width() - 1, 0))) << "beside the pointer shows";
    EXPECT_TRUE(mask.contains(QPoint(balloon->width() / 2, balloon->height() / 2)));
    EXPECT_TRUE(mask.contains(QPoint(16, 2))) << "the pointer is cut";
}

TEST(ShowProblem, PointsABalloonAtTheControlWithoutBlocking)
{
    QWidget window;
    auto *field = new QLineEdit(&window);
    field->move(40, 30);
    window.resize(300, 200);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    ShowProblem(QStringLiteral("Cod Fiscal incorect!"), field);
    Balloon *balloon = ProblemBalloon();
    ASSERT_NE(balloon, nullptr);
    EXPECT_TRUE(balloon->isVisible());
    EXPECT_EQ(balloon->title(), QStringLiteral("Problema !"));
    EXPECT_EQ(balloon->text(), QStringLiteral("Cod Fiscal incorect!"));
    EXPECT_EQ(balloon->textWidth(), 300);
    EXPECT_EQ(balloon->tip(), field->mapToGlobal(QPoint(10, field->height() - 1)));
    EXPECT_TRUE(balloon->lifetime().isActive());
    EXPECT_EQ(balloon->lifetime().interval(), 5000);
    EXPECT_FALSE(balloon->isActiveWindow()); // the field keeps the keyboard

    // A second problem replaces the first balloon.
    ShowProblem(QStringLiteral("Alt camp"), &window);
    EXPECT_EQ(ProblemBalloon(), balloon);
    EXPECT_EQ(balloon->text(), QStringLiteral("Alt camp"));

    // When its lifetime ends it goes away by itself.
    QMetaObject::invokeMethod(const_cast<QTimer *>(&balloon->lifetime()), "timeout");
    EXPECT_FALSE(balloon->isVisible());
}

// On a tall control (the request grid) the balloon points near its top-left
// corner, not at its far bottom; on a field it hangs below the field. It
// never takes the clicks meant for the controls under it.
TEST(ShowProblem, SitsByTheTopLeftCornerAndLetsClicksThrough)
{
    QWidget window;
    auto *grid = new QLabel(&window);
    grid->setGeometry(10, 10, 400, 300);
    auto *field = new QLineEdit(&window);
    field->move(10, 320);
    window.resize(450, 400);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    ShowProblem(QStringLiteral("Nu aveti ce numerota!"), grid);
    Balloon *balloon = ProblemBalloon();
    EXPECT_EQ(balloon->tip(), grid->mapToGlobal(QPoint(10, 10)));
    EXPECT_TRUE(balloon->windowFlags() & Qt::WindowTransparentForInput);

    ShowProblem(QStringLiteral("Combinatie incorecta de ajutoare!"), field);
    EXPECT_EQ(balloon->tip(), field->mapToGlobal(QPoint(10, field->height() - 1)));
    const struct
    {
        int height, depth;
    } depths[] = {{22, 21}, {48, 47}, {49, 10}, {300, 10}, {0, 0}};
    for (const auto &d : depths)
        EXPECT_EQ(BalloonTipDepth(d.height), d.depth) << d.height;
}

TEST(SelectComboText, SelectsIgnoringCaseOrNothing)
{
    QComboBox combo;
    combo.addItems({QStringLiteral("ALBA"), QStringLiteral("ARAD"), QStringLiteral("ARGES")});
    struct Case
    {
        const char *text;
        int index;
    } cases[] = {{"ARAD", 1}, {"arges", 2}, {"Alba", 0}, {"BIHOR", -1}, {"", -1}, {"ARA", -1}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        combo.setCurrentIndex(0);
        SelectComboText(&combo, QString::fromUtf8(c.text));
        EXPECT_EQ(combo.currentIndex(), c.index);
    }
}

TEST(ProgressCounterTest, BlocksTheCallerAndGivesItBack)
{
    QWidget caller;
    auto *edit = new QLineEdit(&caller);
    caller.show();
    ProgressCounter contor;
    EXPECT_EQ(contor.Bar->maximum(), 100);
    EXPECT_EQ(contor.Bar->value(), 0);
    EXPECT_TRUE(contor.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(contor.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(contor.cursor().shape(), Qt::WaitCursor);

    contor.Descr->setText(QStringLiteral("Numerotez dispozitiile..."));
    contor.Bar->setValue(0);
    contor.Bar->setMaximum(4);
    contor.Arata(&caller);
    EXPECT_TRUE(contor.isVisible());
    EXPECT_FALSE(caller.isEnabled());
    EXPECT_EQ(caller.cursor().shape(), Qt::WaitCursor);
    contor.Bar->setValue(1);
    EXPECT_EQ(contor.Bar->text(), QStringLiteral("25%"));

    contor.Distruge(&caller);
    EXPECT_FALSE(contor.isVisible());
    EXPECT_TRUE(caller.isEnabled());
    EXPECT_EQ(caller.cursor().shape(), Qt::ArrowCursor);
    // The counter keeps its last values for the next caller.
    EXPECT_EQ(contor.Descr->text(), QStringLiteral("Numerotez dispozitiile..."));
    EXPECT_EQ(contor.Bar->maximum(), 4);
    (void)edit;
}

// The long operations show the installed counter; with none installed (or
// the installed one destroyed) a counter of their own is created and kept.
TEST(ProgressCounterTest, TheInstalledCounterOrOneOfItsOwn)
{
    auto *installed = new ProgressCounter;
    ProgressCounter::install(installed);
    EXPECT_EQ(ProgressCounter::instance(), installed);
    ProgressCounter other;
    EXPECT_EQ(ProgressCounter::instance(), installed) << "creating a counter installs nothing";
    delete installed;
    ProgressCounter *own = ProgressCounter::instance();
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(ProgressCounter::instance(), own);
    ProgressCounter::install(&other);
    EXPECT_EQ(ProgressCounter::instance(), &other);
    ProgressCounter::install(nullptr);
    delete own;
}

TEST(RunCommand, ShowsTheFailuresOwnTextAndGoesOn)
{
    seam::activate();
    QWidget caller;
    caller.show();
    struct Case
    {
        std::function<void()> command;
        bool ok;
        QString shown;
    } cases[] = {
        {[] {}, true, {}},
        {[] { throw Error(QStringLiteral("Fisierul X nu poate fi deschis.")); }, false,
         QStringLiteral("Fisierul X nu poate fi deschis.")},
        {[] { throw std::runtime_error("disk full"); }, false, QStringLiteral("disk full")},
        {[] { throw 42; }, false, QStringLiteral("Eroare necunoscuta.")},
        {[&] {
             ProgressCounter::instance()->Arata(&caller); // a long operation that fails halfway
             throw Error(QStringLiteral("Tabela este blocata."));
         },
         false, QStringLiteral("Tabela este blocata.")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.shown.toStdString());
        const qsizetype before = seam::errorsShown().size();
        EXPECT_EQ(RunCommand(c.command), c.ok);
        if (c.ok) {
            EXPECT_EQ(seam::errorsShown().size(), before);
        } else {
            ASSERT_EQ(seam::errorsShown().size(), before + 1);
            EXPECT_EQ(seam::errorsShown().last(), c.shown);
        }
    }
    // The failed long operation gave its window back.
    EXPECT_FALSE(ProgressCounter::instance()->isVisible());
    EXPECT_TRUE(caller.isEnabled());
    seam::deactivate();
}

TEST(Choosers, SeamAnswersEachChooserAndAddsTheDefaultSuffix)
{
    seam::activate();
    seam::pushChoice(QStringLiteral("/tmp/arhiva"));
    seam::pushChoice(QStringLiteral("/tmp/veche.kov"));
    seam::pushChoice(QStringLiteral("/tmp/folder"));
    EXPECT_EQ(ChooseSaveFile(nullptr, QStringLiteral("Unde salvam arhiva ?"),
                             QStringLiteral("Arhiva Kovara|*.kov"), QStringLiteral("kov")),
              QStringLiteral("/tmp/arhiva.kov"));
    EXPECT_EQ(ChooseOpenFile(nullptr, QStringLiteral("Indicati salvarea precedenta Kovara."),
                             QStringLiteral("Arhiva Kovara|*.kov")),
              QStringLiteral("/tmp/veche.kov"));
    EXPECT_EQ(ChooseFolder(nullptr, QStringLiteral("Unde punem DBF-ul?")), QStringLiteral("/tmp/folder"));
    // Nothing queued: cancelled, and a cancelled save gets no suffix.
    EXPECT_EQ(ChooseSaveFile(nullptr, QStringLiteral("T"), QStringLiteral("Arhiva Kovara|*.kov"),
                             QStringLiteral("kov")),
              QString());
    ASSERT_EQ(seam::chooserCalls().size(), 4);
    const QStringList kinds = {QStringLiteral("save"), QStringLiteral("open"), QStringLiteral("folder"),
                               QStringLiteral("save")};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(seam::chooserCalls()[i].kind, kinds[i]);
    EXPECT_EQ(seam::chooserCalls()[2].title, QStringLiteral("Unde punem DBF-ul?"));
    seam::deactivate();
}
