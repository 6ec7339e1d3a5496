#include "AtomicFileWriter.h"

#include "log/Logger.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <atomic>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Corvane::Devices::Serialization {

namespace {

std::atomic<AtomicFileWriter::WriteCall> s_writeCall{&::write};

constexpr int MAX_TEMPORARY_NAME_TRIES = 100;

// The file a write of path replaces: the target of a symbolic link.
QString targetOf(const QString& path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? path : canonical;
}

// Creates a new file "<target>.XXXXXX" (the process's umask applies).
int createTemporary(const QString& target, QByteArray& name)
{
    for (int attempt = 0; attempt < MAX_TEMPORARY_NAME_TRIES; ++attempt) {
        name = QFile::encodeName(target)
            + '.' + QByteArray::number(QRandomGenerator::global()->bounded(0x1000000), 16).rightJustified(6, '0');
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

bool writeAll(int fd, const QByteArray& data)
{
    const AtomicFileWriter::WriteCall writeCall = s_writeCall.load();
    const char* next = data.constData();
    qsizetype left = data.size();
    while (left > 0) {
        const ssize_t written = writeCall(fd, next, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = ENOSPC;
            return false;
        }
        next += written;
        left -= written;
    }
    return true;
}

// Makes the rename itself durable; the new content is in place either way.
void syncFolderOf(const QString& target)
{
    const int folder = ::open(QFile::encodeName(QFileInfo(target).absolutePath()).constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
}

bool replace(const QString& target, const QByteArray& data, QString& reason)
{
    const QByteArray targetName = QFile::encodeName(target);
    struct stat existing {};
    const bool replacing = ::stat(targetName.constData(), &existing) == 0;
    if (replacing && !S_ISREG(existing.st_mode)) {
        reason = QCoreApplication::translate("Devices", "It is not a file.");
        return false;
    }
    QByteArray temporary;
    const int fd = createTemporary(target, temporary);
    if (fd < 0) {
        reason = qt_error_string(errno);
        return false;
    }
    bool ok = writeAll(fd, data) && (!replacing || ::fchmod(fd, existing.st_mode & 07777) == 0)
        && ::fsync(fd) == 0;
    int error = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(temporary.constData(), targetName.constData()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(temporary.constData());
        reason = qt_error_string(error);
        return false;
    }
    syncFolderOf(target);
    return true;
}

} // namespace

bool AtomicFileWriter::write(const QString& path, const QByteArray& data, QString& reason)
{
    if (data.isEmpty()) {
        reason = QCoreApplication::translate("Devices", "There is nothing to write.");
        return false;
    }
    return replace(targetOf(path), data, reason);
}

bool AtomicFileWriter::write(const QString& path, const QByteArray& data, const char* failureText,
                             QString* error)
{
    QString reason;
    const bool written = write(path, data, reason);
    if (!written) {
        Log::Logger(Log::Logger::Error) << Q_FUNC_INFO << " cannot write " << path << ": " << reason;
        if (error)
            *error = QCoreApplication::translate("Devices", failureText).arg(path, reason);
    }
    return written;
}

AtomicFileWriter::WriteCall AtomicFileWriter::setWriteCall(WriteCall call)
{
    return s_writeCall.exchange(call ? call : &::write);
}

} // namespace Corvane::Devices::Serialization
