#pragma once

#include "charts/ChartColor.h"

#include <QLineF>

namespace Corvane::Charts {

// A straight line added to a chart, painted over the chart's content.
class Line
{
public:
    Line(int x1, int y1, int x2, int y2, int colour, int width);

    void setPos(int x1, int y1, int x2, int y2);
    void setColor(int colour) { m_colour = colour; }
    void setWidth(int width);

    QLineF line() const { return m_line; }
    int color() const { return m_colour; }
    int width() const { return m_width; }

private:
    QLineF m_line;
    int m_colour;
    int m_width;
};

} // namespace Corvane::Charts
