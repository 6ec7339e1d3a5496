#pragma once

#include <QColor>
#include <QString>

namespace Corvane::Gadgets::Models {

// A text to paint with its style. A null text means that there is no text.
// The font weight is a QFont weight (1..1000); themes give legacy weights,
// which callers convert with Utilities::LegacyFontWeight.
class TextPaintData
{
public:
    TextPaintData(const QString& text, const QString& fontName, int fontSize, int fontWeight,
                  const QColor& fontColor, const QColor& secondFontColor, Qt::Alignment alignment, double opacity);

    QString text() const { return m_text; }
    void setText(const QString& text) { m_text = text; }
    QString fontName() const { return m_fontName; }
    int fontSize() const { return m_fontSize; }
    int fontWeight() const { return m_fontWeight; }
    QColor fontColor() const { return m_fontColor; }
    QColor secondFontColor() const { return m_secondFontColor; }
    Qt::Alignment alignment() const { return m_alignment; }
    double opacity() const { return m_opacity; }

private:
    QString m_text;
    QString m_fontName;
    int m_fontSize;
    int m_fontWeight;
    QColor m_fontColor;
    QColor m_secondFontColor;
    Qt::Alignment m_alignment;
    double m_opacity;
};

} // namespace Corvane::Gadgets::Models
