#pragma once

#include "controls/SvgControl.h"
#include "energy/GraphicsStackedBarChart.h"
#include "theme/RendererContainer.h"
#include "theme/ThemeProvider.h"

#include <QLocale>
#include <QSizeF>
#include <QStringList>

#include <cmath>

// Sample consumption series and the chart set-up of the energy face's chart
// display (theme keys "energy_chart_..."), shared by the chart pictures, the
// bench and the tests.
namespace ChartSamples {

using Series = Corvane::Gadgets::GraphicsStackedBarChart::Series;
using Corvane::Gadgets::ThemeProvider;

// The chart rectangle of the current theme's energy face, or the size the
// built-in themes give it (396 x 232) when the face has none.
inline QSizeF chartSize()
{
    const QRectF placeholder = Corvane::Gadgets::SvgControl::boundsOnElement(
        QStringLiteral("chart_placeholder"), ThemeProvider::getRendererFor(ThemeProvider::ENERGY_DATA_VIEW)->renderer());
    return placeholder.isValid() ? placeholder.size() : QSizeF(396, 232);
}

inline QColor faceColor()
{
    return QColor(0x1D, 0x27, 0x33);
}

struct GradientKey
{
    const char* suffix;
    const char* sample;
};

inline const GradientKey* gradientKeys()
{
    static const GradientKey keys[] = {
        { "odd_bars_color", "0.0 FF8FDCFF 1.0 FF1766DC" },
        { "even_bars_color", "0.0 FFFFE082 1.0 FFFF9F43" },
        { "axes_values_color", "0.0 FFFFFFFF 1.0 FFE1EDFF" },
        { nullptr, nullptr },
    };
    return keys;
}

inline QGradientStops sampleStops(const char* text)
{
    const QStringList items = QString::fromLatin1(text).split(QLatin1Char(' '));
    QGradientStops stops;
    for (int i = 0; i + 1 < items.size(); i += 2)
        stops.append({ items.at(i).toDouble(), QColor::fromRgba(items.at(i + 1).toUInt(nullptr, 16)) });
    return stops;
}

inline QGradientStops themeStops(const GradientKey& key)
{
    QGradientStops stops;
    if (!ThemeProvider::getGradientColorStops(QStringLiteral("energy_chart_") + QLatin1String(key.suffix), stops))
        stops = sampleStops(key.sample);
    return stops;
}

inline QStringList missingThemeKeys()
{
    QStringList missing;
    for (const GradientKey* key = gradientKeys(); key->suffix; ++key) {
        QGradientStops stops;
        const QString name = QStringLiteral("energy_chart_") + QLatin1String(key->suffix);
        if (!ThemeProvider::getGradientColorStops(name, stops))
            missing << name;
    }
    return missing;
}

// As the chart display reads its theme: grid and axes colour, bar and label
// gradients, line 1, tick 5, gap 3 and the themed font size.
inline void applyTheme(Corvane::Gadgets::GraphicsStackedBarChart& chart)
{
    const QColor grid = ThemeProvider::getColor(QStringLiteral("energy_chart_grid_color"), QColor(0x59FFFFFF));
    chart.setHGridLinesColor(grid);
    chart.setAxesColor(grid);
    chart.setOddBarsColor(themeStops(gradientKeys()[0]));
    chart.setEvenBarsColor(themeStops(gradientKeys()[1]));
    chart.setXAxisValuesColor(themeStops(gradientKeys()[2]));
    chart.setYAxisValuesColor(themeStops(gradientKeys()[2]));
    chart.setLineThickness(1);
    chart.setTickLength(5);
    chart.setGapWidth(3);
    chart.setFontSize(ThemeProvider::getInt(QStringLiteral("energy_chart_font_size"), 11));
}

// A smooth, repeatable consumption value of day or month n.
inline double sampleValue(int n, double base)
{
    return base * (1.0 + 0.45 * std::sin(n * 0.7) + 0.25 * std::cos(n * 1.9));
}

inline Series month()
{
    Series series;
    for (int day = 1; day <= 31; ++day)
        series.append({ QString::number(day), { sampleValue(day, 12.0), sampleValue(day + 3, 4.0), sampleValue(day + 5, 2.0) } });
    return series;
}

inline Series year()
{
    Series series;
    const QLocale locale(QLocale::English);
    for (int month = 1; month <= 12; ++month)
        series.append({ locale.monthName(month, QLocale::ShortFormat),
                        { sampleValue(month, 360.0), sampleValue(month + 2, 90.0), sampleValue(month + 4, 40.0) } });
    return series;
}

inline Series yearDaily()
{
    Series series;
    for (int day = 1; day <= 365; ++day)
        series.append({ QString::number(day), { sampleValue(day, 12.0), sampleValue(day + 3, 4.0), sampleValue(day + 5, 2.0) } });
    return series;
}

inline Series zeros()
{
    Series series;
    for (int day = 1; day <= 7; ++day)
        series.append({ QString::number(day), { 0.0 } });
    return series;
}

} // namespace ChartSamples
