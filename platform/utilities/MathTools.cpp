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

} // namespace Corvane::Utilities
