#include "utilities/InputMaskUpdater.h"

#include <QList>
#include <QRect>

namespace Corvane::Utilities {

namespace {

struct Run
{
    int left;
    int right; // exclusive
    bool operator==(const Run&) const = default;
};

QList<Run> visibleRuns(const QImage& image, int y)
{
    QList<Run> runs;
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    const int width = image.width();
    int x = 0;
    while (x < width) {
        while (x < width && qAlpha(line[x]) == 0)
            ++x;
        if (x == width)
            break;
        const int left = x;
        while (x < width && qAlpha(line[x]) != 0)
            ++x;
        runs.append({left, x});
    }
    return runs;
}

// Rows with the same runs form one band of rectangles, which keeps the
// region's rectangle count low and its bands in the order QRegion expects.
void appendBand(QList<QRect>& rectangles, const QList<Run>& runs, int top, int bottom, const QPoint& offset)
{
    for (const Run& run : runs)
        rectangles.append(QRect(QPoint(run.left, top) + offset, QPoint(run.right - 1, bottom - 1) + offset));
}

} // namespace

QRegion InputMaskUpdater::visibleRegion(const QImage& source, const QPoint& offset)
{
    if (source.isNull())
        return QRegion();
    const bool argb = source.format() == QImage::Format_ARGB32 || source.format() == QImage::Format_ARGB32_Premultiplied;
    const QImage image = argb ? source : source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QList<QRect> rectangles;
    QList<Run> bandRuns;
    int bandTop = 0;
    for (int y = 0; y < image.height(); ++y) {
        QList<Run> runs = visibleRuns(image, y);
        if (runs == bandRuns)
            continue;
        appendBand(rectangles, bandRuns, bandTop, y, offset);
        bandRuns = std::move(runs);
        bandTop = y;
    }
    appendBand(rectangles, bandRuns, bandTop, image.height(), offset);

    QRegion region;
    region.setRects(rectangles.constData(), int(rectangles.size()));
    return region;
}

void InputMaskUpdater::start()
{
    m_running = true;
}

void InputMaskUpdater::stop()
{
    m_running = false;
}

void InputMaskUpdater::updateMask(const QImage& image, const QPoint& offset, quint64 serial)
{
    if (!m_running)
        return;
    Q_EMIT maskReady(visibleRegion(image, offset), serial);
}

} // namespace Corvane::Utilities
