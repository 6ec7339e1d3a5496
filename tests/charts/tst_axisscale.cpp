#include "charts/AxisScale.h"

#include <QTest>

#include <cfloat>
#include <cmath>
#include <limits>

using Corvane::Charts::AxisScale;

class tst_AxisScale : public QObject
{
    Q_OBJECT

private slots:
    void rangeStaysUsable_data();
    void rangeStaysUsable();
    void ticksAreNiceAndEnd_data();
    void ticksAreNiceAndEnd();
    void givenIncrementIsKept();
};

void tst_AxisScale::rangeStaysUsable_data()
{
    QTest::addColumn<double>("lower");
    QTest::addColumn<double>("upper");
    QTest::addColumn<double>("expectedLower");
    QTest::addColumn<double>("expectedUpper");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("plain") << 0.0 << 40.0 << 0.0 << 40.0;
    QTest::newRow("zero range") << 0.0 << 0.0 << 0.0 << 1.0;
    QTest::newRow("reversed") << 10.0 << -5.0 << 10.0 << 11.0;
    QTest::newRow("negative") << -30.0 << -10.0 << -30.0 << -10.0;
    QTest::newRow("upper nan") << 0.0 << nan << 0.0 << 1.0;
    QTest::newRow("upper inf") << 0.0 << inf << 0.0 << 1.0;
    QTest::newRow("lower nan") << nan << 5.0 << 0.0 << 5.0;
    QTest::newRow("both inf") << -inf << inf << 0.0 << 1.0;
    QTest::newRow("too wide") << -DBL_MAX << DBL_MAX << -DBL_MAX / 2 << DBL_MAX / 2;
}

void tst_AxisScale::rangeStaysUsable()
{
    QFETCH(double, lower);
    QFETCH(double, upper);
    QFETCH(double, expectedLower);
    QFETCH(double, expectedUpper);
    AxisScale scale;
    scale.setRange(lower, upper);
    QCOMPARE(scale.lower(), expectedLower);
    QCOMPARE(scale.upper(), expectedUpper);
    QVERIFY(std::isfinite(scale.upper() - scale.lower()));
    QVERIFY(scale.upper() > scale.lower());
}

void tst_AxisScale::ticksAreNiceAndEnd_data()
{
    QTest::addColumn<double>("lower");
    QTest::addColumn<double>("upper");
    QTest::addColumn<double>("length");
    QTest::addColumn<int>("density");
    QTest::addColumn<double>("expectedStep");
    QTest::newRow("kWh of a month") << 0.0 << 28.3 << 150.0 << 20 << 5.0;
    QTest::newRow("money of a year") << 0.0 << 612.0 << 150.0 << 20 << 100.0;
    QTest::newRow("small values") << 0.0 << 0.034 << 150.0 << 30 << 0.01;
    QTest::newRow("negative range") << -40.0 << -10.0 << 200.0 << 40 << 10.0;
    QTest::newRow("largest double") << 0.0 << DBL_MAX << 150.0 << 20 << 0.0;
    QTest::newRow("no length") << 0.0 << 10.0 << 0.0 << 20 << 10.0;
    QTest::newRow("nan length") << 0.0 << 10.0 << std::nan("") << 20 << 2.0;
    QTest::newRow("no density") << 0.0 << 10.0 << 150.0 << 0 << 2.0;
    QTest::newRow("tiny range far from zero") << 1e12 << 1e12 + 1e-3 << 150.0 << 20 << 0.0;
}

void tst_AxisScale::ticksAreNiceAndEnd()
{
    QFETCH(double, lower);
    QFETCH(double, upper);
    QFETCH(double, length);
    QFETCH(int, density);
    QFETCH(double, expectedStep);
    AxisScale scale;
    scale.setRange(lower, upper);
    const QList<double> ticks = scale.ticks(length, density);
    QVERIFY(!ticks.isEmpty());
    QVERIFY(ticks.size() <= AxisScale::MaxTicks + 1);
    for (int i = 0; i < ticks.size(); ++i) {
        QVERIFY(std::isfinite(ticks.at(i)));
        QVERIFY(ticks.at(i) >= scale.lower() - std::abs(scale.lower()) * 1e-12);
        QVERIFY(ticks.at(i) <= scale.upper() + std::abs(scale.upper()) * 1e-12 + 1e-12);
        if (i > 0)
            QVERIFY(ticks.at(i) > ticks.at(i - 1));
    }
    if (expectedStep > 0 && ticks.size() > 1)
        QVERIFY(std::abs(ticks.at(1) - ticks.at(0) - expectedStep) < expectedStep * 1e-9);
}

void tst_AxisScale::givenIncrementIsKept()
{
    AxisScale scale;
    scale.setRange(0, 100);
    QCOMPARE(scale.ticks(150, 20, 25), QList<double>({ 0, 25, 50, 75, 100 }));
    // An increment too small for the range is widened so that ticking ends.
    QCOMPARE(scale.ticks(150, 20, 1e-300).size(), AxisScale::MaxTicks + 1);
}

QTEST_GUILESS_MAIN(tst_AxisScale)
#include "tst_axisscale.moc"
