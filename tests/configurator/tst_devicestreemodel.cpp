#include "DevicesTreeModel.h"
#include "ProjectFixture.h"

#include <QAbstractItemModelTester>
#include <QIcon>
#include <QSignalSpy>
#include <QTest>

using Corvane::Configurator::DevicesTreeModel;

class tst_DevicesTreeModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void emptyMap();
    void plantsInIdOrderWithFamilies();
    void updateDescriptions();
    void invalidIndex();
    void helpMessages_data();
    void helpMessages();
    void iconsExist();
};

void tst_DevicesTreeModel::emptyMap()
{
    DevicesTreeModel model({});
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.rowCount(), 1);
    const QModelIndex gadget = model.index(0, 0);
    QCOMPARE(model.nodeType(gadget), DevicesTreeModel::NodeGadget);
    QCOMPARE(model.rowCount(gadget), 2);
    QCOMPARE(model.nodeType(model.index(0, 0, gadget)), DevicesTreeModel::NodeGeneralParams);
    const QModelIndex plants = model.index(1, 0, gadget);
    QCOMPARE(model.nodeType(plants), DevicesTreeModel::NodePlantList);
    QCOMPARE(model.rowCount(plants), 0);
    QCOMPARE(model.columnCount(), 3);
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QString("Root Item"));
    QCOMPARE(model.serverId(model.index(0, 0, gadget)), -1);
    QCOMPARE(model.flags(gadget), Qt::ItemIsSelectable | Qt::ItemIsEnabled);
}

void tst_DevicesTreeModel::plantsInIdOrderWithFamilies()
{
    DevicesTreeModel model({{5, "North"}, {2, "South"}});
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    const QModelIndex plants = model.index(1, 0, model.index(0, 0));
    QCOMPARE(model.rowCount(plants), 2);
    const QModelIndex first = model.index(0, 0, plants);
    QCOMPARE(first.data().toString(), QString("South"));
    QCOMPARE(model.serverId(first), 2);
    QCOMPARE(model.nodeType(first), DevicesTreeModel::NodePlant);
    const QList<DevicesTreeModel::NodeType> families{
        DevicesTreeModel::NodeLights,   DevicesTreeModel::NodeSensors,          DevicesTreeModel::NodeAutomation,
        DevicesTreeModel::NodeScenarios, DevicesTreeModel::NodeThermoregulation, DevicesTreeModel::NodeSoundSystem,
        DevicesTreeModel::NodeEnergy,   DevicesTreeModel::NodeLoad};
    QCOMPARE(model.rowCount(first), families.size());
    for (int row = 0; row < families.size(); ++row) {
        const QModelIndex family = model.index(row, 0, first);
        QCOMPARE(model.nodeType(family), families.at(row));
        QCOMPARE(model.serverId(family), 2);
        // The node type is read through any column of the row.
        QCOMPARE(model.nodeType(family.siblingAtColumn(2)), families.at(row));
    }
    QCOMPARE(model.index(0, 0, first).data().toString(), QString("Lighting"));
    QCOMPARE(model.index(1, 0, plants).data().toString(), QString("North"));
}

void tst_DevicesTreeModel::updateDescriptions()
{
    DevicesTreeModel model({{1, "One"}, {2, "Two"}});
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.updateDescriptions({{2, "Second"}, {9, "Nowhere"}});
    const QModelIndex plants = model.index(1, 0, model.index(0, 0));
    QCOMPARE(model.index(0, 0, plants).data().toString(), QString("One"));
    QCOMPARE(model.index(1, 0, plants).data().toString(), QString("Second"));
    QCOMPARE(model.rowCount(plants), 2);
    QCOMPARE(changed.count(), 1);
}

void tst_DevicesTreeModel::invalidIndex()
{
    DevicesTreeModel model({{1, "One"}});
    QCOMPARE(model.nodeType(QModelIndex()), DevicesTreeModel::None);
    QCOMPARE(model.serverId(QModelIndex()), -1);
    QVERIFY(!model.data(QModelIndex()).isValid());
    QCOMPARE(model.flags(QModelIndex()), Qt::NoItemFlags);
    QVERIFY(model.getHelpMessage(QModelIndex()).toHtml().isEmpty());
}

void tst_DevicesTreeModel::helpMessages_data()
{
    QTest::addColumn<QList<int>>("path");
    QTest::addColumn<QString>("html");

    QTest::newRow("gadget") << QList<int>{0} << "<b>Gadget</b>";
    QTest::newRow("plant list") << QList<int>{0, 1} << "<b>Plant list</b><br>Add plant";
    QTest::newRow("plant") << QList<int>{0, 1, 0} << "<b>Plant</b><br>Remove plant";
    QTest::newRow("lighting") << QList<int>{0, 1, 0, 0} << "<b>Lighting</b><br>Add, remove and set actuators";
    QTest::newRow("sound system") << QList<int>{0, 1, 0, 5} << "";
    QTest::newRow("load") << QList<int>{0, 1, 0, 7} << "";
}

void tst_DevicesTreeModel::helpMessages()
{
    QFETCH(QList<int>, path);
    QFETCH(QString, html);

    DevicesTreeModel model({{1, "One"}});
    QModelIndex index;
    for (int row : path)
        index = model.index(row, 0, index);
    QVERIFY(index.isValid());
    QCOMPARE(model.getHelpMessage(index).toHtml(), html);
}

void tst_DevicesTreeModel::iconsExist()
{
    ConfiguratorTest::initResources();
    for (int type = DevicesTreeModel::NodeGadget; type <= DevicesTreeModel::NodeLoad; ++type) {
        const QString path = DevicesTreeModel::iconPath(DevicesTreeModel::NodeType(type));
        if (type == 5 || type == 6) {
            QVERIFY(path.isEmpty());
            continue;
        }
        QVERIFY2(!QIcon(path).pixmap(16, 16).isNull(), qPrintable(path));
    }
    DevicesTreeModel model({});
    QVERIFY(model.index(0, 0).data(Qt::DecorationRole).canConvert<QIcon>());
}

QTEST_MAIN(tst_DevicesTreeModel)
#include "tst_devicestreemodel.moc"
