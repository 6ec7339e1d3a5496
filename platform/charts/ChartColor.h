#pragma once

#include <QColor>

namespace Corvane::Charts {

// Colour values of the chart calls: 32-bit 0xAARRGGBB with the alpha byte
// inverted, so 0x00 is opaque and 0xFF fully transparent (0x00FF0000 is
// opaque red, 0x80FF0000 half transparent red).
//
// Values with the alpha byte 0xFF would draw nothing, so a few of them carry
// a meaning of their own:
// - 0xFF000000 (`Transparent`): nothing is drawn (no border, no background).
// - 0xFFFFFFFF, which is also -1 as an int (`DefaultColor`): "no colour
//   given"; where a call documents a default for the role (a tick colour
//   following the axis colour, a title colour following the label colour) the
//   default applies, elsewhere nothing is drawn.
// - 0xFFFF0000 + n (`Palette`): the chart's palette entry n: 0 the background
//   colour (white), 1 the line colour (black), 2 the text colour (black); so
//   0xFFFF0002 (`TextColor`) writes text in the chart's text colour.
// - 0xFFFE0000 + n (`GradientBase`): the n-th gradient that the chart's draw
//   area returned from `linearGradientColor`; usable wherever a colour is.
class ChartColor
{
public:
    ChartColor() = delete;

    static constexpr int Transparent = int(0xFF000000);
    static constexpr int DefaultColor = -1;
    static constexpr int Palette = int(0xFFFF0000);
    static constexpr int BackgroundColor = int(0xFFFF0000);
    static constexpr int LineColor = int(0xFFFF0001);
    static constexpr int TextColor = int(0xFFFF0002);
    static constexpr int GradientBase = int(0xFFFE0000);
    static constexpr int MaxGradients = 0x10000;

    static bool isGradient(int colour);
    static int gradientIndex(int colour);
    // The colour to paint: palette entries resolved, gradient handles and
    // the default value transparent.
    static QColor toQColor(int colour);
    // Resolves the default value to fallback and keeps every other value.
    static int orDefault(int colour, int fallback);
};

} // namespace Corvane::Charts
