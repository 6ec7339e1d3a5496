#pragma once

#include <QColor>
#include <QGradientStops>

namespace Corvane::Gadgets {

// Legibility of text colours, measured as the web's accessibility
// guidelines do: relative luminance of sRGB colours and the contrast ratio
// (1:1 for equal colours up to 21:1 for black on white; 4.5:1 is the least
// for body text).
class TextContrast
{
public:
    // 0.0 for black up to 1.0 for white; alpha is ignored.
    static qreal relativeLuminance(const QColor& color);
    // The ratio (lighter + 0.05) / (darker + 0.05), whichever colour is lighter.
    static qreal contrastRatio(const QColor& first, const QColor& second);
    // The colour a vertical text gradient shows on average: the mean of its stops.
    static QColor meanColor(const QGradientStops& stops);
    // A shadow that sets the text off: black behind light text, white behind
    // dark text (whichever contrasts more), with the given alpha. A shadow
    // of the text's own tone would smear it.
    static QColor shadowColorFor(const QColor& text, int alpha = 255);
};

} // namespace Corvane::Gadgets
