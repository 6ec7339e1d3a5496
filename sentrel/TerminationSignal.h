#pragma once

#include <QObject>

#include <csignal>

class QSocketNotifier;

namespace Corvane::Sentrel {

// SIGTERM (a logout, a shutdown, a kill) as a Qt signal in the GUI thread:
// the handler only writes a byte into a socket pair that the event loop
// watches. One instance at a time; while it lives SIGTERM no longer ends the
// process by itself, and its end puts back the action there was before.
class TerminationSignal : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignal(QObject* parent = nullptr);
    ~TerminationSignal() override;

    // False when the socket pair or the handler could not be set up: SIGTERM
    // then keeps its default action.
    bool isWatching() const { return m_notifier != nullptr; }

Q_SIGNALS:
    void received();

private:
    static void handle(int);
    void onReadable();

    QSocketNotifier* m_notifier = nullptr;
    struct sigaction m_previous = {};
};

} // namespace Corvane::Sentrel
