#include "utilities/FontUtilities.h"

#include <QFontMetricsF>

namespace Corvane::Utilities {

namespace {

constexpr int LargestPixelSize = 1000;

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
    int low = 0;
    int high = LargestPixelSize;
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        if (textHeight(font, middle, text) <= height)
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}

} // namespace Corvane::Utilities
