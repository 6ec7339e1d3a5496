#pragma once

#include "pravikdriver/Message.h"
#include "pravikdriver/PravikListener.h"
#include "pravikdriver/UserMessages/AutomationMessage.h"
#include "pravikdriver/UserMessages/InterfaceDeviceMessage.h"
#include "pravikdriver/UserMessages/LightSensorMessage.h"
#include "pravikdriver/UserMessages/LightsMessage.h"
#include "pravikdriver/UserMessages/LoadManagementMessage.h"
#include "pravikdriver/UserMessages/PresenceSensorMessage.h"
#include "pravikdriver/UserMessages/SoundMessage.h"
#include "pravikdriver/UserMessages/TemperatureMessage.h"

#include <QList>

#include <functional>

// One message as a listener got it.
struct ReceivedAnswer
{
    Corvane::PravikDriver::Message message;
    Corvane::PravikDriver::Message second;
    bool flag = false;
};

// Records every message a driver hands over, and what the family decoders
// made of it.
class AnswerRecorder : public Corvane::PravikDriver::PravikListener
{
public:
    using Message = Corvane::PravikDriver::Message;
    using Driver = Corvane::PravikDriver::Driver;
    using OpenDriver = Corvane::PravikDriver::OpenDriver;

    QList<ReceivedAnswer> answers;
    QList<Corvane::PravikDriver::UserMessages::LightsMessage> lights;
    QList<Corvane::PravikDriver::UserMessages::LightSensorMessage> lightSensors;
    QList<Corvane::PravikDriver::UserMessages::PresenceSensorMessage> presences;
    QList<Corvane::PravikDriver::UserMessages::AutomationMessage> shutters;
    QList<Corvane::PravikDriver::UserMessages::InterfaceDeviceMessage> gateways;
    QList<Corvane::PravikDriver::UserMessages::TemperatureMessage> temperatures;
    QList<Corvane::PravikDriver::UserMessages::SoundMessage> sounds;
    QList<Corvane::PravikDriver::UserMessages::LoadManagementMessage> energy;
    // Called after each message is recorded.
    std::function<void(const Message&)> onMessage;

    void clear();

    void messageReceived(const Driver* driver, const Message& first, const Message& second, bool flag) override;
    void lightMessageReceived(const OpenDriver* driver, const Corvane::PravikDriver::UserMessages::LightsMessage& message,
                              const Message& raw, bool flag) override;
    void lightSensorMessageReceived(const OpenDriver* driver,
                                    const Corvane::PravikDriver::UserMessages::LightSensorMessage& message,
                                    const Message& raw, bool flag) override;
    void presenceMessageReceived(const OpenDriver* driver,
                                 const Corvane::PravikDriver::UserMessages::PresenceSensorMessage& message,
                                 const Message& raw, bool flag) override;
    void automationMessageReceived(const OpenDriver* driver,
                                   const Corvane::PravikDriver::UserMessages::AutomationMessage& message,
                                   const Message& raw, bool flag) override;
    void interfaceDeviceMessageReceived(const OpenDriver* driver,
                                        const Corvane::PravikDriver::UserMessages::InterfaceDeviceMessage& message,
                                        const Message& raw, bool flag) override;
    void temperatureMessageReceived(const OpenDriver* driver,
                                    const Corvane::PravikDriver::UserMessages::TemperatureMessage& message,
                                    const Message& raw, bool flag) override;
    void soundMessageReceived(const OpenDriver* driver, const Corvane::PravikDriver::UserMessages::SoundMessage& message,
                              const Message& raw, bool flag) override;
    void loadManagementMessageReceived(const OpenDriver* driver,
                                       const Corvane::PravikDriver::UserMessages::LoadManagementMessage& message,
                                       const Message& raw, bool flag) override;
};
