#include "ThermoregulationGatewayMessages.h"

#include "ThermoregulationController.h"
#include "ThermoregulationStateReader.h"
#include "ThermoregulationStatusTimers.h"

#include "devices/ThermoregulationDevice.h"
#include "pravikdriver/Message.h"
#include "pravikdriver/PravikEnums.h"
#include "pravikdriver/UserMessages/TemperatureMessage.h"

#include <optional>

namespace Corvane::Sentrel::Controllers {

using PravikDriver::Address;
namespace PravikEnums = PravikDriver::PravikEnums;

namespace {

const int ZONE_99 = 8003;
const QString GENERAL_ZONE_ADDRESS = QStringLiteral("#0");
const int ZONE_PROTECTION_COMMAND = 400302;
const int ZONE_OFF_COMMAND = 400303;
const int ZONE_AUTOMATIC_COMMAND = 400311;
const int ZONE_SETPOINT_DIMENSION = 400014;
const int THERMOREGULATION_SYSTEM = 4;

// The status update that a command calls for, if any.
std::optional<ThermoregulationStatusTimers::StatusUpdateType> updateAfter(const PravikDriver::Message& command)
{
    const int type = command.commandType();
    if (type == ZONE_PROTECTION_COMMAND || type == ZONE_OFF_COMMAND || type == ZONE_AUTOMATIC_COMMAND)
        return ThermoregulationStatusTimers::ZoneStatus;
    if (command.dimension() == ZONE_SETPOINT_DIMENSION && command.messageType() == PravikEnums::DimensionWrite)
        return ThermoregulationStatusTimers::Setpoint;
    return std::nullopt;
}

} // namespace

ThermoregulationGatewayMessages::ThermoregulationGatewayMessages(ThermoregulationController& controller)
    : m_controller(controller)
{
}

void ThermoregulationGatewayMessages::applyReading(const Driver* driver,
                                                   const PravikDriver::UserMessages::TemperatureMessage& message)
{
    const QList<Device*> devices = m_controller.thermoregulationDevices();
    QList<Device*> targets;
    if (message.where() == GENERAL_ZONE_ADDRESS) {
        const int server = m_controller.getServerId(driver);
        for (Device* device : devices) {
            if (device->deviceType() == ZONE_99 && device->serverId() == server)
                targets.append(device);
        }
    } else {
        for (int index : m_controller.getDeviceIndicesByAddress(message.where(), driver, false))
            targets.append(devices.at(index));
    }
    applyTo(targets, message);
}

void ThermoregulationGatewayMessages::applyTo(const QList<Device*>& targets,
                                              const PravikDriver::UserMessages::TemperatureMessage& message)
{
    for (Device* device : targets) {
        ThermoregulationStateReader::apply(device, message, device->isStatusKnown());
        if (isAddressedTo(device, message.where()))
            device->setStatusKnown(true);
        m_controller.updateUIforDevice(device);
    }
}

bool ThermoregulationGatewayMessages::isAddressedTo(const Device* device, const QString& where)
{
    return where != GENERAL_ZONE_ADDRESS
           && where
                  == ThermoregulationController::getAddressText(
                      device->address(), ThermoregulationController::getAddressDeviceType(device->deviceType()),
                      Address::Compare);
}

void ThermoregulationGatewayMessages::followAnswer(const Driver* driver, const PravikDriver::Message& first,
                                                   const PravikDriver::Message& second)
{
    if (second.systemType() != THERMOREGULATION_SYSTEM
        || (first.messageType() != PravikEnums::Nack && first.messageType() != PravikEnums::Ack))
        return;
    const auto type = updateAfter(second);
    if (!type)
        return;
    const QList<int> indices = m_controller.getDeviceIndicesByAddress(second.address(), driver, false);
    if (!indices.isEmpty())
        m_controller.statusTimers()->schedule(m_controller.thermoregulationDevices().at(indices.first())->id(),
                                              *type);
}

} // namespace Corvane::Sentrel::Controllers
