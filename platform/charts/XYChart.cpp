#include "charts/XYChart.h"

#include "charts/XYChartPainter.h"

#include <algorithm>
#include <cmath>

namespace Corvane::Charts {

namespace {

const int DEFAULT_PALETTE[] = { int(0x003366CC), int(0x00DC3912), int(0x00FF9900), int(0x00109618),
                                int(0x00990099), int(0x000099C6), int(0x00DD4477), int(0x0066AA00) };

} // namespace

XYChart::XYChart(int width, int height, int bgColour, int edgeColour, int raisedEffect)
    : BaseChart(width, height)
    , m_plotArea(0, 0, std::max(1, width), std::max(1, height))
{
    setBackground(bgColour, edgeColour, raisedEffect);
}

XYChart::~XYChart() = default;

PlotArea* XYChart::setPlotArea(int x, int y, int width, int height, int bgColour, int altBgColour, int edgeColour,
                               int hGridColour, int vGridColour)
{
    m_plotArea.setRect(QRect(x, y, width, height));
    m_plotArea.setBackground(bgColour, altBgColour, edgeColour);
    m_plotArea.setGridColor(hGridColour, vGridColour);
    return &m_plotArea;
}

BarLayer* XYChart::addBarLayer3(DoubleArray data, IntArray colours, StringArray names, int)
{
    auto layer = std::make_unique<BarLayer>();
    for (int i = 0; i < data.len; ++i) {
        const int colour = i < colours.len ? colours[i] : DEFAULT_PALETTE[i % std::size(DEFAULT_PALETTE)];
        const QString name = i < names.len && names[i] ? QString::fromUtf8(names[i]) : QString();
        layer->addDataSet(i, { data[i] }, name, colour);
    }
    m_layers.push_back(std::move(layer));
    return static_cast<BarLayer*>(m_layers.back().get());
}

void XYChart::setYAxisOnRight(bool onRight)
{
    m_yAxisOnRight = onRight;
}

void XYChart::applyDefaultFonts()
{
    m_xAxis.setFallbackFont(defaultFont());
    m_yAxis.setFallbackFont(defaultFont());
    if (m_yAxis.title() && m_yAxis.title()->fontAngle() == 0)
        m_yAxis.setTitleAngle(90);
    for (const auto& layer : m_layers)
        layer->setFallbackFont(defaultFont());
}

void XYChart::layout()
{
    BaseChart::layout();
    applyDefaultFonts();
    m_yAxis.updateTicks(m_plotArea.getHeight());
}

void XYChart::packPlotArea(int leftX, int topY, int rightX, int bottomY, int minWidth, int minHeight)
{
    layout();
    const double top = topY + titlesHeight() + m_yAxis.labelStyle().size(QStringLiteral("0")).height() / 2;
    const double bottom = bottomY - xBand();
    const int height = std::max({ 1, minHeight, int(bottom - top) });
    m_plotArea.setRect(QRect(m_plotArea.getLeftX(), int(top), m_plotArea.getWidth(), height));
    // The tick labels depend on the height, their width on the labels.
    m_yAxis.updateTicks(height);
    const double band = yBand();
    const double left = m_yAxisOnRight ? leftX + 2 : leftX + band;
    const double right = m_yAxisOnRight ? rightX - band : rightX - 2;
    const int width = std::max({ 1, minWidth, int(right - left) });
    QRect rect(int(left), int(top), width, height);
    rect = rect.intersected(QRect(0, 0, std::max(1, getWidth()), std::max(1, getHeight())));
    m_plotArea.setRect(rect.isEmpty() ? QRect(0, 0, 1, 1) : rect);
    m_yAxis.updateTicks(m_plotArea.getHeight());
}

int XYChart::xCount() const
{
    int count = int(m_xAxis.labels().size());
    for (const auto& layer : m_layers)
        count = std::max(count, layer->xCount());
    return count;
}

double XYChart::slotWidth() const
{
    return double(m_plotArea.getWidth()) / std::max(1, xCount());
}

double XYChart::xCentre(int x) const
{
    return m_plotArea.getLeftX() + (x + 0.5) * slotWidth();
}

double XYChart::barWidth(const BarLayer& layer) const
{
    const double width = layer.barWidth() > 0 ? layer.barWidth() : slotWidth() * 0.8;
    return std::max(1.0, width);
}

double XYChart::valueToY(double value) const
{
    const AxisScale& scale = m_yAxis.scale();
    const double top = m_plotArea.getTopY() + m_yAxis.topMargin();
    const double bottom = m_plotArea.getBottomY() - m_yAxis.bottomMargin();
    double fraction = (value - scale.lower()) / (scale.upper() - scale.lower());
    if (!std::isfinite(fraction))
        fraction = value > scale.lower() ? 2.0 : -1.0;
    fraction = std::clamp(fraction, -1.0, 2.0);
    return bottom - fraction * (bottom - top);
}

double XYChart::yLabelsWidth() const
{
    double width = 0;
    for (double tick : m_yAxis.tickValues())
        width = std::max(width, m_yAxis.labelStyle().size(Axis::tickLabel(tick)).width());
    return width;
}

double XYChart::xLabelsHeight() const
{
    const TextBox& style = m_xAxis.labelStyle();
    if (style.fontAngle() == 0)
        return m_xAxis.labels().isEmpty() ? 0.0 : style.size(QStringLiteral("Xg")).height();
    double height = 0;
    for (const QString& label : m_xAxis.labels())
        height = std::max(height, style.size(label).height());
    return height;
}

double XYChart::yBand() const
{
    double band = std::max(0, m_yAxis.tickLength()) + m_yAxis.labelGap() + yLabelsWidth();
    if (m_yAxis.title() && !m_yAxis.title()->text().isEmpty())
        band += m_yAxis.labelGap() + m_yAxis.title()->size().width();
    return band;
}

double XYChart::xBand() const
{
    double band = std::max(0, m_xAxis.tickLength()) + m_xAxis.labelGap() + xLabelsHeight();
    if (m_xAxis.title() && !m_xAxis.title()->text().isEmpty())
        band += m_xAxis.labelGap() + m_xAxis.title()->size().height();
    return band;
}

void XYChart::paintContent(QPainter& painter)
{
    XYChartPainter(*this, painter).paint();
    paintTitles(painter);
}

QList<BaseChart::HotSpot> XYChart::hotSpots() const
{
    QList<HotSpot> spots;
    const QStringList labels = m_xAxis.labels();
    for (const auto& layer : m_layers) {
        const auto* bars = dynamic_cast<const BarLayer*>(layer.get());
        if (!bars)
            continue;
        const double width = barWidth(*bars);
        QList<double> bases(xCount(), 0.0);
        for (int index = 0; index < bars->getDataSetCount(); ++index) {
            const DataSet* dataSet = bars->getDataSet(index);
            for (int x = dataSet->firstX(); x < dataSet->firstX() + dataSet->count() && x < bases.size(); ++x) {
                const double value = dataSet->valueAt(x);
                if (!std::isfinite(value))
                    continue;
                const double base = bars->dataCombineMethod() == Layer::Stack ? bases[x] : 0.0;
                const QRectF bar(QPointF(xCentre(x) - width / 2, valueToY(base + value)),
                                 QPointF(xCentre(x) + width / 2, valueToY(base)));
                spots.append({ bar.normalized().toRect().intersected(m_plotArea.rect()), x,
                               x < labels.size() ? labels.at(x) : QString(), index, dataSet->name(), value });
                bases[x] = base + value;
            }
        }
    }
    return spots;
}

} // namespace Corvane::Charts
