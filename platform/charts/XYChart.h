#pragma once

#include "charts/Axis.h"
#include "charts/BarLayer.h"
#include "charts/BaseChart.h"
#include "charts/PlotArea.h"

#include <memory>
#include <vector>

namespace Corvane::Charts {

// A chart with a plot area, an x axis of labelled positions below it and a
// numeric y axis on its left (or right), and bar layers in the plot area.
// Bars never leave the plot area: values beyond the y scale are cut at its
// edge, and values that are not finite draw nothing.
class XYChart : public BaseChart
{
public:
    XYChart(int width, int height, int bgColour = ChartColor::BackgroundColor, int edgeColour = ChartColor::Transparent,
            int raisedEffect = 0);
    ~XYChart() override;

    Axis* xAxis() { return &m_xAxis; }
    Axis* yAxis() { return &m_yAxis; }
    const Axis& xAxisRef() const { return m_xAxis; }
    const Axis& yAxisRef() const { return m_yAxis; }

    PlotArea* setPlotArea(int x, int y, int width, int height, int bgColour = ChartColor::Transparent,
                          int altBgColour = ChartColor::DefaultColor, int edgeColour = ChartColor::DefaultColor,
                          int hGridColour = int(0x00C0C0C0), int vGridColour = ChartColor::Transparent);
    PlotArea* getPlotArea() { return &m_plotArea; }
    const PlotArea& plotArea() const { return m_plotArea; }

    // A bar layer with one data set per value (data set i holds value i at
    // x position i), so that every bar has a colour of its own: colours[i]
    // when given, else a colour of the default palette; names[i] names set i.
    BarLayer* addBarLayer3(DoubleArray data, IntArray colours = IntArray(), StringArray names = StringArray(),
                           int depth = 0);
    const std::vector<std::unique_ptr<Layer>>& layers() const { return m_layers; }

    void setYAxisOnRight(bool onRight = true);
    bool isYAxisOnRight() const { return m_yAxisOnRight; }

    // Moves and sizes the plot area so that it, its axes, labels and titles
    // and the chart titles fill the box from (leftX, topY) to (rightX,
    // bottomY); the plot area keeps at least minWidth x minHeight (and one
    // pixel) and stays inside the chart.
    void packPlotArea(int leftX, int topY, int rightX, int bottomY, int minWidth = 0, int minHeight = 0);
    void layout() override;
    QRect plotAreaRect() const override { return m_plotArea.rect(); }

    // Geometry used in painting and hot spots.
    int xCount() const;
    double slotWidth() const;
    double xCentre(int x) const;
    double barWidth(const BarLayer& layer) const;
    // The pixel row of a y value; values far outside the scale map to rows
    // just outside the plot area.
    double valueToY(double value) const;
    double yLabelsWidth() const;
    double xLabelsHeight() const;

protected:
    void paintContent(QPainter& painter) override;
    QList<HotSpot> hotSpots() const override;

private:
    void applyDefaultFonts();
    double yBand() const;
    double xBand() const;

    Axis m_xAxis;
    Axis m_yAxis;
    PlotArea m_plotArea;
    std::vector<std::unique_ptr<Layer>> m_layers;
    bool m_yAxisOnRight = false;
};

} // namespace Corvane::Charts
