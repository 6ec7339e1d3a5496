#include "Controllers/data/EnergyDataConversation.h"
#include "simulation/ClockTimer.h"
#include "simulation/ManualClock.h"

#include <QSignalSpy>
#include <QTest>

using Corvane::Sentrel::Clock;
using Corvane::Sentrel::ManualClock;
using Corvane::Sentrel::Models::EnergyDataConversation;

namespace {
const int DAY = EnergyDataConversation::CurrentDayTotalResponse;
const int HOURS = EnergyDataConversation::DayPerHourResponse;
const int MONTH = EnergyDataConversation::MonthTotalResponse;
const int ANNUAL = EnergyDataConversation::AnnualResponse;
} // namespace

class tst_EnergyDataConversation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void startsIdle();
    void shouldReceiveResponse_data();
    void shouldReceiveResponse();
    void marking_data();
    void marking();
    void timeOutMeasuresSilenceSinceTheLastAnswer();
    void annualCompletesOnTheTwelfthMonthAndTheOtherBits();
    void clearingStopsEverything();

private:
    ManualClock* m_clock = nullptr;
};

void tst_EnergyDataConversation::init()
{
    m_clock = new ManualClock;
    Clock::setProgramClock(m_clock);
}

void tst_EnergyDataConversation::cleanup()
{
    Clock::setProgramClock(nullptr);
    delete m_clock;
}

void tst_EnergyDataConversation::startsIdle()
{
    EnergyDataConversation conversation;
    QVERIFY(!conversation.requestSender());
    QVERIFY(!conversation.shouldReceiveResponses());
    QCOMPARE(conversation.annualResponsesLeft(), 0);
    QCOMPARE(conversation.annualResponsesReceived(), 12);
    QVERIFY(conversation.annualStartDate().isNull());
    QVERIFY(!conversation.responseTimer()->isActive());
    QVERIFY(conversation.responseTimer()->isSingleShot());
    QCOMPARE(conversation.responseTimer()->interval(), 20000);
}

void tst_EnergyDataConversation::shouldReceiveResponse_data()
{
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("asked");
    QTest::addColumn<bool>("result");

    QTest::newRow("nothing on idle") << 0 << 0 << true;
    QTest::newRow("nothing on busy") << DAY << 0 << false;
    QTest::newRow("one bit of two") << (DAY | HOURS) << HOURS << true;
    QTest::newRow("both bits") << (DAY | HOURS) << (DAY | HOURS) << true;
    QTest::newRow("one bit too many") << DAY << (DAY | HOURS) << false;
    QTest::newRow("another bit") << MONTH << DAY << false;
}

void tst_EnergyDataConversation::shouldReceiveResponse()
{
    QFETCH(int, expected);
    QFETCH(int, asked);
    QFETCH(bool, result);
    EnergyDataConversation conversation;
    conversation.addResponseToReceive(expected);
    QCOMPARE(conversation.shouldReceiveResponse(asked), result);
}

void tst_EnergyDataConversation::marking_data()
{
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("marked");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("completions");
    QTest::addColumn<bool>("timerRuns");

    QTest::newRow("one of two") << (DAY | HOURS) << DAY << HOURS << 0 << true;
    QTest::newRow("the last one") << HOURS << HOURS << 0 << 1 << false;
    QTest::newRow("both at once") << (DAY | HOURS) << (DAY | HOURS) << 0 << 1 << false;
    QTest::newRow("a bit not expected") << (DAY | HOURS) << MONTH << (DAY | HOURS) << 0 << true;
    QTest::newRow("on an empty set") << 0 << MONTH << 0 << 1 << false;
}

void tst_EnergyDataConversation::marking()
{
    QFETCH(int, expected);
    QFETCH(int, marked);
    QFETCH(int, left);
    QFETCH(int, completions);
    QFETCH(bool, timerRuns);

    EnergyDataConversation conversation;
    QSignalSpy completed(&conversation, &EnergyDataConversation::allResponsesReceived);
    conversation.addResponseToReceive(expected);
    conversation.markResponseReceived(marked);
    QCOMPARE(conversation.responsesToReceive(), left);
    QCOMPARE(completed.size(), completions);
    QCOMPARE(conversation.responseTimer()->isActive(), timerRuns);
}

void tst_EnergyDataConversation::timeOutMeasuresSilenceSinceTheLastAnswer()
{
    EnergyDataConversation conversation;
    QSignalSpy timedOut(&conversation, &EnergyDataConversation::dataResponseTimedOut);
    conversation.addResponseToReceive(DAY | HOURS | MONTH);
    conversation.markDataAsSentReceived(true);

    m_clock->advance(15000);
    conversation.markResponseReceived(DAY);
    m_clock->advance(15000);
    conversation.markResponseReceived(HOURS);
    m_clock->advance(19999);
    QCOMPARE(timedOut.size(), 0);
    m_clock->advance(1);
    QCOMPARE(timedOut.size(), 1);
    // The conversation itself changes nothing on a time-out.
    QCOMPARE(conversation.responsesToReceive(), MONTH);
    m_clock->advance(60000);
    QCOMPARE(timedOut.size(), 1);
}

void tst_EnergyDataConversation::annualCompletesOnTheTwelfthMonthAndTheOtherBits()
{
    EnergyDataConversation conversation;
    QSignalSpy completed(&conversation, &EnergyDataConversation::allResponsesReceived);
    conversation.addResponseToReceive(ANNUAL | MONTH);
    conversation.markAnnualEnergyDataRequested(QDate(2023, 4, 1), QDate(2024, 3, 1));
    QVERIFY(conversation.shouldReceiveAnnualEnergyData());

    for (int month = 1; month <= 11; ++month) {
        conversation.markAnnualResponseReceived();
        QCOMPARE(conversation.annualResponsesReceived(), month);
        QVERIFY(conversation.responseTimer()->isActive());
    }
    QCOMPARE(conversation.annualStartDate(), QDate(2023, 4, 1));
    conversation.markAnnualResponseReceived();
    QCOMPARE(conversation.annualResponsesLeft(), 0);
    QVERIFY(conversation.annualEndDate().isNull());
    QVERIFY(!conversation.shouldReceiveResponse(ANNUAL));
    QCOMPARE(completed.size(), 0);

    // A thirteenth month changes nothing.
    conversation.markAnnualResponseReceived();
    QCOMPARE(conversation.responsesToReceive(), MONTH);
    conversation.markResponseReceived(MONTH);
    QCOMPARE(completed.size(), 1);
}

void tst_EnergyDataConversation::clearingStopsEverything()
{
    EnergyDataConversation conversation;
    QSignalSpy timedOut(&conversation, &EnergyDataConversation::dataResponseTimedOut);
    conversation.addResponseToReceive(ANNUAL);
    conversation.markAnnualEnergyDataRequested(QDate(2023, 4, 1), QDate(2024, 3, 1));
    conversation.markDataAsSentReceived(true);
    conversation.clearResponsesToReceive();
    QVERIFY(!conversation.shouldReceiveResponses());
    QCOMPARE(conversation.annualResponsesLeft(), 0);
    QVERIFY(conversation.annualStartDate().isNull());
    QVERIFY(!conversation.responseTimer()->isActive());
    m_clock->advance(30000);
    QCOMPARE(timedOut.size(), 0);
}

QTEST_GUILESS_MAIN(tst_EnergyDataConversation)
#include "tst_energydataconversation.moc"
