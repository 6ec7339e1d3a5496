#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>

namespace Corvane::Devices::Serialization {

// Replaces a file with new contents in one step: the old file stays as it
// was unless every byte of the new one was written and synced. The data goes
// into a temporary file beside the target with unbuffered writes, each one
// checked (a full disk fails the write instead of a later flush), then
// fsync, close and rename are checked too. A replaced file keeps its mode;
// a symbolic link is followed to the file it names.
class AtomicFileWriter
{
public:
    // The call that puts bytes into the temporary file: ::write, unless a
    // test puts one in place that fails as a full disk does.
    using WriteCall = ssize_t (*)(int fd, const void* data, size_t size);

    AtomicFileWriter() = delete;

    // On failure, reason tells why; empty data is refused.
    static bool write(const QString& path, const QByteArray& data, QString& reason);
    // As above, but a failure is logged and error set to failureText
    // (QT_TRANSLATE_NOOP in "Devices", %1 the path, %2 the reason).
    static bool write(const QString& path, const QByteArray& data, const char* failureText, QString* error);

    // Returns the call in place before; nullptr puts ::write back.
    static WriteCall setWriteCall(WriteCall call);
};

} // namespace Corvane::Devices::Serialization
