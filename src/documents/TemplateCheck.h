#pragma once

// What a template holds of the placeholders its document fills: those
// written intact, those missing, and those a word processor has broken
// with formatting codes ("[SOLI}{\rtlch CITANT]"), which the engine cannot
// find; and whether the file can be a template at all (its size, its RTF
// groups, a body to fill).

#include "engines/rtf/RtfPlaceholders.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace kovara {

// The placeholders a template's document fills: "Cerere", "Disp3", "Disp4",
// "Anx3" or "Statistic" (any letter case); empty for another name.
QStringList TemplatePlaceholders(const QString &name);

struct TemplateReport
{
    QString name;                    // "Disp3", ...
    QString path;                    // the file checked
    bool present = true;             // false: the file does not exist
    QStringList intact;              // expected placeholders written as one unbroken run
    QStringList missing;             // expected placeholders not in the template at all
    QList<BrokenPlaceholder> broken; // placeholders split by formatting codes, wherever they are
    QString fault;                   // what makes the file no template ("este gol", ...); empty when sound
    bool tooLarge = false;           // above the engine's limit: not read, nothing else known
    bool ok() const { return present && fault.isEmpty() && missing.isEmpty() && broken.isEmpty(); }
};

// Checks the RTF text of the template `name`.
TemplateReport CheckTemplate(const QString &name, const QByteArray &rtf);

// The refusal of a document made from the template `name` at `path` when
// the file is above the engine's size limit, is no sound RTF
// (CheckRtfStructure: empty, not RTF, a brace too many or too few, no body)
// or has a placeholder split by formatting codes: names the template, the
// fault and what to do. Empty when the template can be used (or the file
// cannot be read, which the document's own checks report).
QString BrokenTemplateText(const QString &name, const QString &path);

// What to do about a damaged template `name`: its restore command, or for
// a template without one, updating the program.
QString TemplateCure(const QString &name);

// The refusal of a document that would have `bytes` bytes when that is over
// the engine's limit ("Documentul ar avea 600 MB, peste limita de 512 MB:
// <cure> !"); empty within the limit.
QString DocumentSizeText(qint64 bytes, const QString &cure);
// The cure of a document of one record over the limit: "modelul <path> are
// prea multe campuri de completat".
QString ManyFieldsCure(const QString &path);

// The four templates of the data folder `dataDir` and Statistic.rtf, in that order.
QList<TemplateReport> CheckDataTemplates(const QString &dataDir);

} // namespace kovara
