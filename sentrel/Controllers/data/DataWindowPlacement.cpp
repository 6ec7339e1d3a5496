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
    return {AboveLeft, candidates.last()};
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
