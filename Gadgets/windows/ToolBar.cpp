#include "windows/ToolBar.h"

#include <QPainter>

namespace Corvane::Gadgets {

ToolBar::ToolBar(const QImage& image, int margin, QWidget* parent)
    : QToolBar(parent)
    , m_margin(margin)
    , m_image(image)
{
}

void ToolBar::paintEvent(QPaintEvent* event)
{
    QToolBar::paintEvent(event);
    const int x = layoutDirection() == Qt::RightToLeft ? m_margin : width() - m_margin - m_image.width();
    const int y = (height() - m_image.height()) / 2;
    QPainter painter(this);
    painter.drawImage(QPoint(x, y), m_image);
}

} // namespace Corvane::Gadgets
