#pragma once

#include <QString>

namespace Corvane::PravikDriver {

class Driver;
class Error;
class Message;
class OpenDriver;

namespace UserMessages {
class AutomationMessage;
class CenMessage;
class CenPlusMessage;
class InterfaceDeviceMessage;
class LightSensorMessage;
class LightsMessage;
class LoadManagementMessage;
class PresenceSensorMessage;
class ScenarioMessage;
class ScenarioPlusMessage;
class SoundMessage;
class TemperatureMessage;
} // namespace UserMessages

// Receiver of a driver's connection events and messages. Every callback
// arrives in the thread of the driver (the GUI thread); the flag of the
// connection callbacks is true for the monitor connection, the flag of the
// message callbacks is true for messages the gateway pushed on its own and
// false for answers to this driver's requests. Every operation does nothing
// unless overridden.
class PravikListener
{
public:
    virtual ~PravikListener();

    virtual void connected(const Driver* driver, bool monitor);
    virtual void authenticated(const Driver* driver, bool monitor);
    virtual void disconnected(const Driver* driver, bool monitor);
    // Every message, before its family callback; second is the request it
    // answers, or empty.
    virtual void messageReceived(const Driver* driver, const Message& first, const Message& second, bool pushed);
    virtual void communicationError(const Driver* driver, bool monitor, const Error& error);
    virtual void connectionError(const Driver* driver, bool monitor, const Error& error);
    virtual void lightMessageReceived(const OpenDriver* driver, const UserMessages::LightsMessage& message,
                                      const Message& raw, bool pushed);
    virtual void interfaceDeviceMessageReceived(const OpenDriver* driver,
                                                const UserMessages::InterfaceDeviceMessage& message,
                                                const Message& raw, bool pushed);
    virtual void automationMessageReceived(const OpenDriver* driver, const UserMessages::AutomationMessage& message,
                                           const Message& raw, bool pushed);
    virtual void lightSensorMessageReceived(const OpenDriver* driver, const UserMessages::LightSensorMessage& message,
                                            const Message& raw, bool pushed);
    virtual void presenceMessageReceived(const OpenDriver* driver, const UserMessages::PresenceSensorMessage& message,
                                         const Message& raw, bool pushed);
    virtual void temperatureMessageReceived(const OpenDriver* driver, const UserMessages::TemperatureMessage& message,
                                            const Message& raw, bool pushed);
    virtual void scenarioMessageReceived(const OpenDriver* driver, const UserMessages::ScenarioMessage& message,
                                         const Message& raw, bool pushed);
    virtual void scenarioPlusMessageReceived(const OpenDriver* driver,
                                             const UserMessages::ScenarioPlusMessage& message, const Message& raw,
                                             bool pushed);
    virtual void cenMessageReceived(const OpenDriver* driver, const UserMessages::CenMessage& message,
                                    const Message& raw, bool pushed);
    virtual void cenPlusMessageReceived(const OpenDriver* driver, const UserMessages::CenPlusMessage& message,
                                        const Message& raw, bool pushed);
    virtual void soundMessageReceived(const OpenDriver* driver, const UserMessages::SoundMessage& message,
                                      const Message& raw, bool pushed);
    virtual void loadManagementMessageReceived(const OpenDriver* driver,
                                               const UserMessages::LoadManagementMessage& message, const Message& raw,
                                               bool pushed);
    // Progress of an answer that comes in several frames: value frames of
    // maximum received so far.
    virtual void receivedDataProgress(const OpenDriver* driver, int systemType, int dimension, const QString& address,
                                      double minimum, double maximum, double value, int decimals);
};

using Listener = PravikListener;

} // namespace Corvane::PravikDriver
