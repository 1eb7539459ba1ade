#include "data/RequestKinds.h"

namespace kovara {

QString NewbornTip()
{
    return QStringLiteral("3");
}

QString LayetteTip()
{
    return QStringLiteral("4");
}

QString TipOfKind(int kind)
{
    switch (kind) {
    case KindNewborn:
        return NewbornTip();
    case KindLayette:
        return LayetteTip();
    default:
        return {};
    }
}

int KindOfTip(const QString &tip)
{
    if (tip > LayetteTip())
        return KindStateAllowance;
    if (tip == NewbornTip())
        return KindNewborn;
    if (tip == LayetteTip())
        return KindLayette;
    return 0;
}

QString TipOfBenefits(bool allowance, bool indemnity, bool incentive)
{
    if (allowance && indemnity && incentive)
        return {};
    if (!allowance && indemnity && incentive)
        return {};
    QString tip;
    if (allowance)
        tip += QLatin1Char('A');
    if (indemnity)
        tip += QLatin1Char('I');
    if (incentive)
        tip += QLatin1Char('S');
    return tip;
}

KindCondition KindConditionOf(int kind)
{
    if (kind == KindStateAllowance)
        return {QStringLiteral("TIP > ?"), LayetteTip()};
    return {QStringLiteral("TIP = ?"), TipOfKind(kind)};
}

} // namespace kovara
