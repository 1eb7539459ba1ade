#include "data/IniFile.h"
#include "data/Settings.h"

namespace kovara {
namespace {

const QString kSection = QStringLiteral("CONSTANTE");

} // namespace

MunicipalityConstants &Constants()
{
    static MunicipalityConstants constants;
    return constants;
}

const QStringList &Counties()
{
    static const QStringList counties{
        "ALBA",     "ARAD",      "ARGES",     "BACAU",     "BIHOR",         "BISTRITA-NASAUD",
        "BOTOSANI", "BRASOV",    "BRAILA",    "BUZAU",     "CARAS-SEVERIN", "CALARASI",
        "CLUJ",     "CONSTANTA", "COVASNA",   "DAMBOVITA", "DOLJ",          "GALATI",
        "GIURGIU",  "GORJ",      "HARGHITA",  "HUNEDOARA", "IALOMITA",      "IASI",
        "ILFOV",    "MARAMURES", "MEHEDINTI", "MURES",     "NEAMT",         "OLT",
        "PRAHOVA",  "SATU-MARE", "SALAJ",     "SIBIU",     "SUCEAVA",       "TELEORMAN",
        "TIMIS",    "TULCEA",    "VASLUI",    "VALCEA",    "VRANCEA",       "BUCURESTI"};
    return counties;
}

int CountyCode(const QString &county)
{
    const QStringList &counties = Counties();
    const QString wanted = county.trimmed();
    for (qsizetype i = 0; i < counties.size(); ++i) {
        if (counties[i].compare(wanted, Qt::CaseInsensitive) == 0)
            return int(i) + 1;
    }
    return 0;
}

void LoadConstants()
{
    // One reading of the file; the constants in memory change only when it
    // succeeds.
    Constants() = ReadConstants(SettingsPath());
}

MunicipalityConstants ReadConstants(const QString &settingsFile)
{
    const IniFile ini = IniFile::load(settingsFile);
    MunicipalityConstants c;
    c.PRIMARIA = ini.value(kSection, QStringLiteral("PRIMARIA"));
    c.LOCALIT = ini.value(kSection, QStringLiteral("LOCALIT"));
    const QString county = ini.value(kSection, QStringLiteral("JUDET")).toUpper();
    c.JUDET = Counties().contains(county) ? county : QString();
    c.PRIMAR = ini.value(kSection, QStringLiteral("PRIMAR"));
    c.SECRETAR = ini.value(kSection, QStringLiteral("SECRETAR"));
    c.DIRECTOR = ini.value(kSection, QStringLiteral("DIRECTOR"));
    c.INTOCMIT = ini.value(kSection, QStringLiteral("INTOCMIT"));
    c.AVIZAT = ini.value(kSection, QStringLiteral("AVIZAT"));
    c.CF = ini.value(kSection, QStringLiteral("CF"));
    return c;
}

void SaveConstants()
{
    const MunicipalityConstants &c = Constants();
    WriteSettings(kSection, {{QStringLiteral("PRIMARIA"), c.PRIMARIA},
                             {QStringLiteral("LOCALIT"), c.LOCALIT},
                             {QStringLiteral("JUDET"), c.JUDET},
                             {QStringLiteral("PRIMAR"), c.PRIMAR},
                             {QStringLiteral("SECRETAR"), c.SECRETAR},
                             {QStringLiteral("DIRECTOR"), c.DIRECTOR},
                             {QStringLiteral("INTOCMIT"), c.INTOCMIT},
                             {QStringLiteral("AVIZAT"), c.AVIZAT},
                             {QStringLiteral("CF"), c.CF}});
}

} // namespace kovara
