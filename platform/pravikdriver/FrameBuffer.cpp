#include "FrameBuffer.h"

namespace Corvane::PravikDriver {

FrameBuffer::FrameBuffer(int maximumLineLength)
    : m_maximumLineLength(maximumLineLength)
{
}

void FrameBuffer::append(const QByteArray& data)
{
    m_data.append(data);
    // Drop the start of a line that is already too long, keeping what
    // follows its end (if that has arrived).
    while (true) {
        const qsizetype end = m_data.indexOf('\n');
        const qsizetype lineLength = end < 0 ? m_data.size() : end + 1;
        if (lineLength <= m_maximumLineLength && !m_skippingLongLine)
            return;
        if (end < 0) {
            m_data.clear();
            if (!m_skippingLongLine)
                m_overflow = true;
            m_skippingLongLine = true;
            return;
        }
        m_data.remove(0, end + 1);
        if (!m_skippingLongLine)
            m_overflow = true;
        m_skippingLongLine = false;
    }
}

bool FrameBuffer::takeLine(QByteArray* line)
{
    const qsizetype end = m_data.indexOf('\n');
    if (end < 0)
        return false;
    *line = m_data.left(end);
    m_data.remove(0, end + 1);
    return true;
}

bool FrameBuffer::takeOverflow()
{
    const bool overflow = m_overflow;
    m_overflow = false;
    return overflow;
}

void FrameBuffer::clear()
{
    m_data.clear();
    m_overflow = false;
    m_skippingLongLine = false;
}

} // namespace Corvane::PravikDriver
