#include "charts/PlotArea.h"

#include <algorithm>

namespace Corvane::Charts {

PlotArea::PlotArea(int x, int y, int width, int height)
{
    setRect(QRect(x, y, width, height));
}

void PlotArea::setBackground(int colour, int altColour, int edgeColour)
{
    m_background = colour;
    m_altBackground = altColour;
    m_edge = edgeColour;
}

void PlotArea::setGridColor(int hGridColour, int vGridColour)
{
    m_hGrid = hGridColour;
    m_vGrid = vGridColour;
}

void PlotArea::setGridWidth(int hGridWidth, int vGridWidth, int, int)
{
    m_hGridWidth = std::max(0, hGridWidth);
    m_vGridWidth = vGridWidth;
}

void PlotArea::setRect(const QRect& rect)
{
    m_rect = QRect(rect.x(), rect.y(), std::max(1, rect.width()), std::max(1, rect.height()));
}

} // namespace Corvane::Charts
