#pragma once

#include "Message.h"

#include <QByteArray>

namespace Corvane::PravikDriver {

// One line of the gateway protocol (see README.md).
struct Frame
{
    enum Verb {
        Invalid,
        Challenge,
        Auth,
        Welcome,
        Denied,
        Request,
        Answer,
        Ack,
        Nack,
        Event,
        Ping,
        Pong,
        Bye,
    };

    Verb verb = Invalid;
    // Request id (REQ, ANS, ACK, NACK) or heartbeat counter (PING, PONG).
    int id = 0;
    int priority = 0;
    // Nonce (CHALLENGE) or response (AUTH), lower-case hexadecimal.
    QByteArray token;
    Message message;
};

} // namespace Corvane::PravikDriver
