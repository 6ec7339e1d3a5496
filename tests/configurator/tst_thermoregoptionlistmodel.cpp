#include "tablemodels/ThermoregFanModel.h"
#include "tablemodels/ThermoregModeModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace Corvane::Configurator::TableModels;

namespace {

std::unique_ptr<ThermoregOptionListModel> makeModel(bool modes, const QList<int>& values)
{
    if (modes)
        return std::make_unique<ThermoregModeModel>(values);
    return std::make_unique<ThermoregFanModel>(values);
}

QList<int> listOf(const ThermoregOptionListModel& model)
{
    if (const auto* modes = qobject_cast<const ThermoregModeModel*>(&model))
        return modes->modes();
    return static_cast<const ThermoregFanModel&>(model).fanSettings();
}

} // namespace

// The mode and fan-speed rows of the advanced parameters.
class tst_ThermoregOptionListModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rows_data();
    void rows();
    void toggles_data();
    void toggles();
    void offModeReadOnly();
};

void tst_ThermoregOptionListModel::rows_data()
{
    QTest::addColumn<bool>("modes");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QList<int>>("values");

    QTest::newRow("modes") << true << QStringList{"Off", "Automatic", "Cooling", "Heating", "Dry", "Fan"}
                           << QList<int>{0, 5, 2, 1, 4, 3};
    QTest::newRow("fan speeds") << false << QStringList{"Automatic", "High", "Medium", "Low", "Silent"}
                                << QList<int>{0, 3, 2, 1, 4};
}

void tst_ThermoregOptionListModel::rows()
{
    QFETCH(bool, modes);
    QFETCH(QStringList, captions);
    QFETCH(QList<int>, values);

    auto model = makeModel(modes, {values.at(1)});
    QAbstractItemModelTester tester(model.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model->rowCount(), captions.size());
    QCOMPARE(model->columnCount(), 2);
    for (int row = 0; row < captions.size(); ++row) {
        QCOMPARE(model->index(row, 0).data().toString(), captions.at(row));
        QCOMPARE(model->modeByIndex(row), values.at(row));
        QCOMPARE(model->index(row, 1).data(Qt::EditRole).toBool(), row == 1);
        QCOMPARE(model->index(row, 1).data().toString(), QString(row == 1 ? "Yes" : "No"));
        QCOMPARE(model->getHelpMessage(model->index(row, 1)).caption(), captions.at(row));
    }
    QCOMPARE(model->modeByIndex(captions.size()), 0);
    QVERIFY(!model->index(0, 0).data(Qt::EditRole).isValid());
}

void tst_ThermoregOptionListModel::toggles_data()
{
    QTest::addColumn<bool>("modes");
    QTest::addColumn<QList<int>>("start");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("value");
    QTest::addColumn<QList<int>>("result");

    QTest::newRow("mode on") << true << QList<int>{0} << 2 << true << QList<int>{0, 2};
    QTest::newRow("mode on twice keeps it once") << true << QList<int>{0, 2} << 2 << true << QList<int>{0, 2};
    QTest::newRow("mode off removes every copy") << true << QList<int>{2, 0, 2} << 2 << false << QList<int>{0};
    QTest::newRow("fan silent on") << false << QList<int>{} << 4 << true << QList<int>{4};
    QTest::newRow("fan high off") << false << QList<int>{3, 1} << 1 << false << QList<int>{1};
}

void tst_ThermoregOptionListModel::toggles()
{
    QFETCH(bool, modes);
    QFETCH(QList<int>, start);
    QFETCH(int, row);
    QFETCH(bool, value);
    QFETCH(QList<int>, result);

    auto model = makeModel(modes, start);
    QSignalSpy changed(model.get(), &QAbstractItemModel::dataChanged);
    QVERIFY(!model->setData(model->index(row, 0), value));
    QVERIFY(model->setData(model->index(row, 1), value));
    QCOMPARE(listOf(*model), result);
    QCOMPARE(changed.count(), 1);
}

void tst_ThermoregOptionListModel::offModeReadOnly()
{
    ThermoregModeModel modes({0});
    ThermoregFanModel fans({});
    QCOMPARE(modes.flags(modes.index(0, 0)), Qt::NoItemFlags);
    QCOMPARE(modes.flags(modes.index(0, 1)), Qt::NoItemFlags);
    QVERIFY(modes.flags(modes.index(1, 1)).testFlag(Qt::ItemIsEditable));
    QVERIFY(!modes.flags(modes.index(1, 0)).testFlag(Qt::ItemIsEditable));
    QVERIFY(fans.flags(fans.index(0, 1)).testFlag(Qt::ItemIsEditable));
    QCOMPARE(modes.index(0, 1).data().toString(), QString("Yes"));
}

QTEST_MAIN(tst_ThermoregOptionListModel)
#include "tst_thermoregoptionlistmodel.moc"
