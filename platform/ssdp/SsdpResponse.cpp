#include "SsdpResponse.h"

#include <QList>

namespace Corvane::SSDP {

namespace {

const int MAX_RESPONSE_SIZE = 4096;

bool readCode(const QByteArray& text, int* code)
{
    bool ok = false;
    *code = text.toInt(&ok);
    return ok && *code >= 0 && text.size() <= 10;
}

} // namespace

const QByteArray SsdpResponse::SEARCH_TARGET = QByteArrayLiteral("urn:pravik-net:device:gateway:1");

std::optional<SsdpResponse> SsdpResponse::parse(const QByteArray& datagram)
{
    if (datagram.size() > MAX_RESPONSE_SIZE)
        return std::nullopt;
    const QList<QByteArray> lines = datagram.split('\n');
    if (lines.isEmpty() || !lines.first().trimmed().startsWith("HTTP/1.1 200"))
        return std::nullopt;

    SsdpResponse response;
    bool targetSeen = false;
    bool functionCodeSeen = false;
    bool univocalCodeSeen = false;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).trimmed();
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0)
            continue;
        const QByteArray name = line.left(colon).trimmed().toUpper();
        const QByteArray value = line.mid(colon + 1).trimmed();
        if (name == "ST")
            targetSeen = value == SEARCH_TARGET;
        else if (name == "X-PRAVIK-FC")
            functionCodeSeen = readCode(value, &response.m_functionCode);
        else if (name == "X-PRAVIK-UC")
            univocalCodeSeen = readCode(value, &response.m_univocalCode);
    }
    if (!targetSeen || !functionCodeSeen || !univocalCodeSeen)
        return std::nullopt;
    return response;
}

QByteArray SsdpResponse::searchRequest(int maxWaitSeconds)
{
    return QByteArrayLiteral("M-SEARCH * HTTP/1.1\r\n"
                             "HOST: 239.255.255.250:1900\r\n"
                             "MAN: \"ssdp:discover\"\r\n"
                             "MX: ")
        + QByteArray::number(maxWaitSeconds) + QByteArrayLiteral("\r\nST: ") + SEARCH_TARGET
        + QByteArrayLiteral("\r\n\r\n");
}

} // namespace Corvane::SSDP
