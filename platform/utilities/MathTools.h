#pragma once

#include <QPointF>
#include <QRectF>

namespace Corvane::Utilities {

// Small numeric helpers shared by the controls.
class MathTools
{
public:
    MathTools() = delete;

    // Tolerance under which two reals count as equal.
    static const double EPS;

    static bool equals(double a, double b, double epsilon = EPS);
    // The rectangle with its offset and size multiplied by factor.
    static QRectF resizeRect(const QRectF& rect, double factor);
    static double vectorLength(const QPointF& vector);
    // The number of decimal digits of value, its sign left out: 1 for 0.
    static int digitsCount(qint64 value);
    // The multiple of step nearest to value, halves away from zero; a step
    // of 0 or less (or a value or step that is not finite) keeps the value.
    static double round(double value, double step);
};

} // namespace Corvane::Utilities
