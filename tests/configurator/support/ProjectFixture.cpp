#include "ProjectFixture.h"

#include "devices/ActuatorDeviceProperties.h"
#include "devices/DeviceAddress.h"
#include "devices/DeviceNetworkAddress.h"
#include "devices/ScenarioDeviceProperties.h"
#include "devices/SensorDeviceProperties.h"
#include "devices/Utilities.h"
#include "devices/WebServerDeviceProperties.h"
#include "theme/ThemeProvider.h"

#include <QSignalSpy>

namespace ConfiguratorTest {

using namespace Corvane::Devices;

void initResources()
{
    Corvane::Gadgets::ThemeProvider::initResources();
}

std::unique_ptr<Configuration> makeProject(int gateways, int lights)
{
    auto project = std::make_unique<Configuration>(true);
    QList<int> servers;
    for (int i = 1; i <= gateways; ++i) {
        const DeviceNetworkAddress address(DeviceNetworkAddress::StaticIp, QStringLiteral("192.168.1.%1").arg(i), 0,
                                           QStringLiteral("12345"));
        servers.append(project->addDevice(
            new WebServerDeviceProperties(Utilities::emtpyDeviceId(), address, QStringLiteral("Plant %1").arg(i))));
    }
    for (int i = 1; i <= lights && !servers.isEmpty(); ++i)
        addLight(*project, servers.at((i - 1) % servers.size()), QStringLiteral("Light %1").arg(i));
    project->clearChanges();
    return project;
}

int addLight(Configuration& project, int serverId, const QString& description)
{
    static int point = 0;
    point = point % 9 + 1;
    return project.addDevice(serverId, new ActuatorDeviceProperties(Utilities::emtpyDeviceId(), 2003,
                                                                    DeviceAddress(1, point, DeviceAddress::LEVEL_PRIVATE_RISER,
                                                                                  DeviceAddress::DEFAULT_INTERFACE_VALUE),
                                                                    description));
}

int addScenario(Configuration& project, int serverId, const QString& description)
{
    return project.addDevice(serverId, new ScenarioDeviceProperties(Utilities::emtpyDeviceId(), 1002,
                                                                     DeviceAddress(1, 12, DeviceAddress::DEFAULT_LEVEL_VALUE,
                                                                                   DeviceAddress::DEFAULT_INTERFACE_VALUE),
                                                                     description));
}

int addSensor(Configuration& project, int serverId, const QString& description)
{
    return project.addDevice(serverId, new SensorDeviceProperties(Utilities::emtpyDeviceId(), 21002,
                                                                  DeviceAddress(1, 1, DeviceAddress::DEFAULT_LEVEL_VALUE,
                                                                                DeviceAddress::EMPTY_INT_VALUE),
                                                                  description));
}

Corvane::Devices::DeviceAddress areaOnly(int area)
{
    using Corvane::Devices::DeviceAddress;
    return DeviceAddress(area, DeviceAddress::EMPTY_INT_VALUE, DeviceAddress::EMPTY_INT_VALUE,
                         DeviceAddress::EMPTY_INT_VALUE);
}

bool reported(const QSignalSpy& dataChanged, const QModelIndex& cell)
{
    for (const QList<QVariant>& change : dataChanged) {
        const QModelIndex first = change.at(0).value<QModelIndex>();
        const QModelIndex last = change.at(1).value<QModelIndex>();
        if (first.row() <= cell.row() && cell.row() <= last.row() && first.column() <= cell.column()
            && cell.column() <= last.column())
            return true;
    }
    return false;
}

} // namespace ConfiguratorTest
