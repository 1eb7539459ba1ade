// The duplicate checks of "Memoreaza" on the editor's lookup query, and the
// applicant's latest request.

#include "requests/RequestChecks.h"

#include "base/Dates.h"
#include "data/RequestKinds.h"
#include "data/RequestTable.h"
#include "engines/dbf/Query.h"

namespace kovara {
namespace {

// The rows of a kind: for kind 1 every code but those of kinds 2 and 3.
std::vector<Filter::Condition> kindConditions(int kind)
{
    using Op = Filter::Op;
    if (kind == KindStateAllowance)
        return {{"TIP", Op::NotEqual, NewbornTip()}, {"TIP", Op::NotEqual, LayetteTip()}};
    return {{"TIP", Op::Equal, TipOfKind(kind)}};
}

Filter filterOf(const std::vector<std::vector<Filter::Condition>> &groups)
{
    Filter f;
    for (const auto &group : groups) {
        bool firstInGroup = true;
        for (const auto &c : group) {
            if (firstInGroup)
                f.orWhere(c.column, c.op, c.value);
            else
                f.andWhere(c.column, c.op, c.value);
            firstInGroup = false;
        }
    }
    return f;
}

// Moves to the first (or last) of the rows passing the filter in the order
// CNP, then IDCERERE from the newest.
void goToInOrder(Query &q, bool last)
{
    int best = -1;
    QString bestCnp;
    qint64 bestId = 0;
    for (int row = 0; row < q.rowCount(); ++row) {
        q.goTo(row);
        const QString cnp = q.text(QStringLiteral("CNP"));
        const qint64 id = q.integer(QStringLiteral("IDCERERE"));
        const int byCnp = cnp.compare(bestCnp);
        const bool before = byCnp < 0 || (byCnp == 0 && id > bestId);
        if (best < 0 || before != last) {
            best = row;
            bestCnp = cnp;
            bestId = id;
        }
    }
    q.goTo(best);
}

// Clears the lookup's filter however the check ends.
struct FilterGuard
{
    Query &q;
    ~FilterGuard() { q.clearFilter(); }
};

} // namespace

void OpenLookup(Query &lookup)
{
    // No ORDER BY: sorting the whole table costs more than the checks; the
    // few rows a check finds are ordered by goToInOrder.
    lookup.open(QStringLiteral("SELECT IDCERERE, TIP, NR, DINDATA, SUBSEMN, CNP, CNP1, CNP2, CNP3 FROM %1")
                    .arg(RequestTable()));
}

std::optional<RequestRecord> LatestRequestOf(const QString &cnp)
{
    Query q;
    q.open(
        QStringLiteral("SELECT * FROM %1 WHERE CNP = ? ORDER BY IDCERERE DESC LIMIT 1").arg(RequestTable()),
        {cnp});
    if (q.isEmpty())
        return std::nullopt;
    return RequestFromQuery(q);
}

std::optional<QString> DuplicateNumber(Query &lookup, int kind, const QString &nr, const QDate &today,
                                       qint64 ownId, const QDate &requestDate)
{
    using Op = Filter::Op;
    auto group = kindConditions(kind);
    group.push_back({"NR", Op::Equal, nr.trimmed().toLongLong()});
    if (ownId != 0 && requestDate.isValid()) {
        group.push_back({"DINDATA", Op::GreaterOrEqual, QDate(requestDate.year(), 1, 1)});
        group.push_back({"DINDATA", Op::LessOrEqual, QDate(requestDate.year(), 12, 31)});
    } else {
        group.push_back({"DINDATA", Op::GreaterOrEqual, QDate(today.year(), 1, 1)});
    }
    if (ownId != 0)
        group.push_back({"IDCERERE", Op::NotEqual, ownId});
    FilterGuard guard{lookup};
    lookup.setFilter(filterOf({group}));
    if (lookup.isEmpty())
        return std::nullopt;
    goToInOrder(lookup, false);
    return QStringLiteral("Exista deja cererea cu nr.") + nr + QStringLiteral(" / ") +
           FormatDate(lookup.date(QStringLiteral("DINDATA"))) + QStringLiteral(" !\r\n") +
           QStringLiteral("Nume solicitant : ") + lookup.text(QStringLiteral("SUBSEMN")) +
           QStringLiteral(".");
}

std::optional<ChildrenFound> ChildrenElsewhere(Query &lookup, int kind, const RequestInput &in, qint64 ownId)
{
    using Op = Filter::Op;
    QStringList codes;
    QStringList columns;
    if (kind == 1) {
        codes = {in.CNP1, in.CNP2, in.CNP3};
        columns = {"CNP1", "CNP2", "CNP3"};
    } else if (kind == 3) {
        codes = {in.CNP21, in.CNP22, in.CNP23};
        columns = {"CNP1", "CNP2", "CNP3"};
    } else {
        codes = {in.CNPCopil};
        columns = {"CNP1"};
    }
    std::vector<std::vector<Filter::Condition>> groups;
    for (int i = 0; i < codes.size(); ++i) {
        if (i > 0 && codes[i].isEmpty())
            continue;
        for (const QString &column : columns) {
            auto group = kindConditions(kind);
            group.push_back({column, Op::Equal, codes[i]});
            if (ownId != 0)
                group.push_back({"IDCERERE", Op::NotEqual, ownId});
            groups.push_back(std::move(group));
        }
    }
    FilterGuard guard{lookup};
    lookup.setFilter(filterOf(groups));
    if (lookup.isEmpty())
        return std::nullopt;
    goToInOrder(lookup, true);
    ChildrenFound found;
    found.count = lookup.rowCount();
    found.question = QStringLiteral("C.N.P. copil mai apare in ") + QString::number(found.count) +
                     QStringLiteral(" cereri!\r\nVezi cererea nr.") + lookup.text(QStringLiteral("NR")) +
                     QStringLiteral(" / ") + FormatDate(lookup.date(QStringLiteral("DINDATA"))) +
                     QStringLiteral(", solicitant ") + lookup.text(QStringLiteral("SUBSEMN")) +
                     QStringLiteral(" !\r\nContinuati memorarea?");
    return found;
}

} // namespace kovara
