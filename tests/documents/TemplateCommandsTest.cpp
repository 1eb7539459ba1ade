#include "documents/TemplateCommands.h"
#include "../requests/RequestListFixture.h"
#include "base/Error.h"
#include "documents/Models.h"
#include "shell/OpenDocument.h"

#include <QFile>
#include <QFileInfo>

using namespace kovara;
using kovara::test::readAll;
using kovara::test::writeAll;

namespace {

class TemplateCommands : public test::RequestData
{
protected:
    void SetUp() override
    {
        RequestData::SetUp();
        openseam::activate();
    }
    void TearDown() override
    {
        openseam::deactivate();
        RequestData::TearDown();
    }
    QString data(const QString &name) const { return DataDir() + "/" + name; }
    QStringList opened() const
    {
        QStringList paths;
        for (const auto &r : openseam::requests())
            paths << QFileInfo(r.path).fileName() + " in " + r.workingDir;
        return paths;
    }
};

TEST_F(TemplateCommands, EditOpensTheTemplateWritingOnlyWhatIsMissing)
{
    writeAll(data("Disp4.rtf"), "edited");
    EditTemplate("Disp4");
    EXPECT_EQ(readAll(data("Disp4.rtf")), "edited");
    EXPECT_FALSE(QFileInfo::exists(data("Disp3.rtf")));
    EXPECT_EQ(opened(), QStringList{"Disp4.rtf in " + DataDir()});

    QFile::remove(data("Disp4.rtf"));
    EditTemplate("Disp4");
    for (const QString &name : ModelNames())
        EXPECT_EQ(readAll(data(name + ".rtf")), ModelBytes(name)) << name.toStdString();
    EXPECT_EQ(opened().size(), 2);
}

TEST_F(TemplateCommands, RestorePutsTheModelBackOrSaysWhyNot)
{
    writeAll(data("Anx3.rtf"), "edited");
    writeAll(data("Disp3.rtf"), "edited too");
    RestoreTemplate("Anx3");
    EXPECT_EQ(readAll(data("Anx3.rtf")), ModelBytes("ANX3"));
    EXPECT_EQ(readAll(data("Disp3.rtf")), "edited too");
    EXPECT_EQ(opened(), QStringList{"Anx3.rtf in " + DataDir()});

    // A file that cannot be deleted: a failure naming the file, nothing opened.
    QFile::remove(data("Cerere.rtf"));
    QDir().mkpath(data("Cerere.rtf"));
    writeAll(data("Cerere.rtf/held"), "x");
    try {
        RestoreTemplate("Cerere");
        ADD_FAILURE() << "no failure";
    } catch (const Error &e) {
        EXPECT_TRUE(e.message().startsWith("Modelul Cerere nu a putut fi refacut: fisierul "))
            << e.message().toStdString();
    }
    EXPECT_EQ(opened().size(), 1);
}

TEST_F(TemplateCommands, MenuAndQuestionTexts)
{
    const QList<TemplateMenuEntry> &menu = TemplateMenu();
    ASSERT_EQ(menu.size(), 4);
    EXPECT_EQ(RestoreQuestion(menu[1]), "\rDoriti sa refaceti modelul Dispozitia Alocatie nou-nascuti?");
    EXPECT_EQ(menu[2].restoreAction, "Refa modelul intial");
    EXPECT_EQ(RestoreQuestion(menu[3]), "\rDoriti sa refaceti modelul Anexa 3 Trez.?");
}

TEST_F(TemplateCommands, BlankFormsOpenOrAreReportedMissing)
{
    const QList<BlankForm> &forms = BlankForms();
    ASSERT_EQ(forms.size(), 3);
    // One separator style in the message: the system's.
    const QString folder = QDir::toNativeSeparators(ProgramDir()) + QDir::separator();
    EXPECT_EQ(MissingFormText(forms[2]), "Lipseste fisierul " + folder + "CerereTR.doc !");
    EXPECT_EQ(MissingFormText(forms[1]), "Lipseste fisierul " + folder + "cererenn.doc !");
    EXPECT_FALSE(OpenBlankForm(forms[2]));
    EXPECT_TRUE(openseam::requests().isEmpty());

    writeAll(ProgramDir() + "/CERERETR.DOC", "{\\rtf1 form}");
    EXPECT_TRUE(OpenBlankForm(forms[2]));
    EXPECT_EQ(opened(), QStringList{"CERERETR.DOC in " + ProgramDir()});
}

} // namespace
