#include "DefaultDevices.h"

#include "devices/ActuatorDeviceProperties.h"
#include "devices/AmplifierDeviceProperties.h"
#include "devices/DeviceNetworkAddress.h"
#include "devices/EnergyDeviceProperties.h"
#include "devices/LoadDeviceProperties.h"
#include "devices/ScenarioDeviceProperties.h"
#include "devices/SensorDeviceProperties.h"
#include "devices/ShutterDeviceProperties.h"
#include "devices/ThermoregulationDeviceProperties.h"
#include "devices/Utilities.h"
#include "devices/WebServerDeviceProperties.h"

#include <QCoreApplication>

namespace Corvane::Configurator {

using namespace Devices;

namespace {

DeviceAddress address(int area, int point, int level, int interface)
{
    return DeviceAddress(area, point, level, interface, 0, {});
}

} // namespace

BaseDeviceProperties::DeviceGroup DefaultDevices::deviceGroupFromNode(DevicesTreeModel::NodeType node)
{
    switch (node) {
    case DevicesTreeModel::NodePlantList: return BaseDeviceProperties::WebServers;
    case DevicesTreeModel::NodeLights: return BaseDeviceProperties::Lights;
    case DevicesTreeModel::NodeSensors: return BaseDeviceProperties::Sensors;
    case DevicesTreeModel::NodeAutomation: return BaseDeviceProperties::Automation;
    case DevicesTreeModel::NodeScenarios: return BaseDeviceProperties::Scenarios;
    case DevicesTreeModel::NodeThermoregulation: return BaseDeviceProperties::Thermoregulation;
    case DevicesTreeModel::NodeSoundSystem: return BaseDeviceProperties::Amplifiers;
    case DevicesTreeModel::NodeEnergy: return BaseDeviceProperties::Energy;
    case DevicesTreeModel::NodeLoad: return BaseDeviceProperties::Load;
    default: return BaseDeviceProperties::NoGroup;
    }
}

bool DefaultDevices::isFamilyNode(DevicesTreeModel::NodeType node)
{
    return node >= DevicesTreeModel::NodeLights && node <= DevicesTreeModel::NodeLoad;
}

WebServerDeviceProperties* DefaultDevices::createWebServer()
{
    return new WebServerDeviceProperties(Devices::Utilities::emtpyDeviceId(), DeviceNetworkAddress(),
                                         QCoreApplication::translate("General", "WebServer"), true);
}

BaseDeviceProperties* DefaultDevices::createDevice(DevicesTreeModel::NodeType node)
{
    const int id = Devices::Utilities::emtpyDeviceId();
    const int area = DeviceAddress::DEFAULT_AREA_VALUE;
    const int point = DeviceAddress::DEFAULT_POINT_VALUE;
    const int empty = DeviceAddress::EMPTY_INT_VALUE;
    const int riser = DeviceAddress::LEVEL_PRIVATE_RISER;
    const int interface = DeviceAddress::DEFAULT_INTERFACE_VALUE;
    switch (node) {
    case DevicesTreeModel::NodeLights:
        return new ActuatorDeviceProperties(id, 2003, address(area, point, riser, interface),
                                            QCoreApplication::translate("General", "Actuator"));
    case DevicesTreeModel::NodeSensors:
        return new SensorDeviceProperties(id, 21002, address(area, point, DeviceAddress::DEFAULT_LEVEL_VALUE, empty),
                                          QCoreApplication::translate("General", "Sensor"));
    case DevicesTreeModel::NodeAutomation:
        return new ShutterDeviceProperties(id, 3001, address(area, point, riser, interface),
                                           QCoreApplication::translate("General", "Shutter"));
    case DevicesTreeModel::NodeScenarios:
        return new ScenarioDeviceProperties(id, 1002, address(area, point, DeviceAddress::DEFAULT_LEVEL_VALUE, interface),
                                            QCoreApplication::translate("General", "Scenario"));
    case DevicesTreeModel::NodeThermoregulation:
        return new ThermoregulationDeviceProperties(id, 8003, address(area, point, empty, empty),
                                                    QCoreApplication::translate("General", "Probe"));
    case DevicesTreeModel::NodeSoundSystem:
        return new AmplifierDeviceProperties(id, address(area, point, riser, interface),
                                             QCoreApplication::translate("General", "Amplifier"));
    case DevicesTreeModel::NodeEnergy:
        return new EnergyDeviceProperties(id, 7051, address(area, empty, empty, empty),
                                          QCoreApplication::translate("General", "Interface"), 0);
    case DevicesTreeModel::NodeLoad:
        return new LoadDeviceProperties(id, 18001, address(area, empty, empty, empty),
                                        QCoreApplication::translate("General", "Load"), true);
    default:
        return nullptr;
    }
}

} // namespace Corvane::Configurator
