#pragma once

class QPainter;

namespace Corvane::Charts {

class Axis;
class BarLayer;
class DrawArea;
class XYChart;

// Paints an XY chart that is laid out: plot area bands and grid, bars
// (clipped to the plot area), value labels, axes with ticks and labels, and
// the axis titles. X labels that would overlap the label before them are
// left out, so a dense axis stays readable.
class XYChartPainter
{
public:
    XYChartPainter(const XYChart& chart, QPainter& painter);

    void paint();

private:
    void paintPlotBackground();
    void paintGrid();
    void paintBars(const BarLayer& layer);
    void paintAggregateLabels(const BarLayer& layer);
    void paintXAxis();
    void paintYAxis();

    const XYChart& m_chart;
    QPainter& m_painter;
    const DrawArea& m_area;
};

} // namespace Corvane::Charts
