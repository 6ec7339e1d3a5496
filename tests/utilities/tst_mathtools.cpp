#include "utilities/MathTools.h"

#include <QTest>

#include <limits>

using Corvane::Utilities::MathTools;

class tst_MathTools : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void digitsCount_data();
    void digitsCount();
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

QTEST_APPLESS_MAIN(tst_MathTools)
#include "tst_mathtools.moc"
