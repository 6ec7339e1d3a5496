#pragma once

#include <QFont>

namespace Corvane::Gadgets::Utilities {

// Themes give font weights on the 0..99 scale (50 normal, 75 bold); QFont
// takes the 1..1000 scale (400 normal, 700 bold). Every themed text converts
// through here.
class LegacyFontWeight
{
public:
    LegacyFontWeight() = delete;

    static QFont::Weight toQt(int legacyWeight);
};

} // namespace Corvane::Gadgets::Utilities
