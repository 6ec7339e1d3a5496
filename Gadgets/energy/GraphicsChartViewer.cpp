#include "energy/GraphicsChartViewer.h"

#include "charts/BaseChart.h"

#include <QPixmap>

namespace Corvane::Gadgets {

GraphicsChartViewer::GraphicsChartViewer(QGraphicsItem* parent)
    : QGraphicsPixmapItem(parent)
{
    setShapeMode(QGraphicsPixmapItem::BoundingRectShape);
    setTransformationMode(Qt::SmoothTransformation);
}

void GraphicsChartViewer::setChart(const QWeakPointer<Charts::BaseChart>& chart)
{
    if (m_chart != chart)
        m_chart = chart;
    chartToPixmap();
}

void GraphicsChartViewer::chartToPixmap()
{
    QPixmap pixmap;
    if (const QSharedPointer<Charts::BaseChart> chart = m_chart.toStrongRef()) {
        const Charts::MemBlock block = chart->makeChart(Charts::BaseChart::PNG);
        if (block.len <= 0 || !pixmap.loadFromData(reinterpret_cast<const uchar*>(block.data), uint(block.len), "PNG"))
            pixmap = QPixmap();
    }
    setPixmap(pixmap);
}

} // namespace Corvane::Gadgets
