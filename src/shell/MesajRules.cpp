#include "shell/MesajRules.h"

namespace kovara {

MesajLook MesajLookOf(int kind)
{
    switch (kind) {
    case KindAtentie:
        return {QStringLiteral("Atentie !"), 0xB7B18A, 0x383623, 0x2C291B,
                QStringLiteral(":/icons/dialog-warning.png")};
    case KindInformatie:
        return {QStringLiteral("Informatie"), 0xE1DEFA, 0x0000BB, 0x0000FF,
                QStringLiteral(":/icons/dialog-information.png")};
    case KindConfirmare:
        return {QStringLiteral("Confirmare"), 0x81A2D3, 0x365F9C, 0x3966A8,
                QStringLiteral(":/icons/dialog-question.png")};
    default:
        return {QStringLiteral("Eroare"), 0xFFD5D5, 0xFF0000, 0xFF0000,
                QStringLiteral(":/icons/dialog-error.png")};
    }
}

const std::vector<MesajButtonKind> &MesajButtonOrder()
{
    static const std::vector<MesajButtonKind> order = {
        {BtnDa, QStringLiteral("DA"), ResDa},
        {BtnNu, QStringLiteral("NU"), ResNu},
        {BtnRenunt, QStringLiteral("RENUNT"), ResRenunt},
        {BtnOk, QStringLiteral("OK"), ResOk},
    };
    return order;
}

std::vector<int> MesajButtonLefts(int visibleCount)
{
    std::vector<int> lefts;
    if (visibleCount <= 0)
        return lefts;
    const int gap = (MesajRowWidth - MesajButtonWidth * visibleCount) / (visibleCount + 1);
    for (int r = 1; r <= visibleCount; ++r)
        lefts.push_back(r * gap + (r - 1) * MesajButtonWidth);
    return lefts;
}

} // namespace kovara
