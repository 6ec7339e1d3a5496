#include "tablemodels/ThermoregTemperatureEditModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using Corvane::Configurator::TableModels::ThermoregTemperatureEditModel;

class tst_ThermoregTemperatureEditModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rows();
    void write_data();
    void write();
};

void tst_ThermoregTemperatureEditModel::rows()
{
    ThermoregTemperatureEditModel model(16, 30, 0.5);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.index(0, 0).data().toString(), QString("Min (%1C)").arg(QChar(0x00B0)));
    QCOMPARE(model.index(1, 0).data().toString(), QString("Max (%1C)").arg(QChar(0x00B0)));
    QCOMPARE(model.index(2, 0).data().toString(), QString("Step"));
    QCOMPARE(model.index(2, 1).data(Qt::UserRole).toDouble(), 0.5);
    QCOMPARE(model.getHelpMessage(model.index(0, 1)).text(), QString("Set the minimum allowed temperature"));
    QCOMPARE(model.getHelpMessage(model.index(2, 0)).text(), QString("Set temperature change step"));
    QVERIFY(model.flags(model.index(0, 1)).testFlag(Qt::ItemIsEditable));
    QVERIFY(!model.flags(model.index(0, 0)).testFlag(Qt::ItemIsEditable));
}

void tst_ThermoregTemperatureEditModel::write_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QList<double>>("values");

    QTest::newRow("min") << 0 << 1 << QVariant(17.5) << true << QList<double>{17.5, 30, 0.5};
    QTest::newRow("max as text") << 1 << 1 << QVariant("28.25") << true << QList<double>{16, 28.25, 0.5};
    QTest::newRow("step") << 2 << 1 << QVariant(1) << true << QList<double>{16, 30, 1};
    QTest::newRow("not a number") << 0 << 1 << QVariant("warm") << false << QList<double>{16, 30, 0.5};
    QTest::newRow("caption column") << 0 << 0 << QVariant(20.0) << false << QList<double>{16, 30, 0.5};
}

void tst_ThermoregTemperatureEditModel::write()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QVariant, value);
    QFETCH(bool, accepted);
    QFETCH(QList<double>, values);

    ThermoregTemperatureEditModel model(16, 30, 0.5);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QCOMPARE(model.setData(model.index(row, column), value), accepted);
    QCOMPARE(changed.count(), accepted ? 1 : 0);
    QCOMPARE((QList<double>{model.minTemp(), model.maxTemp(), model.step()}), values);
}

QTEST_MAIN(tst_ThermoregTemperatureEditModel)
#include "tst_thermoregtemperatureeditmodel.moc"
