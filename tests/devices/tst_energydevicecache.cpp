#include "devices/EnergyDevice.h"
#include "devices/EnergyDeviceCache.h"

#include <QTest>

using namespace Corvane::Devices;

class tst_EnergyDeviceCache : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void annualTakesOnlyMonthsOfItsRange();
    void entriesAreKeptPerDayAndMonth();
    void energyDeviceUsesUserTariff();
    void lookUpsCreateNothing();
    void meterStartsOnTheOldInterfaceWithASliderValue();
};

void tst_EnergyDeviceCache::annualTakesOnlyMonthsOfItsRange()
{
    EnergyDeviceCache cache;
    EnergyDeviceCache::AnnualEntry& annual = cache.annual(1);
    annual.setRange(QDate(2025, 1, 15), QDate(2025, 12, 3));

    QVERIFY(!annual.storeMonth(QDate(2024, 12, 1), 999));
    QVERIFY(!annual.storeMonth(QDate(2026, 1, 1), 999));
    for (int month = 1; month <= 11; ++month)
        QVERIFY(annual.storeMonth(QDate(2025, month, 1), month));
    // A late answer for a month already stored does not complete the year.
    QVERIFY(annual.storeMonth(QDate(2025, 3, 20), 3));
    QVERIFY(!annual.isComplete());
    QVERIFY(annual.storeMonth(QDate(2025, 12, 1), 12));
    QVERIFY(annual.isComplete());
    QCOMPARE(annual.sum(), qint64(78));

    annual.setRange(QDate(2024, 1, 1), QDate(2024, 12, 1));
    QVERIFY(annual.monthTotals.isEmpty());
}

void tst_EnergyDeviceCache::entriesAreKeptPerDayAndMonth()
{
    EnergyDeviceCache cache;
    const QDateTime now(QDate(2025, 6, 2), QTime(10, 0));
    cache.setDailyHours(QDate(2025, 6, 1), {1, 2, 3}, now);
    cache.setDailyTotal(QDate(2025, 6, 1), 6, now);
    cache.setMonthlyValues(2024, 6, EnergyDeviceCache::PerDay, {4, 5}, now);
    cache.setMonthlyValues(2025, 6, EnergyDeviceCache::PerDay, {7}, now);
    cache.setMonthlyAverage(2025, 6, EnergyDeviceCache::PerHour, 2.5, now);

    QCOMPARE(cache.daily(QDate(2025, 6, 1)).total, 6);
    QVERIFY(cache.daily(QDate(2025, 6, 1)).totalSet);
    QCOMPARE(cache.monthlyPeriod(2024, 6, EnergyDeviceCache::PerDay).values, (QList<int>{4, 5}));
    QCOMPARE(cache.monthlyPeriod(2025, 6, EnergyDeviceCache::PerDay).values, QList<int>{7});
    QVERIFY(!cache.monthlyPeriod(2025, 6, EnergyDeviceCache::PerHour).valuesSet);
    QVERIFY(cache.monthlyPeriod(2025, 6, EnergyDeviceCache::PerHour).averageSet);
    QVERIFY(!cache.hasMonthly(2023, 6));
    cache.clear();
    QVERIFY(!cache.hasDaily(QDate(2025, 6, 1)));
}

void tst_EnergyDeviceCache::energyDeviceUsesUserTariff()
{
    EnergyDeviceProperties properties(3, 7071, DeviceAddress(1, -1, -1, -1), QStringLiteral("Gas"));
    properties.setTariff(0.9);
    EnergyDevice device(properties, 1);
    QCOMPARE(device.userTariff(), 0.9);
    device.setUserTariff(-1.0);
    QVERIFY(!device.hasUserTariff());
    device.setUserTariff(1.1);
    QCOMPARE(device.userTariff(), 1.1);
    QCOMPARE(int(device.energyType()), int(DeviceEnums::Gas));
    QVERIFY(!device.hasValue());
    device.setInstantValue(0.0);
    QVERIFY(device.hasValue());
}

void tst_EnergyDeviceCache::lookUpsCreateNothing()
{
    EnergyDeviceCache cache;
    const QDateTime now(QDate(2025, 6, 2), QTime(10, 0));
    QVERIFY(!cache.findDaily(QDate(2025, 6, 1)));
    QVERIFY(!cache.findMonthly(2025, 6));
    QVERIFY(!cache.findMonthlyPeriod(2025, 6, EnergyDeviceCache::PerDay));
    QVERIFY(!cache.findAnnual(1));
    QVERIFY(!cache.hasDaily(QDate(2025, 6, 1)));
    QVERIFY(!cache.hasMonthly(2025, 6));
    QVERIFY(!cache.hasAnnual(1));

    // A month with only its total has no period entry, and asking for one
    // does not add it.
    cache.setMonthlyTotal(2025, 6, 42, now);
    QCOMPARE(cache.findMonthly(2025, 6)->total, 42);
    QVERIFY(!cache.findMonthlyPeriod(2025, 6, EnergyDeviceCache::PerHour));
    QVERIFY(cache.findMonthly(2025, 6)->periods.isEmpty());

    cache.setMonthlyValues(2025, 6, EnergyDeviceCache::PerHour, {1, 2}, now);
    QCOMPARE(cache.findMonthlyPeriod(2025, 6, EnergyDeviceCache::PerHour)->values, (QList<int>{1, 2}));
    cache.setDailyTotal(QDate(2025, 6, 1), 9, now);
    QCOMPARE(cache.findDaily(QDate(2025, 6, 1))->total, 9);
    cache.annual(0).setRange(QDate(2024, 1, 1), QDate(2024, 12, 1));
    QCOMPARE(cache.findAnnual(0)->firstMonth, QDate(2024, 1, 1));
    QVERIFY(!cache.findAnnual(1));
}

void tst_EnergyDeviceCache::meterStartsOnTheOldInterfaceWithASliderValue()
{
    EnergyDevice device(EnergyDeviceProperties(3, 7051, DeviceAddress(1, -1, -1, -1), QStringLiteral("Power")), 1);
    QVERIFY(!device.isNewInterfaceInUse());
    QVERIFY(device.hasSliderValue());
    QVERIFY(!device.hasValue());
    QCOMPARE(device.valueMaximum(), 1000.0);
    QCOMPARE(device.valueStep(), 0.001);
    QCOMPARE(int(device.energyType()), int(DeviceEnums::Electricity));
    device.setIsNewInterfaceInUse(true);
    QVERIFY(device.isNewInterfaceInUse());
}

QTEST_GUILESS_MAIN(tst_EnergyDeviceCache)
#include "tst_energydevicecache.moc"
