#include "DialogsTheme.h"

#include "widgets/TemperatureUnitComboBox.h"

#include <QSignalSpy>
#include <QTest>

using namespace Corvane::Gadgets;

class tst_TemperatureUnitComboBox : public QObject
{
    Q_OBJECT

private slots:
    void offersCelsiusThenFahrenheit()
    {
        TemperatureUnitComboBox box;
        QCOMPARE(box.count(), 2);
        QCOMPARE(box.itemText(0), QStringLiteral("Celsius (\u00B0C)"));
        QCOMPARE(box.itemData(0).toInt(), 0);
        QCOMPARE(box.itemText(1), QStringLiteral("Fahrenheit (\u00B0F)"));
        QCOMPARE(box.itemData(1).toInt(), 1);
        QCOMPARE(box.temperatureUnit(), Celsius);
    }

    void setTemperatureUnit_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("expected");
        QTest::addColumn<int>("emitted");
        QTest::newRow("same") << int(Celsius) << int(Celsius) << 0;
        QTest::newRow("different") << int(Fahrenheit) << int(Fahrenheit) << 1;
        QTest::newRow("no such unit") << 5 << int(Celsius) << 0;
    }

    void setTemperatureUnit()
    {
        QFETCH(int, unit);
        QFETCH(int, expected);
        QFETCH(int, emitted);
        TemperatureUnitComboBox box;
        QSignalSpy changes(&box, &TemperatureUnitComboBox::temperatureUnitChanged);
        box.setTemperatureUnit(TemperatureUnit(unit));
        QCOMPARE(int(box.temperatureUnit()), expected);
        QCOMPARE(changes.count(), emitted);
        if (emitted)
            QCOMPARE(changes.first().first().value<TemperatureUnit>(), TemperatureUnit(expected));
    }

    void userChoiceEmitsNothingOfItsOwn()
    {
        TemperatureUnitComboBox box;
        QSignalSpy changes(&box, &TemperatureUnitComboBox::temperatureUnitChanged);
        box.setCurrentIndex(1);
        QCOMPARE(box.temperatureUnit(), Fahrenheit);
        QCOMPARE(changes.count(), 0);
    }
};

QTEST_MAIN(tst_TemperatureUnitComboBox)
#include "tst_temperatureunitcombobox.moc"
