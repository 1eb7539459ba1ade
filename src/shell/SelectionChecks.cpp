#include "shell/SelectionChecks.h"

namespace kovara {

SelectionProblem CheckPeriod(const QDate &from, const QDate &to)
{
    if (!from.isValid())
        return {QStringLiteral("Data incorecta!"), 0};
    if (!to.isValid())
        return {QStringLiteral("Data incorecta!"), 1};
    if (to < from)
        return {QStringLiteral("Interval incorect!"), 1};
    return {};
}

SelectionProblem CheckDispositionRange(qint64 first, qint64 last)
{
    if (last < first || first < 1)
        return {QStringLiteral("Intervalul ales este incorect!"), 0};
    return {};
}

} // namespace kovara
