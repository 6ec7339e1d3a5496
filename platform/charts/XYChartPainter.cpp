#include "charts/XYChartPainter.h"

#include "charts/BandFill.h"
#include "charts/XYChart.h"

#include <QPainter>

#include <cmath>

namespace Corvane::Charts {

namespace {

// Ticks of a dense label axis closer than this are left out.
constexpr double MIN_TICK_SPACING = 2.0;
constexpr double MIN_LABEL_SPACING = 2.0;

} // namespace

XYChartPainter::XYChartPainter(const XYChart& chart, QPainter& painter)
    : m_chart(chart)
    , m_painter(painter)
    , m_area(chart.drawArea())
{
}

void XYChartPainter::paint()
{
    paintPlotBackground();
    paintGrid();
    for (const auto& layer : m_chart.layers()) {
        if (const auto* bars = dynamic_cast<const BarLayer*>(layer.get()))
            paintBars(*bars);
    }
    const PlotArea& plot = m_chart.plotArea();
    if (m_area.isVisible(plot.edgeColor())) {
        const QRectF r = plot.rect();
        const QBrush edge = m_area.brush(plot.edgeColor());
        BandFill::fill(m_painter, QRectF(r.left(), r.top(), r.width(), 1), edge);
        BandFill::fill(m_painter, QRectF(r.left(), r.bottom(), r.width(), 1), edge);
        BandFill::fill(m_painter, QRectF(r.left(), r.top(), 1, r.height()), edge);
        BandFill::fill(m_painter, QRectF(r.right(), r.top(), 1, r.height()), edge);
    }
    paintXAxis();
    paintYAxis();
    for (const auto& layer : m_chart.layers()) {
        if (const auto* bars = dynamic_cast<const BarLayer*>(layer.get()))
            paintAggregateLabels(*bars);
    }
}

void XYChartPainter::paintPlotBackground()
{
    const PlotArea& plot = m_chart.plotArea();
    const QList<double> ticks = m_chart.yAxisRef().tickValues();
    double bottom = plot.getBottomY();
    for (int band = 0; band <= ticks.size(); ++band) {
        const double top = band < ticks.size() ? m_chart.valueToY(ticks.at(band)) : plot.getTopY();
        const int colour = band % 2 == 0 ? plot.background() : plot.altBackground();
        const QRectF rect = QRectF(QPointF(plot.getLeftX(), top), QPointF(plot.getRightX(), bottom))
                                .normalized()
                                .intersected(plot.rect());
        if (!rect.isEmpty() && m_area.isVisible(colour))
            BandFill::fill(m_painter, rect, m_area.brush(colour));
        bottom = std::min(bottom, top);
    }
}

void XYChartPainter::paintGrid()
{
    const PlotArea& plot = m_chart.plotArea();
    if (m_area.isVisible(plot.hGridColor()) && plot.hGridWidth() > 0) {
        m_painter.setPen(QPen(m_area.brush(plot.hGridColor()), plot.hGridWidth(), Qt::SolidLine, Qt::FlatCap));
        for (double tick : m_chart.yAxisRef().tickValues()) {
            const double y = m_chart.valueToY(tick);
            if (y >= plot.getTopY() && y <= plot.getBottomY())
                m_painter.drawLine(QPointF(plot.getLeftX(), y), QPointF(plot.getRightX(), y));
        }
    }
    if (m_area.isVisible(plot.vGridColor()) && plot.vGridWidth() > 0) {
        const QBrush grid = m_area.brush(plot.vGridColor());
        const double lineWidth = plot.vGridWidth();
        const double slot = m_chart.slotWidth();
        double last = -1e9;
        for (int x = 0; x <= m_chart.xCount(); ++x) {
            const double px = plot.getLeftX() + (x + m_chart.xAxisRef().tickOffset()) * slot;
            if (px - last < MIN_TICK_SPACING || px < plot.getLeftX() || px > plot.getRightX())
                continue;
            BandFill::fill(m_painter, QRectF(px - lineWidth / 2, plot.getTopY(), lineWidth, plot.getHeight()), grid);
            last = px;
        }
    }
}

void XYChartPainter::paintBars(const BarLayer& layer)
{
    const PlotArea& plot = m_chart.plotArea();
    m_painter.save();
    m_painter.setClipRect(plot.rect(), Qt::IntersectClip);
    const double width = m_chart.barWidth(layer);
    const int count = m_chart.xCount();
    QList<double> bases(count, 0.0);
    for (int index = 0; index < layer.getDataSetCount(); ++index) {
        const DataSet* dataSet = layer.getDataSet(index);
        const int edge = ChartColor::orDefault(dataSet->edgeColor(), layer.borderColor());
        const bool hasEdge = m_area.isVisible(edge);
        const QBrush edgeBrush = m_area.brush(edge);
        const QBrush fill = m_area.brush(dataSet->dataColor());
        const int end = std::min(count, dataSet->firstX() + dataSet->count());
        for (int x = std::max(0, dataSet->firstX()); x < end; ++x) {
            const double value = dataSet->valueAt(x);
            if (!std::isfinite(value))
                continue;
            const double base = layer.dataCombineMethod() == Layer::Stack ? bases[x] : 0.0;
            const double top = m_chart.valueToY(base + value);
            const double bottom = m_chart.valueToY(base);
            bases[x] = base + value;
            const QRectF bar = QRectF(QPointF(m_chart.xCentre(x) - width / 2, top),
                                      QPointF(m_chart.xCentre(x) + width / 2, bottom))
                                   .normalized()
                                   .intersected(plot.rect());
            if (bar.isEmpty())
                continue;
            BandFill::fill(m_painter, bar, fill);
            if (hasEdge) {
                BandFill::fill(m_painter, QRectF(bar.left(), bar.top(), bar.width(), 1), edgeBrush);
                BandFill::fill(m_painter, QRectF(bar.left(), bar.bottom() - 1, bar.width(), 1), edgeBrush);
                BandFill::fill(m_painter, QRectF(bar.left(), bar.top(), 1, bar.height()), edgeBrush);
                BandFill::fill(m_painter, QRectF(bar.right() - 1, bar.top(), 1, bar.height()), edgeBrush);
            }
        }
    }
    m_painter.restore();
}

void XYChartPainter::paintAggregateLabels(const BarLayer& layer)
{
    const TextBox* style = layer.aggregateLabelStyle();
    if (!style || layer.aggregateLabelFormat().isEmpty())
        return;
    const PlotArea& plot = m_chart.plotArea();
    const QRectF image(0, 0, m_chart.getWidth(), m_chart.getHeight());
    double lastRight = -1e9;
    for (int x = 0; x < m_chart.xCount(); ++x) {
        bool hasValue = false;
        for (int index = 0; index < layer.getDataSetCount() && !hasValue; ++index)
            hasValue = std::isfinite(layer.getDataSet(index)->valueAt(x));
        if (!hasValue)
            continue;
        const double total = layer.stackTotal(x);
        QString text = layer.aggregateLabelFormat();
        text.replace(QLatin1String("{value}"), Layer::valueLabel(total));
        const double y = std::clamp(m_chart.valueToY(total), double(plot.getTopY()), double(plot.getBottomY()));
        const bool below = total < 0;
        QRectF box = TextBox::placedBox(style->size(text), QPointF(m_chart.xCentre(x), below ? y + 2 : y - 2),
                                        Qt::AlignHCenter | (below ? Qt::AlignTop : Qt::AlignBottom));
        // Labels stay inside the image and never cover each other.
        box.moveTop(std::clamp(box.top(), 0.0, std::max(0.0, image.height() - box.height())));
        if (box.left() < lastRight + MIN_LABEL_SPACING || box.left() < 0 || box.right() > image.width())
            continue;
        style->paint(m_painter, m_area, text, box.topLeft(), Qt::AlignLeft | Qt::AlignTop);
        lastRight = box.right();
    }
}

void XYChartPainter::paintXAxis()
{
    const Axis& axis = m_chart.xAxisRef();
    const PlotArea& plot = m_chart.plotArea();
    const double y = plot.getBottomY();
    if (axis.width() > 0 && m_area.isVisible(axis.axisColor())) {
        m_painter.setPen(QPen(m_area.brush(axis.axisColor()), axis.width(), Qt::SolidLine, Qt::FlatCap));
        m_painter.drawLine(QPointF(plot.getLeftX(), y), QPointF(plot.getRightX(), y));
    }
    const double slot = m_chart.slotWidth();
    const int count = m_chart.xCount();
    if (axis.tickLength() != 0 && axis.tickWidth() > 0 && m_area.isVisible(axis.tickColor())) {
        m_painter.setPen(QPen(m_area.brush(axis.tickColor()), axis.tickWidth(), Qt::SolidLine, Qt::FlatCap));
        double last = -1e9;
        for (int x = -1; x <= count; ++x) {
            const double px = plot.getLeftX() + (x + 0.5 + axis.tickOffset()) * slot;
            if (px < plot.getLeftX() - 0.01 || px > plot.getRightX() + 0.01 || px - last < MIN_TICK_SPACING)
                continue;
            m_painter.drawLine(QPointF(px, y), QPointF(px, y + axis.tickLength()));
            last = px;
        }
    }
    const double labelTop = y + std::max(0, axis.tickLength()) + axis.labelGap();
    const QStringList labels = axis.labels();
    double lastRight = -1e9;
    for (int x = 0; x < labels.size(); ++x) {
        const QString& label = labels.at(x);
        if (label.trimmed().isEmpty())
            continue;
        const QRectF box = TextBox::placedBox(axis.labelStyle().size(label), QPointF(m_chart.xCentre(x), labelTop),
                                              Qt::AlignHCenter | Qt::AlignTop);
        if (box.left() < lastRight + MIN_LABEL_SPACING)
            continue;
        axis.labelStyle().paint(m_painter, m_area, label, QPointF(m_chart.xCentre(x), labelTop),
                                Qt::AlignHCenter | Qt::AlignTop);
        lastRight = box.right();
    }
    if (const TextBox* title = axis.title()) {
        const double titleTop = labelTop + m_chart.xLabelsHeight() + axis.labelGap();
        title->paint(m_painter, m_area, QPointF(plot.getLeftX() + plot.getWidth() / 2.0, titleTop),
                     Qt::AlignHCenter | Qt::AlignTop);
    }
}

void XYChartPainter::paintYAxis()
{
    const Axis& axis = m_chart.yAxisRef();
    const PlotArea& plot = m_chart.plotArea();
    const bool right = m_chart.isYAxisOnRight();
    const double x = right ? plot.getRightX() : plot.getLeftX();
    const double outward = right ? 1.0 : -1.0;
    if (axis.width() > 0 && m_area.isVisible(axis.axisColor()))
        BandFill::fill(m_painter, QRectF(x - axis.width() / 2.0, plot.getTopY(), axis.width(), plot.getHeight()),
                 m_area.brush(axis.axisColor()));
    const QList<double> ticks = axis.tickValues();
    if (axis.tickLength() != 0 && axis.tickWidth() > 0 && m_area.isVisible(axis.tickColor())) {
        m_painter.setPen(QPen(m_area.brush(axis.tickColor()), axis.tickWidth(), Qt::SolidLine, Qt::FlatCap));
        for (double tick : ticks) {
            const double y = m_chart.valueToY(tick);
            m_painter.drawLine(QPointF(x, y), QPointF(x + outward * axis.tickLength(), y));
        }
    }
    const double labelX = x + outward * (std::max(0, axis.tickLength()) + axis.labelGap());
    const Qt::Alignment alignment = Qt::AlignVCenter | (right ? Qt::AlignLeft : Qt::AlignRight);
    for (double tick : ticks)
        axis.labelStyle().paint(m_painter, m_area, Axis::tickLabel(tick), QPointF(labelX, m_chart.valueToY(tick)),
                                alignment);
    if (const TextBox* title = axis.title()) {
        const double titleX = labelX + outward * (m_chart.yLabelsWidth() + axis.labelGap());
        title->paint(m_painter, m_area, QPointF(titleX, plot.getTopY() + plot.getHeight() / 2.0),
                     Qt::AlignVCenter | (right ? Qt::AlignLeft : Qt::AlignRight));
    }
}

} // namespace Corvane::Charts
