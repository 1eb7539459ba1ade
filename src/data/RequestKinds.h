#pragma once

// The three kinds of request and their codes in the TIP column of the
// request table. Every statement and every window that tells the kinds apart
// takes the codes from here.
//
//   kind 1  state allowance, indemnity, incentive: a code of the letters
//           A, I, S (in that order), which sorts after "4";
//   kind 2  newborn allowance: "3";
//   kind 3  layette (trusou): "4".

#include <QString>

namespace kovara {

inline constexpr int KindStateAllowance = 1;
inline constexpr int KindNewborn = 2;
inline constexpr int KindLayette = 3;

// "3" and "4".
QString NewbornTip();
QString LayetteTip();

// The code of kind 2 or 3; empty for kind 1, which has no single code.
QString TipOfKind(int kind);

// The kind (1 to 3) of a TIP code: 1 when the code is greater than "4" (every
// combination of A, I, S), otherwise the code's number minus 1. 0 for a code
// that is none of these (empty, "1", "x").
int KindOfTip(const QString &tip);

// The TIP code of a kind-1 request from its three benefit boxes, in the
// order A, I, S; empty for the refused patterns (none, all three, I with S
// without A).
QString TipOfBenefits(bool allowance, bool indemnity, bool incentive);

// A condition on TIP selecting one kind, for a WHERE clause, with its one
// bound value: "TIP > ?" with "4" for kind 1, "TIP = ?" with the code
// otherwise.
struct KindCondition
{
    QString sql;
    QString value;
};
KindCondition KindConditionOf(int kind);

} // namespace kovara
