#include "RecordingOpenDriver.h"

RecordingOpenDriver::RecordingOpenDriver(QObject* parent)
    : OpenDriver(parent)
{
}

QList<RecordingOpenDriver::Message> RecordingOpenDriver::sentOf(int systemType, int dimension) const
{
    QList<Message> matching;
    for (const Message& message : sent) {
        if (message.systemType() == systemType && (dimension < 0 || message.dimension() == dimension))
            matching.append(message);
    }
    return matching;
}

void RecordingOpenDriver::deliver(const Message& message, const Message& request)
{
    sendMessageToListeners(message, request, request.isEmpty());
}

void RecordingOpenDriver::sendMessage(const Corvane::PravikDriver::Message& message)
{
    sent.append(message);
}
