#include "tablemodels/ThermoregSwingModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using namespace Corvane::Configurator::TableModels;

class tst_ThermoregSwingModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void presence_data();
    void presence();
    void onOffRowsOnlyShow();
};

void tst_ThermoregSwingModel::presence_data()
{
    QTest::addColumn<bool>("start");
    QTest::addColumn<bool>("value");
    QTest::addColumn<QList<int>>("settings");
    QTest::addColumn<QString>("shown");

    QTest::newRow("switched on") << false << true << QList<int>{1, 0} << "Yes";
    QTest::newRow("switched off") << true << false << QList<int>() << "No";
}

void tst_ThermoregSwingModel::presence()
{
    QFETCH(bool, start);
    QFETCH(bool, value);
    QFETCH(QList<int>, settings);
    QFETCH(QString, shown);

    ThermoregSwingModel model(start ? QList<int>{0, 1} : QList<int>(), start);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QVERIFY(model.setData(model.index(0, 1), value));
    QCOMPARE(model.presence(), value);
    QCOMPARE(model.swingSettings(), settings);
    for (int row = 0; row < 3; ++row)
        QCOMPARE(model.index(row, 1).data().toString(), shown);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().at(0).toModelIndex(), model.index(0, 1));
    QCOMPARE(changed.first().at(1).toModelIndex(), model.index(2, 1));
}

void tst_ThermoregSwingModel::onOffRowsOnlyShow()
{
    ThermoregSwingModel model({1}, true);
    QCOMPARE(model.index(1, 0).data().toString(), QString("On"));
    QCOMPARE(model.index(2, 0).data().toString(), QString("Off"));
    QCOMPARE(model.index(1, 1).data().toString(), QString("Yes"));
    QCOMPARE(model.index(2, 1).data().toString(), QString("No"));
    QCOMPARE(model.flags(model.index(1, 1)), Qt::NoItemFlags);
    QCOMPARE(model.flags(model.index(2, 0)), Qt::NoItemFlags);
    QVERIFY(model.flags(model.index(0, 1)).testFlag(Qt::ItemIsEditable));
    QVERIFY(model.setData(model.index(2, 1), true));
    QCOMPARE(model.swingSettings(), QList<int>{1});
    QCOMPARE(ThermoregSwingModel::modeByIndex(1), 1);
    QCOMPARE(ThermoregSwingModel::modeByIndex(2), 0);
    QCOMPARE(ThermoregSwingModel::modeByIndex(0), 1);
}

QTEST_MAIN(tst_ThermoregSwingModel)
#include "tst_thermoregswingmodel.moc"
