#pragma once

#include <QByteArray>
#include <QString>

namespace Corvane::Devices::Serialization {

// Replaces a file with new contents in one step: the old file stays as it
// was unless every byte of the new one was written.
class AtomicFileWriter
{
public:
    AtomicFileWriter() = delete;

    // On failure, reason tells why; empty data is refused.
    static bool write(const QString& path, const QByteArray& data, QString& reason);
    // As above, but a failure is logged and error set to failureText
    // (QT_TRANSLATE_NOOP in "Devices", %1 the path, %2 the reason).
    static bool write(const QString& path, const QByteArray& data, const char* failureText, QString* error);
};

} // namespace Corvane::Devices::Serialization
