// The request editor driven as a clerk would: keyboard only, refused
// fields, the duplicate number, the children warning and the lookup.

#include "RequestTestData.h"
#include "TestSupport.h"
#include "app/MesajRules.h"
#include "app/Paths.h"
#include "app/TestSeam.h"
#include "app/UiHelpers.h"
#include "data/Query.h"
#include "data/RequestTable.h"
#include "data/Settings.h"
#include "data/SqlEngine.h"
#include "requests/CNPEdit.h"
#include "requests/NumericEdit.h"
#include "requests/RequestEditorFields.h"
#include "widgets/Balloon.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace kovara;
using kovara::test::childCnp;
using kovara::test::parentCnp;

namespace {

QWidget *focused()
{
    return QApplication::focusWidget();
}

// Types the text into the focused field, character by character.
void typeText(const QString &text)
{
    for (const QChar ch : text) {
        if (ch.unicode() < 0x7f)
            QTest::keyClick(focused(), char(ch.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, focused(), Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

void key(Qt::Key k)
{
    QTest::keyClick(focused(), k);
}

// Types into the focused field and presses Enter.
void enter(const QString &text = {})
{
    typeText(text);
    key(Qt::Key_Return);
}

class RequestEditorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setProgramDir(scratch.path());
        QDir().mkpath(DataDir());
        CreateRequestTable();
        seam::activate();
    }
    void TearDown() override
    {
        seam::deactivate();
        Database::shared().detachAll();
    }

    // Opens the editor and drives it; whatever is left open is cancelled.
    bool run(int kind, RequestEditor::Mode mode, RequestRecord &record, const std::function<void()> &drive)
    {
        QTimer::singleShot(0, &editor, [this, drive] {
            editor.activateWindow();
            QApplication::setActiveWindow(&editor);
            EXPECT_TRUE(QTest::qWaitForWindowActive(&editor));
            drive();
            if (editor.isVisible())
                editor.reject();
        });
        return editor.Execute(kind, mode, record);
    }

    // The common part, typed from the first field.
    void typeCommon(const QString &name = "popescu ion")
    {
        EXPECT_EQ(focused(), f().Handi);
        key(Qt::Key_Tab);
        enter(); // number offered
        enter(); // today
        enter(parentCnp());
        enter(name);
        enter("Str. Lunga nr. 4");
        enter("brasov");
    }

    RequestEditor::Fields &f() { return editor.fields(); }

    kovara::test::ScratchDir scratch;
    RequestEditor editor;
};

} // namespace

TEST_F(RequestEditorTest, AddEachKindThroughTheKeyboard)
{
    RequestRecord r1;
    ASSERT_TRUE(run(1, RequestEditor::New, r1, [this] {
        EXPECT_EQ(f().Header->text(), "Cerere noua");
        typeCommon();
        EXPECT_EQ(focused(), f().Alocatie);
        key(Qt::Key_Space);
        key(Qt::Key_Return); // nothing in a tick box
        EXPECT_EQ(focused(), f().Alocatie);
        key(Qt::Key_Tab);
        key(Qt::Key_Space);
        key(Qt::Key_Tab);
        key(Qt::Key_Tab);
        enter("popescu ana");
        enter(childCnp(1));
        enter();
        enter();
        enter("popescu dan");
        enter(childCnp(3)); // last field: saves
    }));
    EXPECT_EQ(r1.TIP, "AI");
    EXPECT_EQ(r1.SUBSEMN, "POPESCU ION");
    EXPECT_EQ(r1.ADRESA, "Str. Lunga nr. 4");
    EXPECT_EQ(r1.JUDADR, "BRASOV");
    EXPECT_EQ(r1.COPIL2, "POPESCU DAN"); // moved up
    EXPECT_EQ(r1.CNP2, childCnp(3));
    EXPECT_TRUE(r1.COPIL3.isEmpty());
    EXPECT_EQ(r1.NRCOPII, 2);
    EXPECT_EQ(r1.NR, 1);
    EXPECT_EQ(r1.DINDATA, QDate::currentDate());
    EXPECT_EQ(r1.DATADISP, QDate::currentDate());
    EXPECT_EQ(PeekIndex("NR1"), "2");

    RequestRecord r2;
    ASSERT_TRUE(run(2, RequestEditor::New, r2, [this] {
        EXPECT_EQ(f().Caption->text(), "Alocatie nou-nascuti");
        EXPECT_EQ(f().Cuantum->text(), "204");
        EXPECT_EQ(f().JudetSubsemnat->text(), "BRASOV"); // remembered
        typeCommon();
        EXPECT_EQ(focused(), f().BIseria);
        enter("bv");
        enter("123456");
        key(Qt::Key_Down);
        enter();       // al doilea
        enter("2040"); // replaces the amount offered
        enter("popescu ana");
        enter(childCnp(2));
        enter("n");
        enter("998877");
        enter("primaria brasov");
    }));
    EXPECT_EQ(r2.TIP, "3");
    EXPECT_EQ(r2.BISERIA, "BV");
    EXPECT_EQ(r2.ALCATE, "al doilea");
    EXPECT_EQ(r2.CUANTUM, 2040);
    EXPECT_EQ(r2.CNELIB, "PRIMARIA BRASOV");
    EXPECT_EQ(r2.NRCOPII, 0);
    EXPECT_EQ(ReadSetting("VAR", "CUANTUM"), "2040");

    RequestRecord r3;
    ASSERT_TRUE(run(3, RequestEditor::New, r3, [this] {
        EXPECT_EQ(f().Cuantum2->text(), "150");
        typeCommon();
        EXPECT_EQ(focused(), f().Calitate);
        key(Qt::Key_Down);
        enter();
        enter("bv");
        enter("654321");
        enter();
        enter("popescu ana");
        enter(childCnp(4));
        enter("ab");
        enter(childCnp(1));
        enter();
        enter();
    }));
    EXPECT_EQ(r3.TIP, "4");
    EXPECT_EQ(r3.CALITATE, "reprezentant legal al copilului");
    EXPECT_EQ(r3.CUANTUM, 150);
    EXPECT_EQ(r3.NRCOPII, 1); // a second name of 2 characters does not count
    EXPECT_EQ(PeekIndex("NR3"), "2");
    EXPECT_EQ(PeekIndex("NR2"), "2");
}

TEST_F(RequestEditorTest, RefusedFieldShowsTheBalloonAndStoresNothing)
{
    RequestRecord r;
    EXPECT_FALSE(run(2, RequestEditor::New, r, [this] {
        typeCommon("pop  io");
        f().MemoBut->click();
        ASSERT_NE(ProblemBalloon(), nullptr);
        EXPECT_EQ(ProblemBalloon()->text(), "Numele solicitantului este incorect!");
        EXPECT_EQ(ProblemBalloon()->tip(), f().Subsemnat->mapToGlobal(QPoint(10, 10)));
        EXPECT_EQ(f().Subsemnat->text(), "POP IO"); // shown normalised
        f().Subsemnat->setText("POPESCU ION");
        f().MemoBut->click();
        EXPECT_EQ(ProblemBalloon()->text(), "Lipseste B.I./C.I. seria!");
        EXPECT_EQ(ProblemBalloon()->tip(), f().BIseria->mapToGlobal(QPoint(10, 10)));
        EXPECT_TRUE(editor.isVisible());
        EXPECT_TRUE(f().MemoBut->isEnabled());
        key(Qt::Key_Escape);
        EXPECT_FALSE(editor.isVisible());
    }));
    EXPECT_EQ(PeekIndex("NR2"), "1");
    EXPECT_TRUE(ReadSetting("VAR", "JUDSUBSEMNAT").isEmpty());
}

TEST_F(RequestEditorTest, DuplicateNumberAndChildrenWarning)
{
    RequestRecord old;
    old.IDCERERE = 5;
    old.TIP = "3";
    old.NR = 1;
    old.DINDATA = QDate(QDate::currentDate().year(), 1, 1);
    old.SUBSEMN = "IONESCU MARIA";
    old.CNP1 = childCnp(2);
    InsertRequest(old);

    auto fill = [this] {
        typeCommon();
        enter("bv");
        enter("1");
        enter();
        enter();
        enter("popescu ana");
        enter(childCnp(2));
        enter("n");
        enter("1");
    };
    RequestRecord r;
    EXPECT_TRUE(run(2, RequestEditor::New, r, [&] {
        fill();
        enter("x y"); // saves: the number is taken
        ASSERT_EQ(seam::mesajCalls().size(), 1);
        EXPECT_EQ(seam::mesajCalls()[0].title, "Memorare cerere");
        EXPECT_EQ(seam::mesajCalls()[0].text, "Exista deja cererea cu nr.1 / " +
                                                  old.DINDATA.toString("dd.MM.yyyy") +
                                                  " !\r\nNume solicitant : IONESCU MARIA.");
        EXPECT_TRUE(editor.isVisible());
        // Another number: the child is named in that request too; NU, then DA.
        f().CerereNr->setText("2");
        seam::pushMesajAnswer(ResNu);
        f().MemoBut->click();
        ASSERT_EQ(seam::mesajCalls().size(), 2);
        EXPECT_TRUE(seam::mesajCalls()[1].text.startsWith("C.N.P. copil mai apare in 1 cereri!"));
        EXPECT_TRUE(editor.isVisible());
        EXPECT_EQ(PeekIndex("NR2"), "1");
        seam::pushMesajAnswer(ResDa);
        f().MemoBut->click();
    }));
    EXPECT_EQ(r.NR, 2);
    EXPECT_EQ(PeekIndex("NR2"), "3");
}

TEST_F(RequestEditorTest, LookupOnlyForNewRequestsAndModifyKeepsSettings)
{
    RequestRecord old;
    old.IDCERERE = 9;
    old.TIP = "4";
    old.NR = 3;
    old.DINDATA = QDate(2020, 2, 2);
    old.SUBSEMN = QString::fromUtf8("O\"BRIEN {Ş} 'Ţ' \\*% ăâî");
    old.CNP = parentCnp();
    old.ADRESA = "Str. \"Mare\" 1";
    old.JUDADR = "ALBA";
    old.COPIL1 = "A B";
    old.CNP1 = childCnp(1);
    old.HANDI = "DA";
    old.CUANTUM = 300;
    old.BISERIA = "BV";
    old.BINR = "1";
    InsertRequest(old);

    RequestRecord r;
    run(1, RequestEditor::New, r, [this] {
        key(Qt::Key_Tab);
        enter();
        enter();
        enter(parentCnp()); // leaving the code fills the applicant
        EXPECT_EQ(f().Subsemnat->text(), QString::fromUtf8("O\"BRIEN {Ş} 'Ţ' \\*% ăâî"));
        EXPECT_EQ(f().AdresaSubsemnat->text(), "Str. \"Mare\" 1");
        EXPECT_TRUE(f().Handi->isChecked());
        // The current page is filled from the row even of another kind.
        EXPECT_EQ(f().Copil1->text(), "A B");
        EXPECT_EQ(f().CNP1->text(), childCnp(1));
        EXPECT_FALSE(f().Alocatie->isChecked() || f().Indemnizatie->isChecked() ||
                     f().Stimulent->isChecked());
        EXPECT_EQ(f().CerereNr->text(), "1"); // number and date stay as typed
    });

    Query q;
    q.open("SELECT * FROM " + RequestTable());
    RequestRecord stored = RequestFromQuery(q);
    WriteSetting("VAR", "JUDSUBSEMNAT", "CLUJ");
    const QString before = QString::fromUtf8(kovara::test::readAll(SettingsPath()));
    ASSERT_TRUE(run(1, RequestEditor::Modify, stored, [this] {
        EXPECT_EQ(f().Header->text(), "Modificare cerere");
        EXPECT_EQ(f().Cuantum2->text(), "300");
        EXPECT_EQ(f().CerereNr->text(), "3");
        f().Subsemnat->clear();
        f().CNPSubsemnat->setFocus();
        f().Subsemnat->setFocus(); // no lookup when modifying
        EXPECT_TRUE(f().Subsemnat->text().isEmpty());
        typeText(QString::fromUtf8("ionescu ș ț ă \" ' { } \\ * %"));
        f().MemoBut->click();
        if (editor.isVisible() && ProblemBalloon())
            ADD_FAILURE() << ProblemBalloon()->text().toStdString();
    }));
    EXPECT_EQ(stored.SUBSEMN, QString::fromUtf8("IONESCU Ș Ț Ă \" ' { } \\ * %"));
    EXPECT_EQ(stored.IDCERERE, 9);
    EXPECT_EQ(stored.CUANTUM, 300);
    EXPECT_EQ(stored.NRCOPII, 1);
    EXPECT_EQ(QString::fromUtf8(kovara::test::readAll(SettingsPath())), before);
    ASSERT_EQ(UpdateRequest(stored), 1);
    q.reopen();
    EXPECT_EQ(RequestFromQuery(q).SUBSEMN, QString::fromUtf8("IONESCU Ş Ţ Ă \" ' { } \\ * %"));
}

TEST_F(RequestEditorTest, EnterFollowsTheEntryOrderOfEachPage)
{
    const QStringList common = {"CerereNr",  "CerereData",      "CNPSubsemnat",
                                "Subsemnat", "AdresaSubsemnat", "JudetSubsemnat"};
    const QStringList pages[3] = {
        {"Alocatie", "Indemnizatie", "Stimulent", "Copil1", "CNP1", "Copil2", "CNP2", "Copil3", "CNP3"},
        {"BIseria", "BINr", "ALCopil", "Cuantum", "NumeCopil", "CNPCopil", "CNSeria", "CNNr", "CNElib"},
        {"Calitate", "BISeria2", "BINr2", "Cuantum2", "Copil21", "CNP21", "Copil22", "CNP22", "Copil23",
         "CNP23"}};
    for (int kind = 1; kind <= 3; ++kind) {
        QStringList visited;
        RequestRecord r;
        EXPECT_FALSE(run(kind, RequestEditor::New, r, [&] {
            key(Qt::Key_Tab); // a tick box takes no Enter
            while (focused() != f().MemoBut && visited.size() < 30) {
                visited << focused()->objectName();
                key(qobject_cast<QCheckBox *>(focused()) ? Qt::Key_Tab : Qt::Key_Return);
            }
            // Enter in the page's last field also started the save.
            ASSERT_NE(ProblemBalloon(), nullptr);
            EXPECT_EQ(ProblemBalloon()->text(), "CNP solicitant incorect!");
            EXPECT_TRUE(ProblemBalloon()->isVisible());
            ProblemBalloon()->hide();
        }));
        EXPECT_EQ(visited.join(",").toStdString(), (common + pages[kind - 1]).join(",").toStdString())
            << kind;
    }
}
