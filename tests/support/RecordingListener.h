#pragma once

#include "pravikdriver/Error.h"
#include "pravikdriver/Message.h"
#include "pravikdriver/PravikListener.h"
#include "pravikdriver/UserMessages/LoadManagementMessage.h"

#include <QList>
#include <QStringList>

// Records every callback as a line of text, and whether each arrived in the
// thread of the application object.
class RecordingListener : public Corvane::PravikDriver::PravikListener
{
public:
    using Driver = Corvane::PravikDriver::Driver;
    using Error = Corvane::PravikDriver::Error;
    using Message = Corvane::PravikDriver::Message;
    using OpenDriver = Corvane::PravikDriver::OpenDriver;

    QStringList events;
    QList<Message> messages;
    QList<Message> requests;
    QList<Corvane::PravikDriver::UserMessages::LoadManagementMessage> loadMessages;
    QList<int> progress;
    bool allInGuiThread = true;

    int count(const QString& prefix) const;

    void connected(const Driver* driver, bool monitor) override;
    void authenticated(const Driver* driver, bool monitor) override;
    void disconnected(const Driver* driver, bool monitor) override;
    void messageReceived(const Driver* driver, const Message& first, const Message& second, bool pushed) override;
    void communicationError(const Driver* driver, bool monitor, const Error& error) override;
    void connectionError(const Driver* driver, bool monitor, const Error& error) override;
    void lightMessageReceived(const OpenDriver* driver, const Corvane::PravikDriver::UserMessages::LightsMessage& message,
                              const Message& raw, bool pushed) override;
    void temperatureMessageReceived(const OpenDriver* driver,
                                    const Corvane::PravikDriver::UserMessages::TemperatureMessage& message,
                                    const Message& raw, bool pushed) override;
    void soundMessageReceived(const OpenDriver* driver, const Corvane::PravikDriver::UserMessages::SoundMessage& message,
                              const Message& raw, bool pushed) override;
    void automationMessageReceived(const OpenDriver* driver,
                                   const Corvane::PravikDriver::UserMessages::AutomationMessage& message,
                                   const Message& raw, bool pushed) override;
    void interfaceDeviceMessageReceived(const OpenDriver* driver,
                                        const Corvane::PravikDriver::UserMessages::InterfaceDeviceMessage& message,
                                        const Message& raw, bool pushed) override;
    void loadManagementMessageReceived(const OpenDriver* driver,
                                       const Corvane::PravikDriver::UserMessages::LoadManagementMessage& message,
                                       const Message& raw, bool pushed) override;
    void receivedDataProgress(const OpenDriver* driver, int systemType, int dimension, const QString& address,
                              double minimum, double maximum, double value, int decimals) override;

private:
    void record(const QString& event);
};
