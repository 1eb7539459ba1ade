#pragma once

#include "engines/report/ReportLayout.h"

namespace kovara::report::fonts {

constexpr FontSpec F8{8, false};
constexpr FontSpec F9{9, false};
constexpr FontSpec F10{10, false};
constexpr FontSpec F10B{10, true};
constexpr FontSpec F11B{11, true};
constexpr FontSpec F12B{12, true};
constexpr FontSpec F14B{14, true};
constexpr FontSpec F16B{16, true};

inline Band TitleBand(double height, std::vector<Element> elements)
{
    return {BandKind::Title, height, false, false, kThinLine, std::move(elements)};
}
inline Band HeaderBand(double height, std::vector<Element> elements)
{
    return {BandKind::ColumnHeader, height, true, true, kThickLine, std::move(elements)};
}
inline Band DetailBand(double height, std::vector<Element> elements)
{
    return {BandKind::Detail, height, false, true, kThinLine, std::move(elements)};
}
inline Band SummaryBand(double height, std::vector<Element> elements)
{
    return {BandKind::Summary, height, false, false, kThinLine, std::move(elements)};
}

} // namespace kovara::report::fonts
