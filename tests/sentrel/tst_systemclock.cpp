#include "simulation/Clock.h"
#include "simulation/ClockTimer.h"
#include "simulation/ManualClock.h"
#include "simulation/SystemClock.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using Corvane::Sentrel::Clock;
using Corvane::Sentrel::ClockTimer;
using Corvane::Sentrel::ManualClock;
using Corvane::Sentrel::SystemClock;

class tst_SystemClock : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void nullMeansTheProgramsClock();
    void installedClockServesTheProgram();
    void readsTheComputersTime();
    void timerFiresWithItselfAsSender();
    void timerRepeatsUntilStopped();
};

void tst_SystemClock::nullMeansTheProgramsClock()
{
    SystemClock own;
    QVERIFY(Clock::system());
    QCOMPARE(Clock::orSystem(nullptr), Clock::system());
    QCOMPARE(Clock::orSystem(&own), &own);
}

void tst_SystemClock::installedClockServesTheProgram()
{
    ManualClock manual;
    Clock::setProgramClock(&manual);
    QCOMPARE(Clock::program(), &manual);
    QCOMPARE(Clock::orSystem(nullptr), &manual);
    Clock::setProgramClock(nullptr);
    QCOMPARE(Clock::program(), Clock::system());
}

// The clock's readings fall between readings of the computer's clocks
// taken around them.
void tst_SystemClock::readsTheComputersTime()
{
    SystemClock clock;
    const QDateTime before = QDateTime::currentDateTime();
    const QDateTime now = clock.now();
    QVERIFY(before <= now && now <= QDateTime::currentDateTime());

    const qint64 start = clock.monotonicMsecs();
    QElapsedTimer inside;
    inside.start();
    QTest::qWait(20);
    const qint64 waited = inside.elapsed();
    QVERIFY(clock.monotonicMsecs() - start >= waited);
}

void tst_SystemClock::timerFiresWithItselfAsSender()
{
    std::unique_ptr<ClockTimer> timer(Clock::system()->createTimer());
    QObject* sender = nullptr;
    connect(timer.get(), &ClockTimer::timeout, this, [this, &sender] { sender = QObject::sender(); });
    timer->setSingleShot(true);
    timer->start(10);
    QVERIFY(timer->isActive());
    QVERIFY(timer->remainingTime() >= 0);

    QTRY_COMPARE(sender, timer.get());
    QVERIFY(!timer->isActive());
    QCOMPARE(timer->remainingTime(), -1);
}

void tst_SystemClock::timerRepeatsUntilStopped()
{
    std::unique_ptr<ClockTimer> timer(Clock::system()->createTimer());
    QSignalSpy fired(timer.get(), &ClockTimer::timeout);
    timer->start(5);

    QTRY_VERIFY(fired.count() >= 3);
    timer->stop();
    const int count = int(fired.count());
    QTest::qWait(30);
    QCOMPARE(fired.count(), count);
}

QTEST_GUILESS_MAIN(tst_SystemClock)
#include "tst_systemclock.moc"
