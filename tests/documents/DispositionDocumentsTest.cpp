// The dispositions and the statistics as documents: copies, page breaks,
// the refusals, and what the finished file holds.

#include "DocumentRows.h"
#include "base/Paths.h"
#include "data/Workspace.h"
#include "documents/Dispositions.h"
#include "documents/DocumentRefusal.h"
#include "documents/SemesterStatistics.h"
#include "engines/rtf/RtfReplace.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace kovara;
using namespace kovara::test;

namespace {

// A template as a word processor saves it: a header, then a body that
// begins at the first \pard and ends with the document's closing brace.
const char *const kSmallTemplate = "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0 Arial;}}\r\n"
                                   "\\pard\\plain BODY [NR] [SOLICITANT]\\par\r\n"
                                   "[COPII]|[NUMIT]|[DNEI]|[DATAAZI]\\par\r\n"
                                   "}\r\n";

const char *const kStatisticsTemplate =
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\r\n"
    "\\pard [LOCALITATE]|[SEMESTRU]|[ANUL]|[NRCOPII]|[TOTAL]|[MASC]|[FEM]\\par\r\n"
    "}\r\n";

int braceBalance(const QByteArray &text)
{
    int depth = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() &&
            (text[i + 1] == '{' || text[i + 1] == '}' || text[i + 1] == '\\')) {
            ++i;
            continue;
        }
        depth += text[i] == '{' ? 1 : text[i] == '}' ? -1 : 0;
    }
    return depth;
}

// The document's lines after the header: "BODY n", "\page", "\par \page", "}".
QStringList skeleton(const QByteArray &document)
{
    QStringList out;
    for (const QByteArray &line : document.split('\n')) {
        const QString l = QString::fromLatin1(line).trimmed();
        if (l.startsWith(QLatin1String("\\pard\\plain BODY")))
            out << QStringLiteral("BODY ") + l.section(u' ', 2, 2);
        else if (l == QLatin1String("\\page") || l == QLatin1String("\\par \\page") ||
                 l == QLatin1String("}"))
            out << l;
    }
    return out;
}

class DispositionDocuments : public ::testing::Test
{
protected:
    void SetUp() override
    {
        writeAll(QDir(DataDir()).filePath("Disp3.rtf"), kSmallTemplate);
        writeAll(QDir(DataDir()).filePath("Disp4.rtf"), kSmallTemplate);
    }

    DispositionRun run(DispositionKind kind, int first, int last, int copies)
    {
        DispositionRun r;
        r.kind = kind;
        r.first = first;
        r.last = last;
        r.copies = copies;
        r.year = 2026;
        r.output = folder.scratch.file("out.rtf");
        r.workspace = ProgramWorkspace();
        r.workspace.constants.PRIMARIA = "Primaria Sacele";
        return r;
    }

    DocumentFolder folder;
};

} // namespace

TEST_F(DispositionDocuments, CopiesAndPageBreaksBetweenRecords)
{
    folder.add({.nr = 2, .nrdisp = 7, .datadisp = QDate(2026, 3, 1)});
    folder.add({.nr = 1, .nrdisp = 3, .datadisp = QDate(2026, 2, 1)});
    const struct
    {
        DispositionKind kind;
        int copies;
        QStringList lines;
    } cases[] = {
        {DispositionKind::NewbornAllowance,
         2,
         {"BODY 3", "\\page", "BODY 3", "\\par \\page", "BODY 7", "\\page", "BODY 7", "}"}},
        {DispositionKind::NewbornAllowance, 1, {"BODY 3", "\\par \\page", "BODY 7", "}"}},
    };
    for (const auto &c : cases) {
        DispositionRun r = run(c.kind, 1, 10, c.copies);
        int rowsSeen = 0;
        r.afterRow = [&] { ++rowsSeen; };
        EXPECT_EQ(WriteDispositions(r), 2);
        EXPECT_EQ(rowsSeen, 2);
        const QByteArray doc = readAll(r.output);
        EXPECT_EQ(skeleton(doc), c.lines) << c.copies;
        EXPECT_EQ(braceBalance(doc), 0);
        EXPECT_FALSE(doc.contains("[NR]"));
    }
}

TEST_F(DispositionDocuments, LayetteValuesReachTheDocument)
{
    folder.add({.nr = 4,
                .tip = "4",
                .nrdisp = 9,
                .datadisp = QDate(2026, 1, 5),
                .subsemn = "POP ELENA",
                .cnp = "8850101123459",
                .children = {"POP ANA", "POP DAN", "POP IOAN"},
                .codes = {"6200312123451", "5200312123455", "5200312123455"}});
    const DispositionRun r = run(DispositionKind::Layette, 9, 9, 1);
    EXPECT_EQ(WriteDispositions(r), 1);
    const QString doc = QString::fromLatin1(readAll(r.output));
    // Placeholders of five letters or more written in capitals get their value in capitals.
    EXPECT_TRUE(doc.contains("A COPIILOR  POP ANA, CNP 6200312123451, POP DAN, CNP 5200312123455, POP IOAN, "
                             "CNP 5200312123455, |NUMITA|DOAMNEI|05.IANUARIE.2026"))
        << doc.toStdString();
    EXPECT_TRUE(doc.contains("BODY 9 POP ELENA"));
}

TEST_F(DispositionDocuments, Refusals)
{
    folder.add({.nr = 1, .tip = "4", .nrdisp = 3, .datadisp = QDate(2026, 2, 1)});
    const struct
    {
        const char *why;
        std::function<DispositionRun(DispositionRun)> change;
        const char *title, *text;
    } cases[] = {
        {"empty range",
         [](DispositionRun r) {
             r.first = 5;
             r.last = 9;
             return r;
         },
         "Listare Dispozitii", "Nu exista nici o dispozitie cu numarul intre 5 si 9."},
        {"document cannot be started",
         [](DispositionRun r) {
             r.output = DataDir() + "/no-such-folder/out.rtf";
             return r;
         },
         "Listare Dispozitii", "Nu pot scrie pe harddisk!"},
        {"layette template missing",
         [](DispositionRun r) {
             QFile::remove(QDir(DataDir()).filePath("Disp4.rtf"));
             return r;
         },
         "Vizualizare dispozitie", nullptr},
    };
    for (const auto &c : cases) {
        const DispositionRun r = c.change(run(DispositionKind::Layette, 1, 9, 1));
        try {
            WriteDispositions(r);
            ADD_FAILURE() << c.why;
        } catch (const DocumentRefusal &refusal) {
            EXPECT_EQ(refusal.title(), c.title) << c.why;
            const QString text = c.text ? QString(c.text)
                                        : "Lipseste fisierul " +
                                              QDir::toNativeSeparators(DataDir() + "/Disp4.rtf") +
                                              "\r\nSalvati datele si reinstalati programul!";
            EXPECT_EQ(refusal.message(), text) << c.why;
        }
        EXPECT_FALSE(QFile::exists(r.output)) << c.why;
    }
}

TEST_F(DispositionDocuments, StatisticsDocumentAndItsRefusals)
{
    folder.add({.tip = "4",
                .datadisp = QDate(2026, 8, 1),
                .children = {"A", "B"},
                .codes = {"5200312123455", "8200312123457"},
                .cuantum = 150});
    StatisticsRun r;
    r.semester = 2;
    r.year = 2026;
    r.workspace = ProgramWorkspace();
    r.workspace.constants.PRIMARIA = "Primaria Sacele";

    // No template: said before anything is written.
    try {
        WriteStatistics(r);
        ADD_FAILURE() << "no template";
    } catch (const DocumentRefusal &refusal) {
        EXPECT_EQ(refusal.title(), "Statistica");
        EXPECT_EQ(refusal.message(), "Nu exista fisierul model Statistic.rtf!\rActualizati programul!");
    }
    EXPECT_FALSE(QFile::exists(ProgramDir() + "/0.rtf"));

    writeAll(QDir(DataDir()).filePath("Statistic.rtf"), kStatisticsTemplate);
    // 0.rtf that cannot be replaced (here a folder of that name): 1.rtf.
    QDir().mkpath(ProgramDir() + "/0.rtf/held");
    const QString written = WriteStatistics(r);
    EXPECT_EQ(written, ProgramDir() + "/1.rtf");
    const QByteArray doc = readAll(written);
    EXPECT_TRUE(doc.contains("PRIMARIA SACELE|2|2026|2|150|1|1")) << doc.constData();
    EXPECT_EQ(braceBalance(doc), 0);

    // All hundred names taken.
    QFile::remove(written);
    for (int n = 1; n < 100; ++n)
        QDir().mkpath(ProgramDir() + QStringLiteral("/%1.rtf/held").arg(n));
    try {
        WriteStatistics(r);
        ADD_FAILURE() << "no free name";
    } catch (const DocumentRefusal &refusal) {
        EXPECT_EQ(refusal.title(), "Statistica");
        EXPECT_EQ(refusal.message(), "Nu pot scrie in " + QDir::toNativeSeparators(ProgramDir()) +
                                         "!\rSalvati, dezinstalati si reinstalati programul in alta parte!");
    }
}

// A template too large or broken, or a document over the engine's limit, is
// refused before anything is written: an earlier document at the
// destination stays as it was.
TEST_F(DispositionDocuments, LimitsAndBrokenTemplatesRefuseBeforeWriting)
{
    folder.add({.nr = 2, .nrdisp = 7, .datadisp = QDate(2026, 3, 1)});
    folder.add({.nr = 1, .nrdisp = 3, .datadisp = QDate(2026, 2, 1)});
    const QString disp3 = QDir(DataDir()).filePath("Disp3.rtf");
    const QString advice = QString::fromUtf8(
        "\rRefaceti-l din Administrare › Modele de Listare › Dispozitie Alocatie nou-nascuti › "
        "Refa modelul initial !");
    const QByteArray small = kSmallTemplate;
    QByteArray large = small;
    large.insert(large.lastIndexOf('}'), QByteArray(kRtfTemplateLimit, ' '));
    QByteArray extraBrace = small;
    extraBrace.replace("[NR]", "[NR]}");
    // The limit: a document of one copy of each, exactly.
    writeAll(disp3, small);
    WriteDispositions(run(DispositionKind::NewbornAllowance, 1, 10, 1));
    const qint64 oneCopy = QFileInfo(folder.scratch.file("out.rtf")).size();
    const struct
    {
        const char *name;
        QByteArray tmpl;
        qint64 limit; // 0: the engine's own
        int copies;
        QString text; // empty: written
    } cases[] = {
        {"exactly at the limit", small, oneCopy, 1, {}},
        {"over the limit", small, oneCopy, 2,
         "Documentul ar avea 1 MB, peste limita de 1 MB: alegeti mai putine dispozitii sau mai putine "
         "exemplare !"},
        {"template too large", large, 0, 1,
         "Modelul " + QDir::toNativeSeparators(disp3) +
             " are 9 MB; un model de document poate avea cel mult 8 MB !" + advice},
        {"a brace too many", extraBrace, 0, 1,
         "Modelul " + QDir::toNativeSeparators(disp3) +
             " are o acolada } in plus: documentul se inchide pe linia 2, inainte de sfarsitul "
             "fisierului !" +
             advice},
    };
    for (const auto &c : cases) {
        writeAll(disp3, c.tmpl);
        RtfReplace::setDocumentLimit(c.limit);
        const DispositionRun r = run(DispositionKind::NewbornAllowance, 1, 10, c.copies);
        writeAll(r.output, "earlier");
        try {
            EXPECT_EQ(WriteDispositions(r), 2) << c.name;
            EXPECT_TRUE(c.text.isEmpty()) << c.name;
            EXPECT_EQ(skeleton(readAll(r.output)), QStringList({"BODY 3", "\\par \\page", "BODY 7", "}"}));
        } catch (const DocumentRefusal &refusal) {
            EXPECT_EQ(refusal.title(), "Listare Dispozitii") << c.name;
            EXPECT_EQ(refusal.message(), c.text) << c.name;
            EXPECT_EQ(readAll(r.output), "earlier") << c.name;
        }
        RtfReplace::setDocumentLimit(0);
    }
    EXPECT_EQ(QDir(folder.scratch.path()).entryList(QDir::Files), QStringList{"out.rtf"});

    // The statistics: one record, over the limit only by a template of many fields.
    writeAll(QDir(DataDir()).filePath("Statistic.rtf"), kStatisticsTemplate);
    StatisticsRun stats;
    stats.semester = 1;
    stats.year = 2026;
    stats.output = folder.scratch.file("stat.rtf");
    stats.workspace = ProgramWorkspace();
    RtfReplace::setDocumentLimit(64);
    try {
        WriteStatistics(stats);
        ADD_FAILURE() << "statistics over the limit";
    } catch (const DocumentRefusal &refusal) {
        EXPECT_EQ(refusal.title(), "Statistica");
        EXPECT_TRUE(refusal.message().endsWith("Statistic.rtf are prea multe campuri de completat !"))
            << refusal.message().toStdString();
    }
    RtfReplace::setDocumentLimit(0);
    EXPECT_FALSE(QFile::exists(stats.output));
    EXPECT_EQ(WriteStatistics(stats), stats.output);
}
