#pragma once

// What a template holds of the placeholders its document fills: those
// written intact, those missing, and those a word processor has broken
// with formatting codes ("[SOLI}{\rtlch CITANT]"), which the engine cannot
// find.

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
    QString name;        // "Disp3", ...
    QString path;        // the file checked
    bool present = true; // false: the file does not exist
    QStringList intact;  // expected placeholders written as one unbroken run
    QStringList missing; // expected placeholders not in the template at all
    QStringList broken;  // bracketed placeholders split by formatting codes
    bool ok() const { return present && missing.isEmpty() && broken.isEmpty(); }
};

// Checks the RTF text of the template `name`.
TemplateReport CheckTemplate(const QString &name, const QByteArray &rtf);

// The text a reader shows of RTF: control words, groups' braces and line
// ends left out, escaped characters kept ("\{" as "{", "\'e3" as one byte).
QByteArray VisibleText(const QByteArray &rtf);

// The four templates of the data folder `dataDir` and Statistic.rtf, in that order.
QList<TemplateReport> CheckDataTemplates(const QString &dataDir);

} // namespace kovara
