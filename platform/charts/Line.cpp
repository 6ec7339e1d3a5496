#include "charts/Line.h"

#include <algorithm>

namespace Corvane::Charts {

Line::Line(int x1, int y1, int x2, int y2, int colour, int width)
    : m_line(x1, y1, x2, y2)
    , m_colour(colour)
    , m_width(std::max(1, width))
{
}

void Line::setPos(int x1, int y1, int x2, int y2)
{
    m_line = QLineF(x1, y1, x2, y2);
}

void Line::setWidth(int width)
{
    m_width = std::max(1, width);
}

} // namespace Corvane::Charts
