#pragma once

#include <QList>
#include <QObject>
#include <QTimer>

#include <functional>

namespace Corvane::Configurator {

// Files handed over by a later start of the program or by the desktop
// arrive whenever the event loop runs, also while a command waits in a box
// for the user's answer. Opening them then would pull the project from under
// that command; the queue keeps them until nothing is running any more and
// hands them on in order of arrival.
class HandOverQueue : public QObject
{
    Q_OBJECT

public:
    static constexpr int RETRY_MS = 100;

    // busy: whether a command is running.
    explicit HandOverQueue(std::function<bool()> busy, QObject* parent = nullptr);

    // Runs handOver now when nothing is running and nothing waits before it,
    // else once the running command has finished.
    void post(std::function<void()> handOver);
    bool isEmpty() const { return m_waiting.isEmpty(); }

private:
    void runWaiting();

    std::function<bool()> m_busy;
    QList<std::function<void()>> m_waiting;
    QTimer m_retry;
};

} // namespace Corvane::Configurator
