#include "pravikdriver/UserMessages/SoundMessage.h"

#include <QTest>

using Corvane::PravikDriver::Message;
using Corvane::PravikDriver::UserMessages::SoundMessage;

Q_DECLARE_METATYPE(Message)

namespace {

QString given(bool has, int value)
{
    return has ? QString::number(value) : QStringLiteral("none");
}

// The volume and the area show "none" when the message leaves them out.
QString fields(const SoundMessage& m)
{
    return QStringLiteral("state %1 volume %2 frequency %3/%4/%5 number %6 area %7 all %8")
        .arg(m.stateCode())
        .arg(given(m.hasVolume(), m.volume()))
        .arg(m.frequency())
        .arg(m.frequencyType())
        .arg(m.frequencyChannel())
        .arg(m.stationOrTrack())
        .arg(given(m.hasArea(), m.area()))
        .arg(m.isAllAreas());
}

QList<int> asciiCodes(const QString& text)
{
    QList<int> codes;
    for (QChar c : text)
        codes.append(c.unicode());
    return codes;
}

} // namespace

class tst_SoundMessage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decode_data();
    void decode();
    void activeSourcesGiveTheAreas();
    void rdsTextFromCharacterCodes();
};

void tst_SoundMessage::decode_data()
{
    QTest::addColumn<Message>("message");
    QTest::addColumn<QString>("expected");

    const QString source = QStringLiteral("5#2#1");
    QTest::newRow("volume") << Message(101, 22, "3#2#1", 0, 2200001, { 20 }, 0)
                            << "state 0 volume 20 frequency -1/-1/-1 number -1 area none all 0";
    QTest::newRow("amplifier on") << Message(101, 22, "3#2#1", 0, 2200012, { 1, 4 }, 0)
                                  << "state 1 volume none frequency -1/-1/-1 number -1 area none all 0";
    QTest::newRow("amplifier off") << Message(101, 22, "3#2#1", 0, 2200012, { 0, 7 }, 0)
                                   << "state 2 volume none frequency -1/-1/-1 number -1 area none all 0";
    QTest::newRow("frequency") << Message(101, 22, source, 0, 2200005, { 1, 9850 }, 0)
                               << "state 0 volume none frequency 9850/1/-1 number -1 area none all 0";
    QTest::newRow("station") << Message(101, 22, source, 0, 2200006, { 3 }, 0)
                             << "state 0 volume none frequency -1/-1/-1 number 3 area none all 0";
    QTest::newRow("tuning") << Message(101, 22, source, 0, 2200011, { 2, 8800, 4 }, 0)
                            << "state 0 volume none frequency 8800/2/4 number -1 area none all 0";
    QTest::newRow("source in area") << Message(3, 22, "5#2#3", 2200002, 0, { 5, 2 }, 0)
                                    << "state 1 volume none frequency -1/-1/-1 number -1 area 2 all 0";
    QTest::newRow("source everywhere") << Message(3, 22, "5#2#3", 2200009, 0)
                                       << "state 1 volume none frequency -1/-1/-1 number -1 area none all 1";
    QTest::newRow("source off") << Message(3, 22, "5#2#3", 2200000, 0)
                                << "state 2 volume none frequency -1/-1/-1 number -1 area none all 0";
    QTest::newRow("volume -1 sent") << Message(101, 22, "3#2#1", 0, 2200001, { -1 }, 0)
                                    << "state 0 volume -1 frequency -1/-1/-1 number -1 area none all 0";
    QTest::newRow("volume left out") << Message(101, 22, "3#2#1", 0, 2200001, {}, 0)
                                     << "state 0 volume none frequency -1/-1/-1 number -1 area none all 0";
    QTest::newRow("area -1 sent") << Message(3, 22, "5#2#3", 2200002, 0, { 5, -1 }, 0)
                                  << "state 1 volume none frequency -1/-1/-1 number -1 area -1 all 0";
    QTest::newRow("area left out") << Message(3, 22, "5#2#3", 2200002, 0, { 5 }, 0)
                                   << "state 1 volume none frequency -1/-1/-1 number -1 area none all 0";
}

void tst_SoundMessage::decode()
{
    QFETCH(Message, message);
    QFETCH(QString, expected);
    QVERIFY(SoundMessage::canDecode(message));
    const SoundMessage sound(message);
    QCOMPARE(sound.where(), message.address());
    QCOMPARE(fields(sound), expected);
}

void tst_SoundMessage::activeSourcesGiveTheAreas()
{
    QList<int> flags(25, 0);
    flags[1] = 1;
    flags[4] = 1;
    const SoundMessage sound(Message(101, 22, "5#2#2", 0, 2200004, flags, 0));
    QCOMPARE(sound.areas().size(), 25);
    QCOMPARE(sound.areas().count(true), 2);
    QVERIFY(sound.areas().at(1));
    QVERIFY(sound.areas().at(4));
}

void tst_SoundMessage::rdsTextFromCharacterCodes()
{
    const QString text = QStringLiteral("1234 Test RDS response text");
    QList<int> codes = asciiCodes(text);
    codes.insert(4, 7); // a control character is skipped
    const SoundMessage sound(Message(101, 22, "5#2#1", 0, 2200010, codes, 0));
    QCOMPARE(sound.rdsText(), text);
}

QTEST_GUILESS_MAIN(tst_SoundMessage)
#include "tst_soundmessage.moc"
