#include "DevicePageFactory.h"
#include "tablemodels/BaseTableModel.h"

#include <QAbstractItemDelegate>
#include <QTest>

#include <memory>

using Corvane::Configurator::DevicePageFactory;
using Node = Corvane::Configurator::DevicesTreeModel::NodeType;

class tst_DevicePageFactory : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pageOfNode_data();
    void pageOfNode();
};

void tst_DevicePageFactory::pageOfNode_data()
{
    QTest::addColumn<int>("node");
    QTest::addColumn<QString>("modelClass");

    QTest::newRow("lights") << int(Node::NodeLights) << "ActuatorsTableModel";
    QTest::newRow("sensors") << int(Node::NodeSensors) << "SensorsTableModel";
    QTest::newRow("automation") << int(Node::NodeAutomation) << "AutomationTableModel";
    QTest::newRow("scenarios") << int(Node::NodeScenarios) << "ScenariosTableModel";
    QTest::newRow("thermoregulation") << int(Node::NodeThermoregulation) << "ThermoregulationTableModel";
    QTest::newRow("energy") << int(Node::NodeEnergy) << "EnergyTableModel";
    QTest::newRow("loads") << int(Node::NodeLoad) << "LoadTableModel";
    // Built by the administration view itself, or no device page at all.
    QTest::newRow("sound system") << int(Node::NodeSoundSystem) << QString();
    QTest::newRow("plant") << int(Node::NodePlant) << QString();
    QTest::newRow("general parameters") << int(Node::NodeGeneralParams) << QString();
}

void tst_DevicePageFactory::pageOfNode()
{
    QFETCH(int, node);
    QFETCH(QString, modelClass);

    const DevicePageFactory::Page page = DevicePageFactory::create(Node(node), {}, nullptr);
    const std::unique_ptr<QObject> model(page.model);
    if (modelClass.isEmpty()) {
        QVERIFY(!page.model);
        QVERIFY(!page.delegate);
        return;
    }
    QVERIFY(page.model);
    QCOMPARE(QString(page.model->metaObject()->className()).section("::", -1), modelClass);
    QVERIFY(page.delegate);
    QCOMPARE(page.delegate->parent(), page.model);
}

QTEST_MAIN(tst_DevicePageFactory)
#include "tst_devicepagefactory.moc"
