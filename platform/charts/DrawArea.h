#pragma once

#include "charts/ChartArray.h"
#include "charts/ChartColor.h"

#include <QBrush>
#include <QGradientStops>
#include <QLineF>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;

namespace Corvane::Charts {

// The canvas of a chart: its size, background colour, the gradients handed
// out as colour values, and the shapes a program adds on top of the chart
// (lines, rectangles, texts), painted after the chart itself.
class DrawArea
{
public:
    DrawArea(int width = 0, int height = 0);

    int getWidth() const { return m_width; }
    int getHeight() const { return m_height; }
    void setSize(int width, int height);
    void setBgColor(int colour) { m_background = colour; }
    int getBgColor() const { return m_background; }

    // A colour value that paints a linear gradient from (x0, y0) to (x1, y1)
    // in image pixels. stops holds count ints taken in pairs (position 0 to
    // 256, colour); positions outside 0..256 are clamped. The value is
    // 0xFFFE0000 + n for the draw area's n-th gradient (see ChartColor): it
    // is only meaningful to this draw area's chart. Returns Transparent for
    // no stops, the stop's colour for a single stop, and Transparent once
    // 65536 gradients are taken. periodic repeats the gradient beyond its
    // ends, otherwise the end colours extend.
    int linearGradientColor(int x0, int y0, int x1, int y1, const int* stops, int count, bool periodic = false);

    void line(double x1, double y1, double x2, double y2, int colour, int width = 1);
    void rect(int x1, int y1, int x2, int y2, int edgeColour, int fillColour);
    void text(const char* text, const char* fontName, double fontSize, int x, int y, int colour);
    // Removes the shapes and gradients added so far.
    void clear();

    // The brush of a colour value, gradients included.
    QBrush brush(int colour) const;
    // Whether the colour paints anything.
    bool isVisible(int colour) const;
    void paintShapes(QPainter& painter) const;

private:
    struct Shape
    {
        enum Kind { Line, Rect, Text } kind;
        QRectF geometry;
        int colour;
        int fill;
        int width;
        QString text;
        QString fontName;
        double fontSize;
    };

    int m_width;
    int m_height;
    int m_background = ChartColor::Transparent;
    QList<QBrush> m_gradients;
    QList<Shape> m_shapes;
};

} // namespace Corvane::Charts
