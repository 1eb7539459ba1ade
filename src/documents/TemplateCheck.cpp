#include "documents/TemplateCheck.h"

#include "documents/Models.h"
#include "documents/TemplateCommands.h"
#include "engines/rtf/RtfPlaceholders.h"
#include "engines/rtf/RtfReplace.h"
#include "engines/rtf/RtfStructure.h"

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
    report.fault = RtfStructureFaultText(CheckRtfStructure(rtf));
    return report;
}

QString TemplateCure(const QString &name)
{
    const QString advice = RestoreAdvice(name);
    return advice.isEmpty() ? QStringLiteral("Actualizati programul !") : advice + QStringLiteral(" !");
}

QString DocumentSizeText(qint64 bytes, const QString &cure)
{
    const QString fault = RtfReplace::documentSizeFault(bytes);
    return fault.isEmpty() ? fault : fault + QStringLiteral(": ") + cure + QStringLiteral(" !");
}

QString ManyFieldsCure(const QString &path)
{
    return QStringLiteral("modelul %1 are prea multe campuri de completat")
        .arg(QDir::toNativeSeparators(path));
}

QString BrokenTemplateText(const QString &name, const QString &path)
{
    // A file far larger than any template is not read at all.
    if (const QString size = RtfReplace::templateSizeFault(path); !size.isEmpty())
        return QStringLiteral("Modelul %1 %2 !").arg(QDir::toNativeSeparators(path), size) +
               QLatin1Char('\r') + TemplateCure(name);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray rtf = file.readAll();
    if (const RtfStructureFault fault = CheckRtfStructure(rtf); !fault.ok())
        return QStringLiteral("Modelul %1 %2 !")
                   .arg(QDir::toNativeSeparators(path), RtfStructureFaultText(fault)) +
               QLatin1Char('\r') + TemplateCure(name);
    const QList<BrokenPlaceholder> broken = BrokenPlaceholders(rtf);
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
        if (const QString size = RtfReplace::templateSizeFault(path); !size.isEmpty()) {
            report.name = name;
            report.fault = size;
            report.tooLarge = true;
        } else if (file.open(QIODevice::ReadOnly)) {
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
