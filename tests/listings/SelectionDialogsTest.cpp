// The four selection dialogs as the clerk uses them: shown by Ask, driven
// with the keyboard, checked with balloons, the number of copies kept in
// the settings file.

#include "TestSupport.h"
#include "base/Paths.h"
#include "data/Settings.h"
#include "shell/ui/DispositionRangeDialog.h"
#include "shell/ui/MonthDialog.h"
#include "shell/ui/PeriodDialog.h"
#include "shell/ui/SemesterDialog.h"
#include "shell/ui/TestSeam.h"
#include "shell/ui/UiHelpers.h"
#include "widgets/Balloon.h"
#include "widgets/DateField.h"
#include "widgets/NumericEdit.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace kovara;

namespace {

QWidget *focused()
{
    return QApplication::focusWidget();
}

void press(Qt::Key key)
{
    QTest::keyClick(focused(), key);
}

// Runs `drive` once the dialog is up (shown by `ask`); whatever is still
// open afterwards is cancelled, so a failing step never blocks the test.
template <typename Ask> auto whileShown(QDialog *dialog, const std::function<void()> &drive, Ask ask)
{
    QTimer::singleShot(0, dialog, [dialog, drive] {
        EXPECT_TRUE(dialog->isVisible());
        if (dialog->isVisible()) {
            QApplication::setActiveWindow(dialog);
            EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
            drive();
        }
        if (dialog->isVisible())
            dialog->reject();
    });
    return ask();
}

class SelectionDialogs : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setProgramDir(scratch.path());
        QDir().mkpath(DataDir());
        seam::activate();
    }
    void TearDown() override { seam::deactivate(); }

    void expectBalloon(const QString &text, QWidget *at)
    {
        ASSERT_TRUE(ProblemBalloon());
        EXPECT_TRUE(ProblemBalloon()->isVisible());
        EXPECT_EQ(ProblemBalloon()->text(), text);
        EXPECT_EQ(ProblemBalloon()->tip(), at->mapToGlobal(QPoint(10, at->height() - 1)));
        ProblemBalloon()->hide();
    }

    test::ScratchDir scratch;
};

} // namespace

TEST_F(SelectionDialogs, SharedLook)
{
    PeriodDialog period;
    DispositionRangeDialog range;
    MonthDialog month;
    SemesterDialog semester;
    for (SelectionDialog *d : std::initializer_list<SelectionDialog *>{&period, &range, &month, &semester}) {
        EXPECT_EQ(d->windowTitle(), "Kovara") << d->objectName().toStdString();
        EXPECT_EQ(d->statusLine()->text(), "ESC - Iesire");
        EXPECT_EQ(d->cancelButton()->text(), "Renunt");
        EXPECT_EQ(bool(d->windowFlags() & Qt::WindowStaysOnTopHint), d != &semester);
    }
    EXPECT_EQ(period.confirmButton()->text(), "Am ales");
    EXPECT_EQ(range.confirmButton()->text(), "Listeaza");
    EXPECT_EQ(month.confirmButton()->text(), "Listeaza");
    EXPECT_EQ(month.excelButton()->text(), "Excel");
    EXPECT_EQ(semester.confirmButton()->text(), "Am ales");
    EXPECT_EQ(semester.titleLine()->text(), "Alegeti semestrul de raportat");
}

TEST_F(SelectionDialogs, PeriodStartsAMonthBackAndRefusesAnEndBeforeTheStart)
{
    PeriodDialog dialog;
    const QDate today = QDate::currentDate();
    EXPECT_EQ(dialog.from(), today.addMonths(-1));
    EXPECT_EQ(dialog.to(), today);

    const struct
    {
        QDate start, end;
        bool accepted;
    } cases[] = {
        {QDate(2010, 3, 10), QDate(2010, 3, 9), false},
        {QDate(2010, 3, 10), QDate(2010, 3, 10), true},
        {QDate(2010, 3, 1), QDate(2010, 3, 31), true},
    };
    for (const auto &c : cases) {
        const bool confirmed = whileShown(
            &dialog,
            [&] {
                EXPECT_EQ(dialog.titleLine()->text(), "Listare Borderou");
                dialog.startDate->setDate(c.start);
                dialog.endDate->setDate(c.end);
                dialog.confirmButton()->click();
                if (!c.accepted) {
                    EXPECT_TRUE(dialog.isVisible());
                    expectBalloon("Interval incorect!", dialog.endDate);
                    EXPECT_EQ(focused(), dialog.endDate);
                }
            },
            [&] { return dialog.Ask("Listare Borderou"); });
        EXPECT_EQ(confirmed, c.accepted) << c.start.toString().toStdString();
    }
    // The dates stay for the next use.
    EXPECT_EQ(dialog.from(), QDate(2010, 3, 1));
    EXPECT_EQ(dialog.to(), QDate(2010, 3, 31));

    // A text that is no date is pointed at, never taken for another date.
    EXPECT_FALSE(whileShown(
        &dialog,
        [&] {
            dialog.endDate->setText("31.02.2010");
            dialog.confirmButton()->click();
            EXPECT_TRUE(dialog.isVisible());
            expectBalloon("Data incorecta!", dialog.endDate);
            EXPECT_EQ(focused(), dialog.endDate);
        },
        [&] { return dialog.Ask("Listare Borderou"); }));
}

TEST_F(SelectionDialogs, RangeChecks)
{
    DispositionRangeDialog dialog;
    EXPECT_EQ(dialog.firstNumber->text(), "0");
    EXPECT_EQ(dialog.firstNumber->maxLength(), 8);
    EXPECT_EQ(dialog.copies->minimum(), 1);
    EXPECT_EQ(dialog.copies->maximum(), 9);
    const struct
    {
        const char *first, *last;
        bool accepted;
    } cases[] = {
        {"0", "5", false}, {"5", "5", true},   {"7", "3", false},
        {"", "5", false},  {"-2", "5", false}, {"1", "99999999", true},
    };
    for (const auto &c : cases) {
        const bool confirmed = whileShown(
            &dialog,
            [&] {
                dialog.firstNumber->setText(c.first);
                dialog.lastNumber->setText(c.last);
                dialog.confirmButton()->click();
                if (!c.accepted) {
                    EXPECT_TRUE(dialog.isVisible());
                    expectBalloon("Intervalul ales este incorect!", dialog.firstNumber);
                    EXPECT_EQ(focused(), dialog.firstNumber); // typing goes on where the balloon points
                }
            },
            [&] { return dialog.Ask("Listare Dispozitii"); });
        EXPECT_EQ(confirmed, c.accepted) << c.first << "-" << c.last;
        if (QString(c.first).isEmpty()) {
            EXPECT_EQ(dialog.firstNumber->text(), "0"); // an emptied field reads 0
        }
    }
    EXPECT_EQ(dialog.first(), 1);
    EXPECT_EQ(dialog.last(), 99999999);
}

// Three copies confirmed: the settings file holds 3 under NREX of CONSTANTE,
// and the next use shows 3, also in the dialog of a new run of the program.
TEST_F(SelectionDialogs, CopiesAreKeptAcrossARestart)
{
    {
        DispositionRangeDialog dialog;
        const bool confirmed = whileShown(
            &dialog,
            [&] {
                EXPECT_EQ(dialog.copies->value(), 1); // nothing remembered yet
                dialog.firstNumber->setText("1");
                dialog.lastNumber->setText("2");
                dialog.copies->setValue(3);
                dialog.confirmButton()->click();
            },
            [&] { return dialog.Ask("Listare Dispozitii"); });
        EXPECT_TRUE(confirmed);
    }
    EXPECT_EQ(ReadSetting("CONSTANTE", "NREX"), "3");
    DispositionRangeDialog nextRun;
    int shown = 0;
    whileShown(
        &nextRun, [&] { shown = nextRun.copies->value(); },
        [&] { return nextRun.Ask("Listare Dispozitii"); });
    EXPECT_EQ(shown, 3);
    // A cancelled dialog does not change the remembered value.
    whileShown(
        &nextRun, [&] { nextRun.copies->setValue(7); }, [&] { return nextRun.Ask("Listare Dispozitii"); });
    EXPECT_EQ(ReadSetting("CONSTANTE", "NREX"), "3");
    // A value the office typed into the file by hand that is not 1 to 9 reads as 1.
    WriteSetting("CONSTANTE", "NREX", "12");
    whileShown(
        &nextRun, [&] { shown = nextRun.copies->value(); },
        [&] { return nextRun.Ask("Listare Dispozitii"); });
    EXPECT_EQ(shown, 1);
}

// Enter moves from field to field; in the last field it also confirms.
TEST_F(SelectionDialogs, EnterOrder)
{
    PeriodDialog period;
    QList<QWidget *> seen;
    EXPECT_TRUE(whileShown(
        &period,
        [&] {
            seen << focused();
            press(Qt::Key_Return);
            seen << focused();
            press(Qt::Key_Return);
        },
        [&] { return period.Ask("Listare Stat de plata"); }));
    EXPECT_EQ(seen, (QList<QWidget *>{period.startDate, period.endDate}));

    DispositionRangeDialog range;
    seen.clear();
    EXPECT_TRUE(whileShown(
        &range,
        [&] {
            seen << focused();
            QTest::keyClicks(focused(), "4");
            press(Qt::Key_Return);
            seen << focused();
            QTest::keyClicks(focused(), "9");
            press(Qt::Key_Return);
            seen << focused();
            press(Qt::Key_Up); // 2 copies
            press(Qt::Key_Return);
        },
        [&] { return range.Ask("Listare Dispozitii Trusou"); }));
    EXPECT_EQ(seen, (QList<QWidget *>{range.firstNumber, range.lastNumber, range.copies}));
    EXPECT_EQ(range.first(), 4);
    EXPECT_EQ(range.last(), 9);
    EXPECT_EQ(range.copyCount(), 2);

    MonthDialog month;
    seen.clear();
    EXPECT_EQ(whileShown(
                  &month,
                  [&] {
                      seen << focused();
                      press(Qt::Key_Down); // februarie
                      press(Qt::Key_Return);
                      seen << focused();
                      press(Qt::Key_Return);
                  },
                  [&] { return month.Ask("Listare Borderou"); }),
              MonthDialog::List);
    EXPECT_EQ(seen, (QList<QWidget *>{month.month, month.year}));
    EXPECT_EQ(month.monthNumber(), 2);
    EXPECT_EQ(month.monthName(), "februarie");

    SemesterDialog semester;
    seen.clear();
    EXPECT_TRUE(whileShown(
        &semester,
        [&] {
            seen << focused();
            press(Qt::Key_Down); // the second semester
            press(Qt::Key_Return);
            seen << focused();
            press(Qt::Key_Return);
        },
        [&] { return semester.Ask(); }));
    EXPECT_EQ(seen, (QList<QWidget *>{semester.semester, semester.year}));
    EXPECT_EQ(semester.semesterNumber(), 2);
    EXPECT_EQ(semester.semesterText(), "2");
}

// A range refused by Enter in the last field: the focus goes back to the
// first number, and the corrected range goes through with the keyboard alone.
TEST_F(SelectionDialogs, RefusedRangeIsCorrectedWithTheKeyboard)
{
    DispositionRangeDialog range;
    EXPECT_TRUE(whileShown(
        &range,
        [&] {
            QTest::keyClicks(focused(), "7");
            press(Qt::Key_Return);
            QTest::keyClicks(focused(), "3");
            press(Qt::Key_Return);
            press(Qt::Key_Return); // refused: 7 to 3
            EXPECT_TRUE(range.isVisible());
            EXPECT_EQ(focused(), range.firstNumber);
            QTest::keyClicks(focused(), "2"); // replaces the selected 7
            press(Qt::Key_Return);
            press(Qt::Key_Return);
            press(Qt::Key_Return);
        },
        [&] { return range.Ask("Listare Dispozitii"); }));
    EXPECT_EQ(range.first(), 2);
    EXPECT_EQ(range.last(), 3);
    EXPECT_FALSE(ProblemBalloon()->isVisible()); // the balloon left with the dialog
}

TEST_F(SelectionDialogs, EscapeAndRenuntCancelEveryDialog)
{
    PeriodDialog period;
    DispositionRangeDialog range;
    MonthDialog month;
    SemesterDialog semester;
    range.firstNumber->setText("1");
    range.lastNumber->setText("2");
    for (bool escape : {true, false}) {
        const auto cancel = [escape](SelectionDialog *d) {
            return [escape, d] {
                if (escape)
                    press(Qt::Key_Escape);
                else
                    d->cancelButton()->click();
            };
        };
        EXPECT_FALSE(whileShown(&period, cancel(&period), [&] { return period.Ask("x"); }));
        EXPECT_FALSE(whileShown(&range, cancel(&range), [&] { return range.Ask("x"); }));
        EXPECT_EQ(whileShown(&month, cancel(&month), [&] { return month.Ask("x"); }), MonthDialog::Cancelled);
        EXPECT_FALSE(whileShown(&semester, cancel(&semester), [&] { return semester.Ask(); }));
    }
}

TEST_F(SelectionDialogs, MonthAnswersAndYearList)
{
    MonthDialog month;
    const int y = QDate::currentDate().year();
    EXPECT_EQ(month.month->count(), 12);
    EXPECT_EQ(month.month->currentText(), "ianuarie");
    const struct
    {
        std::function<void()> press;
        int result;
    } cases[] = {
        {[&] { month.confirmButton()->click(); }, MonthDialog::List},
        {[&] { month.excelButton()->click(); }, MonthDialog::Excel},
        {[&] { month.cancelButton()->click(); }, MonthDialog::Cancelled},
    };
    for (const auto &c : cases) {
        QStringList years;
        EXPECT_EQ(whileShown(
                      &month,
                      [&] {
                          for (int i = 0; i < month.year->count(); ++i)
                              years << month.year->itemText(i);
                          EXPECT_EQ(month.titleLine()->text(), "Listare Borderou");
                          c.press();
                      },
                      [&] { return month.Ask("Listare Borderou"); }),
                  c.result);
        EXPECT_EQ(years, (QStringList{QString::number(y), QString::number(y - 1)}));
        EXPECT_EQ(month.yearText(), QString::number(y));
    }
}
