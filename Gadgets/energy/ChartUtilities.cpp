#include "energy/ChartUtilities.h"

#include <QByteArray>

#include <algorithm>
#include <cstring>

namespace Corvane::Gadgets::Utilities {

ChartUtilities& ChartUtilities::instance()
{
    static ChartUtilities utilities;
    return utilities;
}

ChartUtilities::~ChartUtilities()
{
    for (int* array : std::as_const(m_intArrays))
        delete[] array;
    for (double* array : std::as_const(m_doubleArrays))
        delete[] array;
    for (const auto& strings : std::as_const(m_stringArrays)) {
        for (int i = 0; i < strings.second; ++i)
            delete[] strings.first[i];
        delete[] strings.first;
    }
}

unsigned int ChartUtilities::toChartColor(const QColor& color)
{
    return qRgba(color.red(), color.green(), color.blue(), 255 - color.alpha());
}

ChartUtilities::GradientStops ChartUtilities::solidToGradientStops(const QColor& color)
{
    return { { 0.0, color }, { 1.0, color } };
}

QPair<int, int*> ChartUtilities::toChartGradientStops(const GradientStops& stops)
{
    if (stops.isEmpty())
        return { 0, nullptr };
    QList<int> values;
    values.reserve(stops.size() * 2);
    for (const auto& stop : stops) {
        values << qRound(256 * stop.first);
        values << int(toChartColor(stop.second));
    }
    return intArray(values);
}

QPair<int, int*> ChartUtilities::solidToChartGradientStops(const QColor& color)
{
    return toChartGradientStops(solidToGradientStops(color));
}

QPair<int, int*> ChartUtilities::intArray(const QList<int>& values)
{
    auto* array = new int[size_t(std::max<qsizetype>(1, values.size()))];
    std::copy(values.begin(), values.end(), array);
    m_intArrays.append(array);
    return { int(values.size()), array };
}

QPair<int, double*> ChartUtilities::doubleArray(const QList<double>& values)
{
    auto* array = new double[size_t(std::max<qsizetype>(1, values.size()))];
    std::copy(values.begin(), values.end(), array);
    m_doubleArrays.append(array);
    return { int(values.size()), array };
}

QPair<int, char**> ChartUtilities::stringArray(const QStringList& strings)
{
    auto** array = new char*[size_t(std::max<qsizetype>(1, strings.size()))];
    for (int i = 0; i < strings.size(); ++i) {
        const QByteArray bytes = strings.at(i).toLatin1();
        array[i] = new char[size_t(bytes.size()) + 1];
        std::memcpy(array[i], bytes.constData(), size_t(bytes.size()) + 1);
    }
    m_stringArrays.append({ array, int(strings.size()) });
    return { int(strings.size()), array };
}

QString ChartUtilities::defaultFontFileName()
{
    return QStringLiteral("/usr/share/fonts/truetype/ubuntu-font-family/Ubuntu-R.ttf;"
                          "/usr/share/fonts/truetype/droid/DroidSans.ttf;"
                          "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc;"
                          "/usr/share/fonts/truetype/kacst-one/KacstOne.ttf");
}

} // namespace Corvane::Gadgets::Utilities
