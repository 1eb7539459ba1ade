#include "app/MainWindow.h"
#include "app/AboutBox.h"
#include "app/Startup.h"
#include "app/StartupWindow.h"
#include "base/Error.h"
#include "shell/AccessState.h"
#include "shell/Formats.h"
#include "shell/ui/TestSeam.h"
#include "widgets/DateField.h"
#include "widgets/PictureButton.h"

#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <gtest/gtest.h>

using namespace kovara;

namespace {

class MainWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        seam::activate();
        form = std::make_unique<MainWindow>(access);
        form->setQuitAction([this] { ++quits; });
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    void TearDown() override
    {
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
        form->setQuitAction([] {});
        seam::activate(); // close without asking...
        seam::pushMesajAnswer(6);
        form.reset();
        seam::deactivate();
    }
    void openAccess()
    {
        form->setLoginHandler([] { return true; });
        form->AdministrareClick();
    }

    AccessState access;
    std::unique_ptr<MainWindow> form;
    int quits = 0;
};

} // namespace

TEST_F(MainWindowTest, ButtonsCaptionsHintsAndLockedStart)
{
    struct Expect
    {
        PictureButton *button;
        const char *caption, *hint;
        bool enabled;
    } expected[] = {
        {form->cereriButton, "Cereri", "Evidenta / cautare cereri.", false},
        {form->rapoarteButton, "Rapoarte", "Diverse rapoarte.", false},
        {form->formulareButton, "Formulare", "Listare formulare. Modele.", false},
        {form->adminButton, "Administrare", "Administrare program.", true},
        {form->salvareButton, "Salvare", "Salvare sau restaurare date.", false},
        {form->aboutButton, "Despre...", "Date despre program.", true},
        {form->exitButton, "Iesire", "Inchide programul.", true},
    };
    int previousRight = -1;
    for (const Expect &e : expected) {
        SCOPED_TRACE(e.caption);
        EXPECT_EQ(e.button->text(), QString::fromUtf8(e.caption));
        EXPECT_EQ(e.button->toolTip(), QString::fromUtf8(e.hint));
        EXPECT_EQ(e.button->isEnabled(), e.enabled);
        EXPECT_FALSE(e.button->icon().isNull());
        EXPECT_GT(e.button->x(), previousRight); // left to right in this order
        previousRight = e.button->x();
    }
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Kovara v.1.25"));
    EXPECT_EQ(form->StatusLine->text(), QStringLiteral("ESC - Iesire din program"));
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(form->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(form->width(), form->screen()->availableGeometry().width());
    EXPECT_EQ(form->DataLabel->text(), FormatDate(QDate::currentDate()));
}

TEST_F(MainWindowTest, SetAccessSwitchesTheFourCommandsAndThePicture)
{
    form->setRequestListHandler([] {});
    form->setBackupHandler([] {});
    const QString locked = form->adminButton->picture();
    for (bool granted : {true, false, true}) {
        SCOPED_TRACE(granted);
        form->SetAccess(granted);
        for (QWidget *b :
             {static_cast<QWidget *>(form->cereriButton), static_cast<QWidget *>(form->rapoarteButton),
              static_cast<QWidget *>(form->formulareButton), static_cast<QWidget *>(form->salvareButton)})
            EXPECT_EQ(b->isEnabled(), granted) << b->objectName().toStdString();
        EXPECT_TRUE(form->adminButton->isEnabled());
        EXPECT_TRUE(form->aboutButton->isEnabled());
        EXPECT_TRUE(form->exitButton->isEnabled());
        EXPECT_EQ(form->adminButton->picture() == locked, !granted);
    }
}

TEST_F(MainWindowTest, CommandsWithoutTheirWindowStayDisabled)
{
    form->SetAccess(true);
    EXPECT_FALSE(form->cereriButton->isEnabled());  // no request list yet
    EXPECT_FALSE(form->salvareButton->isEnabled()); // no backup window yet
    form->setRequestListHandler([] {});
    EXPECT_TRUE(form->cereriButton->isEnabled());
}

TEST_F(MainWindowTest, EveryWayOfClosingAsksFirst)
{
    struct Way
    {
        const char *name;
        std::function<void(MainWindow &)> close;
    } ways[] = {
        {"close box", [](MainWindow &f) { f.close(); }},
        {"Iesire", [](MainWindow &f) { f.exitButton->click(); }},
        {"Esc",
         [](MainWindow &f) {
             // Keys reach the focused control first; the window sees them before it does.
             QWidget *focus = QApplication::focusWidget();
             QTest::keyClick(focus ? focus : &f, Qt::Key_Escape);
         }},
        {"F12", [](MainWindow &f) { QTest::keyClick(&f, Qt::Key_F12); }},
    };
    for (const Way &way : ways) {
        for (int answer : {7, 2, 6}) {
            SCOPED_TRACE(std::string(way.name) + " answer " + std::to_string(answer));
            seam::activate();
            quits = 0;
            form->show();
            form->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
            seam::pushMesajAnswer(answer);
            way.close(*form);
            ASSERT_EQ(seam::mesajCalls().size(), 1);
            const seam::MesajCall call = seam::mesajCalls().first();
            EXPECT_EQ(call.title, QStringLiteral("Inchidere program"));
            EXPECT_EQ(call.text, QStringLiteral("Vreti sa inchideti programul?"));
            EXPECT_EQ(call.kind, 3);
            EXPECT_EQ(call.buttons, 3);
            EXPECT_EQ(form->isVisible(), answer != 6);
            EXPECT_EQ(quits, answer == 6 ? 1 : 0);
            if (answer == 6) {
                // A closed program stays closed; a new window object for the next way.
                form->setQuitAction([] {});
                form = std::make_unique<MainWindow>(access);
                form->setQuitAction([this] { ++quits; });
            }
        }
    }
}

TEST_F(MainWindowTest, AdministrareLogsInThenOpensTheAdministrationWindow)
{
    int logins = 0, adminWindows = 0;
    bool loginAnswer = false;
    form->setLoginHandler([&] {
        ++logins;
        return loginAnswer;
    });
    form->setAdminWindowHandler([&] { ++adminWindows; });

    form->adminButton->click(); // wrong password: stays locked
    EXPECT_EQ(logins, 1);
    EXPECT_FALSE(access.granted());
    EXPECT_FALSE(form->rapoarteButton->isEnabled());

    loginAnswer = true;
    form->adminButton->click(); // granted, the window is not opened by this click
    EXPECT_EQ(logins, 2);
    EXPECT_EQ(adminWindows, 0);
    EXPECT_TRUE(access.granted());
    EXPECT_TRUE(form->rapoarteButton->isEnabled());

    form->adminButton->click(); // next click: the administration window
    EXPECT_EQ(logins, 2);
    EXPECT_EQ(adminWindows, 1);
}

TEST_F(MainWindowTest, AdministrareWithoutLoginKeepsLocked)
{
    form->adminButton->click();
    EXPECT_FALSE(access.granted());
    EXPECT_FALSE(form->rapoarteButton->isEnabled());
    ASSERT_EQ(seam::mesajCalls().size(), 1);
    EXPECT_EQ(seam::mesajCalls()[0].title, QStringLiteral("Administrare"));
}

TEST_F(MainWindowTest, FunctionKeysRunTheirCommandsOnlyWhenUnlocked)
{
    int requestLists = 0;
    form->setRequestListHandler([&] { ++requestLists; });
    QTest::keyClick(form.get(), Qt::Key_F1);
    QTest::keyClick(form.get(), Qt::Key_F2);
    EXPECT_EQ(requestLists, 0);
    EXPECT_FALSE(form->RapoarteMenu->isVisible());

    openAccess();
    QTest::keyClick(form.get(), Qt::Key_F1);
    EXPECT_EQ(requestLists, 1);
    QTest::keyClick(form.get(), Qt::Key_F2);
    EXPECT_TRUE(form->RapoarteMenu->isVisible());
    // Dropped down under the button: its top-left at the button's bottom-left.
    EXPECT_EQ(form->RapoarteMenu->pos(),
              form->rapoarteButton->mapToGlobal(QPoint(0, form->rapoarteButton->height())));
    form->RapoarteMenu->close();
}

TEST_F(MainWindowTest, MenusHoldEveryEntryDisabledUntilItsWorkArrives)
{
    const QList<QStringList> paths = form->menuPaths();
    EXPECT_EQ(paths.size(), 18 + 3);
    for (const QStringList &path : paths) {
        SCOPED_TRACE(path.join(QStringLiteral(" > ")).toStdString());
        QAction *action = form->menuAction(path);
        ASSERT_NE(action, nullptr);
        EXPECT_FALSE(action->isEnabled());
    }
    EXPECT_EQ(form->menuAction({QStringLiteral("Rapoarte"), QStringLiteral("Trusou pentru nou-nascuti")}),
              nullptr); // a submenu is not an entry
    EXPECT_EQ(form->menuAction({QStringLiteral("Rapoarte"), QStringLiteral("Nimic")}), nullptr);
    // The top level of the reports menu, in order.
    QStringList top;
    for (QAction *a : form->RapoarteMenu->actions())
        top << a->text();
    EXPECT_EQ(top, QStringList({QStringLiteral("Alocatie de stat / indemnizatie / stimulent"),
                                QStringLiteral("Alocatie pentru copii nou-nascuti"),
                                QStringLiteral("Trusou pentru nou-nascuti")}));
}

TEST_F(MainWindowTest, AMenuCommandRunsThroughTheErrorDisplay)
{
    const QStringList path = {QStringLiteral("Rapoarte"), QStringLiteral("Trusou pentru nou-nascuti"),
                              QStringLiteral("Raport Finante"), QStringLiteral("Creare DBF")};
    int runs = 0;
    form->setCommand(path, [&] {
        ++runs;
        throw Error(QStringLiteral("Fisierul RapAj.DBF nu exista."));
    });
    QAction *action = form->menuAction(path);
    ASSERT_TRUE(action->isEnabled());
    action->trigger();
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(seam::errorsShown(), QList<QString>({QStringLiteral("Fisierul RapAj.DBF nu exista.")}));
    EXPECT_TRUE(form->isVisible()); // the program goes on
}

TEST_F(MainWindowTest, ARunningCopyComesForwardRestoredWhenMinimised)
{
    ProgramWindows windows;
    windows.main = form.get();
    form->showMinimized();
    ASSERT_TRUE(form->isMinimized());
    BringForward(windows);
    EXPECT_FALSE(form->isMinimized());
    EXPECT_TRUE(form->isVisible());
}

TEST(Tooltips, WhiteBackground)
{
    SetUpTooltips();
    EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipBase), QColor(Qt::white));
    EXPECT_TRUE(qApp->styleSheet().contains(QStringLiteral("QToolTip")));
}

TEST(DateFields, DefaultFormatBecomesTheProgramsOwn)
{
    FixDateFields();
    QWidget window;
    auto *plain = new QDateEdit(QDate(2008, 3, 5), &window);
    auto *month = new QDateEdit(QDate(2008, 3, 5), &window);
    month->setDisplayFormat(QStringLiteral("MM.yyyy")); // chosen on purpose: kept
    window.show();
    EXPECT_EQ(plain->displayFormat(), QStringLiteral("dd.MM.yyyy"));
    EXPECT_EQ(plain->text(), QStringLiteral("05.03.2008"));
    EXPECT_EQ(month->displayFormat(), QStringLiteral("MM.yyyy"));
}

// Dates typed with dots, slashes, dashes or no separator are the same date,
// shown dd.MM.yyyy once the field is left; what is no date stays as typed.
TEST(DateFields, TypedWithDotsSlashesOrDashes)
{
    QWidget window;
    auto *field = new DateField(&window);
    auto *next = new QLineEdit(&window);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const struct
    {
        const char *typed;
        QDate date;
        const char *shown;
    } cases[] = {
        {"5.3.2026", QDate(2026, 3, 5), "05.03.2026"},
        {"05032026", QDate(2026, 3, 5), "05.03.2026"},
        {"5/3/2026", QDate(2026, 3, 5), "05.03.2026"},
        {"05/03/26", QDate(2026, 3, 5), "05.03.2026"},
        {"2026-03-05", QDate(2026, 3, 5), "05.03.2026"},
        {"5-3-2026", QDate(2026, 3, 5), "05.03.2026"},
        {"5/3.2026", QDate(), "5/3.2026"},
        {"31/02/2026", QDate(), "31/02/2026"},
        {"2026-13-05", QDate(), "2026-13-05"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.typed);
        field->clear();
        field->setFocus();
        QTest::keyClicks(field, QString::fromLatin1(c.typed)); // through the field's validator
        EXPECT_EQ(field->text(), QString::fromLatin1(c.typed));
        EXPECT_EQ(field->date(), c.date);
        next->setFocus();
        EXPECT_EQ(field->text(), QString::fromLatin1(c.shown));
    }
}

TEST(AboutBoxTest, ShowsTheTitleAndClosesWithContinuareOrEsc)
{
    AboutBox about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Despre program"));
    EXPECT_EQ(about.Titlu->text(), QStringLiteral("Kovara v.1.25"));
    EXPECT_EQ(about.Descriere->text(),
              QStringLiteral("Program pentru evidenta alocatiilor si indemnizatiilor\n"
                             "pentru cresterea copiilor."));
    EXPECT_EQ(about.Continuare->text(), QStringLiteral("CONTINUARE"));
    for (int way = 0; way < 2; ++way) {
        QTimer::singleShot(0, &about, [&about, way] {
            if (way == 0)
                about.Continuare->click();
            else
                QTest::keyClick(&about, Qt::Key_Escape);
        });
        about.exec();
        EXPECT_FALSE(about.isVisible());
    }
}

// Run in a child process with a machine locale (below).
TEST(DateOnScreen, Child)
{
    if (qEnvironmentVariableIsEmpty("KOVARA_LOCALE_CHILD"))
        GTEST_SKIP() << "run by DateOnScreen.UnderAnyMachineLocale";
    seam::activate();
    AccessState access;
    MainWindow form(access);
    form.show();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d{4}$"))
                    .match(form.DataLabel->text())
                    .hasMatch())
        << form.DataLabel->text().toStdString();
    EXPECT_EQ(form.DataLabel->text(), FormatDate(QDate::currentDate()));
    ApplyFixedFormats();
    FixDateFields();
    QDateEdit edit(QDate(2008, 3, 5));
    edit.show();
    EXPECT_EQ(edit.text(), QStringLiteral("05.03.2008"));
    form.setQuitAction([] {});
    seam::pushMesajAnswer(6);
}

TEST(DateOnScreen, UnderAnyMachineLocale)
{
    for (const char *lang : {"ro_RO.UTF-8", "en_US.UTF-8", "ja_JP.UTF-8"}) {
        SCOPED_TRACE(lang);
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *var : {"LANG", "LC_ALL", "LC_TIME", "LC_NUMERIC"})
            env.insert(QString::fromLatin1(var), QString::fromLatin1(lang));
        env.insert(QStringLiteral("KOVARA_LOCALE_CHILD"), QStringLiteral("1"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--gtest_filter=DateOnScreen.Child")});
        ASSERT_TRUE(child.waitForFinished(30000));
        const QByteArray out = child.readAllStandardOutput();
        EXPECT_EQ(child.exitCode(), 0) << out.toStdString();
        EXPECT_TRUE(out.contains("[  PASSED  ] 1 test")) << out.toStdString();
    }
}
