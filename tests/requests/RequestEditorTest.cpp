// The request editor driven as a clerk would: keyboard only, refused
// fields, the duplicate number, the children warning and the lookup.

#include "RequestTestData.h"
#include "TestSupport.h"
#include "base/Paths.h"
#include "data/RequestTable.h"
#include "data/Settings.h"
#include "engines/dbf/Query.h"
#include "engines/dbf/SqlEngine.h"
#include "requests/ui/RequestEditorFields.h"
#include "shell/MesajRules.h"
#include "shell/ui/TestSeam.h"
#include "shell/ui/UiHelpers.h"
#include "widgets/Balloon.h"
#include "widgets/CNPEdit.h"
#include "widgets/DateField.h"
#include "widgets/NumericEdit.h"

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
        EXPECT_EQ(focused(), static_cast<QWidget *>(f().CerereNr)); // opens in its first text field
        enter();                                                    // number offered
        enter();                                                    // today
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
        // Moved by the keyboard: the tick box shows its focus mark.
        EXPECT_TRUE(editor.testAttribute(Qt::WA_KeyboardFocusChange));
        key(Qt::Key_Space);  // ticks
        key(Qt::Key_Return); // and Enter moves on, as in any field
        EXPECT_EQ(focused(), f().Indemnizatie);
        key(Qt::Key_Space);
        key(Qt::Key_Return);
        EXPECT_EQ(focused(), f().Stimulent);
        key(Qt::Key_Return);
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
        EXPECT_EQ(ProblemBalloon()->tip(),
                  f().Subsemnat->mapToGlobal(QPoint(10, f().Subsemnat->height() - 1)));
        EXPECT_EQ(focused(), f().Subsemnat);        // the cursor where the balloon points
        EXPECT_EQ(f().Subsemnat->text(), "POP IO"); // shown normalised
        f().Subsemnat->setText("POPESCU ION");
        f().MemoBut->click();
        EXPECT_EQ(ProblemBalloon()->text(), "Lipseste B.I./C.I. seria!");
        EXPECT_EQ(ProblemBalloon()->tip(), f().BIseria->mapToGlobal(QPoint(10, f().BIseria->height() - 1)));
        EXPECT_EQ(focused(), f().BIseria);
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
            if (ProblemBalloon())
                ProblemBalloon()->hide();
            // Enter only, tick boxes too, from the field the editor opens in.
            while (!(ProblemBalloon() && ProblemBalloon()->isVisible()) && visited.size() < 30) {
                visited << focused()->objectName();
                key(Qt::Key_Return);
            }
            // Enter in the page's last field also started the save; the
            // refusal put the cursor in the field it points at.
            ASSERT_NE(ProblemBalloon(), nullptr);
            EXPECT_EQ(ProblemBalloon()->text(), "CNP solicitant incorect!");
            EXPECT_EQ(focused(), static_cast<QWidget *>(f().CNPSubsemnat));
            ProblemBalloon()->hide();
        }));
        EXPECT_EQ(visited.join(",").toStdString(), (common + pages[kind - 1]).join(",").toStdString())
            << kind;
    }
}

// Dates as a clerk types them: with dots, without, and an impossible one.
TEST_F(RequestEditorTest, DateTypedWithOrWithoutDotsIsStoredAsShown)
{
    struct Case
    {
        const char *typed;
        QDate stored; // invalid: refused
    };
    const Case cases[] = {{"05.03.2026", {2026, 3, 5}},
                          {"05032026", {2026, 3, 5}},
                          {"1.2.2025", {2025, 2, 1}},
                          {"31.02.2026", {}},
                          {"05.13.2026", {}}};
    int child = 0; // another child each time: no "already helped" question
    for (const Case &c : cases) {
        ++child;
        RequestRecord r;
        const bool saved = run(1, RequestEditor::New, r, [&] {
            if (ProblemBalloon())
                ProblemBalloon()->hide();
            enter(); // number offered
            EXPECT_EQ(focused(), static_cast<QWidget *>(f().CerereData));
            enter(QString::fromLatin1(c.typed));
            enter(parentCnp());
            enter("popescu ion");
            enter("Str. Lunga nr. 4");
            enter("brasov");
            key(Qt::Key_Space);
            enter();
            enter();
            enter();
            enter("popescu ana");
            enter(childCnp(child));
            enter();
            enter();
            enter();
            enter(); // last field: saves
            if (!c.stored.isValid()) {
                ASSERT_NE(ProblemBalloon(), nullptr);
                EXPECT_TRUE(ProblemBalloon()->isVisible()) << c.typed;
                EXPECT_EQ(ProblemBalloon()->text(), "Data cererii este incorecta!");
                EXPECT_EQ(focused(), static_cast<QWidget *>(f().CerereData));
                EXPECT_EQ(f().CerereData->text(), QString::fromLatin1(c.typed)) << "kept for correction";
            }
        });
        EXPECT_EQ(saved, c.stored.isValid()) << c.typed;
        if (saved) {
            EXPECT_EQ(r.DINDATA, c.stored) << c.typed;
        }
    }
}

// A stored value longer than its field's typing limit (written by another
// program) comes back from the editor whole.
TEST_F(RequestEditorTest, ModifyNeverShortensAStoredValue)
{
    RequestRecord old;
    old.IDCERERE = 4;
    old.TIP = "3";
    old.NR = 7;
    old.DINDATA = QDate(2025, 5, 5);
    old.SUBSEMN = "POPESCU ION";
    old.CNP = parentCnp();
    old.ADRESA = "Str. Lunga nr. 4";
    old.JUDADR = "CARAS-SEVERIN 12"; // 16 characters, the field types 12
    old.BISERIA = "BV";
    old.BINR = "123456";
    old.ALCATE = "primul";
    old.CUANTUM = 12345; // 5 digits, the field types 4
    old.COPIL1 = "POPESCU ANA";
    old.CNP1 = childCnp(1);
    old.CNSERIA = "N";
    old.CNNR = "998877";
    old.CNELIB = "PRIMARIA BRASOV";
    RequestRecord stored = old;
    ASSERT_TRUE(run(2, RequestEditor::Modify, stored, [this] {
        EXPECT_EQ(f().JudetSubsemnat->text(), "CARAS-SEVERIN 12");
        EXPECT_EQ(f().Cuantum->text(), "12345");
        f().MemoBut->click();
        if (editor.isVisible() && ProblemBalloon())
            ADD_FAILURE() << ProblemBalloon()->text().toStdString();
    }));
    EXPECT_EQ(stored.JUDADR, "CARAS-SEVERIN 12");
    EXPECT_EQ(stored.CUANTUM, 12345);

    // A new request types within the limits again.
    RequestRecord fresh;
    run(2, RequestEditor::New, fresh, [this] {
        EXPECT_EQ(f().JudetSubsemnat->maxLength(), 12);
        EXPECT_EQ(f().Cuantum->maxLength(), 4);
    });
}

// The layette's child names have room for 32 capitals, and the birth date
// and sex beside every identity code are shown whole.
TEST_F(RequestEditorTest, NameBoxesAndCodeHintsAreWideEnough)
{
    RequestRecord r;
    run(3, RequestEditor::New, r, [this] {
        const int names = f().Copil21->fontMetrics().horizontalAdvance(QString(32, QLatin1Char('N')));
        for (QLineEdit *name : {f().Copil21, f().Copil22, f().Copil23}) {
            EXPECT_GE(name->width(), f().CNP21->width()) << name->objectName().toStdString();
            EXPECT_GE(name->width(), names * 8 / 10) << name->objectName().toStdString();
        }
        for (CNPEdit *code : {f().CNPSubsemnat, f().CNP21, f().CNP22, f().CNP23}) {
            code->setText(childCnp(2));
            EXPECT_FALSE(code->toolTip().isEmpty());
            EXPECT_TRUE(code->infoFits()) << code->objectName().toStdString();
        }
    });
}

// A request of an earlier year is saved unchanged although its number was
// given again this year; a new request with that number is still refused.
TEST_F(RequestEditorTest, AnEarlierYearsRequestIsCorrectedThoughItsNumberCameAgain)
{
    const int year = QDate::currentDate().year();
    RequestRecord old;
    old.IDCERERE = 9;
    old.TIP = "A";
    old.NR = 2;
    old.DINDATA = QDate(year - 1, 1, 3);
    old.SUBSEMN = "IONESCU ANA";
    old.CNP = parentCnp();
    old.ADRESA = "Str. Mare 1";
    old.JUDADR = "ALBA";
    old.COPIL1 = "A B";
    old.CNP1 = childCnp(1);
    old.HANDI = "NU";
    old.CUANTUM = 300;
    old.BISERIA = "BV";
    old.BINR = "1";
    InsertRequest(old);
    RequestRecord again = old;
    again.IDCERERE = 10;
    again.DINDATA = QDate(year, 1, 2);
    again.SUBSEMN = "POPA ION";
    again.CNP1 = childCnp(2);
    InsertRequest(again);

    Query q;
    q.open("SELECT * FROM " + RequestTable() + " WHERE IDCERERE = 9");
    RequestRecord stored = RequestFromQuery(q);
    q.close();
    EXPECT_TRUE(run(1, RequestEditor::Modify, stored, [this] {
        f().MemoBut->click();
        for (const seam::MesajCall &call : seam::mesajCalls())
            ADD_FAILURE() << call.text.toStdString();
        if (editor.isVisible() && ProblemBalloon())
            ADD_FAILURE() << ProblemBalloon()->text().toStdString();
    }));
    EXPECT_EQ(stored.NR, 2);
    EXPECT_EQ(stored.DINDATA, QDate(year - 1, 1, 3));
}
