#pragma once

// What a template holds of the placeholders its document fills: those
// written intact, those missing, and those a word processor has broken
// with formatting codes ("[SOLI}{\rtlch CITANT]"), which the engine cannot
// find.

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
    bool ok() const { return present && missing.isEmpty() && broken.isEmpty(); }
};

// Checks the RTF text of the template `name`.
TemplateReport CheckTemplate(const QString &name, const QByteArray &rtf);

// The refusal of a document made from the template `name` at `path` when a
// placeholder in it is split by formatting codes: names the template, the
// keys and what to do. Empty when every placeholder can be filled (or the
// file cannot be read, which the document's own checks report).
QString BrokenTemplateText(const QString &name, const QString &path);

// The four templates of the data folder `dataDir` and Statistic.rtf, in that order.
QList<TemplateReport> CheckDataTemplates(const QString &dataDir);

} // namespace kovara
