#include "AnswerRecorder.h"
#include "AnswerShape.h"

#include "pravikdriver/PravikCodes.h"
#include "simulation/LoadAnswers.h"
#include "simulation/ManualClock.h"
#include "simulation/PseudoDriver.h"

#include <QSet>
#include <QTest>

using Corvane::PravikDriver::Message;
using Corvane::PravikDriver::UserMessages::LoadManagementMessage;
using Corvane::Sentrel::LoadAnswers;
using Corvane::Sentrel::ManualClock;
using Corvane::Sentrel::PseudoDriver;
using Range = AnswerShape::Range;
using namespace Corvane::PravikDriver::PravikCodes;

namespace {

const QDateTime NOW(QDate(2024, 2, 29), QTime(9, 30));
const QString LOAD = QStringLiteral("3#7");
const int ENERGY_SYSTEM = 18;
// Enough repetitions to meet both values of every random bit.
const int RUNS = 200;

AnswerShape loadShape(int dimension, const QList<Range>& values, int dimensionParameterCount)
{
    return { 101, ENERGY_SYSTEM, LOAD, { 0 }, { dimension }, values, dimensionParameterCount, true };
}

Range exactly(int value)
{
    return AnswerShape::exactly(value);
}

Range between(int minimum, int maximum)
{
    return AnswerShape::between(minimum, maximum);
}

QDateTime counterTime(const Message& answer)
{
    const QList<Corvane::PravikDriver::Value<int>> values = answer.parameters();
    return QDateTime(QDate(values.at(4).value(), values.at(3).value(), values.at(2).value()),
                     QTime(values.at(5).value(), values.at(6).value()));
}

} // namespace

class tst_LoadAnswers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void answers_data();
    void answers();
    void statusBitsTakeBothValues();
    void unrecognisedRequestsComeBack_data();
    void unrecognisedRequestsComeBack();
    void forcingDecodesAsForcedAndEnabled_data();
    void forcingDecodesAsForcedAndEnabled();
    void resetCarriesNow();
    void counterResetTimeIsNeverInTheFuture_data();
    void counterResetTimeIsNeverInTheFuture();

private:
    ManualClock* m_clock = nullptr;
    PseudoDriver* m_driver = nullptr;
    AnswerRecorder m_recorder;
};

void tst_LoadAnswers::init()
{
    m_clock = new ManualClock(NOW);
    m_driver = new PseudoDriver(nullptr, m_clock);
    m_recorder.clear();
    m_driver->registerListener(&m_recorder);
}

void tst_LoadAnswers::cleanup()
{
    delete m_driver;
    delete m_clock;
}

void tst_LoadAnswers::answers_data()
{
    QTest::addColumn<Message>("request");
    QTest::addColumn<AnswerShapes>("shapes");

    const QList<Range> bits = AnswerShape::repeated(6, between(0, 1));
    const Range day = between(1, 31);
    const Range month = between(1, 12);
    const Range year = between(NOW.date().year() - 5, NOW.date().year());
    const Range hour = between(0, 23);
    const Range minute = between(0, 59);
    QTest::newRow("status: six bits") << Message::createLoadActuatorStatusMessage(LOAD)
                                      << AnswerShapes { loadShape(LOAD_STATUS, bits, 0) };
    QTest::newRow("force on: forced and enabled")
        << Message::createForceActuatorMessage(LOAD, true)
        << AnswerShapes { loadShape(LOAD_STATUS, { exactly(0), exactly(1), exactly(0), exactly(0), exactly(0),
                                                   exactly(1) }, 0) };
    QTest::newRow("force off: not forced, enabled")
        << Message::createForceActuatorMessage(LOAD, false)
        << AnswerShapes { loadShape(LOAD_STATUS, { exactly(0), exactly(0), exactly(0), exactly(0), exactly(0),
                                                   exactly(1) }, 0) };
    QTest::newRow("reset counter 1: zero now")
        << Message::createResetCountersMessage(LOAD, 1)
        << AnswerShapes { loadShape(LOAD_COUNTER, { exactly(1), exactly(0), exactly(29), exactly(2), exactly(2024),
                                                    exactly(9), exactly(30) }, 1) };
    QTest::newRow("reset counter 2: zero now")
        << Message::createResetCountersMessage(LOAD, 2)
        << AnswerShapes { loadShape(LOAD_COUNTER, { exactly(2), exactly(0), exactly(29), exactly(2), exactly(2024),
                                                    exactly(9), exactly(30) }, 1) };
    QTest::newRow("refresh counter 1: 10..100 since the last five years")
        << Message::createAskCountersMessage(LOAD, 1)
        << AnswerShapes { loadShape(LOAD_COUNTER, { exactly(1), between(10, 100), day, month, year, hour, minute },
                                    1) };
    QTest::newRow("refresh counter 2: 10..100 since the last five years")
        << Message::createAskCountersMessage(LOAD, 2)
        << AnswerShapes { loadShape(LOAD_COUNTER, { exactly(2), between(10, 100), day, month, year, hour, minute },
                                    1) };
}

// One answer, of its shape, on every run and whatever the priority.
void tst_LoadAnswers::answers()
{
    QFETCH(Message, request);
    QFETCH(AnswerShapes, shapes);

    for (int run = 0; run < RUNS; ++run) {
        m_recorder.answers.clear();
        Message sent = request;
        sent.setPriority(run % 3);
        m_driver->sendMessage(sent);
        const QString problem = mismatchOf(m_recorder.answers, shapes, 1);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }
}

void tst_LoadAnswers::statusBitsTakeBothValues()
{
    QList<QSet<int>> seen(6);
    for (int run = 0; run < RUNS; ++run) {
        m_recorder.answers.clear();
        m_driver->sendMessage(Message::createLoadActuatorStatusMessage(LOAD));
        const QList<Corvane::PravikDriver::Value<int>> values = m_recorder.answers.first().message.parameters();
        for (int i = 0; i < 6; ++i)
            seen[i].insert(values.at(i).value());
    }
    for (const QSet<int>& bit : std::as_const(seen))
        QCOMPARE(bit, (QSet<int>{ 0, 1 }));
}

void tst_LoadAnswers::unrecognisedRequestsComeBack_data()
{
    QTest::addColumn<Message>("request");
    QTest::newRow("third counter refreshed") << Message::createAskCountersMessage(LOAD, 3);
    QTest::newRow("third counter reset") << Message::createResetCountersMessage(LOAD, 3);
    QTest::newRow("status with a value") << Message(1, ENERGY_SYSTEM, LOAD, 0, LOAD_STATUS, { 1 }, 0);
    QTest::newRow("force on with a value") << Message(3, ENERGY_SYSTEM, LOAD, LOAD_FORCE_ON, 0, { 1 }, 0);
    QTest::newRow("force on of another system") << Message(3, 1, LOAD, LOAD_FORCE_ON, 0);
}

// A request no answer knows goes back to the listeners unchanged, flag off.
void tst_LoadAnswers::unrecognisedRequestsComeBack()
{
    QFETCH(Message, request);
    m_driver->sendMessage(request);
    QCOMPARE(m_recorder.answers.size(), 1);
    QCOMPARE(m_recorder.answers.first().message, request);
    QVERIFY(m_recorder.answers.first().second.isEmpty());
    QVERIFY(!m_recorder.answers.first().flag);
}

void tst_LoadAnswers::forcingDecodesAsForcedAndEnabled_data()
{
    QTest::addColumn<bool>("on");
    QTest::addColumn<int>("forceField");
    QTest::newRow("on: forced") << true << 1;
    QTest::newRow("off: not forced") << false << 2;
}

// The load's decoder reads 1 as true and 2 as false: a simulated load can be
// shown forced and then not forced again.
void tst_LoadAnswers::forcingDecodesAsForcedAndEnabled()
{
    QFETCH(bool, on);
    QFETCH(int, forceField);
    m_driver->sendMessage(Message::createForceActuatorMessage(LOAD, on));
    QCOMPARE(m_recorder.energy.size(), 1);
    const LoadManagementMessage& decoded = m_recorder.energy.first();
    QCOMPARE(decoded.type(), 9);
    QCOMPARE(decoded.forceField(), forceField);
    QCOMPARE(decoded.enableField(), 1);
}

void tst_LoadAnswers::resetCarriesNow()
{
    m_clock->advance(3 * 60 * 60 * 1000);
    m_driver->sendMessage(Message::createResetCountersMessage(LOAD, 2));
    QCOMPARE(m_recorder.energy.size(), 1);
    const LoadManagementMessage& decoded = m_recorder.energy.first();
    QCOMPARE(decoded.type(), 10);
    QCOMPARE(decoded.counterNumber(), 2);
    QCOMPARE(counterTime(m_recorder.answers.first().message), QDateTime(QDate(2024, 2, 29), QTime(12, 30)));
}

void tst_LoadAnswers::counterResetTimeIsNeverInTheFuture_data()
{
    QTest::addColumn<QDateTime>("now");
    QTest::newRow("just after midnight") << QDateTime(QDate(2024, 3, 1), QTime(0, 0));
    QTest::newRow("early morning") << QDateTime(QDate(2024, 3, 1), QTime(0, 7));
    QTest::newRow("leap day") << QDateTime(QDate(2024, 2, 29), QTime(13, 45));
    QTest::newRow("just before midnight") << QDateTime(QDate(2023, 12, 31), QTime(23, 59));
}

// Over many draws the reset time lies within the last five years and never
// after now, also when the drawn date is today.
void tst_LoadAnswers::counterResetTimeIsNeverInTheFuture()
{
    QFETCH(QDateTime, now);
    Corvane::Sentrel::SimulationRandom random;
    PseudoDriver driver;
    LoadAnswers answers(driver, random);
    const QDateTime earliest(now.date().addYears(-LoadAnswers::COUNTER_RESET_YEARS_BACK), QTime(0, 0));
    bool sawToday = false;
    for (int run = 0; run < 20000; ++run) {
        const QDateTime reset = answers.randomResetTime(now);
        QVERIFY2(reset <= now, qPrintable(reset.toString(Qt::ISODate)));
        QVERIFY2(reset >= earliest, qPrintable(reset.toString(Qt::ISODate)));
        sawToday = sawToday || reset.date() == now.date();
    }
    QVERIFY(sawToday);
}

QTEST_MAIN(tst_LoadAnswers)
#include "tst_loadanswers.moc"
