#include "navigation/CursorWidget.h"

#include "utilities/InputMaskUpdater.h"
#include "utilities/WidgetUtilities.h"

#include <QCursor>
#include <QPainter>

#include <algorithm>

namespace Corvane::Gadgets::Utilities {

const int CursorWidget::FOLLOW_INTERVAL_MS = 20;

namespace {

// The faint fill of an icon's disc is part of the icon; the faintest edge
// pixels are not.
const int OPAQUE_FROM_DIVISOR = 8;

} // namespace

// The dragged icon is a faded, see-through picture: it casts no shadow, which
// would darken it from behind.
CursorWidget::CursorWidget(const QPixmap& pixmap, QWidget* parent, Desktop desktop)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint)
    , m_pixmap(pixmap)
{
    setAttribute(Qt::WA_TranslucentBackground);
    if (desktop == Desktop::ShowsOpaqueOnly) {
        m_pixmap = QPixmap::fromImage(opaquePicture(pixmap.toImage()));
        m_pixmap.setDevicePixelRatio(pixmap.devicePixelRatio());
    }
    resize(m_pixmap.deviceIndependentSize().toSize());
    // Every pixel left out of the shape is fully transparent.
    setMask(Corvane::Utilities::InputMaskUpdater::visibleRegion(grab().toImage()));
    Corvane::Utilities::WidgetUtilities::setWindgetOnTop(this, true);
    m_timer.setInterval(FOLLOW_INTERVAL_MS);
    connect(&m_timer, &QTimer::timeout, this, &CursorWidget::timerTick);
}

QImage CursorWidget::opaquePicture(const QImage& picture)
{
    QImage image = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    int strongest = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            strongest = std::max(strongest, qAlpha(line[x]));
    }
    const int opaqueFrom = std::max(1, strongest / OPAQUE_FROM_DIVISOR);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) < opaqueFrom) {
                line[x] = 0;
                continue;
            }
            const QRgb colour = qUnpremultiply(line[x]);
            line[x] = qRgba(qRed(colour), qGreen(colour), qBlue(colour), 255);
        }
    }
    return image;
}

void CursorWidget::setCorrectPos()
{
    move(QCursor::pos() - QPoint(width() / 2, height() / 2));
}

void CursorWidget::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    setCorrectPos();
    m_timer.start();
}

void CursorWidget::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    m_timer.stop();
}

void CursorWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_pixmap);
}

void CursorWidget::timerTick()
{
    setCorrectPos();
}

} // namespace Corvane::Gadgets::Utilities
