#include "AtomicFileWriter.h"

#include "log/Logger.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <optional>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Corvane::Devices::Serialization {

namespace {

int openFile(const char* path, int flags, mode_t mode)
{
    return ::open(path, flags, mode);
}

std::atomic<AtomicFileWriter::WriteCall> s_writeCall{&::write};
std::atomic<AtomicFileWriter::OpenCall> s_openCall{&openFile};

constexpr int MAX_TEMPORARY_NAME_TRIES = 100;
constexpr int TEMPORARY_SUFFIX_DIGITS = 6;
// The temporary of a file being replaced is its owner's alone until it has
// the old file's mode: nobody reads the new content who could not read the
// old.
constexpr mode_t REPLACEMENT_MODE = 0600;

// The file a write replaces or makes, and the modes of its temporary.
struct Target
{
    QByteArray path; // symbolic links resolved
    QByteArray folder;
    QByteArray fileName;
    mode_t createMode = AtomicFileWriter::SHARED_MODE; // the umask applies
    std::optional<mode_t> keptMode;                    // that of the file replaced
};

// The file a write of path replaces (the target of a symbolic link), as a
// new file of newFileMode.
Target targetOf(const QString& path, mode_t newFileMode)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    const QFileInfo file(canonical.isEmpty() ? path : canonical);
    Target target;
    target.path = QFile::encodeName(file.filePath());
    target.folder = QFile::encodeName(file.absolutePath());
    target.fileName = QFile::encodeName(file.fileName());
    target.createMode = newFileMode;
    return target;
}

QByteArray temporaryName(const Target& target)
{
    return target.path + '.'
        + QByteArray::number(QRandomGenerator::global()->bounded(0x1000000), 16)
              .rightJustified(TEMPORARY_SUFFIX_DIGITS, '0');
}

// Whether name is one that temporaryName() gives: "<file name>.XXXXXX", X a
// lower-case hex digit.
bool isTemporaryOf(const QByteArray& name, const Target& target)
{
    const qsizetype length = target.fileName.size();
    if (name.size() != length + 1 + TEMPORARY_SUFFIX_DIGITS || !name.startsWith(target.fileName)
        || name.at(length) != '.')
        return false;
    return std::all_of(name.cend() - TEMPORARY_SUFFIX_DIGITS, name.cend(),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

// Removes the temporaries of target that killed writers left behind: regular
// files of such names that no live writer holds (each writer locks its
// temporary until it is renamed).
void removeLeftTemporaries(const Target& target)
{
    DIR* folder = ::opendir(target.folder.constData());
    if (!folder)
        return;
    const int folderFd = ::dirfd(folder);
    while (const dirent* entry = ::readdir(folder)) {
        struct stat named {};
        if (!isTemporaryOf(QByteArray(entry->d_name), target)
            || ::fstatat(folderFd, entry->d_name, &named, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(named.st_mode))
            continue;
        const int fd = ::openat(folderFd, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat opened {};
        if (::fstat(fd, &opened) == 0 && opened.st_dev == named.st_dev && opened.st_ino == named.st_ino
            && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlinkat(folderFd, entry->d_name, 0);
        ::close(fd);
    }
    ::closedir(folder);
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

// Writes data into fd, gives it the mode of the file it replaces and syncs it.
bool fill(int fd, const QByteArray& data, const Target& target)
{
    return writeAll(fd, data) && (!target.keptMode || ::fchmod(fd, *target.keptMode) == 0) && ::fsync(fd) == 0;
}

// Closes fd and removes the file's name, if it has one; errno stays.
void discard(int fd, const QByteArray& name)
{
    const int error = errno;
    if (!name.isEmpty())
        ::unlink(name.constData());
    ::close(fd);
    errno = error;
}

enum class Outcome { Written, Failed, Unsupported };

// Gives the unnamed file fd a fresh temporary name of target.
bool nameUnnamed(int fd, const Target& target, QByteArray& name)
{
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
    for (int attempt = 0; attempt < MAX_TEMPORARY_NAME_TRIES; ++attempt) {
        name = temporaryName(target);
        if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, name.constData(), AT_SYMLINK_FOLLOW) == 0)
            return true;
        // Without /proc: by the descriptor itself (needs CAP_DAC_READ_SEARCH).
        if (errno == ENOENT && ::linkat(fd, "", AT_FDCWD, name.constData(), AT_EMPTY_PATH) == 0)
            return true;
        if (errno != EEXIST)
            break;
    }
    name.clear();
    return false;
}

// Writes into an unnamed file in the target's folder and names it once it
// holds everything, so that a writer killed before has left nothing. On
// Written, fd is open (and locked) and name the temporary's.
Outcome writeUnnamed(const QByteArray& data, const Target& target, int& fd, QByteArray& name)
{
    fd = s_openCall.load()(target.folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, target.createMode);
    if (fd < 0)
        return errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL ? Outcome::Unsupported : Outcome::Failed;
    ::flock(fd, LOCK_EX); // held until the rename: see removeLeftTemporaries()
    if (!fill(fd, data, target)) {
        discard(fd, {});
        return Outcome::Failed;
    }
    if (!nameUnnamed(fd, target, name)) {
        // Neither /proc nor the capability: the named way.
        const bool unsupported = errno == ENOENT || errno == EPERM;
        discard(fd, {});
        return unsupported ? Outcome::Unsupported : Outcome::Failed;
    }
    return Outcome::Written;
}

// Writes into a new temporary named from the start, for file systems without
// unnamed files; as writeUnnamed() on success.
bool writeNamed(const QByteArray& data, const Target& target, int& fd, QByteArray& name)
{
    fd = -1;
    for (int attempt = 0; attempt < MAX_TEMPORARY_NAME_TRIES && fd < 0; ++attempt) {
        name = temporaryName(target);
        fd = s_openCall.load()(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, target.createMode);
        if (fd < 0 && errno != EEXIST)
            return false;
    }
    if (fd < 0)
        return false;
    ::flock(fd, LOCK_EX); // held until the rename: see removeLeftTemporaries()
    if (!fill(fd, data, target)) {
        discard(fd, name);
        return false;
    }
    return true;
}

// Makes the rename itself durable; the new content is in place either way.
void syncFolder(const QByteArray& folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool replace(Target target, const QByteArray& data, QString& reason)
{
    struct stat existing {};
    if (::stat(target.path.constData(), &existing) == 0) {
        if (!S_ISREG(existing.st_mode)) {
            reason = QCoreApplication::translate("Devices", "It is not a file.");
            return false;
        }
        // The rename needs only the folder's write right; the file's own decides.
        if (::faccessat(AT_FDCWD, target.path.constData(), W_OK, AT_EACCESS) != 0) {
            reason = qt_error_string(errno);
            return false;
        }
        target.createMode = REPLACEMENT_MODE;
        target.keptMode = existing.st_mode & 07777;
    }
    removeLeftTemporaries(target);
    int fd = -1;
    QByteArray temporary;
    Outcome outcome = writeUnnamed(data, target, fd, temporary);
    if (outcome == Outcome::Unsupported)
        outcome = writeNamed(data, target, fd, temporary) ? Outcome::Written : Outcome::Failed;
    if (outcome == Outcome::Written && ::rename(temporary.constData(), target.path.constData()) != 0) {
        discard(fd, temporary);
        outcome = Outcome::Failed;
    }
    if (outcome != Outcome::Written) {
        reason = qt_error_string(errno);
        return false;
    }
    // Closed only now: until the rename, the lock kept other writers from
    // taking the temporary for one left behind. Written and synced, the
    // content no longer depends on the close.
    ::close(fd);
    syncFolder(target.folder);
    return true;
}

} // namespace

bool AtomicFileWriter::write(const QString& path, const QByteArray& data, QString& reason, mode_t newFileMode)
{
    if (data.isEmpty()) {
        reason = QCoreApplication::translate("Devices", "There is nothing to write.");
        return false;
    }
    return replace(targetOf(path, newFileMode), data, reason);
}

bool AtomicFileWriter::write(const QString& path, const QByteArray& data, const char* failureText,
                             QString* error, mode_t newFileMode)
{
    QString reason;
    const bool written = write(path, data, reason, newFileMode);
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

AtomicFileWriter::OpenCall AtomicFileWriter::setOpenCall(OpenCall call)
{
    return s_openCall.exchange(call ? call : &openFile);
}

} // namespace Corvane::Devices::Serialization
