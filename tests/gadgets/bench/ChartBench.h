#pragma once

#include "ChartSamples.h"

#include "energy/GraphicsChartViewer.h"
#include "energy/GraphicsStackedBarChart.h"

#include <QElapsedTimer>
#include <QPropertyAnimation>

#include <algorithm>
#include <cstdio>

// Times full redraws of the energy bar chart: each frame is one step of the
// grow animation, built through the charts layer, encoded and decoded into
// the viewer's pixmap, at the chart rectangle of the current theme's energy
// face at scale 1.0.
namespace ChartBench {

constexpr int WARM_UP_DRAWS = 10;
constexpr int MEASURED_DRAWS = 200;

inline void measure(const char* name, const ChartSamples::Series& data)
{
    Corvane::Gadgets::GraphicsStackedBarChart chart;
    ChartSamples::applyTheme(chart);
    chart.setChartSize(ChartSamples::chartSize());
    chart.setLineAndFontScale(1.0);
    chart.setXAxisTitle(QStringLiteral("Day"));
    chart.setYAxisTitle(QStringLiteral("kWh"));
    chart.setUsesAnimation(true);
    chart.setData(data);
    QPropertyAnimation* animation = chart.valueAnimation();
    animation->pause();
    double total = 0.0;
    double worst = 0.0;
    for (int draw = 0; draw < WARM_UP_DRAWS + MEASURED_DRAWS; ++draw) {
        QElapsedTimer timer;
        timer.start();
        animation->setCurrentTime(1 + draw % (animation->duration() - 2));
        const double milliseconds = timer.nsecsElapsed() / 1e6;
        if (chart.viewer()->pixmap().isNull())
            std::printf("%s: no picture drawn\n", name);
        if (draw < WARM_UP_DRAWS)
            continue;
        total += milliseconds;
        worst = std::max(worst, milliseconds);
    }
    std::printf("%s mean_ms=%.3f worst_ms=%.3f\n", name, total / MEASURED_DRAWS, worst);
}

inline void measureEnergyCharts()
{
    const QSizeF size = ChartSamples::chartSize();
    std::printf("energy charts at %gx%g\n", size.width(), size.height());
    measure("energy_chart_month", ChartSamples::month());
    measure("energy_chart_year", ChartSamples::year());
    measure("energy_chart_year_daily", ChartSamples::yearDaily());
}

} // namespace ChartBench
