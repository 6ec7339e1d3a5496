#include "charts/AxisScale.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace Corvane::Charts {

void AxisScale::setRange(double lower, double upper)
{
    lower = std::isfinite(lower) ? lower : 0.0;
    upper = std::isfinite(upper) ? upper : lower + 1.0;
    if (!(upper > lower))
        upper = lower + std::max(1.0, std::abs(lower) * 1e-9);
    if (!std::isfinite(upper - lower)) {
        lower = std::max(lower, -DBL_MAX / 2);
        upper = std::min(upper, DBL_MAX / 2);
    }
    if (!(upper > lower))
        upper = std::nextafter(lower, DBL_MAX);
    m_lower = lower;
    m_upper = upper;
}

double AxisScale::niceIncrement(double range, int intervals)
{
    const double raw = range / std::max(1, intervals);
    if (!std::isfinite(raw) || raw <= 0)
        return 0.0;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double factor : { 1.0, 2.0, 5.0, 10.0 }) {
        const double step = factor * magnitude;
        if (step >= raw * (1 - 1e-12))
            return step;
    }
    return 10.0 * magnitude;
}

QList<double> AxisScale::ticks(double length, int density, double increment) const
{
    const double range = m_upper - m_lower;
    if (!(increment > 0) || !std::isfinite(increment)) {
        const int intervals = density > 0 && std::isfinite(length) ? int(std::clamp(length / density, 1.0, 100.0)) : 5;
        increment = niceIncrement(range, intervals);
    }
    increment = std::max(increment, range / MaxTicks);
    QList<double> values;
    if (!(increment > 0) || !std::isfinite(increment)) {
        values << m_lower << m_upper;
        return values;
    }
    const double first = std::ceil(m_lower / increment - 1e-9) * increment;
    for (int k = 0; k <= MaxTicks; ++k) {
        double value = first + k * increment;
        if (!std::isfinite(value) || value > m_upper + increment * 1e-9)
            break;
        if (std::abs(value) < increment * 1e-9)
            value = 0.0;
        if (!values.isEmpty() && value <= values.last())
            break;
        values << value;
    }
    return values;
}

} // namespace Corvane::Charts
