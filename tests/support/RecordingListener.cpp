#include "RecordingListener.h"

#include "pravikdriver/UserMessages/AutomationMessage.h"
#include "pravikdriver/UserMessages/InterfaceDeviceMessage.h"
#include "pravikdriver/UserMessages/LightsMessage.h"
#include "pravikdriver/UserMessages/SoundMessage.h"
#include "pravikdriver/UserMessages/TemperatureMessage.h"

#include <QCoreApplication>
#include <QThread>

using namespace Corvane::PravikDriver::UserMessages;

int RecordingListener::count(const QString& prefix) const
{
    return int(std::count_if(events.cbegin(), events.cend(), [&prefix](const QString& e) { return e.startsWith(prefix); }));
}

void RecordingListener::record(const QString& event)
{
    if (QThread::currentThread() != QCoreApplication::instance()->thread())
        allInGuiThread = false;
    events.append(event);
}

void RecordingListener::connected(const Driver*, bool monitor)
{
    record(QStringLiteral("connected %1").arg(monitor));
}

void RecordingListener::authenticated(const Driver*, bool monitor)
{
    record(QStringLiteral("authenticated %1").arg(monitor));
}

void RecordingListener::disconnected(const Driver*, bool monitor)
{
    record(QStringLiteral("disconnected %1").arg(monitor));
}

void RecordingListener::messageReceived(const Driver*, const Message& first, const Message& second, bool pushed)
{
    messages.append(first);
    requests.append(second);
    record(QStringLiteral("message %1 %2").arg(first.messageType()).arg(pushed));
}

void RecordingListener::communicationError(const Driver*, bool, const Error& error)
{
    record(QStringLiteral("communicationError %1").arg(error.code()));
}

void RecordingListener::connectionError(const Driver*, bool, const Error& error)
{
    record(QStringLiteral("connectionError %1").arg(error.code()));
}

void RecordingListener::lightMessageReceived(const OpenDriver*, const LightsMessage& message, const Message&, bool pushed)
{
    record(QStringLiteral("light %1 on %2 level %3 pushed %4")
               .arg(message.where())
               .arg(message.isOn())
               .arg(message.level())
               .arg(pushed));
}

void RecordingListener::temperatureMessageReceived(const OpenDriver*, const TemperatureMessage& message, const Message&,
                                                   bool pushed)
{
    record(QStringLiteral("temperature %1 %2 pushed %3")
               .arg(message.where())
               .arg(message.temperature().value())
               .arg(pushed));
}

void RecordingListener::soundMessageReceived(const OpenDriver*, const SoundMessage& message, const Message&, bool pushed)
{
    record(QStringLiteral("sound %1 volume %2 pushed %3").arg(message.where()).arg(message.volume()).arg(pushed));
}

void RecordingListener::automationMessageReceived(const OpenDriver*, const AutomationMessage& message, const Message&,
                                                  bool pushed)
{
    record(QStringLiteral("automation %1 %2 pushed %3").arg(message.where()).arg(message.stateCode()).arg(pushed));
}

void RecordingListener::interfaceDeviceMessageReceived(const OpenDriver*, const InterfaceDeviceMessage& message,
                                                       const Message&, bool pushed)
{
    record(QStringLiteral("gateway %1 pushed %2").arg(message.ipAddress()).arg(pushed));
}

void RecordingListener::loadManagementMessageReceived(const OpenDriver*, const LoadManagementMessage& message,
                                                      const Message&, bool pushed)
{
    loadMessages.append(message);
    record(QStringLiteral("load type %1 pushed %2").arg(message.type()).arg(pushed));
}

void RecordingListener::receivedDataProgress(const OpenDriver*, int systemType, int dimension, const QString& address,
                                             double minimum, double maximum, double value, int decimals)
{
    progress.append(int(value));
    record(QStringLiteral("progress %1 %2 %3 %4..%5 %6 %7")
               .arg(systemType)
               .arg(dimension)
               .arg(address)
               .arg(minimum)
               .arg(maximum)
               .arg(value)
               .arg(decimals));
}
