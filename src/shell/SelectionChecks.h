#pragma once

// The checks of what a selection dialog asks for (a period, a range of
// disposition numbers), shared by the dialogs and kovara-cli so that the
// command line refuses exactly what the windows refuse, with the same words.

#include <QDate>
#include <QString>

namespace kovara {

// What is wrong with a selection; an empty text when nothing is.
struct SelectionProblem
{
    QString text;
    int field = 0; // the field the dialog points at: 0 the first, 1 the second

    bool ok() const { return text.isEmpty(); }
};

// A period from..to: "Data incorecta!" for a date that is no date (the first
// such field), "Interval incorect!" (at the second field) when it ends before
// it begins.
SelectionProblem CheckPeriod(const QDate &from, const QDate &to);

// Disposition numbers first..last: they start at 1 and the range may not be
// reversed; "Intervalul ales este incorect!" (at the first field).
SelectionProblem CheckDispositionRange(qint64 first, qint64 last);

} // namespace kovara
