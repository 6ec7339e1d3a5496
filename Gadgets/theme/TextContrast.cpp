#include "theme/TextContrast.h"

#include <algorithm>
#include <cmath>

namespace Corvane::Gadgets {

namespace {

// The linear light of one sRGB channel (0..1).
qreal linearChannel(qreal channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

} // namespace

qreal TextContrast::relativeLuminance(const QColor& color)
{
    const QColor rgb = color.toRgb();
    return 0.2126 * linearChannel(rgb.redF()) + 0.7152 * linearChannel(rgb.greenF())
        + 0.0722 * linearChannel(rgb.blueF());
}

qreal TextContrast::contrastRatio(const QColor& first, const QColor& second)
{
    const qreal a = relativeLuminance(first);
    const qreal b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor TextContrast::meanColor(const QGradientStops& stops)
{
    if (stops.isEmpty())
        return QColor();
    qreal red = 0, green = 0, blue = 0, alpha = 0;
    for (const QGradientStop& stop : stops) {
        const QColor rgb = stop.second.toRgb();
        red += rgb.redF();
        green += rgb.greenF();
        blue += rgb.blueF();
        alpha += rgb.alphaF();
    }
    const qreal count = stops.size();
    return QColor::fromRgbF(float(red / count), float(green / count), float(blue / count), float(alpha / count));
}

QColor TextContrast::shadowColorFor(const QColor& text, int alpha)
{
    QColor shadow = contrastRatio(text, Qt::black) >= contrastRatio(text, Qt::white) ? QColor(Qt::black)
                                                                                      : QColor(Qt::white);
    shadow.setAlpha(alpha);
    return shadow;
}

} // namespace Corvane::Gadgets
