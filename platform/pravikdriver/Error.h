#pragma once

#include <QString>

namespace Corvane::PravikDriver {

// What went wrong with a gateway connection or one of its requests.
class Error
{
public:
    enum Code {
        NoError = 0,
        ConnectionFailed,
        ConnectionLost,
        AuthenticationFailed,
        GatewaySilent,
        ResponseTimeout,
        ProtocolError,
    };

    Error() = default;
    Error(Code code, const QString& text)
        : m_code(code)
        , m_text(text)
    {
    }

    Code code() const { return m_code; }
    QString text() const { return m_text; }

private:
    Code m_code = NoError;
    QString m_text;
};

} // namespace Corvane::PravikDriver
