// The checks of the request editor: order, message and field of every
// refusal, the benefit-box patterns and the moving up of child 3.

#include "requests/RequestChecks.h"
#include "RequestTestData.h"
#include "shell/CNP.h"

#include <functional>
#include <gtest/gtest.h>

using namespace kovara;
using kovara::test::childCnp;
using kovara::test::goodInput;

namespace {

struct CheckCase
{
    const char *name;
    int kind;
    std::function<void(RequestInput &)> change;
    const char *message; // nullptr: passes
    const char *field;
};

std::optional<Problem> runChecks(int kind, RequestInput &in)
{
    if (auto p = CheckCommon(in))
        return p;
    return CheckPage(kind, in);
}

} // namespace

TEST(RequestChecks, TestDataIsValid)
{
    EXPECT_TRUE(Corect(kovara::test::parentCnp()));
    for (int i = 1; i <= 4; ++i)
        EXPECT_TRUE(Corect(childCnp(i))) << i;
    for (int kind = 1; kind <= 3; ++kind) {
        RequestInput in = goodInput(kind);
        EXPECT_EQ(runChecks(kind, in), std::nullopt) << kind;
    }
}

TEST(RequestChecks, EachRefusalHasItsMessageAndField)
{
    const QString bad = "1234567890123";
    const CheckCase cases[] = {
        // common part, in order
        {"empty number", 1, [](RequestInput &in) { in.CerereNr.clear(); }, "Lipseste numarul de cerere!",
         "CerereNr"},
        {"zero number", 2, [](RequestInput &in) { in.CerereNr = "0"; }, "Lipseste numarul de cerere!",
         "CerereNr"},
        {"number before code", 3, [&](RequestInput &in) { in.CerereNr = "0", in.CNPSubsemnat = bad; },
         "Lipseste numarul de cerere!", "CerereNr"},
        {"impossible date", 1, [](RequestInput &in) { in.CerereData = QDate(); },
         "Data cererii este incorecta!", "CerereData"},
        {"empty applicant code", 1, [](RequestInput &in) { in.CNPSubsemnat.clear(); },
         "CNP solicitant incorect!", "CNPSubsemnat"},
        {"wrong applicant code", 2, [&](RequestInput &in) { in.CNPSubsemnat = bad; },
         "CNP solicitant incorect!", "CNPSubsemnat"},
        {"name of 6", 1, [](RequestInput &in) { in.Subsemnat = "  POP  IO "; },
         "Numele solicitantului este incorect!", "Subsemnat"},
        {"name of 7", 1, [](RequestInput &in) { in.Subsemnat = "POP  ION"; }, nullptr, nullptr},
        {"short address", 3, [](RequestInput &in) { in.AdresaSubsemnat = " a  b "; },
         "Adresa solicitantului este incorecta!", "AdresaSubsemnat"},
        {"short county", 1, [](RequestInput &in) { in.JudetSubsemnat = "AB "; },
         "Judetul solicitantului este incorect!", "JudetSubsemnat"},
        {"common before page", 1, [](RequestInput &in) { in.JudetSubsemnat.clear(), in.Alocatie = false; },
         "Judetul solicitantului este incorect!", "JudetSubsemnat"},
        // page 1
        {"no box", 1, [](RequestInput &in) { in.Alocatie = false; }, "Combinatie incorecta de ajutoare!",
         "Indemnizatie"},
        {"no child 1", 1, [](RequestInput &in) { in.Copil1 = "   "; }, "Lipseste nume si prenume copil!",
         "Copil1"},
        {"bad code 1", 1, [&](RequestInput &in) { in.CNP1 = bad; }, "CNP copil incorect!", "CNP1"},
        {"bad code 2", 1, [&](RequestInput &in) { in.Copil2 = "X Y", in.CNP2 = bad; },
         "C.N.P. copil incorect!", "CNP2"},
        {"bad code 3", 1, [&](RequestInput &in) { in.Copil3 = "X Y"; }, "C.N.P. copil incorect!", "CNP3"},
        {"code before name", 1, [&](RequestInput &in) { in.CNP2 = childCnp(2), in.Copil3 = "Z"; },
         "C.N.P. copil incorect!", "CNP3"},
        {"no name 2", 1, [](RequestInput &in) { in.CNP2 = childCnp(2); }, "Lipseste nume si prenume copil!",
         "Copil2"},
        {"no name 3", 1, [](RequestInput &in) { in.CNP3 = childCnp(3); }, "Lipseste nume si prenume copil!",
         "Copil3"},
        {"2 same as 1", 1, [](RequestInput &in) { in.Copil2 = "B B", in.CNP2 = childCnp(1); },
         "C.N.P. la fel ca primul!", "CNP2"},
        {"3 same as 1", 1,
         [](RequestInput &in) {
             in.Copil2 = "B B", in.CNP2 = childCnp(2), in.Copil3 = "C C", in.CNP3 = childCnp(1);
         },
         "C.N.P. la fel ca primul!", "CNP3"},
        {"3 same as 2", 1,
         [](RequestInput &in) {
             in.Copil2 = "B B", in.CNP2 = childCnp(2), in.Copil3 = "C C", in.CNP3 = childCnp(2);
         },
         "C.N.P. la fel cu al doilea!", "CNP3"},
        {"moved up, then same as 1", 1, [](RequestInput &in) { in.Copil3 = "C C", in.CNP3 = childCnp(1); },
         "C.N.P. la fel ca primul!", "CNP2"},
        // page 2
        {"no series", 2, [](RequestInput &in) { in.BIseria = " ", in.BINr.clear(); },
         "Lipseste B.I./C.I. seria!", "BIseria"},
        {"no card number", 2, [](RequestInput &in) { in.BINr = "  "; }, "Lipseste B.I./C.I. nr.!", "BINr"},
        {"empty amount", 2, [](RequestInput &in) { in.Cuantum.clear(); }, "Cuantum incorect!", "Cuantum"},
        {"zero amount", 2, [](RequestInput &in) { in.Cuantum = "0"; }, "Cuantum incorect!", "Cuantum"},
        {"no child name", 2, [](RequestInput &in) { in.NumeCopil = " "; }, "Lipseste numele copilului!",
         "NumeCopil"},
        {"bad child code", 2, [&](RequestInput &in) { in.CNPCopil = bad; }, "CNP copil incorect!",
         "CNPCopil"},
        {"no certificate series", 2, [](RequestInput &in) { in.CNSeria.clear(), in.CNNr.clear(); },
         "Lipseste Seria Certificatului de nastere!", "CNSeria"},
        {"no certificate number", 2, [](RequestInput &in) { in.CNNr.clear(), in.CNElib.clear(); },
         "Lipseste Numarul Certificatului de nastere!", "CNNr"},
        {"no issuer", 2, [](RequestInput &in) { in.CNElib = "  "; },
         "Lipseste locul eliberarii Certificatului de nastere!", "CNElib"},
        // page 3
        {"no series 3", 3, [](RequestInput &in) { in.BISeria2.clear(); }, "Lipseste B.I./C.I. seria!",
         "BISeria2"},
        {"no card number 3", 3, [](RequestInput &in) { in.BINr2.clear(); }, "Lipseste B.I./C.I. nr.!",
         "BINr2"},
        {"no sum", 3, [](RequestInput &in) { in.Cuantum2.clear(); }, "Lipseste Suma acordata!", "Cuantum2"},
        {"no child 21", 3, [](RequestInput &in) { in.Copil21.clear(); }, "Lipseste Numele copilului!",
         "Copil21"},
        {"bad code 21", 3, [&](RequestInput &in) { in.CNP21 = bad; }, "CNP copil incorect!", "CNP21"},
        {"name before code", 3, [&](RequestInput &in) { in.Copil22 = "B B", in.CNP22 = bad, in.CNP23 = bad; },
         "Lipseste numele si prenumele copilului!", "Copil23"},
        {"no name 22", 3, [](RequestInput &in) { in.CNP22 = childCnp(2); },
         "Lipseste numele si prenumele copilului!", "Copil22"},
        {"bad code 22", 3, [&](RequestInput &in) { in.Copil22 = "B B", in.CNP22 = bad; },
         "C.N.P. copil incorect!", "CNP22"},
        {"bad code 23", 3, [&](RequestInput &in) { in.Copil23 = "C C"; }, "C.N.P. copil incorect!", "CNP23"},
        {"22 same as 21", 3, [](RequestInput &in) { in.Copil22 = "B B", in.CNP22 = childCnp(1); },
         "C.N.P. la fel ca primul!", "CNP22"},
        {"23 same as 21", 3,
         [](RequestInput &in) {
             in.Copil22 = "B B", in.CNP22 = childCnp(2), in.Copil23 = "C", in.CNP23 = childCnp(1);
         },
         "C.N.P. la fel ca primul!", "CNP23"},
        {"23 same as 22", 3,
         [](RequestInput &in) {
             in.Copil22 = "B B", in.CNP22 = childCnp(2), in.Copil23 = "C", in.CNP23 = childCnp(2);
         },
         "C.N.P. la fel cu al doilea!", "CNP23"},
    };
    for (const CheckCase &c : cases) {
        RequestInput in = goodInput(c.kind);
        c.change(in);
        const auto problem = runChecks(c.kind, in);
        if (!c.message) {
            EXPECT_EQ(problem, std::nullopt) << c.name;
            continue;
        }
        ASSERT_TRUE(problem.has_value()) << c.name;
        EXPECT_EQ(problem->message, QString::fromLatin1(c.message)) << c.name;
        EXPECT_EQ(problem->field, QString::fromLatin1(c.field)) << c.name;
    }
}

TEST(RequestChecks, BenefitBoxPatterns)
{
    const struct
    {
        const char *pattern;
        const char *tip; // "" refused
    } cases[] = {{"000", ""},   {"100", "A"},  {"010", "I"}, {"001", "S"},
                 {"110", "AI"}, {"101", "AS"}, {"011", ""},  {"111", ""}};
    for (const auto &c : cases) {
        const bool a = c.pattern[0] == '1', i = c.pattern[1] == '1', s = c.pattern[2] == '1';
        EXPECT_EQ(TipOfBenefits(a, i, s), QString::fromLatin1(c.tip)) << c.pattern;
        RequestInput in = goodInput(1);
        in.Alocatie = a, in.Indemnizatie = i, in.Stimulent = s;
        const auto problem = CheckPage(1, in);
        EXPECT_EQ(problem.has_value(), *c.tip == 0) << c.pattern;
        if (*c.tip) {
            const RequestRecord r = RecordOf(1, in, false, {}, QDate(2026, 3, 2));
            EXPECT_EQ(r.TIP, QString::fromLatin1(c.tip));
            EXPECT_EQ(KindOfTip(r.TIP), 1) << c.pattern;
        }
    }
}

TEST(RequestChecks, ChildThreeMovesUpWhenRowTwoIsEmpty)
{
    for (int kind : {1, 3}) {
        RequestInput in = goodInput(kind);
        QString &name2 = kind == 1 ? in.Copil2 : in.Copil22;
        QString &code2 = kind == 1 ? in.CNP2 : in.CNP22;
        QString &name3 = kind == 1 ? in.Copil3 : in.Copil23;
        QString &code3 = kind == 1 ? in.CNP3 : in.CNP23;
        name2 = "  ";
        name3 = " IONESCU   MIHAI ";
        code3 = childCnp(3);
        ASSERT_EQ(CheckPage(kind, in), std::nullopt) << kind;
        EXPECT_EQ(name2, "IONESCU MIHAI") << kind;
        EXPECT_EQ(code2, childCnp(3)) << kind;
        EXPECT_TRUE(name3.isEmpty() && code3.isEmpty()) << kind;
        const RequestRecord r = RecordOf(kind, in, false, {}, QDate(2026, 3, 2));
        EXPECT_EQ(r.COPIL2, "IONESCU MIHAI");
        EXPECT_EQ(r.CNP2, childCnp(3));
        EXPECT_EQ(r.NRCOPII, 2);
    }
}

TEST(RequestChecks, FieldsAreNormalised)
{
    RequestInput in = goodInput(2);
    in.Subsemnat = "  POPESCU    ION  ";
    in.AdresaSubsemnat = " Str.  Mare   1 ";
    in.CNElib = " PRIMARIA   X ";
    ASSERT_EQ(CheckCommon(in), std::nullopt);
    ASSERT_EQ(CheckPage(2, in), std::nullopt);
    EXPECT_EQ(in.Subsemnat, "POPESCU ION");
    EXPECT_EQ(in.AdresaSubsemnat, "Str. Mare 1");
    EXPECT_EQ(in.CNElib, "PRIMARIA X");
}

TEST(RequestRecord, KindOfTipAndChildCount)
{
    const struct
    {
        const char *tip;
        int kind;
    } kinds[] = {{"A", 1}, {"I", 1}, {"S", 1}, {"AI", 1}, {"AS", 1}, {"3", 2}, {"4", 3}, {"", 0}, {"1", 0}};
    for (const auto &k : kinds)
        EXPECT_EQ(KindOfTip(QString::fromLatin1(k.tip)), k.kind) << k.tip;

    const struct
    {
        int kind;
        const char *copil2, *copil3;
        bool modified;
        qint64 count;
    } counts[] = {{1, "", "", false, 1},      {1, "AB", "", false, 1},    {1, "ABC", "", false, 2},
                  {1, "ABC", "XYZ", true, 3}, {3, "ABC", "XY", false, 2}, {3, "", "XYZ", false, 2},
                  {2, "", "", false, 0},      {2, "", "", true, 1}};
    for (const auto &c : counts)
        EXPECT_EQ(ChildCount(c.kind, c.copil2, c.copil3, c.modified), c.count)
            << c.kind << c.copil2 << c.copil3;
}
