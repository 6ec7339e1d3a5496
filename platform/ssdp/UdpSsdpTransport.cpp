#include "UdpSsdpTransport.h"

#include "log/Logger.h"

#include <QNetworkDatagram>
#include <QUdpSocket>

namespace Corvane::SSDP {

using Log::Logger;

namespace {

const int MAX_DATAGRAM_SIZE = 8192;

} // namespace

const QHostAddress UdpSsdpTransport::MULTICAST_GROUP(QStringLiteral("239.255.255.250"));

UdpSsdpTransport::UdpSsdpTransport(QObject* parent)
    : UdpSsdpTransport(MULTICAST_GROUP, SSDP_PORT, parent)
{
}

UdpSsdpTransport::UdpSsdpTransport(const QHostAddress& target, quint16 port, QObject* parent)
    : SsdpTransport(parent)
    , m_socket(new QUdpSocket(this))
    , m_target(target)
    , m_port(port)
{
    connect(m_socket, &QUdpSocket::readyRead, this, &UdpSsdpTransport::onReadyRead);
}

void UdpSsdpTransport::sendSearch(const QByteArray& datagram)
{
    if (m_socket->state() != QAbstractSocket::BoundState
        && !m_socket->bind(m_target.isLoopback() ? QHostAddress(QHostAddress::LocalHost) : QHostAddress(QHostAddress::AnyIPv4), 0)) {
        Logger(Logger::Error) << Q_FUNC_INFO << " cannot open the discovery socket: " << m_socket->errorString();
        return;
    }
    if (m_socket->writeDatagram(datagram, m_target, m_port) < 0)
        Logger(Logger::Warning) << Q_FUNC_INFO << " cannot send the discovery search: " << m_socket->errorString();
}

void UdpSsdpTransport::onReadyRead()
{
    while (m_socket->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_socket->receiveDatagram(MAX_DATAGRAM_SIZE);
        if (datagram.isValid())
            emit datagramReceived(datagram.data(), datagram.senderAddress());
    }
}

} // namespace Corvane::SSDP
