#include "utilities/FontUtilities.h"

#include <QFontMetricsF>

#include <algorithm>

namespace Corvane::Utilities {

namespace {

constexpr int LargestPixelSize = 1000;
constexpr int ReferencePixelSize = 100;

double textHeight(QFont font, int pixelSize, const QString& text)
{
    font.setPixelSize(pixelSize);
    return QFontMetricsF(font).boundingRect(text.isEmpty() ? QStringLiteral("Xg") : text).height();
}

} // namespace

int FontUtilities::heightToPixelSize(const QFont& font, double height, const QString& text)
{
    if (!(height >= 1.0))
        return 0;
    // Text grows nearly in proportion to its pixel size: a guess from one
    // measured size, then single steps to the largest size that fits. Each
    // size measured loads a font engine, so a few steps beat a bisection.
    const double reference = textHeight(font, ReferencePixelSize, text);
    int size = reference > 0.0 ? std::clamp(int(height * ReferencePixelSize / reference), 1, LargestPixelSize) : 1;
    if (textHeight(font, size, text) <= height) {
        while (size < LargestPixelSize && textHeight(font, size + 1, text) <= height)
            ++size;
        return size;
    }
    while (--size > 0 && textHeight(font, size, text) > height) {
    }
    return size;
}

} // namespace Corvane::Utilities
