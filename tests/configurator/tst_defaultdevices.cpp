#include "CatalogueTranslator.h"
#include "DefaultDevices.h"
#include "devices/WebServerDeviceProperties.h"

#include <QTest>

#include <memory>

using Corvane::Configurator::DefaultDevices;
using Corvane::Configurator::DevicesTreeModel;

class tst_DefaultDevices : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void newDeviceNamesAreTranslated_data();
    void newDeviceNamesAreTranslated();
    void newGatewayNameIsTranslated();

private:
    CatalogueTranslator m_catalogue;
};

void tst_DefaultDevices::initTestCase()
{
    QVERIFY(m_catalogue.addCatalogue(QStringLiteral("VantrelConfig_de_DE.ts")));
    QCoreApplication::installTranslator(&m_catalogue);
}

void tst_DefaultDevices::cleanupTestCase()
{
    QCoreApplication::removeTranslator(&m_catalogue);
}

void tst_DefaultDevices::newDeviceNamesAreTranslated_data()
{
    QTest::addColumn<DevicesTreeModel::NodeType>("node");
    for (DevicesTreeModel::NodeType node :
         {DevicesTreeModel::NodeLights, DevicesTreeModel::NodeSensors, DevicesTreeModel::NodeAutomation,
          DevicesTreeModel::NodeScenarios, DevicesTreeModel::NodeThermoregulation, DevicesTreeModel::NodeSoundSystem,
          DevicesTreeModel::NodeEnergy, DevicesTreeModel::NodeLoad})
        QTest::newRow(QMetaEnum::fromType<DevicesTreeModel::NodeType>().valueToKey(node)) << node;
}

void tst_DefaultDevices::newDeviceNamesAreTranslated()
{
    QFETCH(DevicesTreeModel::NodeType, node);
    const std::unique_ptr<Corvane::Devices::BaseDeviceProperties> device(DefaultDevices::createDevice(node));
    QVERIFY(device);
    QVERIFY2(CatalogueTranslator::isMarked(device->description()), qPrintable(device->description()));
}

void tst_DefaultDevices::newGatewayNameIsTranslated()
{
    const std::unique_ptr<Corvane::Devices::WebServerDeviceProperties> gateway(DefaultDevices::createWebServer());
    QVERIFY2(CatalogueTranslator::isMarked(gateway->description()), qPrintable(gateway->description()));
}

QTEST_GUILESS_MAIN(tst_DefaultDevices)
#include "tst_defaultdevices.moc"
