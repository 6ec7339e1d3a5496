// corvane-activate-project -- SOURCE DESTINATION
//
// Run as root through pkexec by the Configurator when the active project's
// folder is not writable by the user. Copies SOURCE over DESTINATION
// atomically: a temporary file beside DESTINATION is written, synced and
// renamed over it, then the folder is synced. Refuses relative paths and a
// destination that is a folder or a symbolic link; missing folders are made
// with mode 0755; a new file gets mode 0644, a replaced one keeps its owner
// and mode. No shell is involved and no path is interpreted.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

enum ExitCode { Ok = 0, Usage = 2, Refused = 3, Failed = 4 };

int fail(int code, const std::string& what)
{
    std::fprintf(stderr, "corvane-activate-project: %s: %s\n", what.c_str(), errno ? std::strerror(errno) : "refused");
    return code;
}

std::string parentOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

bool makeFolders(const std::string& folder)
{
    struct stat info {};
    if (::stat(folder.c_str(), &info) == 0)
        return S_ISDIR(info.st_mode);
    if (folder != "/" && !makeFolders(parentOf(folder)))
        return false;
    return ::mkdir(folder.c_str(), 0755) == 0 || errno == EEXIST;
}

bool writeAll(int fd, const char* data, ssize_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(size));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

bool copyContent(int from, int to)
{
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(from, buffer, sizeof buffer);
        if (got == 0)
            return true;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (!writeAll(to, buffer, got))
            return false;
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4 || std::strcmp(argv[1], "--") != 0) {
        std::fprintf(stderr, "usage: corvane-activate-project -- SOURCE DESTINATION\n");
        return Usage;
    }
    const std::string source = argv[2];
    const std::string destination = argv[3];
    errno = 0;
    if (source.empty() || destination.empty() || source[0] != '/' || destination[0] != '/')
        return fail(Refused, "paths must be absolute");
    if (destination.back() == '/')
        return fail(Refused, "the destination names a folder");
    struct stat existing {};
    const bool replacing = ::lstat(destination.c_str(), &existing) == 0;
    if (replacing && !S_ISREG(existing.st_mode))
        return fail(Refused, "the destination is not a regular file");

    const std::string folder = parentOf(destination);
    if (!makeFolders(folder))
        return fail(Failed, "cannot create " + folder);
    const int input = ::open(source.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (input < 0)
        return fail(Failed, "cannot read " + source);
    std::string temporary = destination + ".XXXXXX";
    const int output = ::mkstemp(temporary.data());
    if (output < 0) {
        ::close(input);
        return fail(Failed, "cannot create a file in " + folder);
    }
    bool ok = copyContent(input, output);
    ::close(input);
    if (ok && replacing)
        ok = ::fchown(output, existing.st_uid, existing.st_gid) == 0 || errno == EPERM;
    ok = ok && ::fchmod(output, replacing ? (existing.st_mode & 07777) : 0644) == 0;
    ok = ok && ::fsync(output) == 0;
    ok = ::close(output) == 0 && ok;
    ok = ok && ::rename(temporary.c_str(), destination.c_str()) == 0;
    if (!ok) {
        const int error = errno;
        ::unlink(temporary.c_str());
        errno = error;
        return fail(Failed, "cannot replace " + destination);
    }
    const int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        ::fsync(folderFd);
        ::close(folderFd);
    }
    return Ok;
}
