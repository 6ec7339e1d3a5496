#pragma once

#include <QList>
#include <QString>

namespace Corvane::Devices {
class ThermoregulationDevice;
}
namespace Corvane::PravikDriver {
class Message;
class OpenDriver;
namespace UserMessages {
class TemperatureMessage;
}
} // namespace Corvane::PravikDriver

namespace Corvane::Sentrel::Controllers {

class ThermoregulationController;

// The gateway's messages that the thermoregulation page follows: readings
// applied to the devices they are about, and answers to zone commands, each
// followed after a delay by a fresh status request of its zone.
class ThermoregulationGatewayMessages
{
public:
    using Driver = PravikDriver::OpenDriver;
    using Device = Devices::ThermoregulationDevice;

    explicit ThermoregulationGatewayMessages(ThermoregulationController& controller);

    // A reading of the general zone address reaches every 99-zone of the
    // gateway, but leaves the state of each unknown until its own reading.
    void applyReading(const Driver* driver, const PravikDriver::UserMessages::TemperatureMessage& message);
    // Applies a reading to the devices it reaches, in their order. Each device
    // the reading is addressed to by its own address becomes known; one reached
    // through another address form, or through the general zone address, only
    // takes the values.
    void applyTo(const QList<Device*>& targets, const PravikDriver::UserMessages::TemperatureMessage& message);
    // The answer (first) of the gateway to a command (second) it was sent.
    void followAnswer(const Driver* driver, const PravikDriver::Message& first, const PravikDriver::Message& second);

private:
    static bool isAddressedTo(const Device* device, const QString& where);

    ThermoregulationController& m_controller;
};

} // namespace Corvane::Sentrel::Controllers
