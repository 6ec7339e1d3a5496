#include "utilities/MathTools.h"

#include <QTest>

#include <cmath>

#include <limits>

using Corvane::Utilities::MathTools;

class tst_MathTools : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void digitsCount_data();
    void digitsCount();
    void round_data();
    void round();
    void roundKeepsWhatIsNotANumber();
};

void tst_MathTools::digitsCount_data()
{
    QTest::addColumn<qint64>("value");
    QTest::addColumn<int>("digits");

    QTest::newRow("zero") << qint64(0) << 1;
    QTest::newRow("one digit") << qint64(7) << 1;
    QTest::newRow("nine") << qint64(9) << 1;
    QTest::newRow("ten") << qint64(10) << 2;
    QTest::newRow("ninety-nine") << qint64(99) << 2;
    QTest::newRow("hundred") << qint64(100) << 3;
    QTest::newRow("negative keeps the digits") << qint64(-305) << 3;
    QTest::newRow("largest int") << qint64(std::numeric_limits<int>::max()) << 10;
    QTest::newRow("largest 64-bit") << std::numeric_limits<qint64>::max() << 19;
    QTest::newRow("most negative 64-bit") << std::numeric_limits<qint64>::min() << 19;
}

void tst_MathTools::digitsCount()
{
    QFETCH(qint64, value);
    QFETCH(int, digits);

    QCOMPARE(MathTools::digitsCount(value), digits);
}

void tst_MathTools::round_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("step");
    QTest::addColumn<double>("rounded");
    QTest::newRow("nearest half degree") << 21.944 << 0.5 << 22.0;
    QTest::newRow("down to the step") << 21.7 << 0.5 << 21.5;
    QTest::newRow("half up, away from zero") << 0.25 << 0.5 << 0.5;
    QTest::newRow("half down, away from zero") << -0.25 << 0.5 << -0.5;
    QTest::newRow("a decimal half kept by the tolerance") << 0.15 << 0.1 << 0.2;
    QTest::newRow("one decimal") << 19.96 << 0.1 << 20.0;
    QTest::newRow("whole steps") << 7.0 << 1.0 << 7.0;
    QTest::newRow("step larger than the value") << 0.4 << 5.0 << 0.0;
    QTest::newRow("zero step keeps the value") << 3.14159 << 0.0 << 3.14159;
    QTest::newRow("negative step keeps the value") << 3.14159 << -0.5 << 3.14159;
    QTest::newRow("large values stay exact") << 1e15 + 2 << 1.0 << 1e15 + 2;
}

void tst_MathTools::round()
{
    QFETCH(double, value);
    QFETCH(double, step);
    QFETCH(double, rounded);

    QVERIFY2(MathTools::equals(MathTools::round(value, step), rounded, 1e-12),
             qPrintable(QString::number(MathTools::round(value, step), 'g', 17)));
}

void tst_MathTools::roundKeepsWhatIsNotANumber()
{
    QVERIFY(std::isnan(MathTools::round(std::nan(""), 0.5)));
    QCOMPARE(MathTools::round(2.5, std::numeric_limits<double>::infinity()), 2.5);
    QCOMPARE(MathTools::round(2.5, std::nan("")), 2.5);
}

QTEST_APPLESS_MAIN(tst_MathTools)
#include "tst_mathtools.moc"
