#pragma once

#include <QList>

namespace Corvane::Charts {

// The numeric range of an axis and its tick values. The range is always
// usable: a bound that is not finite becomes 0 (the lower) or the lower + 1
// (the upper), an empty or reversed range becomes one unit wide, and a range
// too wide for a double is narrowed to one. Tick finding always ends: it
// steps by a "nice" increment (1, 2 or 5 times a power of ten) and yields at
// most MaxTicks values.
class AxisScale
{
public:
    static constexpr int MaxTicks = 200;

    void setRange(double lower, double upper);
    double lower() const { return m_lower; }
    double upper() const { return m_upper; }

    // The smallest nice increment of at least range / intervals.
    static double niceIncrement(double range, int intervals);
    // Tick values from the lower bound to the upper one, the increment being
    // chosen so that ticks are at least density pixels apart on an axis of
    // length pixels (an increment above 0 is taken as given).
    QList<double> ticks(double length, int density, double increment = 0) const;

private:
    double m_lower = 0.0;
    double m_upper = 1.0;
};

} // namespace Corvane::Charts
