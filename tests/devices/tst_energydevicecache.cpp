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

QTEST_GUILESS_MAIN(tst_EnergyDeviceCache)
#include "tst_energydevicecache.moc"
