#pragma once

#include "utilities/SingleInstanceGuard.h"

#include <QStringList>

// A running instance under a key of its own, and later starts handing their
// arguments over to it through the real local socket, each from a thread of
// its own as it would from a process of its own. Connect the running
// instance's argumentsReceived() to what takes the hand-over.
class LaterStart
{
public:
    LaterStart();

    Corvane::Utilities::SingleInstanceGuard& runningInstance() { return m_running; }
    // Hands arguments over; true once the running instance has emitted
    // them (and its receivers have run).
    bool handOver(const QStringList& arguments);

private:
    QString m_key;
    Corvane::Utilities::SingleInstanceGuard m_running;
};
