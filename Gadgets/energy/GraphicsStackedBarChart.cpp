#include "energy/GraphicsStackedBarChart.h"

#include "energy/ChartUtilities.h"
#include "energy/GraphicsChartViewer.h"

#include "charts/Axis.h"
#include "charts/XYChart.h"
#include "utilities/DoubleValue.h"
#include "utilities/MathTools.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPropertyAnimation>

#include <cfloat>
#include <cmath>

namespace Corvane::Gadgets {

using Charts::ChartColor;
using Utilities::ChartUtilities;

namespace {

int chartColor(const QColor& color)
{
    return int(ChartUtilities::toChartColor(color));
}

} // namespace

GraphicsStackedBarChart::GraphicsStackedBarChart(QGraphicsItem* parent)
    : QGraphicsObject(parent)
    , m_viewer(new GraphicsChartViewer(this))
    , m_animatedValue(new Corvane::Utilities::DoubleValue(1.0, this))
    , m_valueAnimation(new QPropertyAnimation(m_animatedValue, "value", this))
{
    m_valueAnimation->setStartValue(0.0);
    m_valueAnimation->setEndValue(1.0);
    m_valueAnimation->setDuration(ANIMATION_DURATION_MS);
    m_valueAnimation->setEasingCurve(QEasingCurve::OutCubic);
    connect(m_animatedValue, &Corvane::Utilities::DoubleValue::valueChanged, this,
            &GraphicsStackedBarChart::updateViewport);
    connect(m_valueAnimation, &QPropertyAnimation::finished, this, &GraphicsStackedBarChart::drawBarValueLabels);
}

GraphicsStackedBarChart::~GraphicsStackedBarChart()
{
    clearData();
}

QRectF GraphicsStackedBarChart::boundingRect() const
{
    return m_viewer->mapRectToParent(m_viewer->boundingRect());
}

void GraphicsStackedBarChart::paint(QPainter*, const QStyleOptionGraphicsItem*, QWidget*)
{
}

void GraphicsStackedBarChart::setData(const Series& data)
{
    if (m_valueAnimation->state() != QAbstractAnimation::Stopped)
        m_valueAnimation->stop();
    clearData();
    m_data = data;
    m_labelsHeight = -1;
    extractLayers();
    computeCurrentValues();
    m_yMax = yMax();
    gatherXLabels();
    if (m_usesAnimation && shouldDraw()) {
        m_valueAnimation->start();
        return;
    }
    // Without a growth to show, the bars stand at their full height, also
    // after a growth stopped half-way above; a new value redraws.
    if (!Corvane::Utilities::MathTools::equals(m_animatedValue->value(), 1.0))
        m_animatedValue->setValue(1.0);
    else
        updateViewport();
}

double GraphicsStackedBarChart::yMax() const
{
    double maximum = 0.0;
    for (const auto& entry : m_data) {
        double sum = 0.0;
        for (double value : entry.second) {
            if (std::isfinite(value))
                sum += value;
        }
        maximum = std::max(maximum, std::isnan(sum) ? 0.0 : std::min(sum, DBL_MAX));
    }
    return maximum;
}

void GraphicsStackedBarChart::extractLayers()
{
    m_barCount = int(m_data.size());
    m_layerCount = 0;
    for (const auto& entry : m_data)
        m_layerCount = std::max(m_layerCount, int(entry.second.size()));
    m_sourceLayers = QVector<QVector<double>>(m_layerCount, QVector<double>(m_barCount, 0.0));
    for (int bar = 0; bar < m_barCount; ++bar) {
        const QList<double>& values = m_data.at(bar).second;
        // A slot without values has no data: no bar and no value label, not
        // a bar of 0.
        if (values.isEmpty()) {
            for (int layer = 0; layer < m_layerCount; ++layer)
                m_sourceLayers[layer][bar] = std::nan("");
            continue;
        }
        for (int layer = 0; layer < values.size(); ++layer) {
            const double value = values.at(layer);
            m_sourceLayers[layer][bar] = std::isfinite(value) ? value : std::nan("");
        }
    }
    m_currentLayers = m_sourceLayers;
}

void GraphicsStackedBarChart::computeCurrentValues()
{
    const double factor = m_animatedValue->value();
    const bool mirrored = isRightToLeft();
    for (int layer = 0; layer < m_currentLayers.size(); ++layer) {
        for (int j = 0; j < m_barCount; ++j) {
            const int k = mirrored ? m_barCount - 1 - j : j;
            m_currentLayers[layer][j] = m_sourceLayers[layer][k] * factor;
        }
    }
}

void GraphicsStackedBarChart::gatherXLabels()
{
    m_xLabelTexts.clear();
    m_xLabels.clear();
    const bool mirrored = isRightToLeft();
    for (int j = 0; j < m_barCount; ++j) {
        const int i = mirrored ? m_barCount - 1 - j : j;
        m_xLabelTexts << (i % 2 == 1 ? QByteArray(" ") : m_data.at(i).first.toUtf8());
    }
    for (const QByteArray& text : std::as_const(m_xLabelTexts))
        m_xLabels << text.constData();
}

void GraphicsStackedBarChart::clearData()
{
    m_currentLayers.clear();
    m_sourceLayers.clear();
    m_xLabels.clear();
    m_xLabelTexts.clear();
}

void GraphicsStackedBarChart::setChartSize(const QSizeF& size)
{
    m_chartSize = size;
}

void GraphicsStackedBarChart::setLineAndFontScale(double scale)
{
    m_lineAndFontScale = scale;
}

void GraphicsStackedBarChart::updateViewport()
{
    if (shouldDraw())
        drawChart();
}

bool GraphicsStackedBarChart::shouldDraw() const
{
    return isVisible() && isEnabled();
}

void GraphicsStackedBarChart::redrawChart()
{
    if (shouldDraw() && !isValueAnimationRunning())
        drawBarValueLabels();
}

void GraphicsStackedBarChart::drawBarValueLabels()
{
    m_showValueLabels = m_printsBarValues;
    updateViewport();
}

void GraphicsStackedBarChart::setUsesAnimation(bool usesAnimation)
{
    if (m_usesAnimation == usesAnimation)
        return;
    m_usesAnimation = usesAnimation;
    if (!Corvane::Utilities::MathTools::equals(m_animatedValue->value(), 1.0))
        m_animatedValue->setValue(1.0);
}

bool GraphicsStackedBarChart::isValueAnimationRunning() const
{
    return m_usesAnimation && m_valueAnimation->state() == QAbstractAnimation::Running;
}

bool GraphicsStackedBarChart::isRightToLeft()
{
    return QGuiApplication::isRightToLeft();
}

double GraphicsStackedBarChart::scaledFontSize() const
{
    return m_fontSize * m_lineAndFontScale;
}

QFont GraphicsStackedBarChart::scaledFont() const
{
    QFont font = QGuiApplication::instance() ? QGuiApplication::font() : QFont();
    const double size = scaledFontSize();
    font.setPointSizeF(std::isfinite(size) && size > 0 ? size : 1.0);
    return font;
}

QList<double> GraphicsStackedBarChart::currentLayer(int layer) const
{
    return layer >= 0 && layer < m_currentLayers.size() ? QList<double>(m_currentLayers.at(layer)) : QList<double>();
}

QStringList GraphicsStackedBarChart::xLabels() const
{
    QStringList labels;
    for (const QByteArray& text : m_xLabelTexts)
        labels << QString::fromUtf8(text);
    return labels;
}

double GraphicsStackedBarChart::animatedValue() const
{
    return m_animatedValue->value();
}

void GraphicsStackedBarChart::addRect(Charts::BaseChart* chart, int x1, int y1, int x2, int y2, int colour, int width)
{
    chart->addLine(x1, y1, x1, y2, colour, width);
    chart->addLine(x1, y2, x2, y2, colour, width);
    chart->addLine(x2, y2, x2, y1, colour, width);
    chart->addLine(x2, y1, x1, y1, colour, width);
}

void GraphicsStackedBarChart::addRect(Charts::BaseChart* chart, const QRectF& rect, int colour, int width)
{
    addRect(chart, int(rect.left()), int(rect.top()), int(rect.right()), int(rect.bottom()), colour, width);
}

template<typename T>
void GraphicsStackedBarChart::setAndRedraw(T& field, const T& value)
{
    if (field == value)
        return;
    field = value;
    updateViewport();
}

void GraphicsStackedBarChart::setFontSize(int size) { setAndRedraw(m_fontSize, size); }
void GraphicsStackedBarChart::setFontFileName(const QString& fileName) { setAndRedraw(m_fontFileName, fileName); }
void GraphicsStackedBarChart::setTickLength(int length) { setAndRedraw(m_tickLength, length); }
void GraphicsStackedBarChart::setGapWidth(int width) { setAndRedraw(m_gapWidth, width); }
void GraphicsStackedBarChart::setLineThickness(int thickness) { setAndRedraw(m_lineThickness, thickness); }
void GraphicsStackedBarChart::setChartBackgroundColor(const QColor& color) { setAndRedraw(m_chartBackgroundColor, color); }
void GraphicsStackedBarChart::setEvenRowsColor(const QColor& color) { setAndRedraw(m_evenRowsColor, color); }
void GraphicsStackedBarChart::setOddRowsColor(const QColor& color) { setAndRedraw(m_oddRowsColor, color); }
void GraphicsStackedBarChart::setEdgeColor(const QColor& color) { setAndRedraw(m_edgeColor, color); }
void GraphicsStackedBarChart::setHGridLinesColor(const QColor& color) { setAndRedraw(m_hGridLinesColor, color); }
void GraphicsStackedBarChart::setVGridLinesColor(const QColor& color) { setAndRedraw(m_vGridLinesColor, color); }
void GraphicsStackedBarChart::setAxesColor(const QColor& color) { setAndRedraw(m_axesColor, color); }
void GraphicsStackedBarChart::setChartTitle(const QString& title) { setAndRedraw(m_chartTitle, title); }
void GraphicsStackedBarChart::setXAxisTitle(const QString& title) { setAndRedraw(m_xAxisTitle, title); }
void GraphicsStackedBarChart::setYAxisTitle(const QString& title) { setAndRedraw(m_yAxisTitle, title); }
void GraphicsStackedBarChart::setDefaultBarLayerColor(const QColor& color) { setAndRedraw(m_defaultBarLayerColor, color); }
void GraphicsStackedBarChart::setPrintsBarValues(bool prints) { setAndRedraw(m_printsBarValues, prints); }

void GraphicsStackedBarChart::setGridColor(const QColor& color)
{
    if (m_hGridLinesColor == color && m_vGridLinesColor == color && m_axesColor == color)
        return;
    m_hGridLinesColor = color;
    m_vGridLinesColor = color;
    m_axesColor = color;
    updateViewport();
}

void GraphicsStackedBarChart::setOddBarsColor(const GradientStops& stops)
{
    m_oddBarsColor = ChartUtilities::instance().toChartGradientStops(stops);
    updateViewport();
}

void GraphicsStackedBarChart::setEvenBarsColor(const GradientStops& stops)
{
    m_evenBarsColor = ChartUtilities::instance().toChartGradientStops(stops);
    updateViewport();
}

void GraphicsStackedBarChart::setXAxisValuesColor(const GradientStops& stops)
{
    m_xAxisValuesColor = ChartUtilities::instance().toChartGradientStops(stops);
    updateViewport();
}

void GraphicsStackedBarChart::setYAxisValuesColor(const GradientStops& stops)
{
    m_yAxisValuesColor = ChartUtilities::instance().toChartGradientStops(stops);
    updateViewport();
}

void GraphicsStackedBarChart::setOddBarsColor(const QColor& color)
{
    setOddBarsColor(ChartUtilities::solidToGradientStops(color));
}

void GraphicsStackedBarChart::setEvenBarsColor(const QColor& color)
{
    setEvenBarsColor(ChartUtilities::solidToGradientStops(color));
}

void GraphicsStackedBarChart::setXAxisValuesColor(const QColor& color)
{
    setXAxisValuesColor(ChartUtilities::solidToGradientStops(color));
}

void GraphicsStackedBarChart::setYAxisValuesColor(const QColor& color)
{
    setYAxisValuesColor(ChartUtilities::solidToGradientStops(color));
}

void GraphicsStackedBarChart::setBarLayersColorMap(const QMap<int, QColor>& colors)
{
    m_barLayersColorMap = colors;
    updateViewport();
}

void GraphicsStackedBarChart::setBarColorAtLayer(int layer, const QColor& color)
{
    if (layer >= 0)
        m_barLayersColorMap.insert(layer, color);
    updateViewport();
}

void GraphicsStackedBarChart::setDataSetTitles(const QStringList& titles)
{
    m_dataSetTitles = titles;
    updateViewport();
}

void GraphicsStackedBarChart::setUpTextBox(Charts::TextBox* box) const
{
    box->setFontStyle(m_fontFileName.toUtf8().constData(), 0);
    box->setFontSize(scaledFontSize(), 0);
}

double GraphicsStackedBarChart::xLabelsHeight(const QFontMetricsF& metrics)
{
    // Measured again only when the labels or their size changed: animation
    // frames redraw the same labels.
    if (m_labelsHeightFontSize == scaledFontSize() && m_labelsHeight >= 0)
        return m_labelsHeight;
    double height = 0;
    for (const char* label : std::as_const(m_xLabels))
        height = std::max(height, std::floor(metrics.tightBoundingRect(QString::fromUtf8(label)).height()));
    m_labelsHeight = height;
    m_labelsHeightFontSize = scaledFontSize();
    return height;
}

int GraphicsStackedBarChart::gradientColour(Charts::XYChart& chart, int x0, int y0, int x1, int y1,
                                            const ChartGradient& gradient, int fallback) const
{
    if (gradient.first <= 0)
        return fallback;
    return chart.linearGradientColor(x0, y0, x1, y1, gradient.second, gradient.first);
}

void GraphicsStackedBarChart::drawChart()
{
    const int width = qRound(m_chartSize.width());
    const int height = qRound(m_chartSize.height());
    prepareGeometryChange();
    if (m_barCount < 1 || width < 1 || height < 1) {
        m_chart.reset();
        m_viewer->setChart(QWeakPointer<Charts::BaseChart>());
        return;
    }
    const double scale = m_lineAndFontScale;
    const int lineWidth = qRound(m_lineThickness * scale);
    const int gap = qRound(m_gapWidth * scale);
    const int tick = qRound(m_tickLength * scale);
    const QByteArray font = m_fontFileName.toUtf8();

    m_chart = QSharedPointer<Charts::XYChart>::create(width, height);
    Charts::XYChart& chart = *m_chart;
    chart.setDropShadow(int(0xC4000000), 4, 0x7FFFFFFF, 4);
    chart.setTransparentColor(-1);
    chart.setRoundedFrame(int(0xFFFFFFFF), 0, -1, -1, -1);
    chart.setBackground(chartColor(m_chartBackgroundColor), ChartColor::Transparent, 0);
    chart.setAntiAlias(true, 1);
    chart.setDefaultFonts(font.constData(), font.constData(), font.constData(), font.constData());

    const double plotHeight = height - 0.01 * height - 0.25 * height;
    Charts::PlotArea* plotArea = chart.setPlotArea(
        qRound(0.25 * width), qRound(0.01 * height), qRound(width - 0.25 * width - 0.01 * width), qRound(plotHeight),
        chartColor(m_evenRowsColor), chartColor(m_oddRowsColor), chartColor(m_edgeColor), chartColor(m_hGridLinesColor),
        chartColor(m_vGridLinesColor));
    plotArea->setGridWidth(lineWidth, -1, -1, -1);
    chart.getDrawArea()->setBgColor(chartColor(m_chartBackgroundColor));

    gatherXLabels();
    computeCurrentValues();

    Charts::BarLayer* layer = chart.addBarLayer3(
        Charts::DoubleArray(m_currentLayers.isEmpty() ? nullptr : m_currentLayers.first().constData(),
                            m_currentLayers.isEmpty() ? 0 : m_barCount));
    layer->setBorderColor(ChartColor::Transparent, 0);
    layer->setDataCombineMethod(Charts::Layer::Stack);
    Charts::TextBox* valueLabels = nullptr;
    if (m_showValueLabels) {
        layer->setAggregateLabelFormat("{value}");
        valueLabels = layer->setAggregateLabelStyle(nullptr, 8, ChartColor::TextColor, 0);
        setUpTextBox(valueLabels);
        valueLabels->setFontAngle(90, false);
        if (m_usesAnimation)
            m_showValueLabels = false;
    }

    const QFontMetricsF metrics(scaledFont());
    const double labelHeight = xLabelsHeight(metrics);

    Charts::Axis* xAxis = chart.xAxis();
    xAxis->setLabels(Charts::StringArray(m_xLabels.constData(), int(m_xLabels.size())));
    xAxis->setLabelStyle(font.constData(), scaledFontSize(), ChartColor::TextColor, 0);
    xAxis->setWidth(lineWidth);
    xAxis->setTickWidth(lineWidth, -1);
    xAxis->setTickLength(tick);
    xAxis->setLabelGap(gap);
    xAxis->setTickOffset(0.5);
    chart.setYAxisOnRight(isRightToLeft());
    if (!m_xAxisTitle.isEmpty())
        setUpTextBox(xAxis->setTitle(m_xAxisTitle.toUtf8().constData(), nullptr, 8, ChartColor::TextColor));

    const int tickDensity = qRound(0.125 * plotHeight);
    Charts::Axis* yAxis = chart.yAxis();
    yAxis->setLabelStyle(font.constData(), scaledFontSize(), ChartColor::TextColor, 0);
    yAxis->setWidth(lineWidth);
    yAxis->setTickWidth(lineWidth, -1);
    yAxis->setTickLength(tick);
    yAxis->setLabelGap(gap);
    yAxis->setTickDensity(tickDensity, -1);
    yAxis->setMargin(tickDensity, 0);
    yAxis->setDateScale(0, m_yMax, 0, 0);
    if (!m_yAxisTitle.isEmpty())
        setUpTextBox(yAxis->setTitle(m_yAxisTitle.toUtf8().constData(), nullptr, 8, ChartColor::TextColor));
    if (!m_chartTitle.isEmpty())
        setUpTextBox(chart.addTitle(m_chartTitle.toUtf8().constData(), nullptr, 12, ChartColor::TextColor,
                                    ChartColor::Transparent, ChartColor::Transparent));

    chart.layout();
    const Charts::DoubleArray ticks = yAxis->getTicks();
    double valueWidth = 0;
    for (int i = 0; i < ticks.len; ++i)
        valueWidth = std::max(valueWidth, metrics.tightBoundingRect(Charts::Axis::tickLabel(ticks[i])).width());

    chart.packPlotArea(int(0.01 * m_chartSize.width()), 0, int(0.99 * m_chartSize.width()), int(m_chartSize.height()),
                       0, 0);
    colourBars(chart, *layer);
    const int yLabelColour = colourAxes(chart, valueWidth, labelHeight);
    // Value labels are written like the y axis values, readable on the
    // themed background.
    if (valueLabels)
        valueLabels->setFontColor(yLabelColour);
    m_viewer->setChart(m_chart.toWeakRef());
}

void GraphicsStackedBarChart::colourBars(Charts::XYChart& chart, Charts::BarLayer& layer)
{
    const Charts::PlotArea* plotArea = chart.getPlotArea();
    const double spacing = double(plotArea->getWidth()) / m_barCount;
    const double barWidth = spacing * 0.5;
    layer.setBarWidth(int(barWidth), -1);
    const double inset = (spacing - barWidth) * 0.5;
    for (int i = 0; i < m_barCount; ++i) {
        const int x0 = int(i * spacing + plotArea->getLeftX() + inset);
        const ChartGradient& stops = i % 2 == 0 ? m_oddBarsColor : m_evenBarsColor;
        const int colour = gradientColour(chart, x0, 0, int(x0 + barWidth), 0, stops, ChartColor::Transparent);
        if (Charts::DataSet* dataSet = layer.getDataSet(i))
            dataSet->setDataColor(colour, -1, -1, -1);
    }
}

int GraphicsStackedBarChart::colourAxes(Charts::XYChart& chart, double valueWidth, double labelHeight)
{
    const Charts::PlotArea* plotArea = chart.getPlotArea();
    const int left = plotArea->getLeftX();
    const int top = plotArea->getTopY();
    const int plotWidth = plotArea->getWidth();
    const int plotHeight = plotArea->getHeight();
    const double band = qRound(m_lineThickness * m_lineAndFontScale) + qRound(m_tickLength * m_lineAndFontScale)
        + qRound(m_gapWidth * m_lineAndFontScale);
    // Without a themed gradient the labels keep the chart's text colour.
    const int yLabels = isRightToLeft()
        ? gradientColour(chart, int(left + plotWidth + band), top, int(left + plotWidth + band + valueWidth), top,
                         m_yAxisValuesColor, ChartColor::TextColor)
        : gradientColour(chart, int(left - band - valueWidth), top, int(left - band), top, m_yAxisValuesColor,
                         ChartColor::TextColor);
    const int xLabels = gradientColour(chart, left, int(top + plotHeight + band), left,
                                       int(top + plotHeight + band + labelHeight), m_xAxisValuesColor,
                                       ChartColor::TextColor);
    const double h = QFontMetricsF(scaledFont()).height();
    const int drawHeight = chart.getDrawArea()->getHeight();
    const int yTitle = m_yAxisTitle.isEmpty()
        ? ChartColor::Transparent
        : gradientColour(chart, 0, 0, 0, int(h), m_yAxisValuesColor, ChartColor::TextColor);
    const int xTitle = m_xAxisTitle.isEmpty()
        ? ChartColor::Transparent
        : gradientColour(chart, 0, int(drawHeight - h), 0, drawHeight, m_xAxisValuesColor, ChartColor::TextColor);
    const int axes = chartColor(m_axesColor);
    chart.xAxis()->setColors(axes, xLabels, xTitle, axes);
    chart.yAxis()->setColors(axes, yLabels, yTitle, axes);
    return yLabels;
}

} // namespace Corvane::Gadgets
