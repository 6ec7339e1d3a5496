#include "ProjectFixture.h"

#include "devices/ActuatorDeviceProperties.h"
#include "devices/AmplifierDeviceProperties.h"
#include "devices/EnergyDeviceProperties.h"
#include "devices/LoadDeviceProperties.h"
#include "devices/ScenarioDeviceProperties.h"
#include "devices/SensorDeviceProperties.h"
#include "devices/ShutterDeviceProperties.h"
#include "devices/SoundSourceDeviceProperties.h"
#include "devices/ThermoregulationDeviceProperties.h"

using namespace Corvane::Devices;

std::unique_ptr<Configuration> ProjectFixture::everyFamily()
{
    auto project = std::make_unique<Configuration>();
    project->setVersion(7);
    project->guiProperties().setLanguage(QStringLiteral("it_IT"));
    project->guiProperties().setTemperatureUnit(1);

    auto* server = new WebServerDeviceProperties(
        0,
        DeviceNetworkAddress(DeviceNetworkAddress::DynamicIp, QStringLiteral("10.0.0.9"), 4711,
                             QStringLiteral("987654"), 20001, 3),
        QStringLiteral("Gateway <main> & \"co\" ünïcödé"), false);
    server->setSoundSystemType(1);
    const int serverId = project->addDevice(server);

    const DeviceAddress bus(2, 7, DeviceAddress::LEVEL_LOCAL_BUS, 4, 1, {3, 200});
    project->addDevice(serverId, new ActuatorDeviceProperties(0, 2001, bus, QStringLiteral("Dimmer")));
    project->addDevice(serverId, new ShutterDeviceProperties(0, 3002, bus.cloneWithPointId(8), QStringLiteral("Curtain")));
    project->addDevice(serverId, new SensorDeviceProperties(0, 20001, DeviceAddress(3, 4, 4, 2), QStringLiteral("Lux")));
    project->addDevice(serverId, new SoundSourceDeviceProperties(0, 23004, DeviceAddress(5, -1, -1, -1), QStringLiteral("Media")));
    project->addDevice(serverId, new AmplifierDeviceProperties(0, 23003, DeviceAddress(4, 2, -1, -1), QStringLiteral("Amp")));

    auto* scenario = new ScenarioDeviceProperties(0, 9002, DeviceAddress(), QStringLiteral("Scheduled"));
    scenario->setScenarioNumber(9);
    scenario->setLevel(42);
    scenario->setItems(ScheduledScenarioItem(true, ScheduledScenarioItem::Cen, 200, DeviceAddress(2, 3, 4, 5)),
                       ScheduledScenarioItem(true, ScheduledScenarioItem::Cen, 201, DeviceAddress(2, 3, 3, -1)),
                       ScheduledScenarioItem(true, ScheduledScenarioItem::CenPlus, 31, DeviceAddress(1500, -1, -1, -1)),
                       ScheduledScenarioItem(false, ScheduledScenarioItem::CenPlus, 7, DeviceAddress(9, 9, 9, 9)));
    project->addDevice(serverId, scenario);

    auto* thermo = new ThermoregulationDeviceProperties(0, 4001, DeviceAddress(6, 6, 3, -1, 0, {1}), QStringLiteral("AC"));
    thermo->setShowOffCommand(true);
    thermo->offCommand().setAddress(DeviceAddress(12, -1, -1, -1));
    thermo->offCommand().setDescription(QStringLiteral("Stop"));
    thermo->addCommand(new ThermoregulationCommandProperties(DeviceAddress(13, -1, -1, -1), QStringLiteral("Cool"), 5));
    thermo->addCommand(new ThermoregulationCommandProperties(DeviceAddress(14, -1, -1, -1), QStringLiteral("Heat")));
    thermo->setMinTemperature(17.5);
    thermo->setMaxTemperature(28.25);
    thermo->setStep(1.0);
    thermo->setAirConditioningModes({0, 2, 4});
    thermo->setFanSettings({1, 4});
    thermo->setSwingPresence(true);
    project->addDevice(serverId, thermo);

    auto* zone = new ThermoregulationDeviceProperties(0, 8003, DeviceAddress(1, 2, -1, -1), QStringLiteral("Zone"));
    zone->setHasFancoil(true);
    project->addDevice(serverId, zone);

    auto* meter = new EnergyDeviceProperties(0, 7061, DeviceAddress(200, -1, -1, -1), QStringLiteral("Water"));
    meter->setMeasurementUnit(DeviceEnums::UkGallon);
    meter->setEnergyDeviceType(1);
    meter->setIsEconomicEvaluationEnabled(true);
    meter->setCurrency(DeviceEnums::SwissFranc);
    meter->setTariff(0.1234);
    project->addDevice(serverId, meter);

    auto* load = new LoadDeviceProperties(0, 18002, DeviceAddress(63, -1, -1, -1), QStringLiteral("Oven"));
    load->setHasCentralUnit(false);
    load->setIsEconomicEvaluationEnabled(true);
    load->setCurrency(DeviceEnums::Yen);
    load->setTariff(99999.5);
    project->addDevice(serverId, load);

    project->clearChanges();
    return project;
}

QString ProjectFixture::demoProjectPath()
{
    return QStringLiteral(DEMO_PROJECT_PATH);
}
