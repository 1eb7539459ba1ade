// A clerk's day with one request, through the program's own windows: the
// main window opens the request list, a newborn allowance request is typed
// in the editor with the keyboard, saved, changed and deleted.

#include "TestSupport.h"
#include "admin/ui/AdminWindow.h"
#include "admin/ui/PasswordDialog.h"
#include "app/AboutBox.h"
#include "app/MainWindow.h"
#include "app/Startup.h"
#include "app/StartupWindow.h"
#include "base/Paths.h"
#include "data/RequestTable.h"
#include "data/Settings.h"
#include "engines/dbf/Query.h"
#include "engines/dbf/SqlEngine.h"
#include "exports/ui/TreasuryDialog.h"
#include "requests/ui/CereriModel.h"
#include "requests/ui/RequestEditor.h"
#include "requests/ui/RequestEditorFields.h"
#include "requests/ui/RequestListWindow.h"
#include "shell/AccessState.h"
#include "shell/MesajRules.h"
#include "shell/ui/DispositionRangeDialog.h"
#include "shell/ui/MessageDialog.h"
#include "shell/ui/MonthDialog.h"
#include "shell/ui/PeriodDialog.h"
#include "shell/ui/ProgressCounter.h"
#include "shell/ui/SemesterDialog.h"
#include "shell/ui/TestSeam.h"
#include "widgets/NumericEdit.h"
#include "widgets/PictureButton.h"

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
#include <ostream>

using namespace kovara;

// Readable texts in failure messages.
static void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

const QString Applicant = QStringLiteral("1850517123458");
const QString Child = QStringLiteral("5200312123455");

QWidget *focused()
{
    return QApplication::focusWidget();
}

void key(Qt::Key k)
{
    QTest::keyClick(focused(), k);
}

// Types into the focused field and presses Enter, as the clerk moves on.
void enter(const QString &text = {})
{
    if (!text.isEmpty())
        QTest::keyClicks(focused(), text);
    key(Qt::Key_Return);
}

// Runs `drive` once `dialog` is shown modally by `open`; whatever is left
// open is cancelled so that a failing step never blocks the test.
void whileModal(QDialog *dialog, const std::function<void()> &drive, const std::function<void()> &open)
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
    open();
}

class Workflow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Database::shared().detachAll();
        seam::activate();
        setProgramDir(scratch.path());
        setRegistryPath(scratch.file(QStringLiteral("registry.ini")));
        QDir().mkpath(DataDir());
        CreateRequestTable();
        windows = CreateWindows();
        windows.main->setQuitAction([] {});
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *found = qobject_cast<RequestListWindow *>(w))
                cereri = found;
        ASSERT_NE(cereri, nullptr);
        editor = cereri->findChild<RequestEditor *>();
        ASSERT_NE(editor, nullptr);
    }
    void TearDown() override
    {
        delete cereri.data();
        delete windows.startup.data();
        delete windows.main.data();
        delete windows.about.data();
        delete windows.admin.data();
        delete windows.password.data();
        delete windows.treasury.data();
        delete windows.selection.period;
        delete windows.selection.range;
        delete windows.selection.month;
        delete windows.selection.semester;
        delete windows.access.data();
        delete windows.erori.data();
        delete windows.contor.data();
        seam::deactivate();
        setRegistryPath(QString());
        Database::shared().detachAll();
    }

    RequestEditor::Fields &f() { return editor->fields(); }

    // The stored requests as "TIP|NR|SUBSEMN|ADRESA".
    QStringList stored()
    {
        QStringList rows;
        Query q;
        q.open("SELECT * FROM " + RequestTable() + " ORDER BY IDCERERE");
        for (q.first(); !q.eof(); q.next())
            rows << q.text("TIP") + "|" + q.text("NR") + "|" + q.text("SUBSEMN") + "|" + q.text("ADRESA");
        return rows;
    }

    test::ScratchDir scratch;
    ProgramWindows windows;
    QPointer<RequestListWindow> cereri;
    RequestEditor *editor = nullptr;
};

} // namespace

TEST_F(Workflow, AddChangeAndDeleteANewbornRequestFromTheMainWindow)
{
    EXPECT_FALSE(windows.main->cereriButton->isEnabled()); // locked until access is granted
    windows.main->SetAccess(true);
    windows.main->show();
    ASSERT_TRUE(windows.main->cereriButton->isEnabled());
    bool listShown = false;

    whileModal(
        cereri,
        [&] {
            listShown = true;
            const int kind = cereri->kindSelector->findText("Aloc.nou-nascuti");
            ASSERT_EQ(kind, 2);
            cereri->kindSelector->setCurrentIndex(kind);
            EXPECT_EQ(cereri->model()->rowCount(), 0);
            EXPECT_FALSE(cereri->ModiBut->isEnabled());
            EXPECT_FALSE(cereri->DelBut->isEnabled());

            // Adding: every field in entry order, Enter after each.
            whileModal(
                editor,
                [&] {
                    EXPECT_EQ(f().Header->text(), "Cerere noua");
                    EXPECT_EQ(f().Caption->text(), "Alocatie nou-nascuti");
                    EXPECT_EQ(focused(), static_cast<QWidget *>(f().CerereNr)); // the first text field
                    enter();                                                    // the number offered
                    enter();                                                    // today
                    enter(Applicant);
                    enter("ionescu maria");
                    enter("Str. Florilor nr. 7");
                    enter("brasov");
                    EXPECT_EQ(focused(), f().BIseria);
                    enter("bv");
                    enter("654321");
                    enter(); // the first child
                    enter(); // the amount offered
                    enter("ionescu ana");
                    enter(Child);
                    enter("n");
                    enter("112233");
                    enter("primaria brasov"); // the last field saves
                    EXPECT_FALSE(editor->isVisible());
                },
                [&] { cereri->AddBut->click(); });

            ASSERT_EQ(cereri->model()->rowCount(), 1);
            EXPECT_EQ(cereri->list().text("SUBSEMN"), "IONESCU MARIA");
            EXPECT_EQ(cereri->list().text("CNP"), Applicant);
            EXPECT_EQ(stored(), QStringList{"3|1|IONESCU MARIA|Str. Florilor nr. 7"});
            EXPECT_TRUE(cereri->ModiBut->isEnabled());
            EXPECT_TRUE(cereri->DelBut->isEnabled());

            // Changing the address: Enter up to it, type over it, Enter to the end.
            whileModal(
                editor,
                [&] {
                    EXPECT_EQ(f().Header->text(), "Modificare cerere");
                    EXPECT_EQ(f().AdresaSubsemnat->text(), "Str. Florilor nr. 7");
                    for (int i = 0; i < 4; ++i)
                        enter();
                    ASSERT_EQ(focused(), f().AdresaSubsemnat);
                    enter("Bd. Eroilor nr. 12");
                    for (int i = 0; i < 20 && editor->isVisible(); ++i)
                        enter();
                    EXPECT_FALSE(editor->isVisible());
                },
                [&] { cereri->ModiBut->click(); });

            ASSERT_EQ(cereri->model()->rowCount(), 1);
            EXPECT_EQ(cereri->list().text("ADRESA"), "Bd. Eroilor nr. 12");
            EXPECT_EQ(stored(), QStringList{"3|1|IONESCU MARIA|Bd. Eroilor nr. 12"});

            // Deleting, answered "DA".
            seam::pushMesajAnswer(ResDa);
            cereri->DelBut->click();
            ASSERT_EQ(seam::mesajCalls().size(), 1);
            EXPECT_EQ(seam::mesajCalls()[0].title, "Stergere cerere");
            EXPECT_EQ(seam::mesajCalls()[0].text, "\rStergeti cererea nr.1?");
            EXPECT_EQ(cereri->model()->rowCount(), 0);
            EXPECT_TRUE(stored().isEmpty());
            EXPECT_FALSE(cereri->ModiBut->isEnabled());
            EXPECT_FALSE(cereri->DelBut->isEnabled());
            EXPECT_FALSE(cereri->ListCerere->isEnabled());

            cereri->InchideBut->click();
        },
        [&] { QTest::mouseClick(windows.main->cereriButton, Qt::LeftButton); });

    EXPECT_TRUE(listShown);
    EXPECT_FALSE(cereri->isVisible());
    EXPECT_TRUE(seam::errorsShown().isEmpty()) << seam::errorsShown().value(0).toStdString();
}
