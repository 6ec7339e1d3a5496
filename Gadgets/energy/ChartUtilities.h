#pragma once

#include <QColor>
#include <QList>
#include <QPair>
#include <QStringList>
#include <QVector>

namespace Corvane::Gadgets::Utilities {

// Converts Qt values into the forms the charts layer takes: colours
// (0xAARRGGBB with the alpha byte inverted: 0x00 opaque, 0xFF transparent),
// gradients as int arrays, double arrays and arrays of zero-terminated
// strings. Charts may refer to these arrays for as long as they live, so
// every array handed out stays alive until the single instance is destroyed
// at program exit. Arrays come back as (element count, first element); an
// empty gradient is (0, null). GUI thread only.
class ChartUtilities
{
public:
    using GradientStops = QVector<QPair<double, QColor>>;

    static ChartUtilities& instance();

    ChartUtilities(const ChartUtilities&) = delete;
    ChartUtilities& operator=(const ChartUtilities&) = delete;

    static unsigned int toChartColor(const QColor& color);
    static GradientStops solidToGradientStops(const QColor& color);
    // For each stop qRound(256 x position) and its chart colour.
    QPair<int, int*> toChartGradientStops(const GradientStops& stops);
    QPair<int, int*> solidToChartGradientStops(const QColor& color);
    QPair<int, int*> intArray(const QList<int>& values);
    QPair<int, double*> doubleArray(const QList<double>& values);
    // Each entry in its 8-bit (Latin-1) form.
    QPair<int, char**> stringArray(const QStringList& strings);

    // The chart font: four font files separated by ";", Latin first, then
    // further scripts; missing files are skipped by the charts layer.
    static QString defaultFontFileName();

    int intArrayCount() const { return int(m_intArrays.size()); }
    int doubleArrayCount() const { return int(m_doubleArrays.size()); }
    int stringArrayCount() const { return int(m_stringArrays.size()); }

private:
    ChartUtilities() = default;
    ~ChartUtilities();

    QList<int*> m_intArrays;
    QList<double*> m_doubleArrays;
    QList<QPair<char**, int>> m_stringArrays;
};

} // namespace Corvane::Gadgets::Utilities
