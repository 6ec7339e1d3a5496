#include "models/TextPaintData.h"

namespace Corvane::Gadgets::Models {

TextPaintData::TextPaintData(const QString& text, const QString& fontName, int fontSize, int fontWeight,
                             const QColor& fontColor, const QColor& secondFontColor, Qt::Alignment alignment,
                             double opacity)
    : m_text(text)
    , m_fontName(fontName)
    , m_fontSize(fontSize)
    , m_fontWeight(fontWeight)
    , m_fontColor(fontColor)
    , m_secondFontColor(secondFontColor)
    , m_alignment(alignment)
    , m_opacity(opacity)
{
}

} // namespace Corvane::Gadgets::Models
