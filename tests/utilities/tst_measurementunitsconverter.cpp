#include "utilities/MeasurementUnitsConverter.h"

#include <QTest>

#include <functional>

using Corvane::Utilities::MeasurementUnitsConverter;

using Conversion = std::function<double(double)>;
Q_DECLARE_METATYPE(Conversion)

class tst_MeasurementUnitsConverter : public QObject
{
    Q_OBJECT

private slots:
    void conversions_data();
    void conversions();
};

void tst_MeasurementUnitsConverter::conversions_data()
{
    QTest::addColumn<Conversion>("conversion");
    QTest::addColumn<double>("input");
    QTest::addColumn<double>("expected");

    using C = MeasurementUnitsConverter;
    QTest::newRow("watts") << Conversion(C::wattsToKilowatts) << 1500.0 << 1.5;
    QTest::newRow("litres") << Conversion(C::cubicMetresToLitres) << 2.0 << 2000.0;
    QTest::newRow("decalitres") << Conversion(C::cubicMetresToDecalitres) << 1.0 << 100.0;
    QTest::newRow("hectolitres") << Conversion(C::cubicMetresToHectolitres) << 1.0 << 10.0;
    QTest::newRow("cubic feet") << Conversion(C::cubicMetresToCubicFeet) << 1.0 << 35.3146667;
    QTest::newRow("cubic yards") << Conversion(C::cubicMetresToCubicYards) << 1.0 << 1.3079506;
    QTest::newRow("US gallons") << Conversion(C::cubicMetresToUsGallons) << 1.0 << 264.1720524;
    QTest::newRow("UK gallons") << Conversion(C::cubicMetresToUkGallons) << 1.0 << 219.9692483;
    QTest::newRow("zero") << Conversion(C::cubicMetresToUkGallons) << 0.0 << 0.0;
}

void tst_MeasurementUnitsConverter::conversions()
{
    QFETCH(Conversion, conversion);
    QFETCH(double, input);
    QFETCH(double, expected);
    QVERIFY2(qAbs(conversion(input) - expected) < 1e-6,
             qPrintable(QString::number(conversion(input), 'f', 9)));
}

QTEST_APPLESS_MAIN(tst_MeasurementUnitsConverter)
#include "tst_measurementunitsconverter.moc"
