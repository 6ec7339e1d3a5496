#include "theme/LegacyFontWeight.h"

#include <array>
#include <utility>

namespace Corvane::Gadgets::Utilities {

QFont::Weight LegacyFontWeight::toQt(int legacyWeight)
{
    // Anchor points of the two scales; weights in between are interpolated.
    static constexpr std::array<std::pair<int, int>, 10> anchors{{
        {0, QFont::Thin},
        {12, QFont::ExtraLight},
        {25, QFont::Light},
        {50, QFont::Normal},
        {57, QFont::Medium},
        {63, QFont::DemiBold},
        {75, QFont::Bold},
        {81, QFont::ExtraBold},
        {87, QFont::Black},
        {99, 1000},
    }};
    const int weight = qBound(anchors.front().first, legacyWeight, anchors.back().first);
    for (size_t i = 1; i < anchors.size(); ++i) {
        const auto [fromLegacy, fromQt] = anchors[i - 1];
        const auto [toLegacy, toQt] = anchors[i];
        if (weight <= toLegacy)
            return QFont::Weight(fromQt + (weight - fromLegacy) * (toQt - fromQt) / (toLegacy - fromLegacy));
    }
    return QFont::Weight(anchors.back().second);
}

} // namespace Corvane::Gadgets::Utilities
