#include "ssdp/Ssdp.h"
#include "ssdp/SsdpResponse.h"
#include "ssdp/UdpSsdpTransport.h"

#include <QNetworkDatagram>
#include <QSignalSpy>
#include <QTest>
#include <QUdpSocket>

using Corvane::SSDP::Ssdp;
using Corvane::SSDP::SsdpResponse;
using Corvane::SSDP::UdpSsdpTransport;

namespace {

QByteArray reply(int functionCode, int univocalCode, const QByteArray& target = SsdpResponse::SEARCH_TARGET)
{
    return "HTTP/1.1 200 OK\r\nCACHE-CONTROL: max-age=1800\r\nST: " + target
        + "\r\nUSN: uuid:gateway\r\nx-pravik-fc: " + QByteArray::number(functionCode)
        + "\r\nX-PRAVIK-UC: " + QByteArray::number(univocalCode) + "\r\n\r\n";
}

} // namespace

// Answers every search datagram it receives on 127.0.0.1 with its replies.
class LoopbackResponder : public QObject
{
    Q_OBJECT

public:
    QList<QByteArray> replies;
    QList<QByteArray> searches;

    bool start()
    {
        connect(&m_socket, &QUdpSocket::readyRead, this, &LoopbackResponder::onReadyRead);
        return m_socket.bind(QHostAddress::LocalHost, 0);
    }
    quint16 port() const { return m_socket.localPort(); }

private:
    void onReadyRead()
    {
        while (m_socket.hasPendingDatagrams()) {
            const QNetworkDatagram search = m_socket.receiveDatagram();
            searches.append(search.data());
            for (const QByteArray& answer : std::as_const(replies))
                m_socket.writeDatagram(answer, search.senderAddress(), search.senderPort());
        }
    }

    QUdpSocket m_socket;
};

class tst_Ssdp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse_data();
    void parse();
    void discoversGatewaysOnce();
    void searchAsksForGateways();
    void periodEndsWithTimeout();
    void stopIgnoresLateAnswers();

private:
    void startDiscovery(Ssdp& ssdp, LoopbackResponder& responder);
};

void tst_Ssdp::parse_data()
{
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("functionCode");
    QTest::addColumn<int>("univocalCode");

    QTest::newRow("gateway") << reply(12, 34567) << true << 12 << 34567;
    QTest::newRow("bare line ends") << reply(3, 4).replace("\r\n", "\n") << true << 3 << 4;
    QTest::newRow("other device") << reply(12, 34567, "upnp:rootdevice") << false << 0 << 0;
    QTest::newRow("no univocal code") << QByteArray("HTTP/1.1 200 OK\r\nST: " + SsdpResponse::SEARCH_TARGET
                                                    + "\r\nX-PRAVIK-FC: 1\r\n\r\n")
                                      << false << 0 << 0;
    QTest::newRow("code not a number") << reply(12, 34567).replace("34567", "x45") << false << 0 << 0;
    QTest::newRow("negative code") << reply(-1, 2) << false << 0 << 0;
    QTest::newRow("error status") << reply(1, 2).replace("200 OK", "404 Not Found") << false << 0 << 0;
    QTest::newRow("search") << SsdpResponse::searchRequest(2) << false << 0 << 0;
    QTest::newRow("garbage") << QByteArray("\x01\x02\x03") << false << 0 << 0;
    QTest::newRow("huge") << reply(1, 2) + QByteArray(10000, ' ') << false << 0 << 0;
}

void tst_Ssdp::parse()
{
    QFETCH(QByteArray, datagram);
    QFETCH(bool, valid);
    QFETCH(int, functionCode);
    QFETCH(int, univocalCode);
    const auto response = SsdpResponse::parse(datagram);
    QCOMPARE(response.has_value(), valid);
    if (valid) {
        QCOMPARE(response->functionCode(), functionCode);
        QCOMPARE(response->univocalCode(), univocalCode);
    }
}

void tst_Ssdp::startDiscovery(Ssdp& ssdp, LoopbackResponder& responder)
{
    QVERIFY(responder.start());
    ssdp.setTransport(new UdpSsdpTransport(QHostAddress::LocalHost, responder.port()));
    ssdp.discover();
}

void tst_Ssdp::discoversGatewaysOnce()
{
    LoopbackResponder responder;
    responder.replies = { reply(12, 100), reply(12, 100), QByteArray("junk"), reply(12, 200),
                          reply(12, 100, "upnp:rootdevice") };
    Ssdp ssdp(60000);
    QSignalSpy discovered(&ssdp, &Ssdp::discovered);
    startDiscovery(ssdp, responder);
    QTRY_COMPARE(discovered.count(), 2);
    QTest::qWait(100);
    QCOMPARE(discovered.count(), 2);
    QCOMPARE(discovered.at(0).at(0).toInt(), 12);
    QCOMPARE(discovered.at(0).at(1).toInt(), 100);
    QCOMPARE(discovered.at(0).at(2).value<QHostAddress>(), QHostAddress(QHostAddress::LocalHost));
    QCOMPARE(discovered.at(1).at(1).toInt(), 200);
    // A new search reports the same gateways again.
    ssdp.discover();
    QTRY_COMPARE(discovered.count(), 4);
}

void tst_Ssdp::searchAsksForGateways()
{
    LoopbackResponder responder;
    Ssdp ssdp(60000);
    startDiscovery(ssdp, responder);
    QTRY_COMPARE(responder.searches.size(), 1);
    const QByteArray search = responder.searches.first();
    QVERIFY(search.startsWith("M-SEARCH * HTTP/1.1\r\n"));
    QVERIFY(search.contains("MAN: \"ssdp:discover\"\r\n"));
    QVERIFY(search.contains("ST: " + SsdpResponse::SEARCH_TARGET + "\r\n"));
    QVERIFY(search.endsWith("\r\n\r\n"));
}

void tst_Ssdp::periodEndsWithTimeout()
{
    LoopbackResponder responder;
    Ssdp ssdp(50);
    QSignalSpy timeout(&ssdp, &Ssdp::timeoutExpired);
    startDiscovery(ssdp, responder);
    QVERIFY(ssdp.isDiscovering());
    QTRY_COMPARE(timeout.count(), 1);
    QVERIFY(!ssdp.isDiscovering());
    QTest::qWait(100);
    QCOMPARE(timeout.count(), 1);
}

void tst_Ssdp::stopIgnoresLateAnswers()
{
    LoopbackResponder responder;
    responder.replies = { reply(1, 2) };
    Ssdp ssdp(60000);
    QSignalSpy discovered(&ssdp, &Ssdp::discovered);
    QSignalSpy timeout(&ssdp, &Ssdp::timeoutExpired);
    startDiscovery(ssdp, responder);
    ssdp.stop();
    QTRY_COMPARE(responder.searches.size(), 1);
    QTest::qWait(100);
    QCOMPARE(discovered.count(), 0);
    QCOMPARE(timeout.count(), 0);
}

QTEST_GUILESS_MAIN(tst_Ssdp)
#include "tst_ssdp.moc"
