#include "shell/ui/MessageDialog.h"
#include "shell/ui/TestSeam.h"
#include "widgets/GradientPanel.h"

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace kovara;

namespace {

// What the user does with the dialog once it is on screen.
enum Action { PressDa = 1, PressNu = 2, PressOk = 4, PressRenunt = 8, PressEsc = 100, CloseBox = 101 };

struct Seen
{
    bool shown = false;
    QString caption;
    QStringList visible; // captions of the visible buttons, left to right
    QList<int> lefts;
};

// Arms a timer that acts on the modal dialog as soon as it runs.
void actOnDialog(MessageDialog *dialog, Action action, Seen &seen)
{
    QTimer::singleShot(0, dialog, [dialog, action, &seen] {
        if (QApplication::activeModalWidget() != dialog)
            return;
        seen.shown = true;
        seen.caption = dialog->windowTitle();
        for (const MesajButtonKind &entry : MesajButtonOrder()) {
            QPushButton *b = dialog->button(entry.bit);
            if (!b->isHidden()) {
                seen.visible << b->text();
                seen.lefts << b->x();
            }
        }
        if (action == PressEsc)
            QTest::keyClick(dialog, Qt::Key_Escape);
        else if (action == CloseBox)
            dialog->close();
        else
            dialog->button(action)->click();
    });
}

struct Case
{
    const char *name;
    int kind;
    int buttons;
    Action action;
    const char *caption;
    QStringList visible;
    int result;
};

class MesajKinds : public ::testing::TestWithParam<Case>
{
};

} // namespace

TEST_P(MesajKinds, ShowsTheKindAndReturnsTheButtonResult)
{
    const Case &c = GetParam();
    MessageDialog dialog;
    Seen seen;
    actOnDialog(&dialog, c.action, seen);
    const int result = dialog.Mesaj(QStringLiteral("Titlu"), QStringLiteral("Text"), c.kind, c.buttons);
    EXPECT_TRUE(seen.shown);
    EXPECT_EQ(seen.caption, QString::fromUtf8(c.caption));
    EXPECT_EQ(seen.visible, c.visible);
    EXPECT_EQ(result, c.result);
    EXPECT_EQ(dialog.titleLabel()->text(), QStringLiteral("Titlu"));
    EXPECT_EQ(dialog.textLabel()->text(), QStringLiteral("Text"));
}

const QStringList DaNu = {QStringLiteral("DA"), QStringLiteral("NU")};
const QStringList Ok = {QStringLiteral("OK")};

INSTANTIATE_TEST_SUITE_P(
    Cases, MesajKinds,
    ::testing::Values(
        Case{"ConfirmYes", 3, 3, PressDa, "Confirmare", DaNu, 6},
        Case{"ConfirmNo", 3, 3, PressNu, "Confirmare", DaNu, 7},
        Case{"ConfirmEsc", 3, 3, PressEsc, "Confirmare", DaNu, 2},
        Case{"ConfirmCloseBox", 3, 3, CloseBox, "Confirmare", DaNu, 2},
        Case{"WarningQuestion", 0, 3, PressDa, "Atentie !", DaNu, 6},
        Case{"WarningOk", 0, 4, PressOk, "Atentie !", Ok, 1}, Case{"ErrorOk", 1, 4, PressOk, "Eroare", Ok, 1},
        Case{"ErrorEsc", 1, 4, PressEsc, "Eroare", Ok, 2},
        Case{"InformationOk", 2, 4, PressOk, "Informatie", Ok, 1},
        Case{"UnknownKindLooksLikeError", 5, 4, PressOk, "Eroare", Ok, 1},
        Case{"Renunt", 1, 8, PressRenunt, "Eroare", {QStringLiteral("RENUNT")}, 2},
        Case{"AllButtonsInOrder",
             2,
             15,
             PressNu,
             "Informatie",
             {QStringLiteral("DA"), QStringLiteral("NU"), QStringLiteral("RENUNT"), QStringLiteral("OK")},
             7}),
    [](const ::testing::TestParamInfo<Case> &info) { return std::string(info.param.name); });

TEST(Mesaj, LaysTheButtonsOutEvenly)
{
    MessageDialog dialog;
    Seen one, two;
    actOnDialog(&dialog, PressOk, one);
    dialog.Mesaj(QStringLiteral("T"), QStringLiteral("M"), 1, 4);
    actOnDialog(&dialog, PressDa, two);
    dialog.Mesaj(QStringLiteral("T"), QStringLiteral("M"), 3, 3);
    // One button in the middle of the 342-pixel row: (342 - 73) / 2.
    EXPECT_EQ(one.lefts, QList<int>({134}));
    EXPECT_EQ(two.lefts, QList<int>({65, 65 * 2 + 73}));
}

// A long message is shown whole, also by the dialog the program keeps and
// has already shown a short one with: the text gets the height its lines
// need at the dialog's width, and a short one after it gives it back.
TEST(Mesaj, ALongMessageIsShownWhole)
{
    // The program runs with a style sheet (its tooltips), which changes how
    // a wrapped label reports its size.
    const QString sheet = qApp->styleSheet();
    qApp->setStyleSheet(QStringLiteral("QToolTip { background-color: white; }"));
    MessageDialog dialog;
    const QString longText = QStringLiteral(
        "Modelul /home/primaria/Kovara/Data/Disp3.rtf are campul [SOLICITANT] rupt de formatari: editorul "
        "de texte l-a scris pe bucati si programul nu il poate completa !\rRefaceti-l din Administrare, "
        "Modele de Listare, Dispozitie Alocatie nou-nascuti, Refa modelul initial, sau scrieti campul din "
        "nou dintr-o data, cu aceeasi formatare pentru tot textul dintre paranteze.");
    for (const QString &text : {QStringLiteral("M"), longText, QStringLiteral("M")}) {
        dialog.prepare(QStringLiteral("Listare Dispozitii"), text, 1, 4);
        // The size the dialog is shown at, before any later layout pass.
        EXPECT_GE(dialog.height(), dialog.layout()->totalHeightForWidth(dialog.width())) << text.size();
        dialog.show();
        QApplication::processEvents();
        QLabel *label = dialog.textLabel();
        EXPECT_GE(label->height(), label->heightForWidth(label->width())) << text.size();
        EXPECT_LE(label->geometry().bottom(), dialog.height());
        if (text.size() == 1) {
            EXPECT_LT(dialog.height(), 300);
        }
        dialog.hide();
    }
    qApp->setStyleSheet(sheet);
}

TEST(Mesaj, NoButtonBitShowsNothingAndGivesTwo)
{
    MessageDialog dialog;
    Seen seen;
    actOnDialog(&dialog, PressEsc, seen);
    EXPECT_EQ(dialog.Mesaj(QStringLiteral("T"), QStringLiteral("M"), 1, 0), 2);
    EXPECT_EQ(dialog.Mesaj(QStringLiteral("T"), QStringLiteral("M"), 1, 16), 2); // no known bit
    EXPECT_FALSE(dialog.isVisible());
    QApplication::processEvents();
    EXPECT_FALSE(seen.shown);
}

TEST(Mesaj, TitleReadsProblemaBeforeAnyCall)
{
    MessageDialog dialog;
    EXPECT_EQ(dialog.titleLabel()->text(), QStringLiteral("PROBLEMA"));
}

TEST(Mesaj, EachKindHasItsColoursAndIcon)
{
    struct Look
    {
        int kind;
        QColor from, to, face;
    };
    const Look looks[] = {
        {0, QColor(0xB7B18A), QColor(0x383623), QColor(0x2C291B)},
        {1, QColor(0xFFD5D5), QColor(0xFF0000), QColor(0xFF0000)},
        {2, QColor(0xE1DEFA), QColor(0x0000BB), QColor(0x0000FF)},
        {3, QColor(0x81A2D3), QColor(0x365F9C), QColor(0x3966A8)},
        {7, QColor(0xFFD5D5), QColor(0xFF0000), QColor(0xFF0000)},
    };
    MessageDialog dialog;
    for (const Look &look : looks) {
        SCOPED_TRACE(look.kind);
        dialog.prepare(QStringLiteral("T"), QStringLiteral("M"), look.kind, 4);
        EXPECT_EQ(dialog.header()->fromColor(), look.from);
        EXPECT_EQ(dialog.header()->toColor(), look.to);
        EXPECT_EQ(dialog.footer()->fromColor(), look.from);
        EXPECT_EQ(dialog.footer()->toColor(), look.to);
        EXPECT_TRUE(dialog.button(BtnOk)->styleSheet().contains(look.face.name()));
        EXPECT_FALSE(dialog.iconLabel()->pixmap().isNull());
    }
}

TEST(Mesaj, SeamAnswersWithoutShowingAndRecordsTheCall)
{
    seam::activate();
    seam::pushMesajAnswer(6);
    EXPECT_EQ(Mesaj(QStringLiteral("Inchidere program"), QStringLiteral("Vreti?"), 3, 3), 6);
    EXPECT_EQ(Mesaj(QStringLiteral("A"), QStringLiteral("B"), 1, 4), 2); // nothing queued: cancelled
    ASSERT_EQ(seam::mesajCalls().size(), 2);
    EXPECT_EQ(seam::mesajCalls()[0].title, QStringLiteral("Inchidere program"));
    EXPECT_EQ(seam::mesajCalls()[0].kind, 3);
    EXPECT_EQ(seam::mesajCalls()[0].buttons, 3);
    EXPECT_FALSE(MessageDialog::instance()->isVisible());
    seam::deactivate();
}

// Mesaj shows the installed dialog; with none installed (or the installed
// one destroyed) a dialog of its own is created and kept.
TEST(Mesaj, ShowsTheInstalledDialogOrOneOfItsOwn)
{
    seam::activate();
    auto *installed = new MessageDialog;
    MessageDialog::install(installed);
    EXPECT_EQ(MessageDialog::instance(), installed);
    EXPECT_EQ(Mesaj(QStringLiteral("Titlu instalat"), QStringLiteral("Text"), 2, 4), 2);
    EXPECT_EQ(installed->titleLabel()->text(), QStringLiteral("Titlu instalat"));

    delete installed;
    MessageDialog *own = MessageDialog::instance();
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(MessageDialog::instance(), own) << "created once, then kept";
    EXPECT_EQ(Mesaj(QStringLiteral("Titlu propriu"), QStringLiteral("Text"), 2, 4), 2);
    EXPECT_EQ(own->titleLabel()->text(), QStringLiteral("Titlu propriu"));

    MessageDialog other;
    EXPECT_EQ(MessageDialog::instance(), own) << "creating a dialog installs nothing";
    MessageDialog::install(nullptr);
    EXPECT_NE(MessageDialog::instance(), own);
    EXPECT_EQ(seam::mesajCalls().size(), 2);
    delete own;
    seam::deactivate();
}
