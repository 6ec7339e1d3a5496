#include "charts/ChartColor.h"

namespace Corvane::Charts {

bool ChartColor::isGradient(int colour)
{
    return (unsigned(colour) & 0xFFFF0000u) == unsigned(GradientBase);
}

int ChartColor::gradientIndex(int colour)
{
    return isGradient(colour) ? int(unsigned(colour) & 0xFFFFu) : -1;
}

QColor ChartColor::toQColor(int colour)
{
    switch (colour) {
    case BackgroundColor:
        return Qt::white;
    case LineColor:
    case TextColor:
        return Qt::black;
    default:
        break;
    }
    const unsigned value = unsigned(colour);
    QColor color = QColor::fromRgb(value & 0x00FFFFFFu);
    color.setAlpha(255 - int(value >> 24));
    return color;
}

int ChartColor::orDefault(int colour, int fallback)
{
    return colour == DefaultColor ? fallback : colour;
}

} // namespace Corvane::Charts
