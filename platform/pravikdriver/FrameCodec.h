#pragma once

#include "Frame.h"

namespace Corvane::PravikDriver {

// Writes and reads the lines of the gateway protocol. Reading accepts only
// well-formed lines; anything else gives a frame with verb Invalid.
class FrameCodec
{
public:
    // Longest line, terminator included.
    static constexpr int MAX_FRAME_LENGTH = 4096;
    static constexpr int MAX_PARAMETERS = 256;
    static constexpr int MAX_ADDRESS_LENGTH = 64;

    // The line of a frame, "\n" included.
    static QByteArray encode(const Frame& frame);
    // Reads one line, without its "\n" (a trailing "\r" is allowed).
    static Frame decode(const QByteArray& line);

    static QByteArray encodeMessage(const Message& message);

    // The response to a challenge: HMAC-SHA256 of the nonce keyed with the
    // protocol password, in lower-case hexadecimal.
    static QByteArray authenticationResponse(const QByteArray& nonce, const QString& password);
    static QByteArray createNonce();

private:
    static bool decodeMessage(const QList<QByteArray>& fields, int first, Message* message);
    static bool decodeNumber(const QByteArray& text, int* value);
    static bool decodeParameters(const QByteArray& text, QStringList* parameters);
    static bool isHexToken(const QByteArray& text);
};

} // namespace Corvane::PravikDriver
