#pragma once

#include <QGraphicsPixmapItem>
#include <QImage>
#include <QPixmap>
#include <QWeakPointer>

namespace Corvane::Charts {
class BaseChart;
}

namespace Corvane::Gadgets {

// Shows a chart of the charts layer as a pixmap: the chart is encoded as PNG
// and decoded into the item's pixmap. The chart is not owned; once it is
// gone (or cannot be decoded) the pixmap is empty.
class GraphicsChartViewer : public QGraphicsPixmapItem
{
public:
    explicit GraphicsChartViewer(QGraphicsItem* parent = nullptr);

    void setChart(const QWeakPointer<Charts::BaseChart>& chart);
    QWeakPointer<Charts::BaseChart> chart() const { return m_chart; }
    void chartToPixmap();

private:
    // Decodes PNG bytes into the item's pixmap, reusing the memory of the
    // last picture when the size stays (an animation redraws every frame).
    bool decode(const char* data, int length);

    QWeakPointer<Charts::BaseChart> m_chart;
    QImage m_decoded;
    QPixmap m_picture;
};

} // namespace Corvane::Gadgets
