#pragma once

class QBrush;
class QPainter;
class QRectF;

namespace Corvane::Charts {

// Fills rectangles on whole pixels (edges rounded to the nearest pixel, at
// least one pixel wide and high), without antialiasing and in bands of at
// most BAND_ROWS rows. Qt spreads a fill of more pixel runs over its thread
// pool, and for a chart's small shapes the hand-over costs far more than it
// saves.
class BandFill
{
public:
    BandFill() = delete;

    static constexpr int BAND_ROWS = 48;

    static void fill(QPainter& painter, const QRectF& rect, const QBrush& brush);
};

} // namespace Corvane::Charts
