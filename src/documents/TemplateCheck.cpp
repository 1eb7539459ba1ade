#include "documents/TemplateCheck.h"

#include "documents/Models.h"
#include "documents/TemplateCommands.h"
#include "engines/rtf/RtfPlaceholders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kovara {

QStringList TemplatePlaceholders(const QString &name)
{
    const QString n = name.toLower();
    if (n == QLatin1String("cerere"))
        return {"[NUME]", "[PRENUME]", "[CNP]", "[BISERIA]", "[BINR]", "[ADRESA]"};
    if (n == QLatin1String("disp3"))
        return {"[JUDET]",      "[LOCALITATE]", "[PRIMAR]",    "[PRIMARIA]", "[SOLICITANT]", "[NRCERERE]",
                "[DATACERERE]", "[CUANTUM]",    "[ALCATELEA]", "[COPIL]",    "[DATAN]",      "[CNSERIA]",
                "[CNNR]",       "[CNELIB]",     "[NR]",        "[PTLUNA]",   "[DATAAZI]"};
    if (n == QLatin1String("disp4"))
        return {"[JUDET]",      "[PRIMARIA]", "[LEGALITATE]", "[NR]",         "[NUMIT]",
                "[SOLICITANT]", "[CNP]",      "[CALITATE]",   "[COPII]",      "[DNEI]",
                "[LOCALITATE]", "[PRIMAR]",   "[NRCERERE]",   "[DATACERERE]", "[DATAAZI]"};
    if (n == QLatin1String("anx3"))
        return {"[CODJUD]", "[DENUMJUD]", "[CODUNIT]", "[DENUMUNIT]", "[NR]", "[SUMA]", "[DATA]"};
    if (n == QLatin1String("statistic"))
        return {"[LOCALITATE]", "[SEMESTRU]", "[ANUL]", "[NRCOPII]", "[TOTAL]", "[MASC]", "[FEM]"};
    return {};
}

TemplateReport CheckTemplate(const QString &name, const QByteArray &rtf)
{
    TemplateReport report;
    report.name = name;
    const QByteArray upper = rtf.toUpper();
    const QByteArray visible = VisibleText(rtf).toUpper();
    for (const QString &key : TemplatePlaceholders(name)) {
        const QByteArray k = key.toLatin1();
        if (upper.contains(k))
            report.intact.append(key);
        else if (!visible.contains(k))
            report.missing.append(key);
    }
    report.broken = BrokenPlaceholders(rtf);
    return report;
}

QString BrokenTemplateText(const QString &name, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QList<BrokenPlaceholder> broken = BrokenPlaceholders(file.readAll());
    if (broken.isEmpty())
        return QString();
    QStringList keys;
    for (const BrokenPlaceholder &b : broken)
        keys << b.key;
    const bool one = keys.size() == 1;
    QString text =
        QStringLiteral("Modelul %1 are %2 %3 %4 de formatari: editorul de texte %5 scris pe bucati "
                       "si programul nu %6 poate completa !")
            .arg(QDir::toNativeSeparators(path), one ? QStringLiteral("campul") : QStringLiteral("campurile"),
                 keys.join(QStringLiteral(", ")), one ? QStringLiteral("rupt") : QStringLiteral("rupte"),
                 one ? QStringLiteral("l-a") : QStringLiteral("le-a"),
                 one ? QStringLiteral("il") : QStringLiteral("le"));
    const QString advice = RestoreAdvice(name);
    text += QLatin1Char('\r');
    if (!advice.isEmpty())
        text += advice + QStringLiteral(", sau ");
    text += (one ? QStringLiteral("scrieti campul din nou") : QStringLiteral("scrieti campurile din nou")) +
            QStringLiteral(" dintr-o data, cu aceeasi formatare pentru tot textul dintre paranteze.");
    return text;
}

QList<TemplateReport> CheckDataTemplates(const QString &dataDir)
{
    QList<TemplateReport> reports;
    QStringList names = ModelNames();
    names.move(names.indexOf(QStringLiteral("Cerere")), 0);
    names.append(QStringLiteral("Statistic"));
    for (const QString &name : names) {
        const QString path = TemplatePath(dataDir, name);
        QFile file(path);
        TemplateReport report;
        if (file.open(QIODevice::ReadOnly)) {
            report = CheckTemplate(name, file.readAll());
        } else {
            report.name = name;
            report.present = false;
            report.missing = TemplatePlaceholders(name);
        }
        report.path = path;
        reports.append(report);
    }
    return reports;
}

} // namespace kovara
