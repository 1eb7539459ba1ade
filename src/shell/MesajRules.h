#pragma once

// The rules of the message dialog that do not need a window: the looks of
// the message kinds, the buttons and their results, the button row layout.

#include <QString>
#include <QtGlobal>
#include <vector>

namespace kovara {

enum MesajKind : int { KindAtentie = 0, KindEroare = 1, KindInformatie = 2, KindConfirmare = 3 };

// Button bits; several may be combined.
enum MesajButton : int { BtnDa = 1, BtnNu = 2, BtnOk = 4, BtnRenunt = 8 };

// Results: the button pressed, or ResRenunt when the dialog was closed
// otherwise (Esc, close box) or nothing was shown.
enum MesajResult : int { ResOk = 1, ResRenunt = 2, ResDa = 6, ResNu = 7 };

struct MesajLook
{
    QString caption;
    quint32 from; // header and footer gradient, 0xRRGGBB
    quint32 to;
    quint32 face; // button face colour
    QString icon; // resource path of the kind's picture
};

// Every value outside 0, 2 and 3 has the look of an error.
MesajLook MesajLookOf(int kind);

struct MesajButtonKind
{
    int bit;
    QString caption;
    int result;
};

// The four buttons in the order they are shown, left to right.
const std::vector<MesajButtonKind> &MesajButtonOrder();

inline constexpr int MesajRowWidth = 342;
inline constexpr int MesajButtonWidth = 73;

// Left edges of the visible buttons spread evenly over the row.
std::vector<int> MesajButtonLefts(int visibleCount);

} // namespace kovara
