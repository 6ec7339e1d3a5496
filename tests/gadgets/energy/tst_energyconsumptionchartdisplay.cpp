#include "FaceFixtures.h"

#include "energy/EnergyConsumptionChartDisplay.h"
#include "energy/GraphicsStackedBarChart.h"
#include "theme/ThemeProvider.h"

#include <QGraphicsRectItem>
#include <QTest>

#include <limits>
#include <memory>

using namespace Corvane::Gadgets;

namespace {

std::unique_ptr<EnergyConsumptionChartDisplay> newDisplay()
{
    return std::make_unique<EnergyConsumptionChartDisplay>(
        ThemeProvider::getRendererFor(ThemeProvider::ENERGY_DATA_VIEW), nullptr);
}

} // namespace

class tst_EnergyConsumptionChartDisplay : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { SceneTestHelpers::useTheme(QStringLiteral(":/CorvaneTheme")); }

    void chartSitsOnItsPlaceholder();
    void chartIsRenderedAtDevicePixels();
    void hasData();
    void themeIsReadOnce();
    void hostileSeriesStayInside();
};

void tst_EnergyConsumptionChartDisplay::chartSitsOnItsPlaceholder()
{
    auto display = newDisplay();
    QCOMPARE(display->chartRect(), display->boundsOnElement("chart_placeholder"));
    QCOMPARE(display->chart()->pos(), display->chartRect().topLeft());
    QCOMPARE(display->fontSize(), 11);
}

void tst_EnergyConsumptionChartDisplay::chartIsRenderedAtDevicePixels()
{
    QGraphicsRectItem parent;
    parent.setScale(2.0);
    auto* display = new EnergyConsumptionChartDisplay(ThemeProvider::getRendererFor(ThemeProvider::ENERGY_DATA_VIEW),
                                                      nullptr);
    display->setParentItem(&parent);
    display->setData({{"1", {3.0}}, {"2", {4.0}}});
    QCOMPARE(display->chart()->scale(), 0.5);
    const QRectF shown = display->chart()->mapRectToScene(display->chart()->boundingRect());
    QVERIFY2(std::abs(shown.width() - 2.0 * display->chartRect().width()) <= 2.0, qPrintable(QString::number(shown.width())));
    display->setVisible(false);
    parent.setScale(1.0);
    display->setVisible(true);
    QCOMPARE(display->chart()->scale(), 1.0);
}

void tst_EnergyConsumptionChartDisplay::hasData()
{
    auto display = newDisplay();
    QVERIFY(!display->hasData());
    display->setData({{"1", {1.0}}});
    QVERIFY(display->hasData());
    display->setData({});
    QVERIFY(!display->hasData());
}

void tst_EnergyConsumptionChartDisplay::themeIsReadOnce()
{
    auto display = newDisplay();
    SceneTestHelpers::useTheme(QStringLiteral(":/TalveraTheme"));
    display->readThemeSettings(false);
    QCOMPARE(display->fontSize(), 11);
    display->readThemeSettings(true);
    QCOMPARE(display->fontSize(), ThemeProvider::getInt("energy_chart_font_size", 0));
    SceneTestHelpers::useTheme(QStringLiteral(":/CorvaneTheme"));
}

void tst_EnergyConsumptionChartDisplay::hostileSeriesStayInside()
{
    const double inf = std::numeric_limits<double>::infinity();
    AbstractEnergyConsumptionDisplay::Series series{{"", {std::numeric_limits<double>::quiet_NaN()}},
                                                   {QString(400, 'W'), {inf}},
                                                   {"3", {-2.0, -7.0}},
                                                   {"4", {1e308, 1e308}},
                                                   {"5", {}}};
    for (int i = 0; i < 10000; ++i)
        series.append({QString::number(i), {double(i % 13)}});
    auto display = newDisplay();
    display->chart()->setUsesAnimation(false);
    display->setData(series);
    QVERIFY(!paintsOutside(display.get()));
}

QTEST_MAIN(tst_EnergyConsumptionChartDisplay)
#include "tst_energyconsumptionchartdisplay.moc"
