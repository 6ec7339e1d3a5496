#include "pravikdriver/Driver.h"

#include <QTest>

using Corvane::PravikDriver::Driver;

class tst_Driver : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reconnectDelay_data();
    void reconnectDelay();
    void defaultsForTheMonitorConnection();
};

void tst_Driver::reconnectDelay_data()
{
    QTest::addColumn<int>("attempts");
    QTest::addColumn<double>("random");
    QTest::addColumn<int>("delay");

    QTest::newRow("first, no jitter") << 0 << 0.5 << 1000;
    QTest::newRow("first, earliest") << 0 << 0.0 << 800;
    QTest::newRow("first, latest") << 0 << 1.0 << 1200;
    QTest::newRow("fourth") << 3 << 0.5 << 8000;
    QTest::newRow("capped") << 6 << 0.5 << 60000;
    QTest::newRow("capped with jitter") << 6 << 0.0 << 51200;
    QTest::newRow("very many") << 1000 << 1.0 << 60000;
}

void tst_Driver::reconnectDelay()
{
    QFETCH(int, attempts);
    QFETCH(double, random);
    QFETCH(int, delay);
    QCOMPARE(Driver::reconnectDelay(Driver::Timing(), attempts, random), delay);
}

void tst_Driver::defaultsForTheMonitorConnection()
{
    QVERIFY(Driver::defaultReconnectsAutomatically(Driver::MONITOR_CONNECTION));
    QVERIFY(Driver::defaultReconnectsOnResponseTimeout(Driver::MONITOR_CONNECTION));
    QCOMPARE(Driver::waitForResponseTimeout(), Driver::Timing().responseTimeout);
    Driver driver;
    QVERIFY(!driver.isInitialized());
    QVERIFY(!driver.isMonitorConnected());
    driver.setInitialized(true);
    QVERIFY(driver.isInitialized());
}

QTEST_GUILESS_MAIN(tst_Driver)
#include "tst_driver.moc"
