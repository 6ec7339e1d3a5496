#include "AnswerRecorder.h"
#include "AnswerShape.h"

#include "pravikdriver/PravikCodes.h"
#include "pravikdriver/UserMessages/SoundMessage.h"
#include "simulation/PseudoDriver.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

using Corvane::PravikDriver::Message;
using Corvane::PravikDriver::UserMessages::SoundMessage;
using Corvane::Sentrel::PseudoDriver;
using Range = AnswerShape::Range;
using namespace Corvane::PravikDriver::PravikCodes;

namespace {

const int RUNS = 100;

AnswerShape shape(int messageType, const QString& address, int commandType, int dimension, const QList<Range>& values)
{
    return { messageType, 22, address, { commandType }, { dimension }, values, 0, false };
}

AnswerShape activeSources(int source, int dimension)
{
    return shape(101, QStringLiteral("5#2#%1").arg(source), 0, dimension,
                 AnswerShape::repeated(25, AnswerShape::between(0, 1)));
}

AnswerShape tuning(const QString& address)
{
    return shape(101, address, 0, SOURCE_TUNING,
                 { AnswerShape::between(1, 4), AnswerShape::between(8600, 12000), AnswerShape::between(0, 4) });
}

// The track a player moved to.
AnswerShape track(const QString& address)
{
    return shape(101, address, 0, SOURCE_STATION_OR_TRACK, { AnswerShape::between(1, 5) });
}

} // namespace

class tst_SoundSystemAnswers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void answers_data();
    void answers();
    void rdsTextReadsBack();
    void selectedSourceAndAmplifierDecode();

private:
    PseudoDriver* m_driver = nullptr;
    AnswerRecorder m_recorder;
};

void tst_SoundSystemAnswers::init()
{
    m_driver = new PseudoDriver;
    m_recorder.clear();
    m_driver->registerListener(&m_recorder);
}

void tst_SoundSystemAnswers::cleanup()
{
    delete m_driver;
}

void tst_SoundSystemAnswers::answers_data()
{
    QTest::addColumn<Message>("request");
    QTest::addColumn<AnswerShapes>("shapes");

    const QString amplifier = QStringLiteral("4#3");

    AnswerShapes fourSources;
    for (int source = 1; source <= 4; ++source)
        fourSources << activeSources(source, ACTIVE_SOURCES_FOUR_AREAS);
    AnswerShapes eightSources;
    for (int source = 1; source <= 8; ++source)
        eightSources << activeSources(source, ACTIVE_SOURCES_EIGHT_AREAS);
    QTest::newRow("active sources, four-source system")
        << SoundMessage::createActiveAmbRequestMessage(QStringLiteral("6"), true) << fourSources;
    QTest::newRow("active sources, eight-source system")
        << SoundMessage::createActiveAmbRequestMessage(QStringLiteral("6"), false) << eightSources;
    QTest::newRow("track and station of source 1")
        << SoundMessage::createTrackStationRequestMessage(QStringLiteral("6"))
        << AnswerShapes { shape(101, QStringLiteral("5#2#1"), 0, SOURCE_FREQUENCY,
                                { AnswerShape::between(1, 4), AnswerShape::between(8600, 12000) }),
                          shape(101, QStringLiteral("5#2#1"), 0, SOURCE_STATION_OR_TRACK,
                                { AnswerShape::between(1, 5) }) };
    QTest::newRow("amplifier state")
        << SoundMessage::createAmplifierStatusRequestMessage(amplifier)
        << AnswerShapes { shape(101, amplifier, 0, AMPLIFIER_STATE,
                                { AnswerShape::between(0, 1), AnswerShape::between(1, 11) }) };
    QTest::newRow("amplifier volume 0..31")
        << SoundMessage::createVolumeRequestMessage(amplifier)
        << AnswerShapes { shape(101, amplifier, 0, AMPLIFIER_VOLUME, { AnswerShape::between(0, 31) }) };
    QTest::newRow("source 5 selected in area 3")
        << SoundMessage::createSetAreaSourceMessage(amplifier, 3, 5)
        << AnswerShapes { shape(3, QStringLiteral("5#2#5"), SOURCE_ON_IN_AREA, 0,
                                { AnswerShape::between(1, 11), AnswerShape::exactly(3) }) };
    QTest::newRow("source selected where the area is no number: area 0")
        << SoundMessage::createSetAreaSourceMessage(QStringLiteral("4#x"), 0, 2)
        << AnswerShapes { shape(3, QStringLiteral("5#2#2"), SOURCE_ON_IN_AREA, 0,
                                { AnswerShape::between(1, 11), AnswerShape::exactly(0) }) };
    QTest::newRow("previous station") << SoundMessage::createPrevStationMessage(amplifier)
                                      << AnswerShapes { tuning(amplifier) };
    QTest::newRow("previous track") << SoundMessage::createPrevTrackMessage(amplifier)
                                    << AnswerShapes { tuning(amplifier), track(amplifier) };
    QTest::newRow("next station") << SoundMessage::createNextStationMessage(amplifier)
                                  << AnswerShapes { tuning(amplifier) };
    QTest::newRow("next track") << SoundMessage::createNextTrackMessage(amplifier)
                                << AnswerShapes { tuning(amplifier), track(amplifier) };
    QTest::newRow("amplifier switched on")
        << SoundMessage::createSwitchAmplifierMessage(amplifier, true, 3)
        << AnswerShapes { shape(101, amplifier, 0, AMPLIFIER_STATE,
                                { AnswerShape::exactly(1), AnswerShape::exactly(4) }) };
    QTest::newRow("amplifier switched off")
        << SoundMessage::createSwitchAmplifierMessage(amplifier, false, 3)
        << AnswerShapes { shape(101, amplifier, 0, AMPLIFIER_STATE,
                                { AnswerShape::exactly(0), AnswerShape::exactly(4) }) };

    // Not recognised: the request comes back as it was sent.
    const QList<Message> unrecognised {
        SoundMessage::createActiveAmbRequestMessage(QStringLiteral("2#1"), true),
        SoundMessage::createTrackStationRequestMessage(QStringLiteral("2#1")),
        SoundMessage::createSetAreaSourceMessage(QStringLiteral("4"), 0, 1),
        SoundMessage::createSetAreaSourceMessage(amplifier, 3, 9),
        SoundMessage::createSetAreaSourceMessage(amplifier, 2, 1),
        SoundMessage::createSwitchAmplifierMessage(QStringLiteral("4"), true, 0),
        SoundMessage::createSwitchAmplifierMessage(amplifier, true, 2),
        SoundMessage::createSetVolumeMessage(amplifier, 12),
    };
    const QStringList names {
        "active sources not asked of \"6\"",
        "track and station not asked of \"6\"",
        "source selected on an address without \"#\"",
        "source 9 selected",
        "source selected in another area than the address's",
        "amplifier switched on an address without \"#\"",
        "amplifier switched in another area than the address's",
        "volume set",
    };
    for (int i = 0; i < unrecognised.size(); ++i)
        QTest::newRow(qPrintable(QStringLiteral("echo: ") + names.at(i)))
            << unrecognised.at(i) << AnswerShapes { AnswerShape::echoOf(unrecognised.at(i)) };
}

void tst_SoundSystemAnswers::answers()
{
    QFETCH(Message, request);
    QFETCH(AnswerShapes, shapes);

    for (int run = 0; run < RUNS; ++run) {
        m_recorder.answers.clear();
        m_driver->sendMessage(request);
        const QString problem = mismatchOf(m_recorder.answers, shapes, int(shapes.size()));
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }
}

void tst_SoundSystemAnswers::rdsTextReadsBack()
{
    static const QRegularExpression expected(QStringLiteral("^(\\d+) Test RDS response text$"));
    QSet<int> numbers;
    for (int run = 0; run < RUNS; ++run) {
        m_recorder.clear();
        m_driver->requestSourceRDS(QStringLiteral("2#3"));
        QCOMPARE(m_recorder.sounds.size(), 1);
        QCOMPARE(m_recorder.answers.first().message.messageType(), 101);
        QCOMPARE(m_recorder.answers.first().message.dimension(), SOURCE_RDS);
        QCOMPARE(m_recorder.sounds.first().where(), QStringLiteral("5#2#3"));
        const QRegularExpressionMatch match = expected.match(m_recorder.sounds.first().rdsText());
        QVERIFY2(match.hasMatch(), qPrintable(m_recorder.sounds.first().rdsText()));
        const int number = match.captured(1).toInt();
        QVERIFY(number >= 100 && number <= 20000);
        numbers.insert(number);
    }
    QVERIFY(numbers.size() > 1);
}

void tst_SoundSystemAnswers::selectedSourceAndAmplifierDecode()
{
    m_driver->setAreaSoundSource(QStringLiteral("4#3"), 3, 5);
    m_driver->switchAmplifier(QStringLiteral("4#3"), false, 3);
    m_driver->requestAvailableSources(QStringLiteral("6"), true);

    QCOMPARE(m_recorder.sounds.size(), 6);
    QCOMPARE(m_recorder.sounds.at(0).where(), QStringLiteral("5#2#5"));
    QCOMPARE(m_recorder.sounds.at(0).stateCode(), 1);
    QCOMPARE(m_recorder.sounds.at(0).area(), 3);
    QCOMPARE(m_recorder.sounds.at(1).stateCode(), 2);
    for (int i = 2; i < 6; ++i)
        QCOMPARE(m_recorder.sounds.at(i).areas().size(), 25);
}

QTEST_GUILESS_MAIN(tst_SoundSystemAnswers)
#include "tst_soundsystemanswers.moc"
