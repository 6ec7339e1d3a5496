#pragma once

#include <QByteArray>

namespace Corvane::PravikDriver {

// Splits received bytes into lines and never holds more than one line of
// the allowed length: a longer line is dropped as it arrives, and reported.
class FrameBuffer
{
public:
    explicit FrameBuffer(int maximumLineLength);

    void append(const QByteArray& data);
    // Moves the next complete line (without "\n") into line; false if none.
    bool takeLine(QByteArray* line);
    // True once after a line longer than the limit was dropped.
    bool takeOverflow();
    void clear();

private:
    int m_maximumLineLength;
    QByteArray m_data;
    bool m_overflow = false;
    bool m_skippingLongLine = false;
};

} // namespace Corvane::PravikDriver
