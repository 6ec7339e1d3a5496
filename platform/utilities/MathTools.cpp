#include "utilities/MathTools.h"

#include <cmath>

namespace Corvane::Utilities {

const double MathTools::EPS = 1e-6;

bool MathTools::equals(double a, double b, double epsilon)
{
    return std::abs(a - b) <= epsilon;
}

QRectF MathTools::resizeRect(const QRectF& rect, double factor)
{
    return QRectF(rect.x() * factor, rect.y() * factor, rect.width() * factor, rect.height() * factor);
}

double MathTools::vectorLength(const QPointF& vector)
{
    return std::hypot(vector.x(), vector.y());
}

int MathTools::digitsCount(qint64 value)
{
    // Counting on the negative side keeps the most negative value in range.
    qint64 rest = value > 0 ? -value : value;
    int digits = 1;
    while (rest <= -10) {
        rest /= 10;
        ++digits;
    }
    return digits;
}

double MathTools::round(double value, double step)
{
    if (!(step > 0) || !std::isfinite(step) || !std::isfinite(value))
        return value;
    // A quotient a rounding error short of a half (0.15 / 0.1 gives
    // 1.4999...) still counts as the half it stands for.
    const double halfTolerance = 1e-9;
    const double steps = value / step;
    const double magnitude = std::abs(steps);
    double whole = std::floor(magnitude);
    if (magnitude - whole >= 0.5 - halfTolerance)
        whole += 1;
    return whole == 0 ? 0.0 : std::copysign(whole, steps) * step;
}

} // namespace Corvane::Utilities
