#pragma once

namespace Corvane::PravikDriver {

// A value that may be absent: message fields the gateway did not send, and
// request arguments the caller leaves unset.
template<typename T>
class Value
{
public:
    Value() = default;
    Value(const T& value)
        : m_value(value)
        , m_valid(true)
    {
    }
    Value(bool valid, const T& value)
        : m_value(value)
        , m_valid(valid)
    {
    }

    bool isValid() const { return m_valid; }
    const T& value() const { return m_value; }
    T valueOr(const T& fallback) const { return m_valid ? m_value : fallback; }

    bool operator==(const Value& other) const
    {
        return m_valid == other.m_valid && (!m_valid || m_value == other.m_value);
    }
    bool operator!=(const Value& other) const { return !(*this == other); }

private:
    T m_value {};
    bool m_valid = false;
};

} // namespace Corvane::PravikDriver
