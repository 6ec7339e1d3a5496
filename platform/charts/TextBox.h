#pragma once

#include "charts/ChartColor.h"

#include <QFont>
#include <QFontMetricsF>
#include <QRectF>
#include <QString>

#include <optional>

class QPainter;

namespace Corvane::Charts {

class DrawArea;

// A text of a chart (title, axis labels, value labels) with its style. The
// angle turns the text counter-clockwise in degrees.
class TextBox
{
public:
    TextBox() = default;
    TextBox(const QString& text, const QString& fontName, double fontSize, int colour);

    void setText(const char* text);
    void setFontStyle(const char* fontName, int fontIndex = 0);
    void setFontSize(double fontSize, double fontHeight = 0);
    void setFontAngle(double angle, bool vertical = false);
    void setFontColor(int colour);
    void setBackground(int colour, int edgeColour = ChartColor::Transparent, int raisedEffect = 0);

    QString text() const { return m_text; }
    QString fontName() const { return m_fontName; }
    double fontSize() const { return m_fontSize; }
    double fontAngle() const { return m_angle; }
    int fontColor() const { return m_colour; }
    QFont font() const;
    const QFontMetricsF& metrics() const;

    // The bounding box of a text in this style, turned by the angle.
    QSizeF size(const QString& text) const;
    QSizeF size() const { return size(m_text); }
    // Paints text so that its turned bounding box sits at anchor as
    // alignment says (AlignLeft: the box starts at the anchor, and so on);
    // returns that box.
    QRectF paint(QPainter& painter, const DrawArea& area, const QString& text, const QPointF& anchor,
                 Qt::Alignment alignment) const;
    QRectF paint(QPainter& painter, const DrawArea& area, const QPointF& anchor, Qt::Alignment alignment) const
    {
        return paint(painter, area, m_text, anchor, alignment);
    }
    static QRectF placedBox(const QSizeF& size, const QPointF& anchor, Qt::Alignment alignment);

private:
    void styleChanged();
    // Draws text with its baseline start at origin from centre, turned by
    // the angle about centre.
    void drawTurned(QPainter& painter, const QPointF& centre, const QPointF& origin, const QString& text) const;

    QString m_text;
    QString m_fontName;
    double m_fontSize = 8;
    double m_angle = 0;
    int m_colour = ChartColor::TextColor;
    int m_background = ChartColor::Transparent;
    int m_edge = ChartColor::Transparent;
    mutable std::optional<QFont> m_font;
    mutable std::optional<QFontMetricsF> m_metrics;
};

} // namespace Corvane::Charts
