#include "AdminFixture.h"
#include "shell/ui/UiHelpers.h"
#include "widgets/Balloon.h"
#include "widgets/MaskedNumberEdit.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QTest>

using namespace kovara;
using namespace kovara::test;

namespace {

const char *const constantKeys[] = {"PRIMARIA", "LOCALIT",  "JUDET",  "PRIMAR", "SECRETAR",
                                    "DIRECTOR", "INTOCMIT", "AVIZAT", "CF"};

class AdminSave : public AdminWindowTest
{
protected:
    void fill(const char *cf)
    {
        form->PrimariaEd->setText(QStringLiteral("PRIMARIA COMUNEI VALEA"));
        form->LocalitEd->setText(QStringLiteral("Valea"));
        form->Judet->setCurrentIndex(12);
        form->CodFiscal->setText(QString::fromLatin1(cf));
        form->Primar->setText(QStringLiteral("Ion Popescu"));
        form->Secretar->setText(QStringLiteral("Ana Ionescu"));
        form->DirectorEd->setText(QStringLiteral("Dan Pop"));
        form->IntocmitEd->setText(QStringLiteral("Maria Stan"));
        form->AvizatEd->setText(QStringLiteral("Radu Vlad"));
    }
};

TEST_F(AdminSave, WrongFiscalCodePointsAtTheFieldAndSavesNothing)
{
    for (const char *cf : {"0", "1234", "", "12"}) {
        form->show();
        fill(cf);
        form->SalveazaBut->click();
        ASSERT_NE(ProblemBalloon(), nullptr);
        EXPECT_TRUE(ProblemBalloon()->isVisible()) << cf;
        EXPECT_EQ(ProblemBalloon()->text(), "Cod Fiscal incorect!");
        EXPECT_TRUE(form->isVisible()) << "the window stays open";
        EXPECT_FALSE(QFile::exists(SettingsPath())) << cf;
        EXPECT_TRUE(Constants().PRIMAR.isEmpty()) << "the record is untouched";
        ProblemBalloon()->hide();
    }
    EXPECT_TRUE(seam::errorsShown().isEmpty());
}

TEST_F(AdminSave, RightFiscalCodeWritesTheNineKeysAndCloses)
{
    form->show();
    fill("1235");
    form->SalveazaBut->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(seam::errorsShown().isEmpty());
    const QString expected[] = {"PRIMARIA COMUNEI VALEA",
                                "Valea",
                                "CLUJ",
                                "Ion Popescu",
                                "Ana Ionescu",
                                "Dan Pop",
                                "Maria Stan",
                                "Radu Vlad",
                                "1235"};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(ReadSetting(QStringLiteral("CONSTANTE"), QLatin1String(constantKeys[i])), expected[i])
            << constantKeys[i];
    EXPECT_EQ(Constants().JUDET, "CLUJ");
    EXPECT_EQ(Constants().CF, "1235");
    const QByteArray file = readAll(SettingsPath());
    for (const char *key : constantKeys)
        EXPECT_TRUE(file.contains(QByteArray(key) + '=')) << key;
}

TEST_F(AdminSave, EnterInTheLastFieldSaves)
{
    form->show();
    fill("RO1235");
    form->CodFiscal->setText(QStringLiteral("1235"));
    QTest::keyClick(form->AvizatEd, Qt::Key_Return);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(ReadSetting(QStringLiteral("CONSTANTE"), QStringLiteral("AVIZAT")), "Radu Vlad");
}

TEST_F(AdminSave, ClosingInAnyWayDropsEdits)
{
    WriteSetting(QStringLiteral("CONSTANTE"), QStringLiteral("PRIMAR"), QStringLiteral("Ion"));
    LoadConstants();
    const QByteArray before = readAll(SettingsPath());
    const std::function<void()> closers[] = {
        [&] { form->RenuntBut->click(); },
        [&] { QTest::keyClick(form->Primar, Qt::Key_Escape); },
        [&] { form->close(); },
    };
    for (const auto &closeWindow : closers) {
        form->show();
        EXPECT_EQ(form->Primar->text(), "Ion");
        form->Primar->setText(QStringLiteral("Vasile"));
        Constants().PRIMAR = QStringLiteral("changed in memory");
        closeWindow();
        EXPECT_FALSE(form->isVisible());
        EXPECT_EQ(readAll(SettingsPath()), before);
        EXPECT_EQ(Constants().PRIMAR, "Ion");
        EXPECT_EQ(form->Primar->text(), "Ion");
    }
}

TEST_F(AdminSave, CountyListAndStoredCountyInLowerCase)
{
    ASSERT_EQ(form->Judet->count(), 42);
    EXPECT_EQ(form->Judet->itemText(0), "ALBA");
    EXPECT_EQ(form->Judet->itemText(12), "CLUJ");
    EXPECT_EQ(form->Judet->itemText(41), "BUCURESTI");
    EXPECT_FALSE(form->Judet->isEditable());
    WriteSetting(QStringLiteral("CONSTANTE"), QStringLiteral("JUDET"), QStringLiteral("satu-mare"));
    LoadConstants();
    form->show();
    EXPECT_EQ(form->Judet->currentText(), "SATU-MARE");
    form->close();
    WriteSetting(QStringLiteral("CONSTANTE"), QStringLiteral("JUDET"), QStringLiteral("Atlantida"));
    LoadConstants();
    form->show();
    EXPECT_EQ(form->Judet->currentIndex(), -1);
}

TEST_F(AdminSave, EnterInTheSecondPasswordBoxOnlyMovesOn)
{
    form->show();
    form->newPassword->setText(QStringLiteral("abc"));
    form->newPasswordAgain->setText(QStringLiteral("abc"));
    QTest::keyClick(form->newPasswordAgain, Qt::Key_Return);
    EXPECT_TRUE(ReadRegValue(Erori).isEmpty());
    EXPECT_TRUE(seam::mesajCalls().isEmpty());
    EXPECT_TRUE(form->isVisible());
}

TEST_F(AdminSave, FiscalCodeFieldIsTheMaskedField)
{
    EXPECT_EQ(form->CodFiscal->MaskInt(), 10);
    EXPECT_EQ(form->CodFiscal->MaskZec(), 0);
    EXPECT_EQ(form->CodFiscal->maxLength(), 10);
    EXPECT_EQ(form->newPassword->maxLength(), 32);
    EXPECT_EQ(form->newPasswordAgain->echoMode(), QLineEdit::Password);
    EXPECT_EQ(form->windowTitle(), "Administrator program");
}

TEST(PasswordPrompt, ConfirmAndCancel)
{
    PasswordDialog prompt;
    prompt.passwordEdit->setText(QStringLiteral("left over"));
    prompt.prepare(QStringLiteral("IDENTIFICARE ADMIN"), QStringLiteral("PAROLA :"));
    EXPECT_EQ(prompt.windowTitle(), "IDENTIFICARE ADMIN");
    EXPECT_EQ(prompt.promptLabel->text(), "PAROLA :");
    EXPECT_TRUE(prompt.passwordEdit->text().isEmpty());
    EXPECT_EQ(prompt.passwordEdit->echoMode(), QLineEdit::Password);

    prompt.open();
    QTest::keyClicks(prompt.passwordEdit, QStringLiteral("Secret7"));
    QTest::keyClick(prompt.passwordEdit, Qt::Key_Return);
    EXPECT_FALSE(prompt.isVisible());
    EXPECT_EQ(prompt.result(), QDialog::Accepted);
    EXPECT_EQ(prompt.passwordEdit->text(), "Secret7");

    const std::function<void()> cancels[] = {
        [&] { QTest::keyClick(prompt.passwordEdit, Qt::Key_Escape); },
        [&] { prompt.RenuntBut->click(); },
        [&] { prompt.close(); },
    };
    for (const auto &cancel : cancels) {
        prompt.prepare(QStringLiteral("X"), QStringLiteral("Y"));
        prompt.open();
        QTest::keyClicks(prompt.passwordEdit, QStringLiteral("abc"));
        cancel();
        EXPECT_FALSE(prompt.isVisible());
        EXPECT_EQ(prompt.result(), QDialog::Rejected);
    }
}

TEST(PasswordPrompt, SeamWithoutAnswerIsCancelled)
{
    seam::activate();
    seam::clearInputQuery();
    PasswordDialog prompt;
    const InputQueryResult r = AskPassword(prompt, QStringLiteral("A"), QStringLiteral("B"));
    EXPECT_FALSE(r.confirmed);
    EXPECT_TRUE(r.text.isEmpty());
    EXPECT_EQ(seam::inputQueryCalls().size(), 1);
    seam::deactivate();
}

} // namespace
