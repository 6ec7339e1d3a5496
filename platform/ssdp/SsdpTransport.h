#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QObject>

namespace Corvane::SSDP {

// Carries the search datagrams of a discovery and brings back the answers.
class SsdpTransport : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    virtual void sendSearch(const QByteArray& datagram) = 0;

Q_SIGNALS:
    void datagramReceived(const QByteArray& datagram, const QHostAddress& sender);
};

} // namespace Corvane::SSDP
