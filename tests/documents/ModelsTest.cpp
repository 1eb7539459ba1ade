#include "documents/Models.h"
#include "../requests/RequestListFixture.h"
#include "base/Error.h"
#include "base/Paths.h"
#include "data/Settings.h"
#include "documents/TemplateCheck.h"
#include "engines/rtf/RtfReplace.h"

#include <QFile>
#include <QFileInfo>

using namespace kovara;
using kovara::test::readAll;
using kovara::test::writeAll;

namespace {

TEST(Models, RomanianA4TemplatesWithTheirPlaceholders)
{
    for (const QString &name : ModelNames()) {
        SCOPED_TRACE(name.toStdString());
        const QByteArray rtf = ModelBytes(name);
        EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1250"));
        EXPECT_TRUE(rtf.contains("\\paperw11906\\paperh16838")); // A4 portrait
        EXPECT_FALSE(rtf.contains("\\landscape"));
        EXPECT_EQ(RtfReplace::braceBalance(rtf), 0);
        const TemplateReport report = CheckTemplate(name, rtf);
        EXPECT_EQ(report.intact, TemplatePlaceholders(name));
        EXPECT_TRUE(report.missing.isEmpty()) << report.missing.join(' ').toStdString();
        EXPECT_TRUE(report.broken.isEmpty())
            << (report.broken.isEmpty() ? "" : report.broken.first().key.toStdString());
    }
    EXPECT_EQ(ModelBytes("disp3"), ModelBytes("DISP3"));
    EXPECT_THROW(ModelBytes("EXP2"), Error);
}

// Blocks A and C1 take the applicant, each twice (the text box and its
// fallback); the other parent's block A1 has dotted lines only.
TEST(Models, RequestFormHoldsEachBlockTwice)
{
    const QByteArray rtf = ModelBytes("CERERE");
    const struct
    {
        const char *key;
        int count;
    } cases[] = {{"[NUME]", 4},    {"[PRENUME]", 4}, {"[CNP]", 4},
                 {"[BISERIA]", 4}, {"[BINR]", 4},    {"[ADRESA]", 2}};
    for (const auto &c : cases)
        EXPECT_EQ(rtf.count(c.key), c.count) << c.key;
    const QByteArray text = VisibleText(rtf);
    for (const char *label : {"ANEXA 1", "CERERE", "A2.", "C1.", "E. DATE PRIVIND COPIII", "A1.", "[] "})
        EXPECT_TRUE(text.contains(label)) << label;
    // The title over three lines, with its diacritics in the code page.
    EXPECT_TRUE(text.contains("pentru acordarea indemniza\xfeiei de cre\xbatere a copilului/"));
}

TEST(Models, AnnexKeepsTheTextsNoPairFills)
{
    const QByteArray text = VisibleText(ModelBytes("ANX3"));
    EXPECT_TRUE(text.contains("[CODDG] [DENUMDG]"));
    EXPECT_TRUE(text.contains("[CODDM] [DENUMDM]"));
}

TEST(Models, InstallationFilesAreUsableTemplatesAndForms)
{
    const QByteArray statistic = readAll(test::sourcePath("install/Data/Statistic.rtf"));
    const TemplateReport report = CheckTemplate("Statistic", statistic);
    EXPECT_TRUE(report.ok()) << report.missing.join(' ').toStdString()
                             << (report.broken.isEmpty() ? "" : report.broken.first().key.toStdString());
    EXPECT_EQ(RtfReplace::braceBalance(statistic), 0);
    for (const char *form : {"install/cerereas.doc", "install/cererenn.doc", "install/cereretr.doc"}) {
        const QByteArray rtf = readAll(test::sourcePath(form));
        EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1250")) << form;
        EXPECT_EQ(RtfReplace::braceBalance(rtf), 0) << form;
    }
}

class ModelFiles : public test::RequestData
{
protected:
    QString data(const QString &name) const { return DataDir() + "/" + name; }
};

TEST_F(ModelFiles, WrittenOnlyWhenMissing)
{
    ExtractModels(DataDir());
    for (const QString &name : ModelNames())
        EXPECT_EQ(readAll(data(name + ".rtf")), ModelBytes(name)) << name.toStdString();

    writeAll(data("Disp4.rtf"), "edited");
    EXPECT_FALSE(ExtractModel("DISP4", data("Disp4.rtf")));
    QFile::remove(data("Anx3.rtf"));
    ExtractModels(DataDir());
    EXPECT_EQ(readAll(data("Disp4.rtf")), "edited");
    EXPECT_EQ(readAll(data("Anx3.rtf")), ModelBytes("ANX3"));

    EXPECT_THROW(ExtractModel("DISP3", data("none/Disp3.rtf")), Error);
}

TEST_F(ModelFiles, UpgradeRefreshesTheRequestFormOnly)
{
    InstallTemplateRefresh();
    const struct
    {
        const char *stored; // nullptr: a first start
        bool formReplaced;
    } cases[] = {{nullptr, true}, {"1.2", true}, {"1.25", false}, {"1.3", false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.stored ? c.stored : "first start");
        if (c.stored) {
            writeAll(data("Cerere.rtf"), "edited form");
            writeAll(data("Disp3.rtf"), "edited disposition");
            WriteSetting("CONST", "VERSIUNE", c.stored);
        }
        UpgradeData();
        EXPECT_EQ(readAll(data("Cerere.rtf")), c.formReplaced ? ModelBytes("CERERE") : "edited form");
        EXPECT_EQ(readAll(data("Disp3.rtf")), c.stored ? "edited disposition" : ModelBytes("DISP3"));
        EXPECT_EQ(readAll(data("Disp4.rtf")), ModelBytes("DISP4"));
        EXPECT_EQ(readAll(data("Anx3.rtf")), ModelBytes("ANX3"));
    }
    setTemplateRefresh({});
}

TEST(TemplateCheck, FindsPlaceholdersIntactMissingAndBroken)
{
    const QByteArray model = ModelBytes("DISP3");
    QByteArray broken = model;
    broken.replace("[SOLICITANT]", "[SOLI}{\\rtlch CITANT]");
    broken.replace("[CNNR]", "[CN{\\b NR}]");
    QByteArray missing = model;
    missing.replace("[DATAAZI]", "azi");
    QByteArray lower = model;
    lower.replace("[COPIL]", "[copil]");
    QByteArray extra = model;
    extra.replace("[PTLUNA]", "[PTLUNA] [NU\\b ME1]");
    // Intact in one place, split in another: still broken.
    QByteArray oneOfTwo = model;
    oneOfTwo.replace("[PTLUNA]", "[PTLUNA] [SOLI{\\rtlch\\fcs1 \\af0 CITANT}] [SOLI\\b CITANT]");
    const struct
    {
        const char *name;
        QByteArray rtf;
        QStringList missing, broken;
    } cases[] = {
        {"model", model, {}, {}},
        {"split by codes", broken, {}, {"[SOLICITANT]", "[CNNR]"}},
        {"removed", missing, {"[DATAAZI]"}, {}},
        {"lower case is intact", lower, {}, {}},
        {"a broken key of an edited template", extra, {}, {"[NUME1]"}},
        {"intact once, split twice", oneOfTwo, {}, {"[SOLICITANT]"}},
    };
    for (const auto &c : cases) {
        const TemplateReport r = CheckTemplate("Disp3", c.rtf);
        EXPECT_EQ(r.missing, c.missing) << c.name;
        QStringList broken;
        for (const BrokenPlaceholder &b : r.broken)
            broken << b.key;
        EXPECT_EQ(broken, c.broken) << c.name;
        if (c.rtf == oneOfTwo) {
            ASSERT_EQ(r.broken.size(), 1);
            EXPECT_EQ(r.broken[0].count, 2);
            EXPECT_TRUE(r.intact.contains("[SOLICITANT]"));
        }
        EXPECT_EQ(r.ok(), c.missing.isEmpty() && c.broken.isEmpty()) << c.name;
    }
}

TEST(TemplateCheck, VisibleTextOfRtf)
{
    const struct
    {
        QByteArray rtf, text;
    } cases[] = {
        {"{\\rtf1 {\\b ab}c}", "abc"},
        {"a\\par b", "a b"},
        {"x\\'e3y", "x\xe3y"},
        {"\\u351?t", "t"},
        {"\\{a\\}\\\\", "{a}\\"},
        {"\\fs20\r\n[NR]", "[NR]"},
        {"[SOLI}{\\rtlch CITANT]", "[SOLICITANT]"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(VisibleText(c.rtf), c.text) << c.rtf.toStdString();
}

} // namespace
