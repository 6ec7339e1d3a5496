// Renders the energy bar chart into PNG pictures for a visual check: a month
// of daily values, a year of months, a year of days, value labels, a
// right-to-left layout, a chart without data and a zoomed chart viewer.
//     gadgets_chart_gallery [folder]
// Colours come from the Corvane theme's "energy_chart_" keys; where a key is
// missing the picture uses a sample gradient and says so.

#include "ChartSamples.h"

#include "energy/QChartViewer.h"
#include "energy/GraphicsChartViewer.h"
#include "energy/GraphicsStackedBarChart.h"
#include "theme/ThemeProvider.h"

#include "charts/ViewPortManager.h"
#include "charts/XYChart.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>

#include <cstdio>

using namespace Corvane;
using Corvane::Gadgets::GraphicsStackedBarChart;

namespace {

void save(const QImage& image, const QString& folder, const QString& name)
{
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
    image.save(path);
    std::printf("%s\n", qPrintable(path));
}

QImage renderItem(GraphicsStackedBarChart& chart, const QColor& background)
{
    const QSize size = chart.chartSize().toSize();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    QPainter painter(&image);
    painter.drawPixmap(0, 0, chart.viewer()->pixmap());
    return image;
}

void renderChart(const QString& folder, const QString& name, const GraphicsStackedBarChart::Series& data,
                 const QString& xTitle, const QString& yTitle, double scale, bool valueLabels)
{
    GraphicsStackedBarChart chart;
    ChartSamples::applyTheme(chart);
    chart.setChartSize(ChartSamples::chartSize() * scale);
    chart.setLineAndFontScale(scale);
    chart.setXAxisTitle(xTitle);
    chart.setYAxisTitle(yTitle);
    chart.setPrintsBarValues(valueLabels);
    chart.setData(data);
    chart.redrawChart();
    save(renderItem(chart, ChartSamples::faceColor()), folder, name);
}

void renderViewer(const QString& folder)
{
    const GraphicsStackedBarChart::Series data = ChartSamples::yearDaily();
    Charts::XYChart chart(640, 320, int(0x00FFFFFF));
    chart.setPlotArea(60, 20, 560, 250, int(0x00F4F7FA), int(0x00FFFFFF), int(0x00C0C0C0), int(0x00D0D0D0));
    // A view port from 40% to 60% of the year.
    QChartViewer viewer;
    viewer.setMouseUsage(QChartViewer::MouseUsageZoomIn);
    viewer.viewPortManager()->setViewPortLeft(0.4);
    viewer.viewPortManager()->setViewPortWidth(0.2);
    const int first = int(data.size() * 0.4);
    const int count = int(data.size() * 0.2);
    QList<double> values;
    QList<QByteArray> texts;
    for (int i = first; i < first + count; ++i) {
        values << data.at(i).second.first();
        texts << (i % 7 == 0 ? data.at(i).first.toUtf8() : QByteArray(" "));
    }
    QList<const char*> labels;
    for (const QByteArray& text : std::as_const(texts))
        labels << text.constData();
    chart.addBarLayer3(Charts::DoubleArray(values.constData(), int(values.size())));
    chart.xAxis()->setLabels(Charts::StringArray(labels.constData(), int(labels.size())));
    chart.xAxis()->setTitle("Day (zoomed: days 146 to 218)");
    chart.yAxis()->setTitle("kWh");
    chart.yAxis()->setDateScale(0, 40);
    chart.addTitle("Chart viewer, zoomed");
    viewer.setChart(&chart);
    viewer.resize(viewer.sizeHint());
    save(viewer.grab().toImage(), folder, QStringLiteral("chart_viewer_zoomed"));
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);
    Gadgets::ThemeProvider::DefaultThemeFolder = QStringLiteral(":/CorvaneTheme");
    Gadgets::ThemeProvider::setThemeFile(QString());
    for (const QString& missing : ChartSamples::missingThemeKeys())
        std::printf("theme key %s missing: sample colours used\n", qPrintable(missing));

    renderChart(folder, QStringLiteral("chart_month"), ChartSamples::month(), QStringLiteral("Day"),
                QStringLiteral("kWh"), 1.0, false);
    renderChart(folder, QStringLiteral("chart_month_values_2x"), ChartSamples::month(), QStringLiteral("Day"),
                QStringLiteral("kWh"), 2.0, true);
    renderChart(folder, QStringLiteral("chart_year"), ChartSamples::year(), QStringLiteral("Month"),
                QStringLiteral("EUR"), 1.0, true);
    renderChart(folder, QStringLiteral("chart_year_daily"), ChartSamples::yearDaily(), QStringLiteral("Day"),
                QStringLiteral("kWh"), 1.0, false);
    renderChart(folder, QStringLiteral("chart_zero"), ChartSamples::zeros(), QStringLiteral("Day"),
                QStringLiteral("kWh"), 1.0, false);
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    renderChart(folder, QStringLiteral("chart_year_rtl"), ChartSamples::year(), QStringLiteral("Month"),
                QStringLiteral("kWh"), 1.0, false);
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    renderViewer(folder);
    Gadgets::ThemeProvider::clear();
    return 0;
}
