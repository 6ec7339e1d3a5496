#include "pravikdriver/FrameCodec.h"

#include <QTest>

using Corvane::PravikDriver::Frame;
using Corvane::PravikDriver::FrameCodec;
using Corvane::PravikDriver::Message;

Q_DECLARE_METATYPE(Frame)

class tst_FrameCodec : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void roundTrip_data();
    void roundTrip();
    void knownLines_data();
    void knownLines();
    void malformedLines_data();
    void malformedLines();
    void authenticationResponse();
};

void tst_FrameCodec::roundTrip_data()
{
    QTest::addColumn<Frame>("frame");

    Message request = Message::createStartAutoUpdateMessage(QStringLiteral("51"), 2, 255);
    request.setPriority(1);
    Message padded(101, 24, QString(), 0, 2400006, { 1, 5, 300, 2 }, 2);
    padded.setParameterMinWidth(0, 2);
    const Message optional = Message::withOptionalValues(4, 4, QStringLiteral("4#11"), 0, 400022, { 0, {}, {}, {} }, 0);

    QTest::newRow("request") << Frame { Frame::Request, 7, 1, {}, request };
    QTest::newRow("answer") << Frame { Frame::Answer, 7, 0, {}, Message(4, 18, "51", 0, 1801200, { 2, 255 }, 1) };
    QTest::newRow("event no address") << Frame { Frame::Event, 0, 0, {}, Message(101, 1, QString(), 0, 101300030, { 5, 127, 9 }, 0) };
    QTest::newRow("leading zeros") << Frame { Frame::Event, 0, 0, {}, padded };
    QTest::newRow("absent values") << Frame { Frame::Event, 0, 0, {}, optional };
    QTest::newRow("negative") << Frame { Frame::Event, 0, 0, {}, Message(101, 4, "12", 0, 400000, { -35 }, 0) };
    QTest::newRow("ack") << Frame { Frame::Ack, 12, 0, {}, {} };
    QTest::newRow("nack") << Frame { Frame::Nack, 12, 0, {}, {} };
    QTest::newRow("ping") << Frame { Frame::Ping, 3, 0, {}, {} };
    QTest::newRow("challenge") << Frame { Frame::Challenge, 0, 0, FrameCodec::createNonce(), {} };
    QTest::newRow("welcome") << Frame { Frame::Welcome, 0, 0, {}, {} };
    QTest::newRow("bye") << Frame { Frame::Bye, 0, 0, {}, {} };
}

void tst_FrameCodec::roundTrip()
{
    QFETCH(Frame, frame);
    const QByteArray line = FrameCodec::encode(frame);
    QVERIFY(line.endsWith('\n'));
    const Frame read = FrameCodec::decode(line.chopped(1));
    QCOMPARE(read.verb, frame.verb);
    QCOMPARE(read.id, frame.id);
    QCOMPARE(read.token, frame.token);
    QVERIFY(read.message == frame.message);
}

void tst_FrameCodec::knownLines_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("verb");
    QTest::addColumn<QString>("address");

    QTest::newRow("event") << QByteArray("EVT 3 1 12 100001 0 0 -") << int(Frame::Event) << "12";
    QTest::newRow("carriage return") << QByteArray("EVT 3 1 12 100001 0 0 -\r") << int(Frame::Event) << "12";
    QTest::newRow("sound") << QByteArray("ANS 4 101 22 5#2#1 0 2200005 0 1,9850") << int(Frame::Answer) << "5#2#1";
    QTest::newRow("pong") << QByteArray("PONG 9") << int(Frame::Pong) << "";
}

void tst_FrameCodec::knownLines()
{
    QFETCH(QByteArray, line);
    QFETCH(int, verb);
    QFETCH(QString, address);
    const Frame frame = FrameCodec::decode(line);
    QCOMPARE(int(frame.verb), verb);
    QCOMPARE(frame.message.address(), address);
}

void tst_FrameCodec::malformedLines_data()
{
    QTest::addColumn<QByteArray>("line");

    QTest::newRow("empty") << QByteArray();
    QTest::newRow("garbage") << QByteArray("\x01\xff garbage");
    QTest::newRow("lower case verb") << QByteArray("evt 3 1 12 100001 0 0 -");
    QTest::newRow("missing field") << QByteArray("EVT 3 1 12 100001 0 -");
    QTest::newRow("extra field") << QByteArray("ACK 1 2");
    QTest::newRow("double space") << QByteArray("EVT 3 1  12 100001 0 0 -");
    QTest::newRow("letters in number") << QByteArray("EVT 3a 1 12 100001 0 0 -");
    QTest::newRow("number too long") << QByteArray("EVT 3 1 12 99999999999 0 0 -");
    QTest::newRow("number overflows") << QByteArray("EVT 3 1 12 9999999999 0 0 -");
    QTest::newRow("plus sign") << QByteArray("ACK +1");
    QTest::newRow("bad address") << QByteArray("EVT 3 1 1;2 100001 0 0 -");
    QTest::newRow("empty parameter") << QByteArray("EVT 3 1 12 100001 0 0 1,,2");
    QTest::newRow("too many dimension parameters") << QByteArray("EVT 3 1 12 100001 0 3 1,2");
    QTest::newRow("negative dimension parameters") << QByteArray("EVT 3 1 12 100001 0 -1 1,2");
    QTest::newRow("short nonce") << QByteArray("CHALLENGE abc");
    QTest::newRow("upper-case nonce") << QByteArray("CHALLENGE 0123456789ABCDEF0123");
    QTest::newRow("too long") << QByteArray("EVT 3 1 12 100001 0 0 ") + QByteArray(5000, '1');
    QTest::newRow("too many parameters") << QByteArray("EVT 3 1 12 100001 0 0 ") + QByteArray("1,").repeated(300) + "1";
}

void tst_FrameCodec::malformedLines()
{
    QFETCH(QByteArray, line);
    QCOMPARE(int(FrameCodec::decode(line).verb), int(Frame::Invalid));
}

void tst_FrameCodec::authenticationResponse()
{
    const QByteArray nonce = FrameCodec::createNonce();
    QCOMPARE(nonce.size(), 32);
    QVERIFY(nonce != FrameCodec::createNonce());
    const QByteArray response = FrameCodec::authenticationResponse(nonce, QStringLiteral("secret"));
    QCOMPARE(response.size(), 64);
    QVERIFY(!response.contains("secret"));
    QCOMPARE(response, FrameCodec::authenticationResponse(nonce, QStringLiteral("secret")));
    QVERIFY(response != FrameCodec::authenticationResponse(nonce, QStringLiteral("Secret")));
    QCOMPARE(int(FrameCodec::decode("AUTH " + response).verb), int(Frame::Auth));
}

QTEST_GUILESS_MAIN(tst_FrameCodec)
#include "tst_framecodec.moc"
