// Measures writing, reading and validating a project of 1000 devices across
// every family. Prints one line per operation: "<name> mean_ms=<x> worst_ms=<y>".

#include "devices/ActuatorDeviceProperties.h"
#include "devices/AmplifierDeviceProperties.h"
#include "devices/Configuration.h"
#include "devices/EnergyDeviceProperties.h"
#include "devices/LoadDeviceProperties.h"
#include "devices/ScenarioDeviceProperties.h"
#include "devices/SensorDeviceProperties.h"
#include "devices/ShutterDeviceProperties.h"
#include "devices/SoundSourceDeviceProperties.h"
#include "devices/ThermoregulationDeviceProperties.h"
#include "devices/serialization/XmlSerializer.h"
#include "devices/validation/ConfigurationValidator.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <memory>

using namespace Corvane::Devices;

namespace {

const int DEVICES_COUNT = 1000;
const int RUNS = 20;

BaseDeviceProperties* deviceNumber(int i)
{
    const QString name = QStringLiteral("Device %1").arg(i);
    const DeviceAddress bus(1 + i % 10, 1 + (i / 10) % 15, DeviceAddress::LEVEL_LOCAL_BUS, 1 + i % 9, 0, {1 + i % 255});
    switch (i % 9) {
    case 0:
        return new ActuatorDeviceProperties(0, 2001, bus, name);
    case 1:
        return new ShutterDeviceProperties(0, 3001, bus, name);
    case 2: {
        auto* scenario = new ScenarioDeviceProperties(0, 9002, DeviceAddress(), name);
        scenario->setItems(ScheduledScenarioItem(true, ScheduledScenarioItem::Cen, 3, bus.clone(QList<int>{})),
                           ScheduledScenarioItem(), ScheduledScenarioItem(), ScheduledScenarioItem());
        return scenario;
    }
    case 3: {
        auto* ac = new ThermoregulationDeviceProperties(0, 4001, bus, name);
        ac->addCommand(new ThermoregulationCommandProperties(DeviceAddress(2, -1, -1, -1), QStringLiteral("Cool")));
        return ac;
    }
    case 4:
        return new SensorDeviceProperties(0, 21002, DeviceAddress(1 + i % 9, 1 + i % 9, 3, 1), name);
    case 5:
        return new AmplifierDeviceProperties(0, 23003, DeviceAddress(i % 10, i % 10, -1, -1), name);
    case 6: {
        auto* meter = new EnergyDeviceProperties(0, 7051, DeviceAddress(i % 256, -1, -1, -1), name);
        meter->setIsEconomicEvaluationEnabled(true);
        meter->setTariff(0.25);
        return meter;
    }
    case 7:
        return new LoadDeviceProperties(0, 18002, DeviceAddress(i % 64, -1, -1, -1), name);
    default:
        return new SoundSourceDeviceProperties(0, 23001, DeviceAddress(1 + i % 4, -1, -1, -1), name);
    }
}

std::unique_ptr<Configuration> bigProject()
{
    auto project = std::make_unique<Configuration>();
    QList<int> servers;
    for (int s = 0; s < 10; ++s) {
        servers.append(project->addDevice(new WebServerDeviceProperties(
            0, DeviceNetworkAddress(0, QStringLiteral("10.0.0.%1").arg(s + 1), 0, QStringLiteral("12345")),
            QStringLiteral("Gateway %1").arg(s))));
    }
    for (int i = 0; i < DEVICES_COUNT; ++i)
        project->addDevice(servers.at(i % servers.size()), deviceNumber(i));
    return project;
}

void measure(const char* name, const std::function<bool()>& operation)
{
    double total = 0.0;
    double worst = 0.0;
    for (int run = 0; run < RUNS; ++run) {
        QElapsedTimer timer;
        timer.start();
        if (!operation()) {
            std::fprintf(stderr, "%s failed\n", name);
            std::exit(1);
        }
        const double ms = timer.nsecsElapsed() / 1e6;
        total += ms;
        worst = std::max(worst, ms);
    }
    std::printf("%s mean_ms=%.2f worst_ms=%.2f\n", name, total / RUNS, worst);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.vtprj"));
    const auto project = bigProject();

    measure("project_write", [&] { return Serialization::XmlSerializer::write(*project, path); });
    measure("project_read", [&] {
        const std::unique_ptr<Configuration> read(Serialization::XmlSerializer::read(path));
        return read && read->devicesCount() == DEVICES_COUNT;
    });
    measure("project_validate", [&] {
        QList<Validation::ValidationItem> items;
        Validation::ConfigurationValidator::validate(project.get(), items);
        return true;
    });
    return 0;
}
