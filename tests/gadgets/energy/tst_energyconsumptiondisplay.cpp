#include "FaceFixtures.h"

#include "energy/EnergyConsumptionChartDisplay.h"
#include "energy/EnergyConsumptionDisplay.h"
#include "energy/EnergyConsumptionTableDisplay.h"
#include "energy/EnergyDataViewTableModel.h"
#include "theme/ThemeProvider.h"

#include <QTest>

#include <memory>

using namespace Corvane::Gadgets;
using namespace Corvane::Gadgets::GadgetsCommon;

namespace {

std::unique_ptr<EnergyConsumptionDisplay> newDisplay()
{
    return std::make_unique<EnergyConsumptionDisplay>(ThemeProvider::getRendererFor(ThemeProvider::ENERGY_DATA_VIEW),
                                                      nullptr);
}

const AbstractEnergyConsumptionDisplay::Series Series{{"1", {1.0, 4.0}}, {"2", {2.0}}};

} // namespace

class tst_EnergyConsumptionDisplay : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { SceneTestHelpers::useTheme(QStringLiteral(":/CorvaneTheme")); }

    void startsOnTheChart();
    void switching_data();
    void switching();
    void dataForOneDisplayOnly();
    void hasDataNeedsBoth();
    void axisLabelsReachBoth();
};

void tst_EnergyConsumptionDisplay::startsOnTheChart()
{
    auto display = newDisplay();
    QCOMPARE(display->display(), ChartDisplay);
    QVERIFY(display->chartDisplay()->isVisible());
    QVERIFY(!display->tableDisplay()->isVisible());
    QCOMPARE(display->nextDisplay(), TableDisplay);
}

void tst_EnergyConsumptionDisplay::switching_data()
{
    QTest::addColumn<int>("requested");
    QTest::addColumn<int>("shown");

    QTest::newRow("table") << 1 << 1;
    QTest::newRow("chart") << 0 << 0;
    QTest::newRow("out of range ignored") << 2 << 1;
}

void tst_EnergyConsumptionDisplay::switching()
{
    QFETCH(int, requested);
    QFETCH(int, shown);

    auto display = newDisplay();
    display->advanceToNextDisplay();
    display->setDisplay(ConsumptionDisplay(requested));
    QCOMPARE(int(display->display()), shown);
    QCOMPARE(display->chartDisplay()->isVisible(), shown == 0);
    QCOMPARE(display->tableDisplay()->isVisible(), shown == 1);
}

void tst_EnergyConsumptionDisplay::dataForOneDisplayOnly()
{
    auto display = newDisplay();
    display->setData(Series);
    display->setData({{"9", {9.0}}}, TableDisplay);
    QCOMPARE(display->tableDisplay()->model()->rowCount(), 1);
    QCOMPARE(display->chartDisplay()->hasData(), true);
    display->setData({}, TableDisplay);
    QVERIFY(!display->tableDisplay()->hasData());
    QVERIFY(display->chartDisplay()->hasData());
}

void tst_EnergyConsumptionDisplay::hasDataNeedsBoth()
{
    auto display = newDisplay();
    QVERIFY(!display->hasData());
    display->setData(Series, ChartDisplay);
    QVERIFY(!display->hasData());
    display->setData(Series);
    QVERIFY(display->hasData());
}

void tst_EnergyConsumptionDisplay::axisLabelsReachBoth()
{
    auto display = newDisplay();
    display->setXAxisLabel("Days");
    display->setYAxisLabel("kWh");
    QCOMPARE(display->tableDisplay()->model()->xLabel(), QString("Days"));
    QCOMPARE(display->tableDisplay()->model()->yLabel(), QString("kWh"));
}

QTEST_MAIN(tst_EnergyConsumptionDisplay)
#include "tst_energyconsumptiondisplay.moc"
