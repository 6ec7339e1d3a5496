#include "energy/QChartViewer.h"

#include "charts/BaseChart.h"
#include "charts/ImageMapHandler.h"
#include "charts/ViewPortManager.h"

#include <QBitmap>
#include <QCoreApplication>
#include <QCursor>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QToolTip>
#include <QWheelEvent>

#include <cmath>

using Corvane::Charts::BaseChart;
using Corvane::Charts::ImageMapHandler;
using Corvane::Charts::ViewPortManager;

namespace {

constexpr int CURSOR_SIZE = 32;
constexpr int CURSOR_HOT_SPOT = 15;

// Draws the glyph of a cursor: a magnifier (with "+", "-" or a bar across
// for no zoom) or the arrows of the directions a drag moves.
void drawGlyph(QPainter& painter, QChartViewer::CursorShape shape)
{
    const auto arrow = [&painter](QPointF from, QPointF to) {
        painter.drawLine(from, to);
        const QLineF line(to, from);
        QLineF head = line;
        head.setLength(5);
        head.setAngle(line.angle() + 35);
        painter.drawLine(head);
        head.setAngle(line.angle() - 35);
        painter.drawLine(head);
    };
    switch (shape) {
    case QChartViewer::ZoomInCursor:
    case QChartViewer::ZoomOutCursor:
    case QChartViewer::NoZoomCursor:
        painter.drawEllipse(QPointF(13, 13), 8, 8);
        painter.drawLine(QPointF(19, 19), QPointF(27, 27));
        if (shape != QChartViewer::NoZoomCursor)
            painter.drawLine(QPointF(9, 13), QPointF(17, 13));
        if (shape == QChartViewer::ZoomInCursor)
            painter.drawLine(QPointF(13, 9), QPointF(13, 17));
        if (shape == QChartViewer::NoZoomCursor)
            painter.drawLine(QPointF(8, 18), QPointF(18, 8));
        break;
    case QChartViewer::NoMoveHorizontalCursor:
        arrow(QPointF(15, 15), QPointF(4, 15));
        arrow(QPointF(15, 15), QPointF(26, 15));
        break;
    case QChartViewer::NoMoveVerticalCursor:
        arrow(QPointF(15, 15), QPointF(15, 4));
        arrow(QPointF(15, 15), QPointF(15, 26));
        break;
    default:
        arrow(QPointF(15, 15), QPointF(4, 15));
        arrow(QPointF(15, 15), QPointF(26, 15));
        arrow(QPointF(15, 15), QPointF(15, 4));
        arrow(QPointF(15, 15), QPointF(15, 26));
        break;
    }
}

QBitmap cursorBitmap(QChartViewer::CursorShape shape, qreal penWidth)
{
    QBitmap bitmap(CURSOR_SIZE, CURSOR_SIZE);
    bitmap.clear();
    QPainter painter(&bitmap);
    painter.setPen(QPen(Qt::color1, penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    drawGlyph(painter, shape);
    return bitmap;
}

struct Cursors
{
    std::array<std::unique_ptr<QCursor>, QChartViewer::CursorCount> cursors;
};

Cursors*& cursorStore()
{
    static Cursors* store = nullptr;
    return store;
}

// Frees the cursors before the application's pixmap support goes away.
void freeCursors()
{
    delete cursorStore();
    cursorStore() = nullptr;
}

} // namespace

QCursor QChartViewer::chartCursor(CursorShape shape)
{
    if (!cursorStore()) {
        cursorStore() = new Cursors;
        qAddPostRoutine(freeCursors);
    }
    auto& slot = cursorStore()->cursors.at(size_t(shape));
    if (!slot) {
        // A black glyph (bitmap) with a white outline (the wider mask).
        slot = std::make_unique<QCursor>(cursorBitmap(shape, 2), cursorBitmap(shape, 4), CURSOR_HOT_SPOT,
                                         CURSOR_HOT_SPOT);
    }
    return *slot;
}

QChartViewer::QChartViewer(QWidget* parent)
    : QLabel(parent)
    , m_viewPort(std::make_unique<ViewPortManager>())
    , m_lastMoveCommit(std::numeric_limits<qint64>::min() / 2)
{
    setMouseTracking(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_monotonic.start();
    m_clock = [this] { return m_monotonic.elapsed(); };
    m_holdTimer.setSingleShot(true);
    connect(&m_holdTimer, &QTimer::timeout, this, &QChartViewer::onHoldTimerTimeout);
    m_pendingMoveTimer.setSingleShot(true);
    m_pendingMoveTimer.setInterval(1);
    connect(&m_pendingMoveTimer, &QTimer::timeout, this, &QChartViewer::commitPendingMouseMove);
}

QChartViewer::~QChartViewer() = default;

void QChartViewer::setClock(const std::function<qint64()>& clock)
{
    m_clock = clock ? clock : std::function<qint64()>([this] { return m_monotonic.elapsed(); });
}

void QChartViewer::setChart(BaseChart* chart)
{
    m_chart = chart;
    setImageMap(nullptr);
    m_viewPort->commitPendingSyncAxis(chart);
    if (chart && m_updateState != UpdateNow)
        chart->makeChart3();
    updateDisplay();
}

void QChartViewer::setImageMap(const char* imageMap)
{
    m_imageMap = imageMap && *imageMap ? std::make_unique<ImageMapHandler>(imageMap) : nullptr;
    m_currentHotSpot = -1;
    m_handCursor = false;
}

void QChartViewer::setDefaultToolTip(const QString& text)
{
    m_defaultToolTip = text;
}

void QChartViewer::setSelectionBorderWidth(int width)
{
    m_selectionBorderWidth = std::max(0, width);
}

void QChartViewer::setSelectionBorderColor(const QColor& color)
{
    m_selectionBorderColor = color;
    for (QLabel* edge : m_frame) {
        if (!edge)
            continue;
        QPalette palette = edge->palette();
        palette.setColor(QPalette::Window, color);
        edge->setPalette(palette);
    }
}

void QChartViewer::setZoomInRatio(double ratio)
{
    if (std::isfinite(ratio) && ratio > 0)
        m_zoomInRatio = ratio;
}

void QChartViewer::setZoomOutRatio(double ratio)
{
    if (std::isfinite(ratio) && ratio > 0)
        m_zoomOutRatio = ratio;
}

int QChartViewer::getPlotAreaMouseX() const
{
    const QRect plot = m_viewPort->plotArea();
    return plot.isValid() ? std::clamp(m_chartMouse.x(), plot.left(), plot.left() + plot.width()) : m_chartMouse.x();
}

int QChartViewer::getPlotAreaMouseY() const
{
    const QRect plot = m_viewPort->plotArea();
    return plot.isValid() ? std::clamp(m_chartMouse.y(), plot.top(), plot.top() + plot.height()) : m_chartMouse.y();
}

bool QChartViewer::isMouseOnPlotArea() const
{
    return m_mouseOnWidget && m_viewPort->inExtendedPlotArea(m_chartMouse.x(), m_chartMouse.y());
}

void QChartViewer::updateDisplay()
{
    if (m_updateState == UpdateNow) {
        commitUpdateChart();
        return;
    }
    m_updateState = UpdateDeferredKept;
    m_keptImage.clear();
    m_keptMetrics.clear();
    m_keptSize = QSize();
    if (m_chart) {
        const Corvane::Charts::MemBlock block = m_chart->makeChart(BaseChart::PNG);
        m_keptImage = QByteArray(block.data, block.len);
        m_keptMetrics = QByteArray(m_chart->getChartMetrics());
        m_keptSize = QSize(m_chart->getWidth(), m_chart->getHeight());
    }
}

void QChartViewer::commitUpdateChart()
{
    if (m_updateState == UpdateDeferred)
        return;
    QByteArray image = m_keptImage;
    QByteArray metrics = m_keptMetrics;
    QSize size = m_keptSize;
    if (m_updateState == UpdateNow) {
        image.clear();
        if (m_chart) {
            const Corvane::Charts::MemBlock block = m_chart->makeChart(BaseChart::PNG);
            image = QByteArray(block.data, block.len);
            metrics = QByteArray(m_chart->getChartMetrics());
            size = QSize(m_chart->getWidth(), m_chart->getHeight());
        }
    }
    QPixmap pixmap;
    if (!image.isEmpty())
        pixmap.loadFromData(image, "PNG");
    setPixmap(pixmap);
    if (size.isValid())
        setFixedSize(size);
    m_viewPort->setChartMetrics(metrics.constData());
    m_keptImage.clear();
    m_keptMetrics.clear();
    m_updateState = UpdateNow;
}

void QChartViewer::updateViewPort(bool needUpdateChart, bool needUpdateImageMap)
{
    if (m_inViewPortChanged)
        return;
    m_needUpdateChart = m_needUpdateChart || needUpdateChart;
    m_needUpdateImageMap = m_needUpdateImageMap || needUpdateImageMap;
    if (m_holdTimer.isActive())
        return;
    m_viewPort->validateViewPort();
    m_inViewPortChanged = true;
    emit viewPortChanged();
    m_inViewPortChanged = false;
    if (m_updateState == UpdateDeferredKept && !m_inMouseMove)
        commitUpdateChart();
    m_needUpdateChart = false;
    m_needUpdateImageMap = false;
    if (m_updateInterval > 0) {
        m_holdTimer.setInterval(m_updateInterval);
        m_holdTimer.start();
    }
}

void QChartViewer::onHoldTimerTimeout()
{
    if (m_needUpdateChart || m_needUpdateImageMap)
        updateViewPort(m_needUpdateChart, m_needUpdateImageMap);
}

void QChartViewer::removeDynamicLayer(const char* msg)
{
    m_autoHideMessage = QString::fromUtf8(msg ? msg : "").toLower();
    if (m_autoHideMessage == QLatin1String("now"))
        applyAutoHide("now");
}

void QChartViewer::applyAutoHide(const char* msg)
{
    if (m_autoHideMessage.isEmpty() || m_autoHideMessage != QLatin1String(msg))
        return;
    if (m_chart)
        m_chart->removeDynamicLayer();
    m_autoHideMessage.clear();
    updateDisplay();
}

bool QChartViewer::isDrag(int direction, QMouseEvent* event) const
{
    const QPoint position = event->position().toPoint();
    const int dx = std::abs(position.x() - m_dragStart.x());
    const int dy = std::abs(position.y() - m_dragStart.y());
    switch (direction) {
    case DirectionHorizontal:
        return dx >= m_minimumDrag;
    case DirectionVertical:
        return dy >= m_minimumDrag;
    default:
        return dx >= m_minimumDrag || dy >= m_minimumDrag;
    }
}

void QChartViewer::mousePressEvent(QMouseEvent* event)
{
    const QPoint position = event->position().toPoint();
    if (event->button() == Qt::LeftButton && m_viewPort->inPlotArea(position.x(), position.y())
        && m_mouseUsage != MouseUsageDefault) {
        m_pressed = true;
        m_dragging = false;
        m_dragStart = position;
        m_viewPort->startDrag();
    }
    QLabel::mousePressEvent(event);
}

void QChartViewer::mouseMoveEvent(QMouseEvent* event)
{
    m_mouseOnWidget = true;
    emit mouseMove(event);
    const qint64 elapsed = m_clock() - m_lastMoveCommit;
    if (elapsed > MOVE_COMMIT_MIN_MS && (elapsed > MOVE_COMMIT_MAX_MS || !m_pendingMove)) {
        m_pendingMove.reset();
        m_pendingMoveTimer.stop();
        commitMouseMove(event);
    } else {
        const bool wasPending = bool(m_pendingMove);
        m_pendingMove.reset(static_cast<QMouseEvent*>(event->clone()));
        if (!wasPending)
            m_pendingMoveTimer.start();
    }
    updateCursor();
}

void QChartViewer::commitPendingMouseMove()
{
    if (!m_pendingMove)
        return;
    const std::unique_ptr<QMouseEvent> event = std::move(m_pendingMove);
    commitMouseMove(event.get());
    updateCursor();
}

void QChartViewer::commitMouseMove(QMouseEvent* event)
{
    m_lastMoveCommit = m_clock();
    m_chartMouse = event->position().toPoint();
    m_inMouseMove = true;
    if (m_updateState == UpdateNow)
        m_updateState = UpdateDeferred;
    m_mouseOnPlotArea = m_pressed || m_viewPort->inPlotArea(m_chartMouse.x(), m_chartMouse.y());
    if (m_pressed)
        dragStep(event);
    emit mouseMoveChart(event);
    if (m_viewPort->inExtendedPlotArea(m_chartMouse.x(), m_chartMouse.y())) {
        m_inExtendedPlotArea = true;
        emit mouseMovePlotArea(event);
    } else if (m_inExtendedPlotArea) {
        m_inExtendedPlotArea = false;
        emit mouseLeavePlotArea(event);
        applyAutoHide("mouseleaveplotarea");
    }
    updateToolTip(event);
    m_inMouseMove = false;
    if (m_updateState == UpdateDeferredKept)
        commitUpdateChart();
    m_updateState = UpdateNow;
}

void QChartViewer::updateToolTip(QMouseEvent* event)
{
    if (event->buttons() != Qt::NoButton) {
        QToolTip::hideText();
        return;
    }
    const int hotSpot = m_imageMap ? m_imageMap->getHotSpot(m_chartMouse.x(), m_chartMouse.y()) : -1;
    if (hotSpot == m_currentHotSpot)
        return;
    m_currentHotSpot = hotSpot;
    const char* title = hotSpot >= 0 ? m_imageMap->getValue("title") : nullptr;
    setToolTip(hotSpot >= 0 ? QString::fromUtf8(title ? title : "") : m_defaultToolTip);
    const char* path = hotSpot >= 0 ? m_imageMap->getValue("path") : nullptr;
    m_handCursor = path && *path;
}

void QChartViewer::dragStep(QMouseEvent* event)
{
    const QPoint position = event->position().toPoint();
    if (m_mouseUsage == MouseUsageScroll) {
        if (m_dragging || isDrag(m_scrollDirection, event)) {
            m_dragging = true;
            if (m_viewPort->dragTo(m_scrollDirection, position.x() - m_dragStart.x(), position.y() - m_dragStart.y()))
                updateViewPort(true, false);
        }
    } else if (m_mouseUsage == MouseUsageZoomIn) {
        if (m_viewPort->canZoomIn(m_zoomDirection) && isDrag(m_zoomDirection, event)) {
            m_dragging = true;
            showDragRectangle(m_dragStart, position);
        } else {
            m_dragging = false;
            hideDragRectangle();
        }
    }
}

void QChartViewer::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_pressed) {
        emit clicked(event);
        QLabel::mouseReleaseEvent(event);
        return;
    }
    hideDragRectangle();
    const QPoint position = event->position().toPoint();
    bool zoomed = false;
    if (m_mouseUsage == MouseUsageZoomIn) {
        if (isDrag(m_zoomDirection, event))
            zoomed = m_viewPort->zoomTo(m_zoomDirection, m_dragStart.x(), m_dragStart.y(), position.x(), position.y());
        else if (m_viewPort->canZoomIn(m_zoomDirection))
            zoomed = m_viewPort->zoomAt(m_zoomDirection, position.x(), position.y(), m_zoomInRatio);
    } else if (m_mouseUsage == MouseUsageZoomOut) {
        if (m_viewPort->canZoomOut(m_zoomDirection))
            zoomed = m_viewPort->zoomAt(m_zoomDirection, position.x(), position.y(), m_zoomOutRatio);
    } else if (!m_dragging) {
        emit clicked(event);
    } else {
        updateViewPort(false, true);
    }
    m_pressed = false;
    m_dragging = false;
    if (zoomed)
        updateViewPort(true, true);
    updateCursor();
    QLabel::mouseReleaseEvent(event);
}

void QChartViewer::wheelEvent(QWheelEvent* event)
{
    if (!isSignalConnected(QMetaMethod::fromSignal(&QChartViewer::mouseWheel))) {
        event->ignore();
        return;
    }
    emit mouseWheel(event);
}

void QChartViewer::enterEvent(QEnterEvent* event)
{
    m_mouseOnWidget = true;
    QLabel::enterEvent(event);
}

void QChartViewer::leaveEvent(QEvent* event)
{
    m_mouseOnWidget = false;
    if (m_inExtendedPlotArea) {
        m_inExtendedPlotArea = false;
        emit mouseLeavePlotArea(event);
        applyAutoHide("mouseleaveplotarea");
    }
    emit mouseLeaveChart(event);
    applyAutoHide("mouseleavechart");
    QLabel::leaveEvent(event);
}

void QChartViewer::updateCursor()
{
    if (m_dragging && m_mouseUsage == MouseUsageScroll) {
        const CursorShape shape = m_scrollDirection == DirectionHorizontal ? NoMoveHorizontalCursor
            : m_scrollDirection == DirectionVertical                       ? NoMoveVerticalCursor
                                                                           : NoMove2DCursor;
        setCursor(chartCursor(shape));
    } else if (m_mouseOnPlotArea && m_mouseUsage == MouseUsageZoomIn) {
        setCursor(chartCursor(m_viewPort->canZoomIn(m_zoomDirection) ? ZoomInCursor : NoZoomCursor));
    } else if (m_mouseOnPlotArea && m_mouseUsage == MouseUsageZoomOut) {
        setCursor(chartCursor(m_viewPort->canZoomOut(m_zoomDirection) ? ZoomOutCursor : NoZoomCursor));
    } else if (m_handCursor) {
        setCursor(Qt::PointingHandCursor);
    } else {
        unsetCursor();
    }
}

void QChartViewer::showDragRectangle(const QPoint& from, const QPoint& to)
{
    QRect rect = QRect(from, to).normalized();
    const QRect plot = m_viewPort->plotArea();
    if (m_zoomDirection == DirectionHorizontal)
        rect = QRect(rect.left(), plot.top(), rect.width(), plot.height());
    else if (m_zoomDirection == DirectionVertical)
        rect = QRect(plot.left(), rect.top(), plot.width(), rect.height());
    if (!m_frame[0]) {
        for (QLabel*& edge : m_frame) {
            edge = new QLabel(this);
            edge->setAutoFillBackground(true);
        }
        setSelectionBorderColor(m_selectionBorderColor);
    }
    const int w = std::max(1, m_selectionBorderWidth);
    m_frame[0]->setGeometry(rect.left(), rect.top(), rect.width(), w);
    m_frame[1]->setGeometry(rect.left(), rect.bottom() - w + 1, rect.width(), w);
    m_frame[2]->setGeometry(rect.left(), rect.top(), w, rect.height());
    m_frame[3]->setGeometry(rect.right() - w + 1, rect.top(), w, rect.height());
    for (QLabel* edge : m_frame)
        edge->show();
}

void QChartViewer::hideDragRectangle()
{
    for (QLabel* edge : m_frame) {
        if (edge)
            edge->hide();
    }
}
