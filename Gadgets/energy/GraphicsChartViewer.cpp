#include "energy/GraphicsChartViewer.h"

#include "charts/BandFill.h"
#include "charts/BaseChart.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>


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
    if (const QSharedPointer<Charts::BaseChart> chart = m_chart.toStrongRef()) {
        const Charts::MemBlock block = chart->makeChart(Charts::BaseChart::PNG);
        if (block.len > 0 && decode(block.data, block.len))
            return;
    }
    m_picture = QPixmap();
    setPixmap(QPixmap());
}

bool GraphicsChartViewer::decode(const char* data, int length)
{
    QByteArray bytes = QByteArray::fromRawData(data, length);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "PNG");
    if (!reader.read(&m_decoded))
        return false;
    // The item lets go of the picture so that it can be painted over in
    // place rather than copied.
    setPixmap(QPixmap());
    if (m_picture.size() != m_decoded.size() || !m_picture.hasAlphaChannel())
        m_picture = QPixmap(m_decoded.size());
    m_picture.fill(Qt::transparent);
    QPainter painter(&m_picture);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (int y = 0; y < m_decoded.height(); y += Charts::BandFill::BAND_ROWS) {
        const QRect band(0, y, m_decoded.width(), std::min(Charts::BandFill::BAND_ROWS, m_decoded.height() - y));
        painter.drawImage(band.topLeft(), m_decoded, band);
    }
    painter.end();
    setPixmap(m_picture);
    return true;
}

} // namespace Corvane::Gadgets
