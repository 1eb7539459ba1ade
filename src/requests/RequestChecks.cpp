// The checks of "Memoreaza" in their fixed order, the row they give and the
// values remembered after a new request.

#include "requests/RequestChecks.h"

#include "data/RequestKinds.h"
#include "data/RequestTable.h"
#include "data/Settings.h"
#include "shell/CNP.h"
#include "shell/TextHelpers.h"

namespace kovara {
namespace {

std::optional<Problem> fail(const char *message, const char *field)
{
    return Problem{QString::fromUtf8(message), QString::fromLatin1(field)};
}

qint64 numberOf(QString &text)
{
    if (text.trimmed().isEmpty())
        text = QStringLiteral("0");
    return text.trimmed().toLongLong();
}

void normalise(QString &text)
{
    text = SqueezeSpaces(text);
}

QString indexKey(int kind)
{
    return QStringLiteral("NR") + QString::number(kind);
}

QString settingOr(const char *key, const char *fallback)
{
    const QString v = ReadSetting(QStringLiteral("VAR"), QString::fromLatin1(key));
    return v.isEmpty() ? QString::fromLatin1(fallback) : v;
}

// Moves child 3 up to row 2 when row 2 has no name and row 3 has one.
void moveUp(QString &name2, QString &code2, QString &name3, QString &code3)
{
    if (name2.isEmpty() && !name3.isEmpty()) {
        name2 = name3;
        code2 = code3;
        name3.clear();
        code3.clear();
    }
}

} // namespace

const QStringList &AlcateItems()
{
    static const QStringList items = {"primul", "al doilea", "al treilea", "al patrulea"};
    return items;
}

const QStringList &CalitateItems()
{
    static const QStringList items = {"parinte natural", "reprezentant legal al copilului",
                                      "persoana imputernicita"};
    return items;
}

RequestInput DefaultInput(int kind, const QDate &today)
{
    RequestInput in;
    in.CerereData = today;
    in.CerereNr = PeekIndex(indexKey(kind));
    in.JudetSubsemnat = ReadSetting(QStringLiteral("VAR"), QStringLiteral("JUDSUBSEMNAT"));
    in.ALCopil = AlcateItems().first();
    in.Calitate = CalitateItems().first();
    in.Cuantum = settingOr("CUANTUM", "204");
    in.Cuantum2 = settingOr("CUANTUM2", "150");
    return in;
}

void FillInput(RequestInput &in, int kind, const RequestRecord &r)
{
    in.Subsemnat = r.SUBSEMN;
    in.AdresaSubsemnat = r.ADRESA;
    in.JudetSubsemnat = r.JUDADR;
    if (kind == 1) {
        in.Alocatie = r.TIP.contains(QLatin1Char('A'));
        in.Indemnizatie = r.TIP.contains(QLatin1Char('I'));
        in.Stimulent = r.TIP.contains(QLatin1Char('S'));
        in.Copil1 = r.COPIL1, in.CNP1 = r.CNP1;
        in.Copil2 = r.COPIL2, in.CNP2 = r.CNP2;
        in.Copil3 = r.COPIL3, in.CNP3 = r.CNP3;
    } else if (kind == 2) {
        in.BIseria = r.BISERIA, in.BINr = r.BINR;
        in.ALCopil = AlcateItems().contains(r.ALCATE) ? r.ALCATE : AlcateItems().first();
        in.Cuantum = QString::number(r.CUANTUM);
        in.NumeCopil = r.COPIL1, in.CNPCopil = r.CNP1;
        in.CNSeria = r.CNSERIA, in.CNNr = r.CNNR, in.CNElib = r.CNELIB;
    } else if (kind == 3) {
        in.Calitate = CalitateItems().contains(r.CALITATE) ? r.CALITATE : CalitateItems().first();
        in.BISeria2 = r.BISERIA, in.BINr2 = r.BINR;
        in.Cuantum2 = QString::number(r.CUANTUM);
        in.Copil21 = r.COPIL1, in.CNP21 = r.CNP1;
        in.Copil22 = r.COPIL2, in.CNP22 = r.CNP2;
        in.Copil23 = r.COPIL3, in.CNP23 = r.CNP3;
    }
    in.Handi = r.HANDI == QLatin1String("DA");
}

std::optional<Problem> CheckCommon(RequestInput &in)
{
    if (numberOf(in.CerereNr) < 1)
        return fail("Lipseste numarul de cerere!", "CerereNr");
    if (!in.CerereData.isValid())
        return fail("Data cererii este incorecta!", "CerereData");
    if (!Corect(in.CNPSubsemnat))
        return fail("CNP solicitant incorect!", "CNPSubsemnat");
    normalise(in.Subsemnat);
    if (in.Subsemnat.size() < 7)
        return fail("Numele solicitantului este incorect!", "Subsemnat");
    normalise(in.AdresaSubsemnat);
    if (in.AdresaSubsemnat.size() < 4)
        return fail("Adresa solicitantului este incorecta!", "AdresaSubsemnat");
    normalise(in.JudetSubsemnat);
    if (in.JudetSubsemnat.size() < 4)
        return fail("Judetul solicitantului este incorect!", "JudetSubsemnat");
    return std::nullopt;
}

namespace {

std::optional<Problem> checkPage1(RequestInput &in)
{
    if (TipOfBenefits(in.Alocatie, in.Indemnizatie, in.Stimulent).isEmpty())
        return fail("Combinatie incorecta de ajutoare!", "Indemnizatie");
    normalise(in.Copil1);
    if (in.Copil1.isEmpty())
        return fail("Lipseste nume si prenume copil!", "Copil1");
    if (!Corect(in.CNP1))
        return fail("CNP copil incorect!", "CNP1");
    normalise(in.Copil2);
    normalise(in.Copil3);
    if (!in.Copil2.isEmpty() && !Corect(in.CNP2))
        return fail("C.N.P. copil incorect!", "CNP2");
    if (!in.Copil3.isEmpty() && !Corect(in.CNP3))
        return fail("C.N.P. copil incorect!", "CNP3");
    if (!in.CNP2.isEmpty() && in.Copil2.isEmpty())
        return fail("Lipseste nume si prenume copil!", "Copil2");
    if (!in.CNP3.isEmpty() && in.Copil3.isEmpty())
        return fail("Lipseste nume si prenume copil!", "Copil3");
    moveUp(in.Copil2, in.CNP2, in.Copil3, in.CNP3);
    if (!in.CNP2.isEmpty() && in.CNP2 == in.CNP1)
        return fail("C.N.P. la fel ca primul!", "CNP2");
    if (!in.CNP3.isEmpty() && in.CNP3 == in.CNP1)
        return fail("C.N.P. la fel ca primul!", "CNP3");
    if (!in.CNP3.isEmpty() && in.CNP3 == in.CNP2)
        return fail("C.N.P. la fel cu al doilea!", "CNP3");
    return std::nullopt;
}

std::optional<Problem> checkPage2(RequestInput &in)
{
    normalise(in.BIseria);
    normalise(in.BINr);
    if (in.BIseria.isEmpty())
        return fail("Lipseste B.I./C.I. seria!", "BIseria");
    if (in.BINr.isEmpty())
        return fail("Lipseste B.I./C.I. nr.!", "BINr");
    if (numberOf(in.Cuantum) < 1)
        return fail("Cuantum incorect!", "Cuantum");
    normalise(in.NumeCopil);
    normalise(in.CNSeria);
    normalise(in.CNNr);
    normalise(in.CNElib);
    if (in.NumeCopil.isEmpty())
        return fail("Lipseste numele copilului!", "NumeCopil");
    if (!Corect(in.CNPCopil))
        return fail("CNP copil incorect!", "CNPCopil");
    if (in.CNSeria.isEmpty())
        return fail("Lipseste Seria Certificatului de nastere!", "CNSeria");
    if (in.CNNr.isEmpty())
        return fail("Lipseste Numarul Certificatului de nastere!", "CNNr");
    if (in.CNElib.isEmpty())
        return fail("Lipseste locul eliberarii Certificatului de nastere!", "CNElib");
    return std::nullopt;
}

std::optional<Problem> checkPage3(RequestInput &in)
{
    normalise(in.BISeria2);
    normalise(in.BINr2);
    const qint64 amount = numberOf(in.Cuantum2);
    normalise(in.Copil21);
    normalise(in.Copil22);
    normalise(in.Copil23);
    if (in.BISeria2.isEmpty())
        return fail("Lipseste B.I./C.I. seria!", "BISeria2");
    if (in.BINr2.isEmpty())
        return fail("Lipseste B.I./C.I. nr.!", "BINr2");
    if (amount < 1)
        return fail("Lipseste Suma acordata!", "Cuantum2");
    if (in.Copil21.isEmpty())
        return fail("Lipseste Numele copilului!", "Copil21");
    if (!Corect(in.CNP21))
        return fail("CNP copil incorect!", "CNP21");
    if (in.Copil22.isEmpty() && !in.CNP22.isEmpty())
        return fail("Lipseste numele si prenumele copilului!", "Copil22");
    if (in.Copil23.isEmpty() && !in.CNP23.isEmpty())
        return fail("Lipseste numele si prenumele copilului!", "Copil23");
    if (!in.Copil22.isEmpty() && !Corect(in.CNP22))
        return fail("C.N.P. copil incorect!", "CNP22");
    if (!in.Copil23.isEmpty() && !Corect(in.CNP23))
        return fail("C.N.P. copil incorect!", "CNP23");
    moveUp(in.Copil22, in.CNP22, in.Copil23, in.CNP23);
    if (!in.CNP22.isEmpty() && in.CNP22 == in.CNP21)
        return fail("C.N.P. la fel ca primul!", "CNP22");
    if (!in.CNP23.isEmpty() && in.CNP23 == in.CNP21)
        return fail("C.N.P. la fel ca primul!", "CNP23");
    if (!in.CNP23.isEmpty() && in.CNP23 == in.CNP22)
        return fail("C.N.P. la fel cu al doilea!", "CNP23");
    return std::nullopt;
}

} // namespace

std::optional<Problem> CheckPage(int kind, RequestInput &in)
{
    switch (kind) {
    case 1:
        return checkPage1(in);
    case 2:
        return checkPage2(in);
    case 3:
        return checkPage3(in);
    }
    return std::nullopt;
}

RequestRecord RecordOf(int kind, const RequestInput &in, bool modify, const RequestRecord &stored,
                       const QDate &today)
{
    RequestRecord r;
    if (modify) {
        r.IDCERERE = stored.IDCERERE;
        r.NRDISP = stored.NRDISP;
        r.DATADISP = stored.DATADISP;
        r.PTLUNA = stored.PTLUNA;
    } else {
        r.DATADISP = today;
    }
    r.DINDATA = in.CerereData;
    r.NR = in.CerereNr.trimmed().toLongLong();
    r.SUBSEMN = in.Subsemnat;
    r.CALITATE = kind == 3 ? in.Calitate : CalitateItems().first();
    r.CNP = in.CNPSubsemnat;
    r.ADRESA = in.AdresaSubsemnat;
    r.JUDADR = in.JudetSubsemnat;
    r.HANDI = in.Handi ? QStringLiteral("DA") : QStringLiteral("NU");
    if (kind == 1) {
        r.TIP = TipOfBenefits(in.Alocatie, in.Indemnizatie, in.Stimulent);
        r.COPIL1 = in.Copil1, r.CNP1 = in.CNP1;
        r.COPIL2 = in.Copil2, r.CNP2 = in.CNP2;
        r.COPIL3 = in.Copil3, r.CNP3 = in.CNP3;
    } else if (kind == 2) {
        r.TIP = NewbornTip();
        r.BISERIA = in.BIseria, r.BINR = in.BINr;
        r.COPIL1 = in.NumeCopil, r.CNP1 = in.CNPCopil;
        r.CUANTUM = in.Cuantum.trimmed().toLongLong();
        r.ALCATE = in.ALCopil;
        r.CNSERIA = in.CNSeria, r.CNNR = in.CNNr, r.CNELIB = in.CNElib;
    } else {
        r.TIP = LayetteTip();
        r.BISERIA = in.BISeria2, r.BINR = in.BINr2;
        r.COPIL1 = in.Copil21, r.CNP1 = in.CNP21;
        r.COPIL2 = in.Copil22, r.CNP2 = in.CNP22;
        r.COPIL3 = in.Copil23, r.CNP3 = in.CNP23;
        r.CUANTUM = in.Cuantum2.trimmed().toLongLong();
    }
    r.NRCOPII = ChildCount(kind, r.COPIL2, r.COPIL3, modify);
    return r;
}

void RememberNewRequest(int kind, const RequestInput &in)
{
    SetIndex(indexKey(kind), QString::number(in.CerereNr.trimmed().toLongLong()));
    NextIndex(indexKey(kind));
    QList<std::pair<QString, QString>> values = {{QStringLiteral("JUDSUBSEMNAT"), in.JudetSubsemnat}};
    if (kind == 2)
        values.push_back({QStringLiteral("CUANTUM"), in.Cuantum});
    else if (kind == 3)
        values.push_back({QStringLiteral("CUANTUM2"), in.Cuantum2});
    WriteSettings(QStringLiteral("VAR"), values);
}

} // namespace kovara