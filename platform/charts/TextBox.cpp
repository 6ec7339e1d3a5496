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
    styleChanged();
}

void TextBox::setFontSize(double fontSize, double)
{
    m_fontSize = fontSize;
    styleChanged();
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
    if (!m_font)
        m_font = ChartFonts::font(m_fontName, m_fontSize);
    return *m_font;
}

const QFontMetricsF& TextBox::metrics() const
{
    if (!m_metrics)
        m_metrics.emplace(font());
    return *m_metrics;
}

void TextBox::styleChanged()
{
    m_font.reset();
    m_metrics.reset();
}

QSizeF TextBox::size(const QString& text) const
{
    if (text.isEmpty())
        return QSizeF(0, 0);
    const QSizeF flat(metrics().horizontalAdvance(text), metrics().height());
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

void TextBox::drawTurned(QPainter& painter, const QPointF& centre, const QPointF& origin, const QString& text) const
{
    if (m_angle == 0) {
        painter.drawText(centre + origin, text);
        return;
    }
    const QTransform transform = painter.transform();
    painter.translate(centre);
    painter.rotate(-m_angle);
    painter.drawText(origin, text);
    painter.setTransform(transform);
}

QRectF TextBox::paint(QPainter& painter, const DrawArea& area, const QString& text, const QPointF& anchor,
                      Qt::Alignment alignment) const
{
    if (text.trimmed().isEmpty())
        return QRectF(anchor, QSizeF(0, 0));
    const QFontMetricsF& fontMetrics = metrics();
    const QSizeF flat(fontMetrics.horizontalAdvance(text), fontMetrics.height());
    const QRectF box = placedBox(size(text), anchor, alignment);
    if (area.isVisible(m_background))
        painter.fillRect(box, area.brush(m_background));
    if (area.isVisible(m_edge)) {
        painter.save();
        painter.setPen(QPen(area.brush(m_edge), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box);
        painter.restore();
    }
    if (!area.isVisible(m_colour))
        return box;
    // The baseline start of the text within its unturned box.
    const QPointF origin(-flat.width() / 2, -flat.height() / 2 + fontMetrics.ascent());
    if (!ChartColor::isGradient(m_colour)) {
        painter.setFont(font());
        painter.setPen(QPen(area.brush(m_colour), 1));
        drawTurned(painter, box.center(), origin, text);
        return box;
    }
    // Glyphs drawn with a gradient pen are slow: the text is drawn in white
    // into a small image, tinted with the gradient (placed in chart
    // coordinates) and drawn onto the chart.
    const QRect pixels = box.toAlignedRect().adjusted(-1, -1, 1, 1);
    QImage glyphs(pixels.size(), QImage::Format_ARGB32_Premultiplied);
    glyphs.fill(Qt::transparent);
    QPainter glyphPainter(&glyphs);
    glyphPainter.setRenderHints(painter.renderHints());
    glyphPainter.setFont(font());
    glyphPainter.setPen(Qt::white);
    drawTurned(glyphPainter, box.center() - pixels.topLeft(), origin, text);
    glyphPainter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    QBrush tint = area.brush(m_colour);
    tint.setTransform(QTransform::fromTranslate(-pixels.left(), -pixels.top()));
    glyphPainter.fillRect(glyphs.rect(), tint);
    glyphPainter.end();
    painter.drawImage(pixels.topLeft(), glyphs);
    return box;
}

} // namespace Corvane::Charts
