#include "Ssdp.h"

#include "SsdpResponse.h"
#include "UdpSsdpTransport.h"

namespace Corvane::SSDP {

namespace {

// Gateways spread their answers over up to this many seconds.
const int MAX_WAIT_SECONDS = 2;

} // namespace

Ssdp::Ssdp(int searchPeriod, QObject* parent)
    : QObject(parent)
{
    m_periodTimer.setSingleShot(true);
    m_periodTimer.setInterval(searchPeriod);
    connect(&m_periodTimer, &QTimer::timeout, this, &Ssdp::onPeriodEnded);
}

void Ssdp::setTransport(SsdpTransport* transport)
{
    delete m_transport;
    m_transport = transport;
    m_transport->setParent(this);
    connect(m_transport, &SsdpTransport::datagramReceived, this, &Ssdp::onDatagramReceived);
}

void Ssdp::discover()
{
    if (!m_transport)
        setTransport(new UdpSsdpTransport);
    m_reported.clear();
    m_periodTimer.start();
    m_transport->sendSearch(SsdpResponse::searchRequest(MAX_WAIT_SECONDS));
}

void Ssdp::stop()
{
    m_periodTimer.stop();
    m_reported.clear();
}

void Ssdp::onDatagramReceived(const QByteArray& datagram, const QHostAddress& sender)
{
    if (!isDiscovering())
        return;
    const std::optional<SsdpResponse> response = SsdpResponse::parse(datagram);
    if (!response)
        return;
    const QString key = QStringLiteral("%1/%2/%3")
                            .arg(response->functionCode())
                            .arg(response->univocalCode())
                            .arg(sender.toString());
    if (m_reported.contains(key))
        return;
    m_reported.insert(key);
    emit discovered(response->functionCode(), response->univocalCode(), sender);
}

void Ssdp::onPeriodEnded()
{
    m_reported.clear();
    emit timeoutExpired();
}

} // namespace Corvane::SSDP
