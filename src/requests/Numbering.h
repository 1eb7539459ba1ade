#pragma once

// The numbering of dispositions: consecutive disposition numbers, the
// disposition date and the month paid, written into the newborn requests of
// a range of request numbers, in the order of those numbers.

#include "base/Error.h"

#include <QDate>
#include <QString>
#include <functional>

namespace kovara {

struct NumberingRange
{
    int kind = 2;       // 2 newborn allowance (TIP "3"), 3 layette (TIP "4")
    qint64 firstNr = 0; // lowest request number
    QDate fromDate;     // requests dated on or after
    qint64 lastNr = 0;  // highest request number
    qint64 firstDisp = 1;
    QDate dispDate;
    int month = 1;
    int year = 2000;
};

// The work table of a run: "pilot.dbf" in the program folder.
QString NumberingWorkTable();

// The text of the failure when a leftover work table cannot be removed.
QString WorkTableLockedText(const QString &path);
// The text of the failure when no request lies in the range.
QString NothingInRangeText(const QString &firstNr, const QString &lastNr);

// The two refusals of a run, told apart from the engine's failures by
// their type: the window shows them as a message instead of an error.
class NumberingRefused : public Error
{
public:
    enum Reason { WorkTableLocked, NothingInRange };
    NumberingRefused(Reason reason, QString message)
        : Error(std::move(message))
        , m_reason(reason)
    {
    }
    Reason reason() const { return m_reason; }

private:
    Reason m_reason;
};

// Runs the numbering; `progress(done, total)` after each request (and
// once with 0 before the first). Returns the number of requests numbered.
// Refuses (NumberingRefused) with the texts above, or fails (kovara::Error)
// with the engine's own text; the work table is removed in every case it was made.
int NumberDispositions(const NumberingRange &range, const std::function<void(int, int)> &progress = {});

} // namespace kovara
