#include "widgets/CNPEdit.h"
#include "widgets/MaskedNumberEdit.h"
#include "widgets/NumericEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QTest>
#include <gtest/gtest.h>

// Readable QString values in failure messages.
inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

using namespace kovara;

namespace {

void typeText(QWidget *w, const char *text)
{
    QTest::keyClicks(w, QString::fromLatin1(text));
}

TEST(CnpField, TypingGoesThroughTheRules)
{
    CNPEdit edit;
    typeText(&edit, "07");
    EXPECT_EQ(edit.text(), "7");
    edit.clear();
    typeText(&edit, "19005024012301");
    EXPECT_EQ(edit.text(), "1900502401230") << "the 14th digit is ignored";
    typeText(&edit, "ab-.");
    EXPECT_EQ(edit.text(), "1900502401230");
    EXPECT_TRUE(edit.Corect());
    EXPECT_EQ(edit.NascutLa(), QDate(1990, 5, 2));
    EXPECT_EQ(edit.Sex(), "masculin");
}

TEST(CnpField, KeypadCaretAndSelection)
{
    CNPEdit edit;
    QTest::keyClick(&edit, Qt::Key_4, Qt::KeypadModifier);
    QTest::keyClick(&edit, Qt::Key_2, Qt::KeypadModifier);
    EXPECT_EQ(edit.text(), "42");
    QTest::keyClick(&edit, Qt::Key_Home);
    QTest::keyClick(&edit, Qt::Key_1);
    EXPECT_EQ(edit.text(), "142");
    QTest::keyClick(&edit, Qt::Key_Delete);
    EXPECT_EQ(edit.text(), "12");
    QTest::keyClick(&edit, Qt::Key_End, Qt::ShiftModifier);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), "1");
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), "");
    EXPECT_FALSE(edit.Corect());
    edit.setAcceptGol(true);
    EXPECT_TRUE(edit.Corect());
}

TEST(CnpField, PastingIsRefused)
{
    CNPEdit edit;
    QApplication::clipboard()->setText(QStringLiteral("abc"));
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), "");
}

TEST(CnpField, ShowsBirthDateAndSexOnlyForACompleteValidCode)
{
    const std::pair<const char *, const char *> cases[] = {
        {"1900502401230", "02.05.1990, masculin"},
        {"6001230123457", "30.12.2000, feminin"},
        {"6850101700011", "01.01.2085, feminin"},
        {"190050240123", ""},
        {"1900502401231", ""},
        {"3850101123455", ""},
        {"", ""},
    };
    CNPEdit edit;
    edit.resize(edit.sizeHint());
    edit.show();
    for (const auto &[code, info] : cases) {
        edit.clear();
        typeText(&edit, code);
        EXPECT_EQ(edit.infoText(), QString::fromLatin1(info)) << code;
        EXPECT_EQ(edit.toolTip(), QString::fromLatin1(info)) << code;
        EXPECT_FALSE(edit.grab().isNull());
    }
    edit.setText(QStringLiteral("2900502401232"));
    EXPECT_EQ(edit.infoText(), "02.05.1990, feminin") << "set by the program";
}

TEST(NumericField, MinusZeroAndMaximum)
{
    NumericEdit edit;
    edit.setMaxLength(4);
    EXPECT_EQ(edit.text(), "0");
    EXPECT_EQ(edit.Initial(), "0");
    QTest::keyClick(&edit, Qt::Key_Minus);
    EXPECT_EQ(edit.text(), "");
    EXPECT_EQ(edit.value(), 0);
    QTest::keyClick(&edit, Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(edit.text(), "-");
    EXPECT_EQ(edit.value(), 0);
    typeText(&edit, "1234");
    EXPECT_EQ(edit.text(), "-123");
    EXPECT_EQ(edit.value(), -123);
    QTest::keyClick(&edit, Qt::Key_Left);
    QTest::keyClick(&edit, Qt::Key_Minus);
    QTest::keyClick(&edit, Qt::Key_Period, Qt::KeypadModifier);
    QTest::keyClick(&edit, Qt::Key_Comma);
    EXPECT_EQ(edit.text(), "-123");
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), "-13");
    edit.setValue(57);
    EXPECT_EQ(edit.text(), "57");
}

TEST(MaskedField, FiscalCodeEntry)
{
    MaskedNumberEdit edit;
    edit.setMaskInt(10);
    edit.setMaskZec(0);
    EXPECT_EQ(edit.text(), "0");
    EXPECT_EQ(edit.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    QTest::keyClick(&edit, Qt::Key_End);
    typeText(&edit, "5");
    EXPECT_EQ(edit.text(), "5");
    EXPECT_EQ(edit.beeps(), 0);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), "0");
    EXPECT_EQ(edit.beeps(), 1);
    typeText(&edit, "-.a");
    EXPECT_EQ(edit.text(), "0");
    EXPECT_EQ(edit.beeps(), 4);
    edit.setText(QString());
    typeText(&edit, "12345678901");
    EXPECT_EQ(edit.text(), "1234567890");
    EXPECT_EQ(edit.beeps(), 5);
    QTest::keyClick(&edit, Qt::Key_Home);
    QTest::keyClick(&edit, Qt::Key_Delete);
    EXPECT_EQ(edit.text(), "1234567890") << "Delete does nothing";
}

TEST(MaskedField, EnteringSelectsEverything)
{
    QWidget window;
    NumericEdit other(&window);
    MaskedNumberEdit edit(&window);
    edit.setMaskInt(10);
    edit.setText(QStringLiteral("1235"));
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    other.setFocus();
    edit.setFocus(Qt::TabFocusReason);
    (void)QTest::qWaitFor([&] { return edit.selectedText() == QStringLiteral("1235"); });
    EXPECT_EQ(edit.selectedText(), "1235");
    typeText(&edit, "7");
    EXPECT_EQ(edit.text(), "7");
}

TEST(Fields, EscapeReachesTheWindow)
{
    // A dialog without the program's keyboard rules: the fields must not
    // swallow the keys that belong to it, nor beep at them.
    QDialog dialog;
    auto *cnp = new CNPEdit(&dialog);
    auto *numeric = new NumericEdit(&dialog);
    auto *masked = new MaskedNumberEdit(&dialog);
    for (QLineEdit *field : {static_cast<QLineEdit *>(cnp), static_cast<QLineEdit *>(numeric),
                             static_cast<QLineEdit *>(masked)}) {
        dialog.open();
        ASSERT_TRUE(dialog.isVisible());
        QTest::keyClick(field, Qt::Key_Escape);
        EXPECT_FALSE(dialog.isVisible()) << field->metaObject()->className();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    EXPECT_EQ(masked->beeps(), 0);
}

} // namespace
