#pragma once

#include <QRect>

namespace Corvane::Charts {

class BaseChart;

// The view port of a zoomable chart: the part of the full data range that
// the chart shows, as fractions (left, top, width, height) of the full range
// from 0 to 1. The manager zooms and drags it in pixels of the chart's plot
// area (learnt from the chart's metrics) and keeps it valid: inside 0..1 and
// no narrower than the zoom-in limit nor wider than the zoom-out limit. A
// program reads the view port back to draw the range it covers, for example
// the x values from min + left x (max - min) to min + (left + width) x
// (max - min).
//
// Directions: 0 horizontal, 1 vertical, 2 both.
class ViewPortManager
{
public:
    enum Direction { Horizontal = 0, Vertical = 1, HorizontalVertical = 2 };

    // Pixels around the plot area that still count as on it for the
    // extended plot-area test.
    static constexpr int EXTENDED_MARGIN = 8;

    // Reads "plotarea=<left>,<top>,<width>,<height>" of a chart's metrics.
    void setChartMetrics(const char* metrics);
    // Takes the plot area of the chart now (the chart laid out before).
    void commitPendingSyncAxis(BaseChart* chart);
    QRect plotArea() const { return m_plotArea; }

    double getViewPortLeft() const { return m_left; }
    double getViewPortTop() const { return m_top; }
    double getViewPortWidth() const { return m_width; }
    double getViewPortHeight() const { return m_height; }
    void setViewPortLeft(double left) { m_left = left; }
    void setViewPortTop(double top) { m_top = top; }
    void setViewPortWidth(double width) { m_width = width; }
    void setViewPortHeight(double height) { m_height = height; }
    // Narrowest and widest view port (fractions of the full range).
    void setZoomInWidthLimit(double limit);
    void setZoomOutWidthLimit(double limit);
    void setZoomInHeightLimit(double limit);
    void setZoomOutHeightLimit(double limit);

    // Brings the view port back into 0..1 and within the limits.
    void validateViewPort();

    bool inPlotArea(int x, int y) const;
    bool inExtendedPlotArea(int x, int y) const;

    bool canZoomIn(int direction) const;
    bool canZoomOut(int direction) const;
    // Zooms by ratio (above 1 in, below 1 out) keeping the point (x, y) of the
    // plot area fixed; true when the view port changed.
    bool zoomAt(int direction, int x, int y, double ratio);
    // Zooms into the pixel rectangle (x1, y1)-(x2, y2) of the plot area.
    bool zoomTo(int direction, int x1, int y1, int x2, int y2);
    // Remembers the view port as the start of a drag.
    void startDrag();
    // Moves the view port of the drag start so that the content follows the
    // mouse by (dx, dy) pixels; true when the view port changed.
    bool dragTo(int direction, int dx, int dy);

private:
    bool horizontal(int direction) const { return direction != Vertical; }
    bool vertical(int direction) const { return direction != Horizontal; }
    bool setViewPort(double left, double top, double width, double height);

    QRect m_plotArea;
    double m_left = 0.0;
    double m_top = 0.0;
    double m_width = 1.0;
    double m_height = 1.0;
    double m_zoomInWidth = 0.01;
    double m_zoomOutWidth = 1.0;
    double m_zoomInHeight = 0.01;
    double m_zoomOutHeight = 1.0;
    double m_dragLeft = 0.0;
    double m_dragTop = 0.0;
};

} // namespace Corvane::Charts
