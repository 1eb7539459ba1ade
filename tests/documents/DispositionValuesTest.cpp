// The values of the dispositions: which rows, in which order, and what each
// placeholder receives.

#include "DocumentRows.h"
#include "data/Workspace.h"
#include "documents/Dispositions.h"
#include "documents/DocumentRefusal.h"

#include <gtest/gtest.h>

using namespace kovara;
using namespace kovara::test;

namespace {

MunicipalityConstants townHall()
{
    MunicipalityConstants c;
    c.PRIMARIA = "Primaria Sacele";
    c.LOCALIT = "Sacele";
    c.JUDET = "BRASOV";
    c.PRIMAR = "Ion Ionescu";
    c.AVIZAT = "Ana Pop";
    return c;
}

DispositionRun runOf(DispositionKind kind, int first, int last, int year = 2026)
{
    DispositionRun run;
    run.kind = kind;
    run.first = first;
    run.last = last;
    run.year = year;
    run.workspace = ProgramWorkspace();
    run.workspace.constants = townHall();
    return run;
}

QString valueOf(const PlaceholderValues &values, const QString &key)
{
    for (const auto &[k, v] : values)
        if (k == key)
            return v;
    ADD_FAILURE() << "no " << key.toStdString();
    return {};
}

QStringList keysOf(const PlaceholderValues &values)
{
    QStringList keys;
    for (const auto &kv : values)
        keys << kv.first;
    return keys;
}

} // namespace

TEST(DispositionTexts, ChildrenPhraseForOneTwoAndThreeChildren)
{
    const struct
    {
        QStringList names, codes;
        QString phrase;
    } cases[] = {
        {{"POP ANA"}, {"6200312123451"}, "al copilului  POP ANA, CNP 6200312123451, "},
        {{"POP ANA", "POP ION"},
         {"6200312123451", "5200312123455"},
         "a copiilor  POP ANA, CNP 6200312123451, POP ION, CNP 5200312123455, "},
        {{"A", "B", "C"}, {"1", "2", "3"}, "a copiilor  A, CNP 1, B, CNP 2, C, CNP 3, "},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ChildrenPhrase(c.names, c.codes), c.phrase) << c.names.size();
}

// The capacity and the children phrase make one sentence: the words about
// the child are written once.
TEST(DispositionTexts, CapacityBeforeChildrenSaysTheChildOnce)
{
    const std::pair<const char *, const char *> cases[] = {
        {"parinte natural", "parinte natural"},
        {"reprezentant legal al copilului", "reprezentant legal"},
        {"Reprezentant legal al copilului ", "Reprezentant legal"},
        {"persoana imputernicita", "persoana imputernicita"},
        {"", ""},
    };
    for (const auto &[stored, written] : cases) {
        EXPECT_EQ(CapacityBeforeChildren(stored), written) << stored;
        const QString sentence =
            CapacityBeforeChildren(stored) + " " + ChildrenPhrase({"POP ANA"}, {"6200312123451"});
        EXPECT_EQ(sentence.count("copilului"), 1) << sentence.toStdString();
    }
}

TEST(DispositionTexts, ApplicantWordsFollowTheSexOfTheCode)
{
    const std::pair<const char *, bool> cases[] = {
        {"2850101123458", true},
        {"6050101123451", true},
        {"8850101123459", true}, // residents born abroad too
        {"1850101123451", false},
        {"5050101123455", false},
        {"7850101123452", false},
        {"9850101123456", false},
        {"", false},
    };
    for (const auto &[code, female] : cases) {
        const ApplicantWords w = ApplicantSexWords(QString::fromLatin1(code));
        EXPECT_EQ(w.numit, female ? "numita" : "numitul") << code;
        EXPECT_EQ(w.dnei, female ? "doamnei" : "domnului") << code;
    }
}

TEST(DispositionTexts, Messages)
{
    EXPECT_EQ(DispositionsTitle(), "Listare Dispozitii");
    EXPECT_EQ(NoDispositionText(5, 9), "Nu exista nici o dispozitie cu numarul intre 5 si 9.");
    EXPECT_EQ(CannotWriteText(), "Nu pot scrie pe harddisk!");
    EXPECT_EQ(LayetteTemplateMissingText("/p/Data/Disp4.rtf"),
              "Lipseste fisierul /p/Data/Disp4.rtf\r\nSalvati datele si reinstalati programul!");
}

// Range, year, type and order: dispositions 3 and 7 of this year are listed
// in the order of their request numbers; 5 of last year, a layette and one
// outside the range are not.
TEST(DispositionRows, RangeYearTypeAndOrder)
{
    DocumentFolder folder;
    folder.add({.nr = 20, .tip = "3", .nrdisp = 3, .datadisp = QDate(2026, 2, 1), .subsemn = "TREI"});
    folder.add({.nr = 10, .tip = "3", .nrdisp = 7, .datadisp = QDate(2026, 3, 1), .subsemn = "SAPTE"});
    folder.add({.nr = 5, .tip = "3", .nrdisp = 5, .datadisp = QDate(2025, 12, 31), .subsemn = "ANUL TRECUT"});
    folder.add({.nr = 6, .tip = "4", .nrdisp = 4, .datadisp = QDate(2026, 2, 1), .subsemn = "TRUSOU"});
    folder.add({.nr = 7, .tip = "3", .nrdisp = 11, .datadisp = QDate(2026, 2, 1), .subsemn = "AFARA"});
    folder.add(
        {.nr = 8, .tip = "3", .nrdisp = 1, .datadisp = QDate(2026, 1, 1), .subsemn = "INTAI IANUARIE"});

    const struct
    {
        DispositionKind kind;
        int first, last;
        QStringList applicants;
    } cases[] = {
        {DispositionKind::NewbornAllowance, 1, 10, {"INTAI IANUARIE", "SAPTE", "TREI"}},
        {DispositionKind::NewbornAllowance, 3, 7, {"SAPTE", "TREI"}},
        {DispositionKind::NewbornAllowance, 7, 7, {"SAPTE"}},
        {DispositionKind::Layette, 1, 10, {"TRUSOU"}},
    };
    for (const auto &c : cases) {
        QStringList applicants;
        for (const PlaceholderValues &v : DispositionValueSets(runOf(c.kind, c.first, c.last)))
            applicants << valueOf(v, "[SOLICITANT]");
        EXPECT_EQ(applicants, c.applicants) << c.first << "-" << c.last;
    }
}

TEST(DispositionRows, EmptyRangeIsRefusedWithItsMessage)
{
    DocumentFolder folder;
    folder.add({.nrdisp = 5, .datadisp = QDate(2025, 6, 1)}); // last year
    for (DispositionKind kind : {DispositionKind::NewbornAllowance, DispositionKind::Layette}) {
        try {
            DispositionValueSets(runOf(kind, 1, 9));
            ADD_FAILURE() << "an empty range was accepted";
        } catch (const DocumentRefusal &r) {
            EXPECT_EQ(r.title(), "Listare Dispozitii");
            EXPECT_EQ(r.message(), "Nu exista nici o dispozitie cu numarul intre 1 si 9.");
        }
    }
}

TEST(DispositionValues, NewbornAllowanceInTheOrderOfTheTemplateTable)
{
    DocumentFolder folder;
    folder.add({.nr = 12,
                .nrdisp = 4,
                .datadisp = QDate(2026, 3, 9),
                .subsemn = "POPESCU MARIA",
                .children = {"POPESCU ANA"},
                .codes = {"6200312123451"},
                .cuantum = 204});
    const QList<PlaceholderValues> sets =
        DispositionValueSets(runOf(DispositionKind::NewbornAllowance, 1, 9));
    ASSERT_EQ(sets.size(), 1);
    const PlaceholderValues expected = {
        {"[JUDET]", "BRASOV"},
        {"[LOCALITATE]", "SACELE"},
        {"[PRIMAR]", "ION IONESCU"},
        {"[PRIMARIA]", "PRIMARIA SACELE"},
        {"[SOLICITANT]", "POPESCU MARIA"},
        {"[NRCERERE]", "12"},
        {"[DATACERERE]", "05.01.2026"},
        {"[CUANTUM]", "204"},
        {"[ALCATELEA]", "primul"},
        {"[COPIL]", "POPESCU ANA"},
        {"[DATAN]", "12.martie.2020"},
        {"[CNSERIA]", "N"},
        {"[CNNR]", "998877"},
        {"[CNELIB]", "PRIMARIA SACELE"},
        {"[NR]", "4"},
        {"[PTLUNA]", "martie.2026"},
        {"[DATAAZI]", "09.martie.2026"},
    };
    EXPECT_EQ(sets[0], expected);
}

TEST(DispositionValues, NewbornBornAbroadIsNotDatedInTheFuture)
{
    DocumentFolder folder;
    // A resident's child (first digit 8) born in 2025 and an adult's code
    // (7, year 99): the birth dates never lie after today.
    folder.add({.nr = 1, .nrdisp = 1, .datadisp = QDate(2026, 1, 2), .codes = {"8250312123456"}});
    folder.add({.nr = 2, .nrdisp = 2, .datadisp = QDate(2026, 1, 2), .codes = {"7990312123456"}});
    const QList<PlaceholderValues> sets =
        DispositionValueSets(runOf(DispositionKind::NewbornAllowance, 1, 2));
    ASSERT_EQ(sets.size(), 2);
    EXPECT_EQ(valueOf(sets[0], "[DATAN]"), "12.martie.2025");
    EXPECT_EQ(valueOf(sets[1], "[DATAN]"), "12.martie.1999");
}

TEST(DispositionValues, LayetteInTheOrderOfTheTemplateTable)
{
    DocumentFolder folder;
    folder.add({.nr = 3,
                .tip = "4",
                .nrdisp = 8,
                .datadisp = QDate(2026, 1, 5),
                .subsemn = "POP ION",
                .cnp = "1850101123451",
                .children = {"POP ANA", "POP DAN"},
                .codes = {"6200312123451", "5200312123455"}});
    const QList<PlaceholderValues> sets = DispositionValueSets(runOf(DispositionKind::Layette, 8, 8));
    ASSERT_EQ(sets.size(), 1);
    const PlaceholderValues expected = {
        {"[JUDET]", "BRASOV"},
        {"[PRIMARIA]", "PRIMARIA SACELE"},
        {"[LEGALITATE]", "ANA POP"},
        {"[NR]", "8"},
        {"[NUMIT]", "numitul"},
        {"[SOLICITANT]", "POP ION"},
        {"[CNP]", "1850101123451"},
        {"[CALITATE]", "mama"},
        {"[COPII]", "a copiilor  POP ANA, CNP 6200312123451, POP DAN, CNP 5200312123455, "},
        {"[DNEI]", "domnului"},
        {"[LOCALITATE]", "SACELE"},
        {"[PRIMAR]", "ION IONESCU"},
        {"[NRCERERE]", "3"},
        {"[DATACERERE]", "05.01.2026"},
        {"[DATAAZI]", "05.ianuarie.2026"},
    };
    EXPECT_EQ(sets[0], expected);
    EXPECT_EQ(keysOf(sets[0]).size(), 15);
}
