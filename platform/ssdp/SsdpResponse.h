#pragma once

#include <QByteArray>

#include <optional>

namespace Corvane::SSDP {

// A gateway's answer to a search: "HTTP/1.1 200 OK" with the search target
// of PravikNet gateways and the gateway's function code (X-PRAVIK-FC) and
// univocal code (X-PRAVIK-UC) as headers.
class SsdpResponse
{
public:
    static const QByteArray SEARCH_TARGET;

    static std::optional<SsdpResponse> parse(const QByteArray& datagram);
    // The M-SEARCH datagram that asks gateways to answer within maxWait seconds.
    static QByteArray searchRequest(int maxWaitSeconds);

    int functionCode() const { return m_functionCode; }
    int univocalCode() const { return m_univocalCode; }

private:
    int m_functionCode = 0;
    int m_univocalCode = 0;
};

} // namespace Corvane::SSDP
