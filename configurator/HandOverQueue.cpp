#include "HandOverQueue.h"

namespace Corvane::Configurator {

HandOverQueue::HandOverQueue(std::function<bool()> busy, QObject* parent)
    : QObject(parent)
    , m_busy(std::move(busy))
{
    m_retry.setInterval(RETRY_MS);
    connect(&m_retry, &QTimer::timeout, this, &HandOverQueue::runWaiting);
}

void HandOverQueue::post(std::function<void()> handOver)
{
    m_waiting.append(std::move(handOver));
    if (m_waiting.size() == 1 && !m_busy()) {
        runWaiting();
        return;
    }
    m_retry.start();
}

void HandOverQueue::runWaiting()
{
    // Each hand-over may ask questions itself: the next one waits for it.
    while (!m_waiting.isEmpty() && !m_busy()) {
        const std::function<void()> next = m_waiting.takeFirst();
        next();
    }
    if (m_waiting.isEmpty())
        m_retry.stop();
    else
        m_retry.start();
}

} // namespace Corvane::Configurator
