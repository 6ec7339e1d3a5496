#include "charts/BandFill.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace Corvane::Charts {

void BandFill::fill(QPainter& painter, const QRectF& rect, const QBrush& brush)
{
    if (rect.isEmpty())
        return;
    const int left = int(std::lround(rect.left()));
    const int right = std::max(left + 1, int(std::lround(rect.right())));
    const int top = int(std::lround(rect.top()));
    const int bottom = std::max(top + 1, int(std::lround(rect.bottom())));
    const bool antialiased = painter.testRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int y = top; y < bottom; y += BAND_ROWS)
        painter.fillRect(QRect(left, y, right - left, std::min(BAND_ROWS, bottom - y)), brush);
    painter.setRenderHint(QPainter::Antialiasing, antialiased);
}

} // namespace Corvane::Charts
