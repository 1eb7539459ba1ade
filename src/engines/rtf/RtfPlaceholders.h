#pragma once

// Placeholders as a word processor may leave them. A placeholder is a
// bracketed word of capitals and digits ("[SOLICITANT]"); the engine finds
// it only when the file holds it as one run of text. A word processor that
// changes the formatting inside it splits it with control codes
// ("[SOLI{\rtlch\fcs1 \af0 CITANT}]"): the reader still shows the word, but
// nothing can fill it.

#include <QByteArray>
#include <QList>
#include <QString>

namespace kovara {

// The text a reader shows of RTF: control words, groups' braces and line
// ends left out, escaped characters kept ("\{" as "{", "\'e3" as one byte).
QByteArray VisibleText(const QByteArray &rtf);

struct BrokenPlaceholder
{
    QString key; // "[SOLICITANT]"
    int count;   // occurrences split by formatting codes
};

// Every placeholder the reader shows more often than the file holds it in
// one run, in the order of first appearance: a key intact in one place and
// split in another is broken all the same.
QList<BrokenPlaceholder> BrokenPlaceholders(const QByteArray &rtf);

} // namespace kovara
