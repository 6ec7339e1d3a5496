#pragma once

#include <QColor>
#include <QPixmap>
#include <QRectF>
#include <QRegion>
#include <QSize>
#include <QString>

#include <functional>

class QPainter;
class QSvgRenderer;

namespace Corvane::Gadgets::Utilities {

// The size of every picture a control renders from its skin.
//
// A skin may declare documents of any size or scale its content by any
// factor, and pictures are rendered at the size they are drawn at, so
// without a bound one control could ask for gigabytes. No picture is
// rendered above MAX_PIXELS: a larger one is rendered at that cap, with
// its aspect ratio, and drawn scaled, and a log line names the skin file it
// comes from (once per file). Pictures drawn through a painter that would
// pass the cap are rendered only for the part the painter's device shows.
class PictureSize
{
public:
    // 16 MiB of 32-bit pixels, e.g. 2048 x 2048.
    static constexpr qint64 MAX_PIXELS = 4 * 1024 * 1024;
    // Neither side longer, so that no painter meets coordinates it cannot
    // address.
    static constexpr int MAX_SIDE = 16384;

    PictureSize() = delete;

    static bool fits(const QSize& wanted);
    // wanted, or wanted scaled down to the cap; logs when it scales.
    static QSize bounded(const QSize& wanted, const QString& source);

    // A picture standing for one of size wanted, at most at the cap, filled
    // with fill and painted by paint in the coordinates of size wanted.
    static QPixmap render(const QSize& wanted, const QString& source, const QColor& fill,
                          const std::function<void(QPainter&)>& paint);
    // A region of a picture made by render() in the coordinates of size
    // wanted.
    static QRegion regionFor(const QRegion& pictureRegion, const QSize& pictureSize, const QSize& wanted);

    // Draws what paint paints into target (painter coordinates) through a
    // picture of only the part of target that the painter's device shows,
    // at most at the cap. For pictures too large to keep.
    static void drawVisiblePart(QPainter* painter, const QRectF& target, const QString& source,
                                const std::function<void(QPainter&)>& paint);
    // The device the painter paints on: a widget's painting goes to its
    // backing store, or to an image when the widget is rendered into one,
    // each with its own device pixel ratio.
    static const QPaintDevice* paintedDevice(const QPainter* painter);

    // Names a renderer's skin file in log lines.
    static QString sourceOf(const QSvgRenderer* renderer);
    // Names the active theme's theme.ini, where text sizes come from.
    static QString themeSettingsSource();

    // The largest picture, in pixels, rendered here since the last reset.
    static qint64 largestPicturePixels();
    static void resetLargestPicturePixels();

private:
    static void reportScaled(const QString& source, const QSize& wanted, const QSize& bounded);
};

} // namespace Corvane::Gadgets::Utilities
