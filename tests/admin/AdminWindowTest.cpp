#include "AdminFixture.h"
#include "admin/Password.h"
#include "admin/ui/PasswordDialog.h"
#include "app/AdminWiring.h"
#include "app/MainWindow.h"
#include "base/Win1250.h"
#include "shell/MesajRules.h"
#include "shell/ui/Keyboard.h"
#include "widgets/MaskedNumberEdit.h"
#include "widgets/PictureButton.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>

using namespace kovara;
using namespace kovara::test;

namespace {

TEST_F(AdminWindowTest, LoginWithoutPasswordWarnsAndGrants)
{
    QSignalSpy changes(&access, &AccessState::changed);
    EXPECT_TRUE(AdministratorLogin(*form, passwordPrompt));
    ASSERT_EQ(seam::mesajCalls().size(), 1);
    const seam::MesajCall &call = seam::mesajCalls().first();
    EXPECT_EQ(call.title, "Administrare");
    EXPECT_EQ(call.text,
              QStringLiteral("        ATENTIE!") + LineBreak() + QStringLiteral("Nu aveti nici o parola!"));
    EXPECT_EQ(call.kind, 0);
    EXPECT_EQ(call.buttons, 4);
    EXPECT_TRUE(seam::inputQueryCalls().isEmpty());
    EXPECT_TRUE(access.granted());
    EXPECT_TRUE(form->accessBox->isChecked());
    EXPECT_FALSE(form->accessBox->isVisibleTo(form.get()));
    ASSERT_EQ(changes.size(), 1);
    EXPECT_TRUE(changes.first().first().toBool());
    EXPECT_FALSE(form->isVisible()) << "the login does not open the window";
}

TEST_F(AdminWindowTest, PasswordSetThroughTheWindowUnlocks)
{
    setPassword("Secret7", "Secret7");
    EXPECT_EQ(seam::mesajCalls().last().title, "Confirmare");
    EXPECT_EQ(lastMesajText(), "Parola a fost schimbata cu succes!");
    EXPECT_EQ(seam::mesajCalls().last().kind, 2);
    EXPECT_TRUE(form->newPassword->text().isEmpty());
    EXPECT_TRUE(form->newPasswordAgain->text().isEmpty());
    EXPECT_EQ(ReadRegValue(Erori), encodePassword(QStringLiteral("Secret7")));
    EXPECT_FALSE(access.granted()) << "changing the password grants nothing";

    struct Attempt
    {
        bool confirmed;
        const char *typed;
        bool granted;
        const char *message;
    };
    const Attempt attempts[] = {
        {true, "secret7", false, "PAROLA INCORECTA !"},
        {true, "SECRET7", false, "PAROLA INCORECTA !"},
        {true, "", false, "PAROLA INCORECTA !"},
        {false, "Secret7", false, nullptr},
        {true, "Secret7", true, nullptr},
    };
    for (const Attempt &a : attempts) {
        seam::activate();
        seam::clearInputQuery();
        seam::pushInputQueryAnswer(a.confirmed, QString::fromUtf8(a.typed));
        EXPECT_EQ(AdministratorLogin(*form, passwordPrompt), a.granted) << a.typed;
        EXPECT_EQ(access.granted(), a.granted) << a.typed;
        ASSERT_EQ(seam::inputQueryCalls().size(), 1);
        EXPECT_EQ(seam::inputQueryCalls().first().caption, "IDENTIFICARE ADMIN");
        EXPECT_EQ(seam::inputQueryCalls().first().prompt, "PAROLA :");
        if (a.message) {
            ASSERT_EQ(seam::mesajCalls().size(), 1) << a.typed;
            EXPECT_EQ(seam::mesajCalls().first().title, "Greseala!");
            EXPECT_EQ(lastMesajText(), QString::fromLatin1(a.message));
            EXPECT_EQ(seam::mesajCalls().first().kind, 1);
        } else {
            EXPECT_TRUE(seam::mesajCalls().isEmpty()) << a.typed;
        }
    }
}

TEST_F(AdminWindowTest, PasswordWithWin1250Letters)
{
    setPassword("Parolă", "Parolă");
    EXPECT_EQ(ReadRegValue(Erori), fromWin1250(kovara::test::fromHex("6c74726c6f6f9123933e3486756150e3")));
    seam::pushInputQueryAnswer(true, QStringLiteral("Parola"));
    EXPECT_FALSE(AdministratorLogin(*form, passwordPrompt));
    seam::pushInputQueryAnswer(true, QString::fromUtf8("Parolă"));
    EXPECT_TRUE(AdministratorLogin(*form, passwordPrompt));
}

TEST_F(AdminWindowTest, EveryEncodedPasswordSurvivesTheStore)
{
    // Encoded passwords hold blanks, quotes, '=', ';', ',' and bytes above
    // 127 anywhere, first and last place included.
    for (int n = 0; n < 120; ++n) {
        QString typed;
        for (int i = 0; i <= n % 9; ++i)
            typed += QChar(0x21 + (n * 31 + i * 17) % 94);
        setPassword(typed.toUtf8().constData(), typed.toUtf8().constData());
        ASSERT_EQ(ReadRegValue(Erori), encodePassword(typed)) << typed.toStdString();
        seam::pushInputQueryAnswer(true, typed);
        access.setGranted(false);
        ASSERT_TRUE(AdministratorLogin(*form, passwordPrompt)) << typed.toStdString();
    }
}

TEST_F(AdminWindowTest, BoxesThatDifferStoreNothing)
{
    setPassword("Secret7", "Secret7");
    const QString stored = ReadRegValue(Erori);
    setPassword("abc", "abd");
    EXPECT_EQ(seam::mesajCalls().last().title, "Eroare la completare");
    EXPECT_EQ(lastMesajText(), "Nu ati scris parola noua la fel in cele doua casute !");
    EXPECT_EQ(seam::mesajCalls().last().kind, 1);
    EXPECT_EQ(seam::mesajCalls().last().buttons, 4);
    EXPECT_EQ(ReadRegValue(Erori), stored);
    setPassword("abc", "ABC");
    EXPECT_EQ(ReadRegValue(Erori), stored) << "letter case counts";
    EXPECT_EQ(form->newPassword->text(), "abc") << "the boxes stay for correction";
}

TEST_F(AdminWindowTest, TwoEmptyBoxesAskToRemoveThePassword)
{
    setPassword("Secret7", "Secret7");
    const QString stored = ReadRegValue(Erori);
    const QString question = QStringLiteral("ATENTIE !") + LineBreak() +
                             QStringLiteral("Doriti sa dezactivati parola de administrator?");
    for (int answer : {7, 2}) {
        seam::pushMesajAnswer(answer);
        setPassword("", "");
        EXPECT_EQ(seam::mesajCalls().last().title, "Eroare la completare");
        EXPECT_EQ(lastMesajText(), question);
        EXPECT_EQ(seam::mesajCalls().last().kind, 0);
        EXPECT_EQ(seam::mesajCalls().last().buttons, 3);
        EXPECT_EQ(seam::mesajCalls().last().defaultButton, kovara::BtnNu); // one Enter never removes it
        EXPECT_EQ(ReadRegValue(Erori), stored) << "answer " << answer;
    }
    seam::pushMesajAnswer(6);
    setPassword("", "");
    EXPECT_TRUE(ReadRegValue(Erori).isEmpty());

    seam::activate();
    EXPECT_TRUE(AdministratorLogin(*form, passwordPrompt));
    EXPECT_TRUE(lastMesajText().endsWith(QStringLiteral("Nu aveti nici o parola!")));
    EXPECT_TRUE(seam::inputQueryCalls().isEmpty());
}

TEST_F(AdminWindowTest, LettersOutsideTheCodePageAreRefused)
{
    setPassword("Пароль", "Пароль");
    EXPECT_EQ(seam::mesajCalls().last().kind, 1);
    EXPECT_TRUE(ReadRegValue(Erori).isEmpty()) << "it would be stored as ??????";
}

TEST_F(AdminWindowTest, AccessAlreadyGrantedStaysAfterAChange)
{
    ASSERT_TRUE(AdministratorLogin(*form, passwordPrompt));
    setPassword("Secret7", "Secret7");
    EXPECT_TRUE(access.granted());
}

TEST_F(AdminWindowTest, MainWindowUnlocksCereriOnlyWithTheRightPassword)
{
    MainWindow mainWindow(access);
    installAdministration(&mainWindow, form.get(), &passwordPrompt);
    mainWindow.setRequestListHandler([] {});
    setPassword("Secret7", "Secret7");
    ASSERT_FALSE(mainWindow.cereriButton->isEnabled());

    seam::pushInputQueryAnswer(true, QStringLiteral("SECRET7"));
    mainWindow.AdministrareClick();
    EXPECT_FALSE(mainWindow.cereriButton->isEnabled());
    EXPECT_FALSE(access.granted());
    EXPECT_EQ(lastMesajText(), "PAROLA INCORECTA !");

    seam::pushInputQueryAnswer(true, QStringLiteral("Secret7"));
    mainWindow.AdministrareClick();
    EXPECT_TRUE(mainWindow.cereriButton->isEnabled());
    EXPECT_TRUE(access.granted());
    EXPECT_FALSE(form->isVisible()) << "the login click does not open the window";

    // The next click opens the administration window.
    mainWindow.AdministrareClick();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(seam::inputQueryCalls().size(), 2);
    form->RenuntBut->click();
    EXPECT_TRUE(mainWindow.cereriButton->isEnabled()) << "closing the window keeps access";

    // The access box locks and opens the main window's commands again.
    form->accessBox->setChecked(false);
    EXPECT_FALSE(access.granted());
    EXPECT_FALSE(mainWindow.cereriButton->isEnabled());
    form->accessBox->setChecked(true);
    EXPECT_TRUE(access.granted());
    EXPECT_TRUE(mainWindow.cereriButton->isEnabled());
}

} // namespace

// A stored fiscal code longer than the field's typing limit is shown and
// saved whole; the password boxes show "*" as the program's texts say.
TEST_F(AdminWindowTest, LongFiscalCodeKeptAndPasswordsShowStars)
{
    Constants().CF = QStringLiteral("123456789012");
    form->loadFields();
    EXPECT_EQ(form->CodFiscal->text(), "123456789012");
    // What the box shows once the window is on screen (the platform's
    // theme would have "●"), under the program's style sheet.
    const QString sheet = qApp->styleSheet();
    qApp->setStyleSheet(QStringLiteral("QToolTip { background-color: white; }"));
    form->show();
    PasswordDialog prompt;
    prompt.show();
    for (QLineEdit *box : {form->newPassword, form->newPasswordAgain, prompt.passwordEdit}) {
        box->setText(QStringLiteral("abc"));
        EXPECT_EQ(box->displayText(), QStringLiteral("***")) << qPrintable(box->objectName());
    }
    form->hide();
    qApp->setStyleSheet(sheet);
}

// The window opens at its first field; Enter moves through the password
// boxes onto "Schimba parola", and Enter there presses it. With both boxes
// empty the question that removes the password comes with NU as its default.
TEST_F(AdminWindowTest, KeyboardPathOfThePasswordBoxes)
{
    KeyboardRules::installEverywhere();
    setPassword("Secret7", "Secret7");
    const QString stored = ReadRegValue(Erori);
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_EQ(QApplication::focusWidget(), form->newPassword);
    QTest::keyClick(form->newPassword, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), form->newPasswordAgain);
    QTest::keyClick(form->newPasswordAgain, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), form->SchimbaBut);
    // The button shows that it holds the focus, as after Tab.
    EXPECT_TRUE(form->testAttribute(Qt::WA_KeyboardFocusChange));
    seam::pushMesajAnswer(7);
    const qsizetype before = seam::mesajCalls().size();
    QTest::keyClick(form->SchimbaBut, Qt::Key_Return);
    ASSERT_EQ(seam::mesajCalls().size(), before + 1);
    EXPECT_EQ(seam::mesajCalls().last().defaultButton, kovara::BtnNu);
    EXPECT_EQ(ReadRegValue(Erori), stored);
    form->hide();
}
