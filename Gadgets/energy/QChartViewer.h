#pragma once

#include <QColor>
#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>

namespace Corvane::Charts {
class BaseChart;
class ImageMapHandler;
class ViewPortManager;
}

// A widget that shows a chart of the charts layer and lets the user work with
// it: tool tips from the chart's image map, zooming in and out by click or
// rectangle, scrolling by dragging, mouse signals per chart and plot area,
// and view-port updates held back to one per update interval.
//
// Mouse usage: 1 scrolls by dragging, 3 zooms in, 4 zooms out; any other
// value only reports clicks. Directions: 0 horizontal, 1 vertical, 2 both.
// Mouse moves are committed at most about every 10 ms (and at least every
// 250 ms while moves keep coming), timed by a monotonic clock; a move that
// comes sooner waits for the next one or for a 1 ms timer.
class QChartViewer : public QLabel
{
    Q_OBJECT

public:
    enum MouseUsage { MouseUsageDefault = 0, MouseUsageScroll = 1, MouseUsageZoomIn = 3, MouseUsageZoomOut = 4 };
    enum Direction { DirectionHorizontal = 0, DirectionVertical = 1, DirectionHorizontalVertical = 2 };
    enum CursorShape { ZoomInCursor, ZoomOutCursor, NoZoomCursor, NoMoveHorizontalCursor, NoMoveVerticalCursor,
                       NoMove2DCursor, CursorCount };

    // Shortest and longest time between two committed mouse moves.
    static constexpr qint64 MOVE_COMMIT_MIN_MS = 9;
    static constexpr qint64 MOVE_COMMIT_MAX_MS = 249;

    explicit QChartViewer(QWidget* parent = nullptr);
    ~QChartViewer() override;

    // Shows the chart (not owned; it must outlive its display here).
    void setChart(Corvane::Charts::BaseChart* chart);
    Corvane::Charts::BaseChart* getChart() const { return m_chart; }
    // The image map text of the shown chart (see Charts::BaseChart); null or
    // empty removes it.
    void setImageMap(const char* imageMap);
    Corvane::Charts::ImageMapHandler* getImageMapHandler() const { return m_imageMap.get(); }
    Corvane::Charts::ViewPortManager* viewPortManager() const { return m_viewPort.get(); }

    void setDefaultToolTip(const QString& text);
    QString getDefaultToolTip() const { return m_defaultToolTip; }
    void setSelectionBorderWidth(int width);
    int getSelectionBorderWidth() const { return m_selectionBorderWidth; }
    void setSelectionBorderColor(const QColor& color);
    QColor getSelectionBorderColor() const { return m_selectionBorderColor; }
    void setMouseUsage(int usage) { m_mouseUsage = usage; }
    int getMouseUsage() const { return m_mouseUsage; }
    void setZoomDirection(int direction) { m_zoomDirection = direction; }
    int getZoomDirection() const { return m_zoomDirection; }
    void setScrollDirection(int direction) { m_scrollDirection = direction; }
    int getScrollDirection() const { return m_scrollDirection; }
    void setZoomInRatio(double ratio);
    double getZoomInRatio() const { return m_zoomInRatio; }
    void setZoomOutRatio(double ratio);
    double getZoomOutRatio() const { return m_zoomOutRatio; }
    void setMinimumDrag(int pixels) { m_minimumDrag = std::max(0, pixels); }
    int getMinimumDrag() const { return m_minimumDrag; }
    void setUpdateInterval(int milliseconds) { m_updateInterval = std::max(0, milliseconds); }
    int getUpdateInterval() const { return m_updateInterval; }

    bool needUpdateChart() const { return m_needUpdateChart; }
    bool needUpdateImageMap() const { return m_needUpdateImageMap; }
    bool isInMouseMoveEvent() const { return m_inMouseMove; }
    bool isInViewPortChangedEvent() const { return m_inViewPortChanged; }
    int getChartMouseX() const { return m_chartMouse.x(); }
    int getChartMouseY() const { return m_chartMouse.y(); }
    int getPlotAreaMouseX() const;
    int getPlotAreaMouseY() const;
    bool isMouseOnPlotArea() const;

    void updateDisplay();
    void updateViewPort(bool needUpdateChart, bool needUpdateImageMap);
    // Removes the chart's dynamic layer when the event named by msg happens
    // ("mouseleaveplotarea", "mouseleavechart"), or at once for "now".
    void removeDynamicLayer(const char* msg);

    // The clock of the mouse-move throttling in milliseconds (monotonic by
    // default).
    void setClock(const std::function<qint64()>& clock);
    // The cursor of a shape, drawn on first use.
    static QCursor chartCursor(CursorShape shape);

signals:
    void viewPortChanged();
    void clicked(QMouseEvent* event);
    void mouseMove(QMouseEvent* event);
    void mouseWheel(QWheelEvent* event);
    void mouseMoveChart(QMouseEvent* event);
    void mouseLeaveChart(QEvent* event);
    void mouseMovePlotArea(QMouseEvent* event);
    void mouseLeavePlotArea(QEvent* event);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    enum UpdateState { UpdateNow = 0, UpdateDeferred = 1, UpdateDeferredKept = 2 };

    void commitMouseMove(QMouseEvent* event);
    void commitPendingMouseMove();
    void dragStep(QMouseEvent* event);
    void updateToolTip(QMouseEvent* event);
    void commitUpdateChart();
    void onHoldTimerTimeout();
    bool isDrag(int direction, QMouseEvent* event) const;
    void applyAutoHide(const char* msg);
    void updateCursor();
    void showDragRectangle(const QPoint& from, const QPoint& to);
    void hideDragRectangle();

    std::unique_ptr<Corvane::Charts::ViewPortManager> m_viewPort;
    Corvane::Charts::BaseChart* m_chart = nullptr;
    std::unique_ptr<Corvane::Charts::ImageMapHandler> m_imageMap;
    QString m_defaultToolTip;
    QColor m_selectionBorderColor = Qt::black;
    int m_selectionBorderWidth = 2;
    int m_mouseUsage = MouseUsageDefault;
    int m_zoomDirection = DirectionHorizontal;
    int m_scrollDirection = DirectionHorizontal;
    double m_zoomInRatio = 2.0;
    double m_zoomOutRatio = 0.5;
    int m_minimumDrag = 5;
    int m_updateInterval = 20;

    bool m_needUpdateChart = false;
    bool m_needUpdateImageMap = false;
    int m_currentHotSpot = -1;
    bool m_handCursor = false;
    bool m_mouseOnWidget = false;
    bool m_mouseOnPlotArea = false;
    bool m_inExtendedPlotArea = false;
    bool m_pressed = false;
    bool m_dragging = false;
    QPoint m_dragStart;
    QPoint m_chartMouse;
    bool m_inMouseMove = false;
    bool m_inViewPortChanged = false;
    QTimer m_holdTimer;
    std::unique_ptr<QMouseEvent> m_pendingMove;
    QTimer m_pendingMoveTimer;
    std::function<qint64()> m_clock;
    QElapsedTimer m_monotonic;
    qint64 m_lastMoveCommit;
    int m_updateState = UpdateNow;
    QByteArray m_keptImage;
    QByteArray m_keptMetrics;
    QSize m_keptSize;
    QString m_autoHideMessage;
    std::array<QLabel*, 4> m_frame {};
};
