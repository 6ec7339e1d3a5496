#include "FaceFixtures.h"

#include "energy/EnergyConsumptionTableDisplay.h"
#include "energy/EnergyDataViewTableModel.h"
#include "energy/GraphicsTable.h"
#include "energy/GraphicsTableCell.h"
#include "scroll/ScrollArea.h"
#include "theme/ThemeProvider.h"

#include <QLocale>
#include <QTest>

#include <limits>
#include <memory>

using namespace Corvane::Gadgets;

namespace {

std::unique_ptr<EnergyConsumptionTableDisplay> newDisplay()
{
    return std::make_unique<EnergyConsumptionTableDisplay>(
        ThemeProvider::getRendererFor(ThemeProvider::ENERGY_DATA_VIEW), nullptr);
}

} // namespace

class tst_EnergyConsumptionTableDisplay : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        SceneTestHelpers::useTheme(QStringLiteral(":/CorvaneTheme"));
        // Numbers as the C locale writes them, whatever the runner's.
        QLocale::setDefault(QLocale::c());
    }

    void rowsShowTheFirstValue();
    void newDataStartsAtTheTop();
    void themeIsReadOnlyWhenForced();
    void tenThousandRowsAndHostileValues();
};

void tst_EnergyConsumptionTableDisplay::rowsShowTheFirstValue()
{
    auto display = newDisplay();
    display->setData({{"01", {1.5, 7.0}}, {"02", {}}, {"03", {std::numeric_limits<double>::quiet_NaN()}}});
    QVERIFY(display->hasData());
    QCOMPARE(display->table()->cell(0, 1)->text(), QString("1.500"));
    QCOMPARE(display->table()->cell(1, 1)->text(), QString());
    QCOMPARE(display->table()->cell(2, 1)->text(), QString());
    QCOMPARE(display->table()->cell(2, 0)->text(), QString("03"));
    QCOMPARE(display->table()->pos(), QPointF(0, 0));
    QCOMPARE(display->scrollArea()->scaledBounds(), display->boundsOnElement("table_placeholder"));
}

void tst_EnergyConsumptionTableDisplay::newDataStartsAtTheTop()
{
    auto display = newDisplay();
    AbstractEnergyConsumptionDisplay::Series many;
    for (int i = 0; i < 60; ++i)
        many.append({QString::number(i), {double(i)}});
    display->setData(many);
    display->scrollArea()->scrollToValues(0, 50);
    QVERIFY(display->scrollArea()->childrenContainer()->pos().y() < 0);
    display->setData(many);
    QCOMPARE(display->scrollArea()->childrenContainer()->pos().y(), 0.0);
    display->setData({});
    QVERIFY(!display->hasData());
    QCOMPARE(display->model()->rowCount(), 0);
}

void tst_EnergyConsumptionTableDisplay::themeIsReadOnlyWhenForced()
{
    auto display = newDisplay();
    display->setData({{"01", {1.0}}});
    const QColor corvane = display->model()->paintData().borderColor;
    QVERIFY(corvane.alpha() > 0);
    SceneTestHelpers::useTheme(QStringLiteral(":/TalveraTheme"));
    const QColor talvera = ThemeProvider::getColor("energy_view_table_border_color", Qt::transparent);
    QVERIFY(talvera != corvane);
    display->readThemeSettings(false);
    QCOMPARE(display->model()->paintData().borderColor, corvane);
    display->readThemeSettings(true);
    QCOMPARE(display->model()->paintData().borderColor, talvera);
    QCOMPARE(display->table()->cell(0, 0)->borderColor(), talvera);
    SceneTestHelpers::useTheme(QStringLiteral(":/CorvaneTheme"));
}

void tst_EnergyConsumptionTableDisplay::tenThousandRowsAndHostileValues()
{
    auto display = newDisplay();
    AbstractEnergyConsumptionDisplay::Series series{{QString(300, 'L'), {1e308, 1e308}},
                                                   {"", {-std::numeric_limits<double>::infinity()}}};
    for (int i = 0; i < 10000; ++i)
        series.append({QString::number(i), {double(i)}});
    display->setData(series);
    QCOMPARE(display->model()->rowCount(), 10002);
    QCOMPARE(display->table()->cell(10001, 1)->text(), QString("9999.000"));
    QVERIFY(!paintsOutside(display.get()));
}

QTEST_MAIN(tst_EnergyConsumptionTableDisplay)
#include "tst_energyconsumptiontabledisplay.moc"
