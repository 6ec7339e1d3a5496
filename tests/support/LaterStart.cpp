#include "LaterStart.h"

#include <QSignalSpy>
#include <QUuid>

#include <thread>

using Corvane::Utilities::SingleInstanceGuard;

LaterStart::LaterStart()
    : m_key(QStringLiteral("CorvaneTest.") + QUuid::createUuid().toString(QUuid::Id128))
    , m_running(m_key)
{
    m_running.start({QStringLiteral("running")});
}

bool LaterStart::handOver(const QStringList& arguments)
{
    QSignalSpy received(&m_running, &SingleInstanceGuard::argumentsReceived);
    bool handedOver = false;
    std::thread later([&] { handedOver = SingleInstanceGuard(m_key).start(arguments); });
    const bool arrived = received.wait(10000);
    later.join();
    return handedOver && arrived;
}
