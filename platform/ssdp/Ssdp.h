#pragma once

#include <QHostAddress>
#include <QObject>
#include <QSet>
#include <QTimer>

namespace Corvane::SSDP {

class SsdpTransport;

// Finds PravikNet gateways with SSDP: discover() sends a search and, for
// one search period, reports every gateway that answers, once, with its
// function code, univocal code and address; timeoutExpired() ends the
// period. Everything runs in the owner's thread.
class Ssdp : public QObject
{
    Q_OBJECT

public:
    // searchPeriod in milliseconds.
    explicit Ssdp(int searchPeriod, QObject* parent = nullptr);

    // Replaces the transport (the default sends to the SSDP multicast group);
    // the Ssdp object takes ownership.
    void setTransport(SsdpTransport* transport);
    bool isDiscovering() const { return m_periodTimer.isActive(); }

public Q_SLOTS:
    void discover();
    void stop();

Q_SIGNALS:
    void discovered(int functionCode, int univocalCode, const QHostAddress& address);
    void timeoutExpired();

private:
    void onDatagramReceived(const QByteArray& datagram, const QHostAddress& sender);
    void onPeriodEnded();

    SsdpTransport* m_transport = nullptr;
    QTimer m_periodTimer;
    QSet<QString> m_reported;
};

} // namespace Corvane::SSDP
