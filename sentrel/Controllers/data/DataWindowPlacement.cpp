#include "DataWindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace Corvane::Sentrel::Controllers {

namespace {

int roundToNearest(double value)
{
    return int(std::lround(value));
}

} // namespace

QList<QPointF> DataWindowPlacement::spots(const QRectF& favorite, const QSizeF& dataSize)
{
    const double xf = favorite.x();
    const double yf = favorite.y();
    const double wf = favorite.width();
    const double hf = favorite.height();
    const double wd = dataSize.width();
    const double hd = dataSize.height();
    // Whole numbers, truncated toward zero.
    const double dx = std::trunc((wd - wf) / 2);
    const double dy = std::trunc((hd - hf) / 2);
    return {
        {xf + wf, yf - dy}, // right, centred
        {xf - wd, yf - dy}, // left, centred
        {xf - dx, yf - hd}, // above, centred
        {xf - dx, yf + hf}, // below, centred
        {xf + wf, yf - hd}, // above right
        {xf + wf, yf + hf}, // below right
        {xf - wd, yf + hf}, // below left
        {xf - wd, yf - hd}, // above left
    };
}

DataWindowPlacement::Result DataWindowPlacement::place(const QRect& screenArea, const QRectF& favorite,
                                                       const QRectF& data)
{
    const QList<QPointF> candidates = spots(favorite, data.size());
    for (int i = 0; i < candidates.size(); ++i) {
        const QRect rect = roundedRect(data.translated(candidates.at(i)));
        if (screenArea.contains(rect, true))
            return {Spot(i), candidates.at(i)};
    }
    // No spot fits: the one that moves least to come inside the screen.
    Result best {RightCentred, movedInside(screenArea, data, candidates.first())};
    double bestShift = -1.0;
    for (int i = 0; i < candidates.size(); ++i) {
        const QPointF moved = movedInside(screenArea, data, candidates.at(i));
        const double shift = (moved - candidates.at(i)).manhattanLength();
        if (bestShift < 0.0 || shift < bestShift) {
            best = {Spot(i), moved};
            bestShift = shift;
        }
    }
    return best;
}

QPointF DataWindowPlacement::movedInside(const QRect& screenArea, const QRectF& data, const QPointF& position)
{
    // Strictly inside, as a fitting spot is; a window larger than the area
    // keeps its top-left corner on it.
    const QRectF inside = QRectF(screenArea).adjusted(1, 1, -1, -1);
    const QRectF rect = data.translated(position);
    const auto shift = [](double low, double high, double minimum, double maximum) {
        if (low < minimum || high - low > maximum - minimum)
            return minimum - low;
        return high > maximum ? maximum - high : 0.0;
    };
    return position + QPointF(shift(rect.left(), rect.right(), inside.left(), inside.right()),
                              shift(rect.top(), rect.bottom(), inside.top(), inside.bottom()));
}

QRect DataWindowPlacement::roundedRect(const QRectF& rect)
{
    return QRect(roundToNearest(rect.x()), roundToNearest(rect.y()), roundToNearest(rect.width()),
                 roundToNearest(rect.height()));
}

QRect DataWindowPlacement::screenAreaAt(const QPoint& point)
{
    QScreen* screen = QGuiApplication::screenAt(point);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

} // namespace Corvane::Sentrel::Controllers
