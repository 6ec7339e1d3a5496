#include "simulation/ClockTimer.h"
#include "simulation/ManualClock.h"
#include "utilities/DateUtilities.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

using Corvane::Sentrel::ClockTimer;
using Corvane::Sentrel::Clock;
using Corvane::Sentrel::ManualClock;
using Corvane::Utilities::DateUtilities;

class tst_ManualClock : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void advanceMovesBothTimes();
    void setDateTimeMovesTheWallTimeAlone();
    void timersFireInTimeOrder();
    void repeatingTimerKeepsItsPhase();
    void singleShotFiresOnce();
    void setIntervalRestartsAnActiveTimer();
    void timerStartedByATimeoutFiresInTheSameAdvance();
    void nowIsTheDueTimeWhileFiring();
    void timerDeletedByAnotherTimeoutNeverFires();
    void timerOutlivingTheClockStaysStopped();
    void programClockGivesTheDateHelpersTheirToday();
};

void tst_ManualClock::advanceMovesBothTimes()
{
    const QDateTime start(QDate(2024, 12, 31), QTime(23, 59, 59));
    ManualClock clock(start);

    clock.advance(1500);

    QCOMPARE(clock.monotonicMsecs(), qint64(1500));
    QCOMPARE(clock.now(), QDateTime(QDate(2025, 1, 1), QTime(0, 0, 0, 500)));
}

void tst_ManualClock::setDateTimeMovesTheWallTimeAlone()
{
    ManualClock clock;
    std::unique_ptr<ClockTimer> timer(clock.createTimer());
    QSignalSpy fired(timer.get(), &ClockTimer::timeout);
    timer->start(1000);

    const QDateTime earlier(QDate(2020, 1, 1), QTime(8, 0));
    clock.setDateTime(earlier);

    QCOMPARE(clock.now(), earlier);
    QCOMPARE(clock.monotonicMsecs(), qint64(0));
    QCOMPARE(fired.count(), 0);
    QCOMPARE(timer->remainingTime(), 1000);
}

void tst_ManualClock::timersFireInTimeOrder()
{
    ManualClock clock;
    QStringList fired;
    const auto make = [&](const QString& name, int interval) {
        ClockTimer* timer = clock.createTimer(this);
        timer->setSingleShot(true);
        connect(timer, &ClockTimer::timeout, this, [&fired, name] { fired.append(name); });
        timer->start(interval);
        return timer;
    };
    std::unique_ptr<ClockTimer> late(make(QStringLiteral("late"), 300));
    std::unique_ptr<ClockTimer> early(make(QStringLiteral("early"), 100));
    std::unique_ptr<ClockTimer> sameAsEarly(make(QStringLiteral("same as early"), 100));
    std::unique_ptr<ClockTimer> beyond(make(QStringLiteral("beyond"), 1000));

    clock.advance(500);

    QCOMPARE(fired, QStringList({ QStringLiteral("early"), QStringLiteral("same as early"), QStringLiteral("late") }));
    QVERIFY(beyond->isActive());
    QCOMPARE(beyond->remainingTime(), 500);
}

void tst_ManualClock::repeatingTimerKeepsItsPhase()
{
    ManualClock clock;
    std::unique_ptr<ClockTimer> timer(clock.createTimer());
    QList<qint64> firedAt;
    connect(timer.get(), &ClockTimer::timeout, this, [&] { firedAt.append(clock.monotonicMsecs()); });
    timer->start(500);

    // Steps that do not divide the interval must not shift the phase.
    for (int i = 0; i < 7; ++i)
        clock.advance(300);

    QCOMPARE(firedAt, QList<qint64>({ 500, 1000, 1500, 2000 }));
    QVERIFY(timer->isActive());
    QCOMPARE(timer->remainingTime(), 400);
}

void tst_ManualClock::singleShotFiresOnce()
{
    ManualClock clock;
    std::unique_ptr<ClockTimer> timer(clock.createTimer());
    timer->setSingleShot(true);
    QSignalSpy fired(timer.get(), &ClockTimer::timeout);
    timer->start(200);

    clock.advance(1000);

    QCOMPARE(fired.count(), 1);
    QVERIFY(!timer->isActive());
    QCOMPARE(timer->remainingTime(), -1);
}

void tst_ManualClock::setIntervalRestartsAnActiveTimer()
{
    ManualClock clock;
    std::unique_ptr<ClockTimer> timer(clock.createTimer());
    QSignalSpy fired(timer.get(), &ClockTimer::timeout);
    timer->start(1000);
    clock.advance(800);

    timer->setInterval(500);

    QCOMPARE(timer->remainingTime(), 500);
    clock.advance(499);
    QCOMPARE(fired.count(), 0);
    clock.advance(1);
    QCOMPARE(fired.count(), 1);

    timer->stop();
    timer->setInterval(100);
    QVERIFY(!timer->isActive());
}

void tst_ManualClock::timerStartedByATimeoutFiresInTheSameAdvance()
{
    ManualClock clock;
    std::unique_ptr<ClockTimer> first(clock.createTimer());
    std::unique_ptr<ClockTimer> second(clock.createTimer());
    first->setSingleShot(true);
    second->setSingleShot(true);
    QList<qint64> secondFiredAt;
    connect(first.get(), &ClockTimer::timeout, this, [&] { second->start(200); });
    connect(second.get(), &ClockTimer::timeout, this, [&] { secondFiredAt.append(clock.monotonicMsecs()); });
    first->start(100);

    clock.advance(1000);

    QCOMPARE(secondFiredAt, QList<qint64>({ 300 }));
    QCOMPARE(clock.monotonicMsecs(), qint64(1000));
}

void tst_ManualClock::nowIsTheDueTimeWhileFiring()
{
    const QDateTime start(QDate(2024, 3, 1), QTime(10, 0));
    ManualClock clock(start);
    std::unique_ptr<ClockTimer> timer(clock.createTimer());
    QList<QDateTime> seen;
    connect(timer.get(), &ClockTimer::timeout, this, [&] { seen.append(clock.now()); });
    timer->start(60000);

    clock.advance(150000);

    QCOMPARE(seen, QList<QDateTime>({ start.addSecs(60), start.addSecs(120) }));
    QCOMPARE(clock.now(), start.addSecs(150));
}

void tst_ManualClock::timerDeletedByAnotherTimeoutNeverFires()
{
    ManualClock clock;
    ClockTimer* victim = clock.createTimer(this);
    std::unique_ptr<ClockTimer> killer(clock.createTimer());
    bool victimFired = false;
    connect(victim, &ClockTimer::timeout, this, [&] { victimFired = true; });
    connect(killer.get(), &ClockTimer::timeout, this, [&] { delete victim; });
    killer->setSingleShot(true);
    killer->start(100);
    victim->start(200);

    clock.advance(1000);

    QVERIFY(!victimFired);
}

void tst_ManualClock::timerOutlivingTheClockStaysStopped()
{
    std::unique_ptr<ClockTimer> timer;
    {
        ManualClock clock;
        timer.reset(clock.createTimer());
        timer->start(100);
    }
    QVERIFY(!timer->isActive());
    timer->start(100);
    QVERIFY(!timer->isActive());
}

void tst_ManualClock::programClockGivesTheDateHelpersTheirToday()
{
    ManualClock clock(QDateTime(QDate(2024, 2, 29), QTime(23, 59, 30)));
    Clock::setProgramClock(&clock);
    QCOMPARE(DateUtilities::currentDate(), QDate(2024, 2, 29));
    clock.advance(60 * 1000);
    QCOMPARE(DateUtilities::currentDate(), QDate(2024, 3, 1));
    Clock::setProgramClock(nullptr);
    QCOMPARE(DateUtilities::currentDate(), QDate::currentDate());
}

QTEST_GUILESS_MAIN(tst_ManualClock)
#include "tst_manualclock.moc"
