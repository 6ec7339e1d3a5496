#include "charts/DrawArea.h"

#include "charts/TextBox.h"

#include <QLinearGradient>
#include <QPainter>

#include <algorithm>

namespace Corvane::Charts {

DrawArea::DrawArea(int width, int height)
    : m_width(std::max(0, width))
    , m_height(std::max(0, height))
{
}

void DrawArea::setSize(int width, int height)
{
    m_width = std::max(0, width);
    m_height = std::max(0, height);
}

int DrawArea::linearGradientColor(int x0, int y0, int x1, int y1, const int* stops, int count, bool periodic)
{
    if (!stops || count < 2)
        return ChartColor::Transparent;
    if (count < 4)
        return stops[1];
    if (m_gradients.size() >= ChartColor::MaxGradients)
        return ChartColor::Transparent;
    QGradientStops gradientStops;
    for (int i = 0; i + 1 < count; i += 2) {
        const double position = std::clamp(stops[i], 0, 256) / 256.0;
        gradientStops.append({ position, ChartColor::toQColor(stops[i + 1]) });
    }
    std::stable_sort(gradientStops.begin(), gradientStops.end(),
                     [](const QGradientStop& a, const QGradientStop& b) { return a.first < b.first; });
    if (x0 == x1 && y0 == y1) {
        m_gradients.append(QBrush(gradientStops.first().second));
    } else {
        QLinearGradient gradient(x0, y0, x1, y1);
        gradient.setStops(gradientStops);
        gradient.setSpread(periodic ? QGradient::RepeatSpread : QGradient::PadSpread);
        m_gradients.append(QBrush(gradient));
    }
    return ChartColor::GradientBase + int(m_gradients.size() - 1);
}

void DrawArea::line(double x1, double y1, double x2, double y2, int colour, int width)
{
    m_shapes.append({ Shape::Line, QRectF(QPointF(x1, y1), QPointF(x2, y2)), colour, ChartColor::Transparent,
                      std::max(1, width), {}, {}, 0 });
}

void DrawArea::rect(int x1, int y1, int x2, int y2, int edgeColour, int fillColour)
{
    m_shapes.append({ Shape::Rect, QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized(), edgeColour, fillColour, 1,
                      {}, {}, 0 });
}

void DrawArea::text(const char* text, const char* fontName, double fontSize, int x, int y, int colour)
{
    m_shapes.append({ Shape::Text, QRectF(x, y, 0, 0), colour, ChartColor::Transparent, 1,
                      QString::fromUtf8(text ? text : ""), QString::fromUtf8(fontName ? fontName : ""), fontSize });
}

void DrawArea::clear()
{
    m_shapes.clear();
    m_gradients.clear();
}

QBrush DrawArea::brush(int colour) const
{
    const int index = ChartColor::gradientIndex(colour);
    if (index >= 0)
        return index < m_gradients.size() ? m_gradients.at(index) : QBrush(Qt::transparent);
    return QBrush(ChartColor::toQColor(colour));
}

bool DrawArea::isVisible(int colour) const
{
    const int index = ChartColor::gradientIndex(colour);
    if (index >= 0)
        return index < m_gradients.size();
    return ChartColor::toQColor(colour).alpha() > 0;
}

void DrawArea::paintShapes(QPainter& painter) const
{
    for (const Shape& shape : m_shapes) {
        switch (shape.kind) {
        case Shape::Line:
            if (isVisible(shape.colour)) {
                painter.setPen(QPen(brush(shape.colour), shape.width, Qt::SolidLine, Qt::FlatCap));
                painter.drawLine(shape.geometry.topLeft(), shape.geometry.bottomRight());
            }
            break;
        case Shape::Rect:
            painter.setPen(isVisible(shape.colour) ? QPen(brush(shape.colour), 1) : QPen(Qt::NoPen));
            painter.setBrush(isVisible(shape.fill) ? brush(shape.fill) : QBrush(Qt::NoBrush));
            painter.drawRect(shape.geometry);
            break;
        case Shape::Text:
            TextBox(shape.text, shape.fontName, shape.fontSize, shape.colour)
                .paint(painter, *this, shape.geometry.topLeft(), Qt::AlignLeft | Qt::AlignTop);
            break;
        }
    }
}

} // namespace Corvane::Charts
