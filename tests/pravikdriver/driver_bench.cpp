// Measures how long the event loop waits for its turn while a driver takes
// in a flood of 100,000 events from a fake gateway on 127.0.0.1, a listener
// spending 20 us on each. A timer of 2 ms notes the longest gap between two
// of its ticks. Prints one line per run:
// "event_flood events=<n> longest_wait_ms=<x> total_ms=<y>".

#include "FakeGateway.h"
#include "StallProbe.h"

#include "pravikdriver/FrameCodec.h"
#include "pravikdriver/OpenDriver.h"
#include "pravikdriver/PravikListener.h"
#include "pravikdriver/UserMessages/LightsMessage.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <cstdio>
#include <functional>

using namespace Corvane::PravikDriver;

namespace {

const QString PASSWORD = QStringLiteral("bench");
const int EVENTS = 100000;
const int RUNS = 3;

class BusyLightCounter : public PravikListener
{
public:
    void lightMessageReceived(const OpenDriver*, const UserMessages::LightsMessage&, const Message&, bool) override
    {
        QElapsedTimer work;
        work.start();
        while (work.nsecsElapsed() < 20000) {
        }
        ++lights;
    }

    int lights = 0;
};

// Runs the event loop until done() holds or a minute has passed.
bool runUntil(const std::function<bool()>& done)
{
    QElapsedTimer limit;
    limit.start();
    while (!done()) {
        if (limit.elapsed() > 60000)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

bool runOnce(const QByteArray& flood)
{
    FakeGateway gateway(PASSWORD);
    if (!gateway.listen())
        return false;
    OpenDriver driver;
    BusyLightCounter counter;
    driver.registerListener(&counter);
    driver.setTcpConnection(QStringLiteral("127.0.0.1"), gateway.port(), PASSWORD);
    driver.openMonitorConnection(true, true);
    if (!runUntil([&driver] { return driver.isMonitorConnected(); }))
        return false;

    StallProbe probe(2);
    QElapsedTimer total;
    total.start();
    probe.start();
    gateway.sendRaw(flood);
    if (!runUntil([&counter] { return counter.lights == EVENTS; }))
        return false;
    std::printf("event_flood events=%d longest_wait_ms=%.1f total_ms=%lld\n", EVENTS, probe.longestMs(), total.elapsed());
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QByteArray flood;
    for (int i = 0; i < EVENTS; ++i)
        flood += FrameCodec::encode(
            FakeGateway::event(Message::createSwitchLightMessage(QString::number(10 + i % 50), i % 2)));
    for (int run = 0; run < RUNS; ++run) {
        if (!runOnce(flood)) {
            std::fprintf(stderr, "event_flood: the driver did not log in or take in the flood\n");
            return 1;
        }
    }
    return 0;
}
