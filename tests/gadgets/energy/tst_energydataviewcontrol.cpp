#include "FaceFixtures.h"

#include "energy/EnergyConsumptionDisplay.h"
#include "energy/EnergyConsumptionTableDisplay.h"
#include "energy/EnergyDataViewTableModel.h"
#include "energy/EnergyDataViewControl.h"
#include "energy/EnergyTimespanEdit.h"
#include "energy/GraphicsProgressBar.h"
#include "text/TextLabel.h"
#include "theme/ThemeProvider.h"
#include "utilities/DateUtilities.h"

#include <QSignalSpy>
#include <QTest>

#include <limits>
#include <memory>

using namespace Corvane::Gadgets;
using namespace Corvane::Gadgets::GadgetsCommon;
using Corvane::Utilities::DateUtilities;
using Face = EnergyDataViewControl;

namespace {

std::unique_ptr<Face> newFace()
{
    return std::make_unique<Face>(ThemeProvider::getRendererFor(ThemeProvider::ENERGY_DATA_VIEW), nullptr);
}

struct Spies
{
    explicit Spies(Face* face)
        : timespan(face, &Face::cycleTimespanViewClicked)
        , date(face, &Face::dateChanged)
        , ok(face, &Face::okClicked)
        , currency(face, &Face::cycleCurrencyUnitClicked)
        , tariff(face, &Face::tariffClicked)
        , monthly(face, &Face::cycleMonthlyViewClicked)
    {
    }
    QList<int> counts() const
    {
        return {int(timespan.size()), int(date.size()),   int(ok.size()),
                int(currency.size()), int(tariff.size()), int(monthly.size())};
    }
    QSignalSpy timespan, date, ok, currency, tariff, monthly;
};

bool isDisabled(SvgContentBackButton* button)
{
    return button->state() == SvgButton::Disabled && button->iconElement() == "disabled";
}

} // namespace

class tst_EnergyDataViewControl : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        SceneTestHelpers::useTheme(QStringLiteral(":/CorvaneTheme"));
        DateUtilities::setCurrentDate(QDate(2024, 6, 15));
    }

    void newFaceShowsNoData();
    void valueLabels_data();
    void valueLabels();
    void dataTypeChangesTheAxisAtOnceAndLabelsLater();
    void buttons_data();
    void buttons();
    void olderMonthFallsBackToDays();
    void enabling();
    void economicEvaluationStaysOffWhileLoading();
    void statusFollowsDataAndProgress();
    void rollbackProgressOnlyWhileLoading();
    void displayTitle();
    void moneyTableHasTheMoneyPrecision_data();
    void moneyTableHasTheMoneyPrecision();
    void configFollowsTheEditor();
    void hostileSeriesAreDrawnInsideTheFace();
};

void tst_EnergyDataViewControl::newFaceShowsNoData()
{
    auto face = newFace();
    QCOMPARE(face->energyDataStatus(), Face::NoData);
    QVERIFY(face->statusLabel()->isVisible());
    QCOMPARE(face->statusLabel()->text(), QString("No data"));
    QVERIFY(!face->progressBar()->isVisible());
    QVERIFY(!face->consumptionDisplayControl()->isVisible());
    QVERIFY(!face->consumptionLabel(Face::AverageConsumption)->isVisible());
    SvgContentBackButton* monthly = face->button(Face::CYCLE_MONTHLY_VIEW_BUTTON_ID);
    QVERIFY(!monthly->isVisible());
    QCOMPARE(monthly->text(), QString("Hours"));
    QCOMPARE(face->button(Face::OK_BUTTON_ID)->text(), QString("OK"));
    QVERIFY(face->boundingRect().width() > 0);
    QCOMPARE(face->hotspot(), face->boundsOnElement(Face::HOTSPOT_ID).center());
}

void tst_EnergyDataViewControl::valueLabels_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("dataType");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("instant");

    // The instant value is a rate: power, or its cost per hour.
    QTest::newRow("energy") << "12.5" << 0 << "Tot: 12.5 kWh" << "Inst: 3 kW";
    QTest::newRow("money") << "12.5" << 1 << "Tot: 12.5 EUR" << "Inst: 3 EUR/h";
    QTest::newRow("empty value, no unit") << "" << 0 << "Tot:  " << "Inst: 3 kW";
}

void tst_EnergyDataViewControl::valueLabels()
{
    QFETCH(QString, value);
    QFETCH(int, dataType);
    QFETCH(QString, text);
    QFETCH(QString, instant);

    auto face = newFace();
    face->setDataType(DataType(dataType));
    face->setMeasurementUnit("kWh");
    face->setCurrency("EUR");
    face->setInstantUnits("kW", "EUR/h");
    face->setTotalConsumption(value);
    face->setInstantConsumption("3");
    QCOMPARE(face->consumptionLabel(Face::TotalConsumption)->text(), text);
    QCOMPARE(face->consumptionLabel(Face::InstantConsumption)->text(), instant);
}

void tst_EnergyDataViewControl::dataTypeChangesTheAxisAtOnceAndLabelsLater()
{
    auto face = newFace();
    face->setMeasurementUnit("kWh");
    face->setCurrency("EUR");
    face->setTotalConsumption("7");
    face->setConsumptionDisplayData({{"1", {1.0}}}, TableDisplay);
    face->setDataType(MoneyData);
    auto* table = face->consumptionDisplayControl()->tableDisplay();
    QCOMPARE(table->model()->yLabel(), QString("EUR"));
    QCOMPARE(face->consumptionLabel(Face::TotalConsumption)->text(), QString("Tot: 7 kWh"));
    face->setTotalConsumption("7");
    QCOMPARE(face->consumptionLabel(Face::TotalConsumption)->text(), QString("Tot: 7 EUR"));
}

void tst_EnergyDataViewControl::buttons_data()
{
    QTest::addColumn<int>("view");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QList<int>>("counts");

    // Counts: time span, date, OK, currency, tariff, monthly mode.
    QTest::newRow("cycle time span") << 0 << Face::CYCLE_TIMESPAN_VIEW_BUTTON_ID << QList<int>{1, 0, 0, 0, 0, 0};
    QTest::newRow("decrease, daily") << 0 << Face::DECREASE_BUTTON_ID << QList<int>{0, 2, 0, 0, 0, 0};
    QTest::newRow("increase at the end, daily") << 0 << Face::INCREASE_BUTTON_ID << QList<int>{0, 1, 0, 0, 0, 0};
    QTest::newRow("decrease, monthly") << 1 << Face::DECREASE_BUTTON_ID << QList<int>{0, 2, 0, 0, 0, 0};
    QTest::newRow("decrease, annual") << 2 << Face::DECREASE_BUTTON_ID << QList<int>{0, 1, 0, 0, 0, 0};
    QTest::newRow("OK") << 0 << Face::OK_BUTTON_ID << QList<int>{0, 0, 1, 0, 0, 0};
    QTest::newRow("chart/table") << 0 << Face::CYCLE_GRAPHTABLE_VIEW_BUTTON_ID << QList<int>{0, 0, 0, 0, 0, 0};
    QTest::newRow("currency") << 0 << Face::CYCLE_CURRENCY_BUTTON_ID << QList<int>{0, 0, 0, 1, 0, 0};
    QTest::newRow("tariff") << 0 << Face::TARIFF_BUTTON_ID << QList<int>{0, 0, 0, 0, 1, 0};
    QTest::newRow("monthly mode") << 1 << Face::CYCLE_MONTHLY_VIEW_BUTTON_ID << QList<int>{0, 0, 0, 0, 0, 1};
}

void tst_EnergyDataViewControl::buttons()
{
    QFETCH(int, view);
    QFETCH(QString, button);
    QFETCH(QList<int>, counts);

    auto face = newFace();
    const QDateTime end(QDate(2024, 6, 15), QTime(12, 0));
    face->setEndDate(end);
    face->setDailyViewDate(end);
    face->setMonthlyViewDate(end);
    face->setTimespanView(TimespanView(view));
    const ConsumptionDisplay display = face->consumptionDisplay();
    const DataType type = face->dataType();
    Spies spies(face.get());
    clickButton(*face, face->button(button));
    QCOMPARE(spies.counts(), counts);
    if (button == Face::CYCLE_TIMESPAN_VIEW_BUTTON_ID)
        QCOMPARE(face->timespanView(), MonthlyView);
    if (button == Face::CYCLE_GRAPHTABLE_VIEW_BUTTON_ID)
        QCOMPARE(face->consumptionDisplay(), ConsumptionDisplay((display + 1) % 2));
    if (button == Face::CYCLE_CURRENCY_BUTTON_ID)
        QCOMPARE(face->dataType(), DataType((type + 1) % 2));
    if (button == Face::CYCLE_MONTHLY_VIEW_BUTTON_ID) {
        QCOMPARE(face->monthlyViewMode(), MonthlyViewHours);
        QCOMPARE(face->button(button)->text(), QString("Days"));
        QCOMPARE(face->consumptionDisplayControl()->tableDisplay()->model()->xLabel(), QString("Hours"));
    }
}

void tst_EnergyDataViewControl::olderMonthFallsBackToDays()
{
    auto face = newFace();
    face->setEndDate(QDateTime(QDate(2024, 6, 15), QTime(12, 0)));
    face->setMonthlyViewDate(QDateTime(QDate(2024, 5, 3), QTime(0, 0)));
    face->setTimespanView(MonthlyView);
    QVERIFY(face->button(Face::CYCLE_MONTHLY_VIEW_BUTTON_ID)->isVisible());
    face->setMonthlyViewMode(MonthlyViewHours);
    QSignalSpy monthly(face.get(), &Face::cycleMonthlyViewClicked);
    face->setMonthlyViewDate(QDateTime(QDate(2022, 5, 3), QTime(0, 0)));
    QVERIFY(!face->button(Face::CYCLE_MONTHLY_VIEW_BUTTON_ID)->isVisible());
    QCOMPARE(face->monthlyViewMode(), MonthlyViewDays);
    QCOMPARE(face->consumptionDisplayControl()->tableDisplay()->model()->xLabel(), QString("Days"));
    QCOMPARE(monthly.size(), 0);
    // Recent or not by the face's end date (its meter's clock), whatever the
    // computer's date.
    face->setEndDate(QDateTime(QDate(2022, 6, 1), QTime(12, 0)));
    QVERIFY(face->button(Face::CYCLE_MONTHLY_VIEW_BUTTON_ID)->isVisible());
}

void tst_EnergyDataViewControl::enabling()
{
    auto face = newFace();
    face->enableControls(false);
    face->enableControls(false);
    QVERIFY(!face->areControlsEnabled());
    QVERIFY(!face->dateEdit()->isEnabled());
    for (const QString& id : {Face::OK_BUTTON_ID, Face::DECREASE_BUTTON_ID, Face::TARIFF_BUTTON_ID})
        QVERIFY(isDisabled(face->button(id)));
    Spies spies(face.get());
    clickButton(*face, face->button(Face::OK_BUTTON_ID));
    QCOMPARE(spies.ok.size(), 0);

    face->setIsEconomicEvaluationEnabled(false);
    face->enableControls(true);
    QVERIFY(!isDisabled(face->button(Face::OK_BUTTON_ID)));
    QVERIFY(isDisabled(face->button(Face::CYCLE_CURRENCY_BUTTON_ID)));
    QVERIFY(isDisabled(face->button(Face::TARIFF_BUTTON_ID)));
    face->setIsEconomicEvaluationEnabled(true);
    QVERIFY(!isDisabled(face->button(Face::TARIFF_BUTTON_ID)));
}

void tst_EnergyDataViewControl::economicEvaluationStaysOffWhileLoading()
{
    auto face = newFace();
    face->enableControls(false);
    face->setIsEconomicEvaluationEnabled(true);
    QVERIFY(isDisabled(face->button(Face::CYCLE_CURRENCY_BUTTON_ID)));
    QVERIFY(isDisabled(face->button(Face::TARIFF_BUTTON_ID)));
    face->enableControls(true);
    QVERIFY(!isDisabled(face->button(Face::CYCLE_CURRENCY_BUTTON_ID)));
}

void tst_EnergyDataViewControl::statusFollowsDataAndProgress()
{
    auto face = newFace();
    face->setProgressRange(0, 10);
    face->setProgress(5);
    QCOMPARE(face->energyDataStatus(), Face::LoadingData);
    QVERIFY(face->progressBar()->isVisible());
    QVERIFY(!face->statusLabel()->isVisible());
    QCOMPARE(face->progressBar()->text(), QString("Loading data 50%. Please wait..."));
    face->setConsumptionDisplayData({{"01", {1.0, 2.0}}});
    QCOMPARE(face->energyDataStatus(), Face::DataShown);
    QVERIFY(face->consumptionDisplayControl()->isVisible());
    QVERIFY(!face->progressBar()->isVisible());
    face->setConsumptionDisplayData({}, TableDisplay);
    QCOMPARE(face->energyDataStatus(), Face::NoData);
}

void tst_EnergyDataViewControl::rollbackProgressOnlyWhileLoading()
{
    auto face = newFace();
    QSignalSpy cache(face.get(), &Face::energyDataCacheRequested);
    face->rollbackProgress();
    face->setConsumptionDisplayData({{"01", {1.0}}});
    face->rollbackProgress();
    QCOMPARE(cache.size(), 0);
    face->setProgress(0);
    face->rollbackProgress();
    QCOMPARE(cache.size(), 1);
    QCOMPARE(face->energyDataStatus(), Face::LoadingData);
}

void tst_EnergyDataViewControl::displayTitle()
{
    // The dates read in the locale's form.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    auto face = newFace();
    const QDateTime day(QDate(2024, 6, 3), QTime(0, 0));
    face->setDailyViewDate(day);
    for (int view = 0; view < 3; ++view) {
        face->setTimespanView(TimespanView(view));
        QCOMPARE(face->titleLabel()->text(), QString());
    }
    face->setTimespanView(DailyView);
    face->setLastUpdated(QDateTime(QDate(2024, 6, 4), QTime(8, 5)));
    QCOMPARE(face->titleLabel()->text(), QString("Data 03.06.2024 updated to 04.06.2024 08:05"));
    face->setTimespanView(AnnualView);
    QCOMPARE(face->titleLabel()->text(), QString("Last 12 months updated to 04.06.2024 08:05"));
    QSignalSpy title(face.get(), &Face::titleTextChanged);
    face->setItemName("Oven");
    QCOMPARE(title.last().first().toString(), QString("Energy data: Oven"));
    QLocale::setDefault(QLocale::c());
}

void tst_EnergyDataViewControl::configFollowsTheEditor()
{
    auto face = newFace();
    face->setEndDate(QDateTime(QDate(2024, 6, 15), QTime(12, 0)));
    face->setMonthlyViewDate(QDateTime(QDate(2024, 4, 9), QTime(0, 0)));
    face->setTimespanView(MonthlyView);
    face->setAnnualViewDate(PreviousTwelveMonths);
    const Models::EnergyDataViewConfig config = face->config();
    QCOMPARE(config.timespanView(), MonthlyView);
    QCOMPARE(config.monthlyViewDate(), QDate(2024, 4, 9));
    QCOMPARE(config.annualViewDate(), PreviousTwelveMonths);
    QVERIFY(config == Models::EnergyDataViewConfig(MonthlyView, {}, QDate(2024, 4, 30), LastTwelveMonths));
}

void tst_EnergyDataViewControl::hostileSeriesAreDrawnInsideTheFace()
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    AbstractEnergyConsumptionDisplay::Series series{
        {"", {nan}}, {QString(500, 'W'), {inf, -inf}}, {"3", {-5.0}}, {"4", {1e308, 1e308}}, {"5", {}}};
    for (int i = 0; i < 400; ++i)
        series.append({QString::number(i), {double(i % 7)}});
    for (ConsumptionDisplay display : {ChartDisplay, TableDisplay}) {
        auto face = newFace();
        face->setConsumptionDisplay(display);
        face->setConsumptionDisplayData(series);
        face->setTotalConsumption(QString(300, '9'));
        QVERIFY(!paintsOutside(face.get()));
    }
}

void tst_EnergyDataViewControl::moneyTableHasTheMoneyPrecision_data()
{
    QTest::addColumn<int>("dataType");
    QTest::addColumn<QString>("text");
    QTest::newRow("money: two decimals, as the totals") << int(MoneyData) << "93.32";
    QTest::newRow("energy: three decimals") << int(EnergyData) << "93.320";
}

void tst_EnergyDataViewControl::moneyTableHasTheMoneyPrecision()
{
    QFETCH(int, dataType);
    QFETCH(QString, text);
    auto face = newFace();
    face->setConsumptionDisplay(TableDisplay);
    face->setConsumptionDisplayData({ { QStringLiteral("1"), { 93.32 } } });
    face->setDataType(DataType(dataType));
    const auto* model = face->consumptionDisplayControl()->tableDisplay()->model();
    QCOMPARE(model->data(0, 1, TextRole).toString(), text);
    // The same for a view drawn afresh.
    face->setConsumptionDisplayData({ { QStringLiteral("1"), { 93.32 } } });
    QCOMPARE(model->data(0, 1, TextRole).toString(), text);
}

QTEST_MAIN(tst_EnergyDataViewControl)
#include "tst_energydataviewcontrol.moc"
