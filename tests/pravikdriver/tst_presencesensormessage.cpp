#include "pravikdriver/UserMessages/PresenceSensorMessage.h"

#include <QTest>

using Corvane::PravikDriver::Message;
using Corvane::PravikDriver::UserMessages::PresenceSensorMessage;

Q_DECLARE_METATYPE(Message)

class tst_PresenceSensorMessage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decode_data();
    void decode();
};

void tst_PresenceSensorMessage::decode_data()
{
    QTest::addColumn<Message>("message");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("granularity");

    QTest::newRow("hold time") << Message(4, 1, "45", 0, 100007, { 0, 0, 5 }, 0) << 0 << 5;
    QTest::newRow("long hold time") << Message(4, 1, "45", 0, 100007, { 1, 2, 3 }, 0) << 0 << 3723;
    QTest::newRow("huge hold time") << Message(4, 1, "45", 0, 100007, { 2000000000, 0, 0 }, 0) << 0
                                    << std::numeric_limits<int>::max();
    QTest::newRow("negative hold time") << Message(4, 1, "45", 0, 100007, { -1, -1, -1 }, 0) << 0 << -3661;
    QTest::newRow("hold time far below") << Message(4, 1, "45", 0, 100007, { -2000000000, 0, 0 }, 0) << 0
                                         << std::numeric_limits<int>::min();
    QTest::newRow("presence") << Message(4, 1, "45", 100034, 100007, { 0 }, 0) << 1 << 0;
    QTest::newRow("presence ended") << Message(4, 1, "45", 100039, 100007, { 0 }, 0) << 2 << 0;
}

void tst_PresenceSensorMessage::decode()
{
    QFETCH(Message, message);
    QFETCH(int, state);
    QFETCH(int, granularity);
    QVERIFY(PresenceSensorMessage::canDecode(message));
    const PresenceSensorMessage presence(message);
    QCOMPARE(presence.where(), QStringLiteral("45"));
    QCOMPARE(presence.presenceState(), state);
    QCOMPARE(presence.granularity(), granularity);
}

QTEST_GUILESS_MAIN(tst_PresenceSensorMessage)
#include "tst_presencesensormessage.moc"
