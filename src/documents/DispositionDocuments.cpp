// The dispositions and the semester statistics written through the template
// engine, in line mode: the header once, each record's body in its copies,
// a page break between records, the closing brace.

#include "base/Paths.h"
#include "documents/Dispositions.h"
#include "documents/DocumentRefusal.h"
#include "documents/Models.h"
#include "documents/SemesterStatistics.h"
#include "documents/TemplateCheck.h"
#include "engines/rtf/RtfReplace.h"

#include "shell/NumberedFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kovara {
namespace {

void addValues(RtfReplace &rtf, const PlaceholderValues &values)
{
    for (const auto &[key, value] : values)
        rtf.addPair(key, value);
}

} // namespace

int WriteDispositions(const DispositionRun &run)
{
    QString source = DispositionTemplate(run.workspace.dataDir, run.kind);
    if (!QFile::exists(source)) {
        // The layette template is not written again from the program's
        // model: its absence means a damaged installation.
        if (run.kind == DispositionKind::Layette)
            throw DocumentRefusal(QStringLiteral("Vizualizare dispozitie"),
                                  LayetteTemplateMissingText(source));
        ExtractModels(run.workspace.dataDir);
        source = DispositionTemplate(run.workspace.dataDir, run.kind);
    }
    const QString broken = BrokenTemplateText(QFileInfo(source).completeBaseName(), source);
    if (!broken.isEmpty())
        throw DocumentRefusal(DispositionsTitle(), broken);
    // Every value is ready before the document is begun: a row that cannot
    // be read stops the command with nothing written.
    const QList<PlaceholderValues> sets = DispositionValueSets(run);

    RtfReplace rtf;
    rtf.setSource(source);
    rtf.setDestination(run.output);
    // So is a document too large to be written (a template that cannot be
    // read fails again at beginDocument).
    const QString tooLarge =
        DocumentSizeText(rtf.documentBytes(sets, run.copies),
                         QStringLiteral("alegeti mai putine dispozitii sau mai putine exemplare"));
    if (!tooLarge.isEmpty())
        throw DocumentRefusal(DispositionsTitle(), tooLarge);
    if (!rtf.beginDocument())
        throw DocumentRefusal(DispositionsTitle(), CannotWriteText());
    for (qsizetype i = 0; i < sets.size(); ++i) {
        addValues(rtf, sets[i]);
        rtf.appendCopies(run.copies);
        if (run.afterRow)
            run.afterRow();
        if (i + 1 < sets.size())
            rtf.appendPageBreak();
    }
    rtf.endDocument();
    return int(sets.size());
}

QString WriteStatistics(const StatisticsRun &run)
{
    const SemesterFigures figures = CountSemester(run.workspace, run.semester, run.year);
    const QString source = StatisticsTemplate(run.workspace.dataDir);
    if (!QFile::exists(source))
        throw DocumentRefusal(StatisticsTitle(), StatisticsTemplateMissingText());
    if (const QString broken = BrokenTemplateText(QStringLiteral("Statistic"), source); !broken.isEmpty())
        throw DocumentRefusal(StatisticsTitle(), broken);
    RtfReplace rtf;
    rtf.setSource(source);
    const QString target = run.output.isEmpty() ? FreeNumberedFile(run.workspace.programDir, QString(),
                                                                   QStringLiteral(".rtf"), 99)
                                                : run.output;
    if (target.isEmpty())
        throw DocumentRefusal(StatisticsTitle(), StatisticsNoFreeNameText(run.workspace.programDir));
    rtf.setDestination(target);
    // The document is begun only once the figures are known and its size is
    // within the limit; one that cannot be started is said so, not left to
    // fail half-way.
    const PlaceholderValues values =
        StatisticsValues(run.workspace.constants.PRIMARIA, run.semester, run.year, figures);
    if (const QString tooLarge = DocumentSizeText(rtf.documentBytes({values}, 1), ManyFieldsCure(source));
        !tooLarge.isEmpty())
        throw DocumentRefusal(StatisticsTitle(), tooLarge);
    if (!rtf.beginDocument())
        throw DocumentRefusal(StatisticsTitle(), CannotWriteText());
    addValues(rtf, values);
    rtf.appendCopies(1);
    rtf.endDocument();
    return rtf.destination();
}

} // namespace kovara
