#include "Controllers/navigation/ClosingHandshake.h"

#include "TestSceneWindow.h"
#include "simulation/ClockTimer.h"
#include "simulation/ManualClock.h"

#include "pravikdriver/OpenDriver.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

using Corvane::PravikDriver::OpenDriver;
using Corvane::Sentrel::Clock;
using Corvane::Sentrel::ManualClock;
using Corvane::Sentrel::Controllers::ClosingHandshake;

namespace {

const int TIMEOUT_MS = 30000;

} // namespace

// Drivers without a connection report readyToClose() on the next turn of the
// event loop after they are told to close; a driver whose signals are blocked is one that never
// reports, and the test sends its report by hand when it wants it late.
class tst_ClosingHandshake : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void driverWait_data();
    void driverWait();
    void lateReportChangesNothing();
    void secondWaitJoinsOrTakesOver_data();
    void secondWaitJoinsOrTakesOver();
    void windowWait();
    void windowReportingTwiceDoesNotEndEarly();

private:
    QList<OpenDriver*> makeDrivers(int count, int silent);

    std::unique_ptr<ManualClock> m_clock;
    std::unique_ptr<ClosingHandshake> m_handshake;
    std::vector<std::unique_ptr<OpenDriver>> m_drivers;
};

void tst_ClosingHandshake::init()
{
    m_clock = std::make_unique<ManualClock>();
    Clock::setProgramClock(m_clock.get());
    m_handshake = std::make_unique<ClosingHandshake>(TIMEOUT_MS);
}

void tst_ClosingHandshake::cleanup()
{
    m_handshake.reset();
    m_drivers.clear();
    Clock::setProgramClock(nullptr);
    m_clock.reset();
}

QList<OpenDriver*> tst_ClosingHandshake::makeDrivers(int count, int silent)
{
    QList<OpenDriver*> drivers;
    for (int i = 0; i < count; ++i) {
        m_drivers.push_back(std::make_unique<OpenDriver>());
        m_drivers.back()->blockSignals(i < silent);
        drivers.append(m_drivers.back().get());
    }
    return drivers;
}

void tst_ClosingHandshake::driverWait_data()
{
    QTest::addColumn<int>("drivers");
    QTest::addColumn<int>("silent");
    QTest::addColumn<qint64>("endsAfterMs");
    QTest::newRow("no gateway") << 0 << 0 << qint64(0);
    QTest::newRow("all report") << 2 << 0 << qint64(0);
    QTest::newRow("one silent") << 2 << 1 << qint64(TIMEOUT_MS);
    QTest::newRow("all silent") << 3 << 3 << qint64(TIMEOUT_MS);
}

void tst_ClosingHandshake::driverWait()
{
    QFETCH(int, drivers);
    QFETCH(int, silent);
    QFETCH(qint64, endsAfterMs);
    int completions = 0;
    QSignalSpy ready(m_handshake.get(), &ClosingHandshake::driversReadyToClose);
    QVERIFY(m_handshake->waitForDrivers(makeDrivers(drivers, silent), [&] { ++completions; }, false));
    for (const auto& driver : m_drivers)
        QVERIFY(driver->isClosing());
    QCoreApplication::processEvents();
    if (endsAfterMs > 0) {
        QCOMPARE(completions, 0);
        QCOMPARE(m_handshake->driversAwaitingClose().size(), silent);
        m_clock->advance(endsAfterMs - 1);
        QCOMPARE(completions, 0);
        m_clock->advance(1);
    }
    QCOMPARE(completions, 1);
    QCOMPARE(ready.size(), 1);
    QVERIFY(!m_handshake->isWaitingForDrivers());
    QVERIFY(m_handshake->driversAwaitingClose().isEmpty());
    m_clock->advance(TIMEOUT_MS * 2);
    QCOMPARE(completions, 1);
}

void tst_ClosingHandshake::lateReportChangesNothing()
{
    int first = 0;
    int second = 0;
    const QList<OpenDriver*> drivers = makeDrivers(1, 1);
    m_handshake->waitForDrivers(drivers, [&] { ++first; }, false);
    m_clock->advance(TIMEOUT_MS);
    QCOMPARE(first, 1);
    // The next wait does not count on the late driver either.
    const QList<OpenDriver*> next = makeDrivers(2, 2);
    m_handshake->waitForDrivers(next, [&] { ++second; }, false);
    drivers.first()->blockSignals(false);
    Q_EMIT drivers.first()->readyToClose();
    QCOMPARE(first, 1);
    QCOMPARE(second, 0);
    QCOMPARE(m_handshake->driversAwaitingClose().size(), 2);
}

void tst_ClosingHandshake::secondWaitJoinsOrTakesOver_data()
{
    QTest::addColumn<bool>("takeOver");
    QTest::newRow("a switch joins the running wait") << false;
    QTest::newRow("a quit takes it over") << true;
}

void tst_ClosingHandshake::secondWaitJoinsOrTakesOver()
{
    QFETCH(bool, takeOver);
    QStringList ran;
    const QList<OpenDriver*> drivers = makeDrivers(1, 1);
    m_handshake->waitForDrivers(drivers, [&] { ran.append(QStringLiteral("first")); }, false);
    QCOMPARE(m_handshake->waitForDrivers(makeDrivers(1, 0), [&] { ran.append(QStringLiteral("second")); },
                                         takeOver),
             takeOver);
    // The second call started nothing of its own: only the first driver counts.
    QCOMPARE(m_handshake->driversAwaitingClose().size(), 1);
    QCoreApplication::processEvents();
    drivers.first()->blockSignals(false);
    Q_EMIT drivers.first()->readyToClose();
    QCOMPARE(ran, QStringList{takeOver ? QStringLiteral("second") : QStringLiteral("first")});
    QVERIFY(!m_handshake->closingTimer()->isActive());
}

void tst_ClosingHandshake::windowWait()
{
    QStringList log;
    QPoint cursor;
    auto shown = std::make_unique<DiscWindow>(&log, &cursor);
    auto neverShown = std::make_unique<DiscWindow>(&log, &cursor);
    auto goesAway = std::make_unique<DiscWindow>(&log, &cursor);
    int ended = 0;
    m_handshake->waitForWindows({shown.get(), neverShown.get(), goesAway.get()}, [&] { ++ended; });
    QVERIFY(m_handshake->isWaitingForWindows());
    goesAway.reset();
    // Windows whose mask worker never ran report on the next turn of the loop.
    QTRY_COMPARE(ended, 1);
    QVERIFY(!m_handshake->isWaitingForWindows());
}

void tst_ClosingHandshake::windowReportingTwiceDoesNotEndEarly()
{
    QStringList log;
    QPoint cursor;
    DiscWindow first(&log, &cursor);
    DiscWindow second(&log, &cursor);
    int ended = 0;
    m_handshake->waitForWindows({&first, &second}, [&] { ++ended; });
    Q_EMIT first.readyToDestroy();
    Q_EMIT first.readyToDestroy();
    QCOMPARE(ended, 0);
    QTRY_COMPARE(ended, 1);
}

QTEST_MAIN(tst_ClosingHandshake)
#include "tst_closinghandshake.moc"
