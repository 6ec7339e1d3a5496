#include "charts/TextBox.h"

#include "charts/ChartFonts.h"
#include "charts/DrawArea.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace Corvane::Charts {

TextBox::TextBox(const QString& text, const QString& fontName, double fontSize, int colour)
    : m_text(text)
    , m_fontName(fontName)
    , m_fontSize(fontSize)
    , m_colour(colour)
{
}

void TextBox::setText(const char* text)
{
    m_text = QString::fromUtf8(text ? text : "");
}

void TextBox::setFontStyle(const char* fontName, int)
{
    if (fontName)
        m_fontName = QString::fromUtf8(fontName);
}

void TextBox::setFontSize(double fontSize, double)
{
    m_fontSize = fontSize;
}

void TextBox::setFontAngle(double angle, bool)
{
    m_angle = std::isfinite(angle) ? angle : 0.0;
}

void TextBox::setFontColor(int colour)
{
    m_colour = colour;
}

void TextBox::setBackground(int colour, int edgeColour, int)
{
    m_background = colour;
    m_edge = edgeColour;
}

QFont TextBox::font() const
{
    return ChartFonts::font(m_fontName, m_fontSize);
}

QSizeF TextBox::size(const QString& text) const
{
    if (text.isEmpty())
        return QSizeF(0, 0);
    const QFontMetricsF metrics(font());
    const QSizeF flat(metrics.horizontalAdvance(text), metrics.height());
    const double radians = m_angle * M_PI / 180.0;
    const double c = std::abs(std::cos(radians));
    const double s = std::abs(std::sin(radians));
    return QSizeF(flat.width() * c + flat.height() * s, flat.width() * s + flat.height() * c);
}

QRectF TextBox::placedBox(const QSizeF& size, const QPointF& anchor, Qt::Alignment alignment)
{
    double x = anchor.x() - size.width() / 2;
    if (alignment & Qt::AlignLeft)
        x = anchor.x();
    else if (alignment & Qt::AlignRight)
        x = anchor.x() - size.width();
    double y = anchor.y() - size.height() / 2;
    if (alignment & Qt::AlignTop)
        y = anchor.y();
    else if (alignment & Qt::AlignBottom)
        y = anchor.y() - size.height();
    return QRectF(QPointF(x, y), size);
}

QRectF TextBox::paint(QPainter& painter, const DrawArea& area, const QString& text, const QPointF& anchor,
                      Qt::Alignment alignment) const
{
    if (text.trimmed().isEmpty())
        return QRectF(anchor, QSizeF(0, 0));
    const QFont textFont = font();
    const QFontMetricsF metrics(textFont);
    const QSizeF flat(metrics.horizontalAdvance(text), metrics.height());
    const QRectF box = placedBox(size(text), anchor, alignment);
    painter.save();
    if (area.isVisible(m_background))
        painter.fillRect(box, area.brush(m_background));
    if (area.isVisible(m_edge)) {
        painter.setPen(QPen(area.brush(m_edge), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box);
    }
    painter.setFont(textFont);
    painter.translate(box.center());
    painter.rotate(-m_angle);
    // Gradients are placed in image coordinates, whatever the text's turn.
    QBrush brush = area.brush(m_colour);
    brush.setTransform(painter.worldTransform().inverted());
    painter.setPen(QPen(brush, 1));
    painter.drawText(QRectF(-flat.width() / 2, -flat.height() / 2, flat.width(), flat.height()),
                     Qt::AlignCenter | Qt::TextSingleLine, text);
    painter.restore();
    return box;
}

} // namespace Corvane::Charts
