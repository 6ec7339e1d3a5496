#include "energy/EnergyConsumptionChartDisplay.h"

#include "energy/GraphicsStackedBarChart.h"
#include "theme/ThemeProvider.h"
#include "utilities/MathTools.h"

namespace Corvane::Gadgets {

using Corvane::Utilities::MathTools;

const QString EnergyConsumptionChartDisplay::CHART_PLACEHOLDER_ID = QStringLiteral("chart_placeholder");
const QString EnergyConsumptionChartDisplay::ENERGY_CHART_CONTROL_ID = QStringLiteral("energy_chart");
const QString EnergyConsumptionChartDisplay::GRID_COLOR_SUFFIX_ID = QStringLiteral("grid_color");
const QString EnergyConsumptionChartDisplay::ODD_BARS_COLOR_SUFFIX_ID = QStringLiteral("odd_bars_color");
const QString EnergyConsumptionChartDisplay::EVEN_BARS_COLOR_SUFFIX_ID = QStringLiteral("even_bars_color");
const QString EnergyConsumptionChartDisplay::AXES_VALUES_COLOR_SUFFIX_ID = QStringLiteral("axes_values_color");
const QString EnergyConsumptionChartDisplay::FONT_SIZE_SUFFIX_ID = QStringLiteral("font_size");
const QColor EnergyConsumptionChartDisplay::DEFAULT_GRID_COLOR = Qt::black;

namespace {

const int LineThickness = 1;
const int TickLength = 5;
const int GapWidth = 3;
const int DefaultFontSize = 12;

QString chartKey(const QString& suffix)
{
    return EnergyConsumptionChartDisplay::ENERGY_CHART_CONTROL_ID + SvgControl::SUFFIX_SEPARATOR + suffix;
}

QVector<QPair<double, QColor>> toChartStops(const QGradientStops& stops)
{
    QVector<QPair<double, QColor>> result;
    for (const auto& [position, colour] : stops)
        result.append({position, colour});
    return result;
}

} // namespace

EnergyConsumptionChartDisplay::EnergyConsumptionChartDisplay(Utilities::RendererContainer* renderer,
                                                             SvgControlObject* parent)
    : SvgControlObject(renderer, parent)
    , m_chart(new GraphicsStackedBarChart(this))
{
    m_chart->setUsesAnimation(true);
    m_chartRect = boundsOnElement(CHART_PLACEHOLDER_ID);
    readThemeSettings(false);
    updateControlsPosition();
}

void EnergyConsumptionChartDisplay::setData(const Series& data)
{
    // Sized first, the chart draws new data once: at once without growing
    // bars, or from the start of their growth.
    fitChartToScale();
    m_chart->setData(data);
    if (m_chart->usesAnimation())
        m_chart->updateViewport();
}

bool EnergyConsumptionChartDisplay::hasData() const
{
    return !m_chart->data().isEmpty();
}

void EnergyConsumptionChartDisplay::setXAxisLabel(const QString& label)
{
    m_chart->setXAxisTitle(label);
}

void EnergyConsumptionChartDisplay::setYAxisLabel(const QString& label)
{
    m_chart->setYAxisTitle(label);
}

void EnergyConsumptionChartDisplay::setVisibility(bool visible)
{
    setVisible(visible);
}

void EnergyConsumptionChartDisplay::setFontFileName(const QString& fileName)
{
    m_chart->setFontFileName(fileName);
}

void EnergyConsumptionChartDisplay::updateControlsScale()
{
    fitChartToScale();
    m_chart->updateViewport();
}

void EnergyConsumptionChartDisplay::fitChartToScale()
{
    double scale = effectiveGraphicsItemScale(true);
    if (!(scale > MathTools::EPS) || !std::isfinite(scale))
        scale = 1.0;
    m_chart->setChartSize(MathTools::resizeRect(m_chartRect, scale).size());
    m_chart->setLineAndFontScale(scale);
    m_chart->setScale(1.0 / scale);
    updateControlsPosition();
}

QPointF EnergyConsumptionChartDisplay::updatedControlsPosition() const
{
    return m_chartRect.topLeft();
}

void EnergyConsumptionChartDisplay::updateControlsPosition()
{
    m_chart->setPos(updatedControlsPosition());
}

void EnergyConsumptionChartDisplay::setCustomScale(qreal scale)
{
    SvgControlObject::setCustomScale(scale);
    updateControlsScale();
}

void EnergyConsumptionChartDisplay::scaleHasFinishedChanging()
{
    SvgControlObject::scaleHasFinishedChanging();
    updateControlsScale();
}

void EnergyConsumptionChartDisplay::setOffset(const QPointF& offset)
{
    SvgControlObject::setOffset(offset);
    updateControlsPosition();
}

void EnergyConsumptionChartDisplay::parentOffsetChanged()
{
    SvgControlObject::parentOffsetChanged();
    updateControlsPosition();
}

QVariant EnergyConsumptionChartDisplay::itemChange(GraphicsItemChange change, const QVariant& value)
{
    if (change == ItemVisibleHasChanged && value.toBool())
        updateControlsScale();
    return SvgControlObject::itemChange(change, value);
}

void EnergyConsumptionChartDisplay::readThemeSettings(bool force)
{
    if (!force && m_fontSize != 0)
        return;
    const QColor grid = ThemeProvider::getColor(chartKey(GRID_COLOR_SUFFIX_ID), DEFAULT_GRID_COLOR);
    m_chart->setHGridLinesColor(grid);
    m_chart->setAxesColor(grid);
    QGradientStops stops;
    if (ThemeProvider::getGradientColorStops(chartKey(ODD_BARS_COLOR_SUFFIX_ID), stops))
        m_chart->setOddBarsColor(toChartStops(stops));
    if (ThemeProvider::getGradientColorStops(chartKey(EVEN_BARS_COLOR_SUFFIX_ID), stops))
        m_chart->setEvenBarsColor(toChartStops(stops));
    if (ThemeProvider::getGradientColorStops(chartKey(AXES_VALUES_COLOR_SUFFIX_ID), stops)) {
        m_chart->setXAxisValuesColor(toChartStops(stops));
        m_chart->setYAxisValuesColor(toChartStops(stops));
    }
    m_chart->setLineThickness(LineThickness);
    m_chart->setTickLength(TickLength);
    m_chart->setGapWidth(GapWidth);
    m_fontSize = ThemeProvider::getInt(chartKey(FONT_SIZE_SUFFIX_ID), DefaultFontSize);
    m_chart->setFontSize(m_fontSize);
}

} // namespace Corvane::Gadgets
