// The menus that reach the templates and forms, and the request list's
// "Listeaza cerere", driven as a clerk would, down to the file that the
// open seam records.

#include "documents/ui/DocumentMenus.h"
#include "../requests/RequestListFixture.h"
#include "admin/ui/AdminWindow.h"
#include "app/MainWindow.h"
#include "app/RequestsWiring.h"
#include "documents/Models.h"
#include "requests/ui/RequestListWindow.h"
#include "shell/AccessState.h"
#include "shell/OpenDocument.h"
#include "shell/ui/MessageDialog.h"
#include "shell/ui/TestSeam.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QPushButton>

using namespace kovara;
using kovara::test::readAll;
using kovara::test::writeAll;

namespace {

class DocumentMenus : public test::RequestData
{
protected:
    void SetUp() override
    {
        RequestData::SetUp();
        seam::activate();
        openseam::activate();
    }
    void TearDown() override
    {
        openseam::deactivate();
        seam::deactivate();
        RequestData::TearDown();
    }
    QString data(const QString &name) const { return DataDir() + "/" + name; }
    QStringList opened() const
    {
        QStringList names;
        for (const auto &r : openseam::requests())
            names << QFileInfo(r.path).fileName();
        return names;
    }
    static QAction *action(QMenu *menu, const QString &submenu, const QString &command)
    {
        for (QAction *a : menu->actions())
            if (a->menu() && a->text() == submenu)
                for (QAction *c : a->menu()->actions())
                    if (c->text() == command)
                        return c;
        return nullptr;
    }
};

TEST_F(DocumentMenus, TemplateMenuOfTheAdministrationWindow)
{
    AccessState access;
    AdminWindow admin(access);
    installTemplateMenu(admin.ModeleMenu);
    QStringList layout;
    for (QAction *a : admin.ModeleMenu->actions()) {
        QStringList commands;
        for (QAction *c : a->menu()->actions())
            commands << c->text();
        layout << a->text() + ": " + commands.join(", ");
    }
    EXPECT_EQ(layout, QStringList({"Cerere: Modifica model, Refa modelul initial",
                                   "Dispozitie Alocatie nou-nascuti: Modifica model, Refa modelul initial",
                                   "Dispozitie Trusou: Modifica model, Refa modelul intial",
                                   "Anexa 3 Trezorerie: Modifica model, Refa modelul initial"}));

    // Edit: the missing templates are written, the chosen one opened.
    action(admin.ModeleMenu, "Dispozitie Trusou", "Modifica model")->trigger();
    EXPECT_EQ(opened(), QStringList{"Disp4.rtf"});
    EXPECT_EQ(readAll(data("Disp3.rtf")), ModelBytes("DISP3"));

    // Restore answered NU: untouched, nothing opened.
    writeAll(data("Disp3.rtf"), "edited");
    seam::pushMesajAnswer(ResNu);
    action(admin.ModeleMenu, "Dispozitie Alocatie nou-nascuti", "Refa modelul initial")->trigger();
    ASSERT_EQ(seam::mesajCalls().size(), 1);
    EXPECT_EQ(seam::mesajCalls()[0].title, "Refacere model listare");
    EXPECT_EQ(seam::mesajCalls()[0].text, "\rDoriti sa refaceti modelul Dispozitia Alocatie nou-nascuti?");
    EXPECT_EQ(seam::mesajCalls()[0].kind, KindConfirmare);
    EXPECT_EQ(seam::mesajCalls()[0].buttons, BtnDa | BtnNu);
    EXPECT_EQ(readAll(data("Disp3.rtf")), "edited");
    EXPECT_EQ(opened().size(), 1);

    // Answered DA: the model is back and opened.
    seam::pushMesajAnswer(ResDa);
    action(admin.ModeleMenu, "Dispozitie Alocatie nou-nascuti", "Refa modelul initial")->trigger();
    EXPECT_EQ(readAll(data("Disp3.rtf")), ModelBytes("DISP3"));
    EXPECT_EQ(opened(), QStringList({"Disp4.rtf", "Disp3.rtf"}));

    // A file that cannot be deleted: the failure is shown, nothing opened.
    QFile::remove(data("Anx3.rtf"));
    QDir().mkpath(data("Anx3.rtf"));
    writeAll(data("Anx3.rtf/held"), "x");
    seam::pushMesajAnswer(ResDa);
    action(admin.ModeleMenu, "Anexa 3 Trezorerie", "Refa modelul initial")->trigger();
    ASSERT_EQ(seam::errorsShown().size(), 1);
    EXPECT_TRUE(seam::errorsShown()[0].startsWith("Modelul Anx3 nu a putut fi refacut"))
        << seam::errorsShown()[0].toStdString();
    EXPECT_EQ(opened().size(), 2);
}

TEST_F(DocumentMenus, BlankFormsOfTheMainWindow)
{
    AccessState access;
    MainWindow main(access);
    installBlankForms(&main);
    const QStringList path{"Formulare", "Cerere trusou pentru nou-nascuti"};
    QAction *form = main.menuAction(path);
    ASSERT_NE(form, nullptr);
    ASSERT_TRUE(form->isEnabled());

    form->trigger();
    ASSERT_EQ(seam::mesajCalls().size(), 1);
    EXPECT_EQ(seam::mesajCalls()[0].title, "Listare cerere");
    EXPECT_EQ(seam::mesajCalls()[0].text, "Lipseste fisierul " + QDir::toNativeSeparators(ProgramDir()) +
                                              QDir::separator() + "CerereTR.doc !");
    EXPECT_EQ(seam::mesajCalls()[0].kind, KindEroare);
    EXPECT_EQ(seam::mesajCalls()[0].buttons, BtnOk);
    EXPECT_TRUE(opened().isEmpty());

    for (const char *file : {"cerereas.doc", "cererenn.doc", "cereretr.doc"})
        writeAll(ProgramDir() + "/" + file, "{\\rtf1 form}");
    main.menuAction({"Formulare", "Cerere alocatie de stat / indemnizatie / stimulent"})->trigger();
    main.menuAction({"Formulare", "Cerere alocatie pentru copii nou-nascuti"})->trigger();
    form->trigger();
    EXPECT_EQ(opened(), QStringList({"cerereas.doc", "cererenn.doc", "cereretr.doc"}));
    EXPECT_EQ(openseam::requests().last().workingDir, ProgramDir());
    EXPECT_EQ(seam::mesajCalls().size(), 1);
}

TEST_F(DocumentMenus, RequestFormFromTheList)
{
    const int year = QDate::currentDate().year();
    add({{17, QDate(year, 3, 2), 5, "3", "POPESCU MARIA"}});
    RequestListWindow list;
    connectRequestListCommands(&list);
    list.kindSelector->setCurrentIndex(0);
    list.prepareOpen();
    list.show();
    ASSERT_TRUE(list.ListCerere->isEnabled());

    list.ListCerere->click();
    EXPECT_TRUE(seam::errorsShown().isEmpty()) << seam::errorsShown().value(0).toStdString();
    ASSERT_EQ(opened(), QStringList{"Cerere17.rtf"});
    const QByteArray made = readAll(data("Cerere17.rtf"));
    EXPECT_EQ(made.count("MARIA"), 4); // blocks A and C1, not the other parent's A1

    writeAll(data("Cerere17.rtf"), "{\\rtf1 corrected}");
    list.ListCerere->click();
    EXPECT_EQ(readAll(data("Cerere17.rtf")), "{\\rtf1 corrected}");
    EXPECT_EQ(opened().size(), 2);

    // Deleting the request takes its document with it; the empty list has no form to make.
    seam::pushMesajAnswer(ResDa);
    list.DelBut->click();
    EXPECT_FALSE(QFileInfo::exists(data("Cerere17.rtf")));
    EXPECT_FALSE(list.ListCerere->isEnabled());
}

} // namespace
