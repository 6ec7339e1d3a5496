#include "controls/PictureSize.h"

#include "theme/ThemeProvider.h"

#include "log/Logger.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QSet>
#include <QSvgRenderer>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace Corvane::Gadgets::Utilities {

using Log::Logger;

namespace {

qint64 s_largestPicturePixels = 0;

qint64 pixelsOf(const QSize& size)
{
    return qint64(std::max(0, size.width())) * std::max(0, size.height());
}

// A widget tells its size in device-independent pixels, an image or a
// pixmap in pixels.
QSize sizeInPixels(const QPaintDevice* device)
{
    const QSize size(device->width(), device->height());
    if (device->devType() != QInternal::Widget)
        return size;
    const qreal ratio = device->devicePixelRatio();
    return QSize(qCeil(size.width() * ratio), qCeil(size.height() * ratio));
}

} // namespace

bool PictureSize::fits(const QSize& wanted)
{
    return pixelsOf(wanted) <= MAX_PIXELS && wanted.width() <= MAX_SIDE && wanted.height() <= MAX_SIDE;
}

QSize PictureSize::bounded(const QSize& wanted, const QString& source)
{
    if (fits(wanted))
        return wanted;
    const qreal factor = std::min({std::sqrt(qreal(MAX_PIXELS) / qreal(pixelsOf(wanted))),
                                   qreal(MAX_SIDE) / wanted.width(), qreal(MAX_SIDE) / wanted.height()});
    const QSize scaled(std::clamp(int(wanted.width() * factor), 1, MAX_SIDE),
                       std::clamp(int(wanted.height() * factor), 1, MAX_SIDE));
    reportScaled(source, wanted, scaled);
    return scaled;
}

void PictureSize::reportScaled(const QString& source, const QSize& wanted, const QSize& bounded)
{
    static QSet<QString> reported;
    if (reported.contains(source))
        return;
    reported.insert(source);
    Logger(Logger::Error) << Q_FUNC_INFO << " The picture of " << (source.isEmpty() ? QStringLiteral("?") : source)
                          << " would take " << wanted.width() << " x " << wanted.height() << " pixels; it is drawn at "
                          << bounded.width() << " x " << bounded.height() << ", the most a picture may take";
}

QPixmap PictureSize::render(const QSize& wanted, const QString& source, const QColor& fill,
                            const std::function<void(QPainter&)>& paint)
{
    if (wanted.isEmpty())
        return QPixmap();
    const QSize size = bounded(wanted, source);
    s_largestPicturePixels = std::max(s_largestPicturePixels, pixelsOf(size));
    QPixmap pixmap(size);
    pixmap.fill(fill);
    QPainter painter(&pixmap);
    if (size != wanted)
        painter.scale(qreal(size.width()) / wanted.width(), qreal(size.height()) / wanted.height());
    paint(painter);
    painter.end();
    return pixmap;
}

QRegion PictureSize::regionFor(const QRegion& pictureRegion, const QSize& pictureSize, const QSize& wanted)
{
    if (pictureSize == wanted || pictureSize.isEmpty())
        return pictureRegion;
    return QTransform::fromScale(qreal(wanted.width()) / pictureSize.width(),
                                 qreal(wanted.height()) / pictureSize.height())
        .map(pictureRegion);
}

void PictureSize::drawVisiblePart(QPainter* painter, const QRectF& target, const QString& source,
                                  const std::function<void(QPainter&)>& paint)
{
    const QPaintDevice* device = paintedDevice(painter);
    if (!device)
        return;
    // In device pixels: the combined transformation holds the device pixel
    // ratio, which the painter goes on applying after resetTransform.
    const QTransform transform = painter->combinedTransform();
    const qreal ratio = device->devicePixelRatio();
    const QRect visible = transform.mapRect(target).toAlignedRect() & QRect(QPoint(0, 0), sizeInPixels(device));
    if (visible.isEmpty())
        return;
    const QPixmap picture = render(visible.size(), source, Qt::transparent, [&](QPainter& part) {
        part.setRenderHints(painter->renderHints());
        part.translate(-visible.topLeft());
        part.setWorldTransform(transform, true);
        paint(part);
    });
    painter->save();
    painter->resetTransform();
    painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter->drawPixmap(QRectF(QPointF(visible.topLeft()) / ratio, QSizeF(visible.size()) / ratio), picture,
                        QRectF(picture.rect()));
    painter->restore();
}

const QPaintDevice* PictureSize::paintedDevice(const QPainter* painter)
{
    const QPaintEngine* engine = painter->paintEngine();
    return engine && engine->paintDevice() ? engine->paintDevice() : painter->device();
}

QString PictureSize::sourceOf(const QSvgRenderer* renderer)
{
    return renderer ? renderer->objectName() : QString();
}

QString PictureSize::themeSettingsSource()
{
    const QString theme = ThemeProvider::themeFile();
    return QStringLiteral("%1 of %2").arg(ThemeProvider::THEME_INI_FILE,
                                          theme.isEmpty() ? ThemeProvider::DefaultThemeFolder : theme);
}

qint64 PictureSize::largestPicturePixels()
{
    return s_largestPicturePixels;
}

void PictureSize::resetLargestPicturePixels()
{
    s_largestPicturePixels = 0;
}

} // namespace Corvane::Gadgets::Utilities
