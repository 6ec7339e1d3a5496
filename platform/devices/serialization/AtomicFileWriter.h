#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>

namespace Corvane::Devices::Serialization {

// Replaces a file with new contents in one step: the old file stays as it
// was unless every byte of the new one was written and synced. The data goes
// into an unnamed file in the target's folder (O_TMPFILE) with unbuffered
// writes, each one checked (a full disk fails the write instead of a later
// flush); once synced it gets a name beside the target ("<target>.XXXXXX",
// six hex digits) and is renamed over it. Where the file system has no
// unnamed files, the data goes into a file of that name from the start; what
// a killed writer left so is removed by the next write of the same target.
// A replaced file keeps its mode; a new one gets newFileMode less the umask;
// a symbolic link is followed to the file it names; a file the process may
// not write is refused.
class AtomicFileWriter
{
public:
    // The call that puts bytes into the temporary file: ::write, unless a
    // test puts one in place that fails as a full disk does.
    using WriteCall = ssize_t (*)(int fd, const void* data, size_t size);
    // The call that opens the temporary file, with open(2)'s arguments:
    // open(2), unless a test puts one in place that acts as a file system
    // without unnamed files.
    using OpenCall = int (*)(const char* path, int flags, mode_t mode);

    // Modes of a new file: readable by anyone the umask allows (as
    // QSaveFile makes it), or by its owner only.
    static constexpr mode_t SHARED_MODE = 0666;
    static constexpr mode_t PRIVATE_MODE = 0600;

    AtomicFileWriter() = delete;

    // On failure, reason tells why; empty data is refused.
    static bool write(const QString& path, const QByteArray& data, QString& reason,
                      mode_t newFileMode = SHARED_MODE);
    // As above, but a failure is logged and error set to failureText
    // (QT_TRANSLATE_NOOP in "Devices", %1 the path, %2 the reason).
    static bool write(const QString& path, const QByteArray& data, const char* failureText, QString* error,
                      mode_t newFileMode = SHARED_MODE);

    // Each returns the call in place before; nullptr puts the system's back.
    static WriteCall setWriteCall(WriteCall call);
    static OpenCall setOpenCall(OpenCall call);
};

} // namespace Corvane::Devices::Serialization
