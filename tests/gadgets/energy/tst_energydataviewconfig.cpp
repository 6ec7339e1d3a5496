#include "energy/EnergyDataViewConfig.h"

#include <QTest>

using namespace Corvane::Gadgets;
using namespace Corvane::Gadgets::GadgetsCommon;
using Corvane::Gadgets::Models::EnergyDataViewConfig;

Q_DECLARE_METATYPE(EnergyDataViewConfig)

class tst_EnergyDataViewConfig : public QObject
{
    Q_OBJECT

private slots:
    void equality_data();
    void equality();
    void outOfRangeViewIsUnequalToItself();
};

void tst_EnergyDataViewConfig::equality_data()
{
    QTest::addColumn<EnergyDataViewConfig>("a");
    QTest::addColumn<EnergyDataViewConfig>("b");
    QTest::addColumn<bool>("equal");

    const QDate march3(2024, 3, 3);
    const QDate march28(2024, 3, 28);
    QTest::newRow("defaults") << EnergyDataViewConfig() << EnergyDataViewConfig() << true;
    QTest::newRow("monthly same month, other day")
        << EnergyDataViewConfig(MonthlyView, {}, march3, LastTwelveMonths)
        << EnergyDataViewConfig(MonthlyView, {}, march28, LastTwelveMonths) << true;
    QTest::newRow("monthly 31 March against 1 April")
        << EnergyDataViewConfig(MonthlyView, {}, QDate(2024, 3, 31), LastTwelveMonths)
        << EnergyDataViewConfig(MonthlyView, {}, QDate(2024, 4, 1), LastTwelveMonths) << false;
    QTest::newRow("monthly March of two years")
        << EnergyDataViewConfig(MonthlyView, {}, march3, LastTwelveMonths)
        << EnergyDataViewConfig(MonthlyView, {}, QDate(2023, 3, 3), LastTwelveMonths) << false;
    QTest::newRow("daily ignores the other fields")
        << EnergyDataViewConfig(DailyView, march3, march3, LastTwelveMonths)
        << EnergyDataViewConfig(DailyView, march3, QDate(2020, 1, 1), PreviousTwelveMonths) << true;
    QTest::newRow("daily other day")
        << EnergyDataViewConfig(DailyView, march3, {}, LastTwelveMonths)
        << EnergyDataViewConfig(DailyView, march28, {}, LastTwelveMonths) << false;
    QTest::newRow("daily against monthly with the same fields")
        << EnergyDataViewConfig(DailyView, march3, march3, LastTwelveMonths)
        << EnergyDataViewConfig(MonthlyView, march3, march3, LastTwelveMonths) << false;
    QTest::newRow("annual ignores the dates")
        << EnergyDataViewConfig(AnnualView, march3, march3, PreviousTwelveMonths)
        << EnergyDataViewConfig(AnnualView, march28, QDate(2020, 1, 1), PreviousTwelveMonths) << true;
    QTest::newRow("annual other period")
        << EnergyDataViewConfig(AnnualView, {}, {}, PreviousTwelveMonths)
        << EnergyDataViewConfig(AnnualView, {}, {}, LastTwelveMonths) << false;
}

void tst_EnergyDataViewConfig::equality()
{
    QFETCH(EnergyDataViewConfig, a);
    QFETCH(EnergyDataViewConfig, b);
    QFETCH(bool, equal);

    QCOMPARE(a == b, equal);
    QCOMPARE(b == a, equal);
    QCOMPARE(a != b, !equal);
}

void tst_EnergyDataViewConfig::outOfRangeViewIsUnequalToItself()
{
    EnergyDataViewConfig config;
    config.setTimespanView(TimespanView(3));
    QVERIFY(!(config == config));
    QVERIFY(config != config);
    QVERIFY(config != EnergyDataViewConfig());
}

QTEST_APPLESS_MAIN(tst_EnergyDataViewConfig)
#include "tst_energydataviewconfig.moc"
