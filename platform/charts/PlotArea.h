#pragma once

#include "charts/ChartColor.h"

#include <QRect>

namespace Corvane::Charts {

// The rectangle of an XY chart in which the data are drawn: its background
// (alternating between the bands of the y axis ticks), edge and grid lines.
class PlotArea
{
public:
    PlotArea(int x, int y, int width, int height);

    void setBackground(int colour, int altColour = ChartColor::DefaultColor, int edgeColour = ChartColor::DefaultColor);
    void setGridColor(int hGridColour, int vGridColour = ChartColor::Transparent);
    void setGridWidth(int hGridWidth, int vGridWidth = -1, int minorHGridWidth = -1, int minorVGridWidth = -1);

    int getLeftX() const { return m_rect.left(); }
    int getTopY() const { return m_rect.top(); }
    int getWidth() const { return m_rect.width(); }
    int getHeight() const { return m_rect.height(); }
    int getRightX() const { return m_rect.left() + m_rect.width(); }
    int getBottomY() const { return m_rect.top() + m_rect.height(); }

    QRect rect() const { return m_rect; }
    void setRect(const QRect& rect);
    int background() const { return m_background; }
    // The alternate background; the default value means the background.
    int altBackground() const { return ChartColor::orDefault(m_altBackground, m_background); }
    int edgeColor() const { return m_edge; }
    int hGridColor() const { return m_hGrid; }
    int vGridColor() const { return m_vGrid; }
    int hGridWidth() const { return m_hGridWidth; }
    int vGridWidth() const { return m_vGridWidth < 0 ? m_hGridWidth : m_vGridWidth; }

private:
    QRect m_rect;
    int m_background = ChartColor::Transparent;
    int m_altBackground = ChartColor::DefaultColor;
    int m_edge = ChartColor::Transparent;
    int m_hGrid = int(0x00C0C0C0);
    int m_vGrid = ChartColor::Transparent;
    int m_hGridWidth = 1;
    int m_vGridWidth = -1;
};

} // namespace Corvane::Charts
