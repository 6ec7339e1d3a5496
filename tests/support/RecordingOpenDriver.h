#pragma once

#include "pravikdriver/Message.h"
#include "pravikdriver/OpenDriver.h"

#include <QList>

// A driver that sends nothing: it records every request and lets the test
// deliver answers whenever it likes (late, twice, out of order or never).
// It reports a monitor connection unless told otherwise.
class RecordingOpenDriver : public Corvane::PravikDriver::OpenDriver
{
    Q_OBJECT

public:
    using Message = Corvane::PravikDriver::Message;

    explicit RecordingOpenDriver(QObject* parent = nullptr);

    QList<Message> sent;

    bool isMonitorConnected() const override { return m_monitorConnected; }
    void setMonitorConnected(bool connected) { m_monitorConnected = connected; }

    // The requests sent so far of the given system and dimension (any
    // dimension for a negative one).
    QList<Message> sentOf(int systemType, int dimension = -1) const;
    // Hands message to the listeners as an answer to request (pushed when the
    // request is empty), exactly as a gateway's would arrive.
    void deliver(const Message& message, const Message& request = Message());
    void clearSent() { sent.clear(); }

public Q_SLOTS:
    void sendMessage(const Corvane::PravikDriver::Message& message) override;

private:
    bool m_monitorConnected = true;
};
