#include "shell/ui/Keyboard.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace kovara;

namespace {

// A period dialog: two dates, "Am ales" as the main (and default) button.
class PeriodDialog : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto *layout = new QVBoxLayout(&dialog);
        layout->addWidget(data1);
        layout->addWidget(data2);
        layout->addWidget(amAles);
        layout->addWidget(renunt);
        amAles->setDefault(true);
        QObject::connect(amAles, &QPushButton::clicked, [this] {
            ++clicks;
            focusAtClick = QApplication::focusWidget();
        });
        KeyboardRules::attach(&dialog)->addLastField(data2, amAles);
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }

    void enterIn(QWidget *field)
    {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Return);
    }

    QDialog dialog;
    QLineEdit *data1 = new QLineEdit;
    QLineEdit *data2 = new QLineEdit;
    QPushButton *amAles = new QPushButton(QStringLiteral("Am ales"));
    QPushButton *renunt = new QPushButton(QStringLiteral("Renunt"));
    int clicks = 0;
    QWidget *focusAtClick = nullptr;
};

} // namespace

TEST_F(PeriodDialog, EnterInAFieldOnlyMovesOn)
{
    enterIn(data1);
    EXPECT_EQ(QApplication::focusWidget(), data2);
    EXPECT_EQ(clicks, 0); // consumed: the default button did not run
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(PeriodDialog, EnterInTheLastFieldMovesOnThenRunsTheMainButton)
{
    enterIn(data2);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(focusAtClick, amAles); // the focus had moved first
}

TEST_F(PeriodDialog, EscCancelsTheDialog)
{
    data1->setFocus();
    QTest::keyClick(data1, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(clicks, 0);
}

TEST_F(PeriodDialog, HiddenAndDisabledControlsAreSkipped)
{
    data2->setEnabled(false);
    amAles->hide();
    enterIn(data1);
    EXPECT_EQ(QApplication::focusWidget(), renunt);
}

TEST_F(PeriodDialog, ConditionalLastFieldRunsOnlyWhileItHolds)
{
    bool panelShown = true;
    KeyboardRules::attach(&dialog)->addLastField(data1, amAles, [&] { return !panelShown; });
    enterIn(data1);
    EXPECT_EQ(clicks, 0);
    panelShown = false;
    enterIn(data1);
    EXPECT_EQ(clicks, 1);
}

TEST(KeyboardRules, EveryKindOfEntryFieldMovesOn)
{
    QDialog dialog;
    auto *layout = new QVBoxLayout(&dialog);
    auto *combo = new QComboBox;
    combo->addItems({QStringLiteral("A"), QStringLiteral("B")});
    auto *editable = new QComboBox;
    editable->setEditable(true);
    QWidget *fields[] = {new QLineEdit, new QSpinBox, new QDateEdit, combo, editable, new QCheckBox};
    for (QWidget *f : fields)
        layout->addWidget(f);
    auto *last = new QLineEdit;
    layout->addWidget(last);
    KeyboardRules::attach(&dialog);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    for (size_t i = 0; i < std::size(fields); ++i) {
        SCOPED_TRACE(fields[i]->metaObject()->className());
        fields[i]->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QWidget *expected = i + 1 < std::size(fields) ? fields[i + 1] : last;
        EXPECT_EQ(QApplication::focusWidget(), expected->focusProxy() ? expected->focusProxy() : expected);
        EXPECT_TRUE(dialog.isVisible());
    }
}

TEST(KeyboardRules, EscClosesAPlainWindowAndWindowsWithoutRulesAreLeftAlone)
{
    QWidget window;
    auto *edit = new QLineEdit(&window);
    KeyboardRules::attach(&window);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());

    QDialog plain;
    auto *layout = new QVBoxLayout(&plain);
    auto *field = new QLineEdit;
    auto *ok = new QPushButton(QStringLiteral("OK"));
    layout->addWidget(field);
    layout->addWidget(ok);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &plain, &QDialog::accept);
    plain.show();
    plain.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&plain));
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(plain.result(), QDialog::Accepted); // Qt's own behaviour, untouched
}

TEST(KeyboardRules, AttachIsIdempotentAndEscapeCanBeReplaced)
{
    QWidget window;
    auto *edit = new QLineEdit(&window);
    KeyboardRules *rules = KeyboardRules::attach(&window);
    EXPECT_EQ(KeyboardRules::attach(&window), rules);
    EXPECT_EQ(KeyboardRules::of(&window), rules);
    int escapes = 0;
    rules->setEscapeAction([&] { ++escapes; });
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(escapes, 1);
    EXPECT_TRUE(window.isVisible());
}

// Enter on a focused button presses it, once, in any window (with rules or
// without, a dialog whose buttons are not auto-default as the program's
// are, with another button as its default);
// Enter on a check box does not tick it; a disabled button stays unpressed.
TEST(KeyboardRules, EnterOnAFocusedButtonPressesIt)
{
    KeyboardRules::installEverywhere();
    for (bool withRules : {false, true}) {
        SCOPED_TRACE(withRules ? "with rules" : "without rules");
        QDialog window;
        auto *layout = new QVBoxLayout(&window);
        auto *memoreaza = new QPushButton(QStringLiteral("Memoreaza"));
        auto *renunt = new QPushButton(QStringLiteral("Renunt"));
        auto *box = new QCheckBox(QStringLiteral("Handicap"));
        auto *off = new QPushButton(QStringLiteral("Iesire"));
        for (QWidget *w : {static_cast<QWidget *>(memoreaza), static_cast<QWidget *>(renunt),
                           static_cast<QWidget *>(box), static_cast<QWidget *>(off)})
            layout->addWidget(w);
        for (QPushButton *b : {memoreaza, renunt, off})
            b->setAutoDefault(false);
        memoreaza->setDefault(true);
        off->setEnabled(false);
        int saved = 0, cancelled = 0, closed = 0;
        QObject::connect(memoreaza, &QPushButton::clicked, [&] { ++saved; });
        QObject::connect(renunt, &QPushButton::clicked, [&] { ++cancelled; });
        QObject::connect(off, &QPushButton::clicked, [&] { ++closed; });
        if (withRules)
            KeyboardRules::attach(&window);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

        renunt->setFocus();
        QTest::keyClick(renunt, Qt::Key_Return);
        QTest::keyClick(renunt, Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_EQ(cancelled, 2);
        EXPECT_EQ(saved, 0); // not the dialog's default button

        box->setFocus();
        QTest::keyClick(box, Qt::Key_Return);
        EXPECT_FALSE(box->isChecked());

        EXPECT_FALSE(KeyboardRules::pressesButton(off, Qt::Key_Return, Qt::NoModifier));
        EXPECT_EQ(closed, 0);
        EXPECT_FALSE(KeyboardRules::pressesButton(renunt, Qt::Key_Return, Qt::ControlModifier));
    }
}
