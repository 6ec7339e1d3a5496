#pragma once

#include "devices/Configuration.h"
#include "devices/DeviceAddress.h"

#include <QModelIndex>

class QSignalSpy;

#include <memory>

namespace ConfiguratorTest {

// Registers the Gadgets library's pictures (":/Images/...").
void initResources();

// A project with gateways named "Plant <n>" and lights "Light <n>" spread
// over them in turn (the first gateway first).
std::unique_ptr<Corvane::Devices::Configuration> makeProject(int gateways, int lights);

// Adds a device of the family's default type to a gateway; returns its id.
int addLight(Corvane::Devices::Configuration& project, int serverId, const QString& description);
int addScenario(Corvane::Devices::Configuration& project, int serverId, const QString& description);
int addSensor(Corvane::Devices::Configuration& project, int serverId, const QString& description);

// A bus address holding only the area A.
Corvane::Devices::DeviceAddress areaOnly(int area);

// Whether one of the dataChanged signals a spy recorded covers cell.
bool reported(const QSignalSpy& dataChanged, const QModelIndex& cell);

} // namespace ConfiguratorTest
