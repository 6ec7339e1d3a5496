#pragma once

#include "SsdpTransport.h"

class QUdpSocket;

namespace Corvane::SSDP {

// Sends searches over UDP, by default to the SSDP multicast group
// 239.255.255.250 port 1900, and receives the unicast answers on the
// socket it sent from.
class UdpSsdpTransport : public SsdpTransport
{
    Q_OBJECT

public:
    static const QHostAddress MULTICAST_GROUP;
    static constexpr quint16 SSDP_PORT = 1900;

    explicit UdpSsdpTransport(QObject* parent = nullptr);
    UdpSsdpTransport(const QHostAddress& target, quint16 port, QObject* parent = nullptr);

    void sendSearch(const QByteArray& datagram) override;

private:
    void onReadyRead();

    QUdpSocket* m_socket;
    QHostAddress m_target;
    quint16 m_port;
};

} // namespace Corvane::SSDP
