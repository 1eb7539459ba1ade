#include "exports/TreasuryAnnex3.h"
#include "base/FileNames.h"

#include "base/Paths.h"
#include "documents/TemplateCheck.h"
#include "documents/TemplateCommands.h"
#include "engines/rtf/RtfReplace.h"
#include "exports/ReportCommon.h"
#include "exports/TreasuryFile.h"
#include "shell/Formats.h"

#include "shell/NumberedFile.h"

#include <QDir>
#include <QFileInfo>

namespace kovara {

QString MakeTreasuryAnnex3(const Workspace &ws, const QString &treasuryFile, const QDate &transfer,
                           const QString &destination)
{
    const QString title = QStringLiteral("Anexa 3");
    const QList<QPair<QString, QString>> pairs = Annex3Pairs(ws.constants, treasuryFile, transfer);
    const QString source = ws.dataFile(QStringLiteral("Anx3.rtf"));
    if (!QFileInfo(source).isFile())
        throw ReportRefusal(title, QStringLiteral("Lipseste modelul Anexei 3, ") +
                                       QDir::toNativeSeparators(source) + QStringLiteral(" !") + LineBreak() +
                                       QLatin1String(UpdateAdvice));
    if (const QString broken = BrokenTemplateText(QStringLiteral("Anx3"), source); !broken.isEmpty())
        throw ReportRefusal(title, broken);
    RtfReplace rtf;
    rtf.setSource(source);
    const QString target = destination.isEmpty()
                               ? FreeNumberedFile(ws.programDir, QString(), QStringLiteral(".rtf"), 99)
                               : destination;
    if (target.isEmpty())
        throw ReportRefusal(title, QStringLiteral("Nu am permisiunea sa scriu in ") +
                                       QDir::toNativeSeparators(ws.programDir) + QStringLiteral(" !"));
    rtf.setDestination(target);
    // Its size known before a byte is written (a template that cannot be
    // read fails again at beginDocument, which says why).
    if (const QString tooLarge = DocumentSizeText(rtf.documentBytes({pairs}, 1), ManyFieldsCure(source));
        !tooLarge.isEmpty())
        throw ReportRefusal(title, tooLarge);
    if (!rtf.beginDocument()) {
        switch (rtf.beginFailure()) {
        case RtfReplace::BeginFailure::TemplateTooLarge:
            throw ReportRefusal(title, BrokenTemplateText(QStringLiteral("Anx3"), source));
        case RtfReplace::BeginFailure::NoParagraph:
            throw ReportRefusal(title,
                                QStringLiteral("Modelul Anexei 3, ") + QDir::toNativeSeparators(source) +
                                    QStringLiteral(", nu are nici un paragraf de completat !") + LineBreak() +
                                    RestoreAdvice(QStringLiteral("Anx3")) + QStringLiteral(" !"));
        case RtfReplace::BeginFailure::TemplateUnreadable:
            throw ReportRefusal(title, QStringLiteral("Modelul Anexei 3, ") +
                                           QDir::toNativeSeparators(source) +
                                           QStringLiteral(", nu poate fi citit !"));
        default:
            throw ReportRefusal(title,
                                QStringLiteral("Nu am permisiunea sa scriu in ") +
                                    QDir::toNativeSeparators(QFileInfo(rtf.destination()).absolutePath()) +
                                    QStringLiteral(" !"));
        }
    }
    for (const auto &[key, value] : pairs)
        rtf.addPair(key, value);
    rtf.appendCopies(1);
    rtf.endDocument();
    return rtf.destination();
}

} // namespace kovara
