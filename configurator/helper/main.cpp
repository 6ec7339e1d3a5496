// corvane-activate-project -- SOURCE DESTINATION
//
// Run as root through pkexec by the Configurator when the active project's
// folder is not writable by the user. Puts the project SOURCE in place as
// DESTINATION atomically: a temporary file beside DESTINATION is written,
// synced and renamed over it, then the folder is synced.
//
// Root's rights serve only to write DESTINATION. SOURCE is opened and read
// with the rights of the user who ran pkexec (PKEXEC_UID; the real user
// when run without pkexec), so no file that user cannot read gets copied,
// and it must read as a project (an XML document whose root is <project>
// with an id and a version). DESTINATION must be a ".vtprj" file.
//
// Refuses relative paths and a destination that is a folder or a symbolic
// link; missing folders are made with mode 0755; a new file gets mode 0644,
// a replaced one keeps its owner and mode. No shell is involved and no path
// is interpreted.
#include <QByteArray>
#include <QUuid>
#include <QXmlStreamReader>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

enum ExitCode { Ok = 0, Usage = 2, Refused = 3, Failed = 4 };

constexpr const char PROJECT_EXTENSION[] = ".vtprj";
constexpr off_t MAX_PROJECT_SIZE = 32 * 1024 * 1024;

int fail(int code, const std::string& what)
{
    std::fprintf(stderr, "corvane-activate-project: %s: %s\n", what.c_str(), errno ? std::strerror(errno) : "refused");
    return code;
}

int refuse(const std::string& what)
{
    errno = 0;
    return fail(Refused, what);
}

std::string parentOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

bool isProjectFileName(const std::string& path)
{
    const std::string name = path.substr(path.find_last_of('/') + 1);
    const std::size_t extension = std::strlen(PROJECT_EXTENSION);
    return name.size() > extension && name.compare(name.size() - extension, extension, PROJECT_EXTENSION) == 0;
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

bool writeAll(int fd, const char* data, size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = ENOSPC;
            return false;
        }
        data += written;
        size -= size_t(written);
    }
    return true;
}

// The user who asked for the copy: pkexec's caller, else the real user.
std::optional<uid_t> invokingUser()
{
    const char* text = std::getenv("PKEXEC_UID");
    if (!text)
        return ::getuid();
    if (*text == '\0' || std::strlen(text) > 10 || std::strspn(text, "0123456789") != std::strlen(text))
        return std::nullopt;
    const unsigned long long value = std::strtoull(text, nullptr, 10);
    if (value >= static_cast<unsigned long long>(static_cast<uid_t>(-1)))
        return std::nullopt;
    return static_cast<uid_t>(value);
}

// Takes on a user's file rights for as long as it lives (only the effective
// ids change, so root's come back); ok() tells whether it did.
class UserRights
{
public:
    explicit UserRights(uid_t user)
    {
        if (::geteuid() == user) {
            m_ok = true;
            return;
        }
        const passwd* entry = ::getpwuid(user);
        if (::geteuid() != 0 || !entry)
            return;
        const int savedCount = ::getgroups(0, nullptr);
        m_savedGroups.resize(size_t(std::max(savedCount, 0)));
        if (savedCount < 0 || ::getgroups(savedCount, m_savedGroups.data()) < 0)
            return;
        int count = 64;
        std::vector<gid_t> groups(static_cast<size_t>(count));
        while (::getgrouplist(entry->pw_name, entry->pw_gid, groups.data(), &count) < 0)
            groups.resize(size_t(count));
        groups.resize(size_t(count));
        m_savedGid = ::getegid();
        m_changed = true;
        m_ok = ::setgroups(groups.size(), groups.data()) == 0 && ::setegid(entry->pw_gid) == 0
            && ::seteuid(user) == 0;
    }

    ~UserRights()
    {
        if (m_changed && (::seteuid(0) != 0 || ::setegid(m_savedGid) != 0
                          || ::setgroups(m_savedGroups.size(), m_savedGroups.data()) != 0)) {
            // Never go on with rights half restored.
            std::fprintf(stderr, "corvane-activate-project: cannot restore the rights\n");
            std::_Exit(Failed);
        }
    }

    UserRights(const UserRights&) = delete;
    UserRights& operator=(const UserRights&) = delete;

    bool ok() const { return m_ok; }

private:
    std::vector<gid_t> m_savedGroups;
    gid_t m_savedGid = 0;
    bool m_changed = false;
    bool m_ok = false;
};

// Reads all of fd, a regular file of at most MAX_PROJECT_SIZE bytes; errno
// is 0 when the file is of another kind or too large.
std::optional<QByteArray> readRegular(int fd)
{
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return std::nullopt;
    errno = 0;
    if (!S_ISREG(info.st_mode) || info.st_size > MAX_PROJECT_SIZE)
        return std::nullopt;
    QByteArray data;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got == 0)
            return data;
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return std::nullopt;
        data.append(buffer, got);
        if (data.size() > MAX_PROJECT_SIZE) {
            errno = 0;
            return std::nullopt;
        }
    }
}

std::optional<QByteArray> readSource(const std::string& path)
{
    // O_NONBLOCK: a FIFO named as the source must not hang the helper.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    std::optional<QByteArray> content = readRegular(fd);
    const int error = errno;
    ::close(fd);
    errno = error;
    return content;
}

// A whole, well-formed XML document whose root is <project id= version=>.
bool readsAsProject(const QByteArray& data)
{
    QXmlStreamReader xml(data);
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("project"))
        return false;
    bool versionOk = false;
    static_cast<void>(xml.attributes().value(QLatin1String("version")).toInt(&versionOk));
    if (!versionOk || QUuid(xml.attributes().value(QLatin1String("id")).toString()).isNull())
        return false;
    while (!xml.atEnd())
        xml.readNext();
    return !xml.hasError();
}

int install(const QByteArray& content, const std::string& destination, const struct stat* replaced)
{
    const std::string folder = parentOf(destination);
    if (!makeFolders(folder))
        return fail(Failed, "cannot create " + folder);
    std::string temporary = destination + ".XXXXXX";
    const int output = ::mkstemp(temporary.data());
    if (output < 0)
        return fail(Failed, "cannot create a file in " + folder);
    bool ok = writeAll(output, content.constData(), size_t(content.size()));
    if (ok && replaced)
        ok = ::fchown(output, replaced->st_uid, replaced->st_gid) == 0 || errno == EPERM;
    ok = ok && ::fchmod(output, replaced ? (replaced->st_mode & 07777) : 0644) == 0;
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

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4 || std::strcmp(argv[1], "--") != 0) {
        std::fprintf(stderr, "usage: corvane-activate-project -- SOURCE DESTINATION\n");
        return Usage;
    }
    const std::string source = argv[2];
    const std::string destination = argv[3];
    if (source.empty() || destination.empty() || source[0] != '/' || destination[0] != '/')
        return refuse("paths must be absolute");
    if (destination.back() == '/')
        return refuse("the destination names a folder");
    if (!isProjectFileName(destination))
        return refuse("the destination is not a project file (" + std::string(PROJECT_EXTENSION) + ")");
    struct stat existing {};
    const bool replacing = ::lstat(destination.c_str(), &existing) == 0;
    if (replacing && !S_ISREG(existing.st_mode))
        return refuse("the destination is not a regular file");

    const std::optional<uid_t> user = invokingUser();
    if (!user)
        return refuse("PKEXEC_UID is not a user id");
    std::optional<QByteArray> content;
    int readError = 0;
    {
        const UserRights rights(*user);
        if (!rights.ok())
            return refuse("cannot take on the rights of user " + std::to_string(*user));
        content = readSource(source);
        readError = errno;
    }
    if (!content) {
        errno = readError;
        if (errno == EACCES || errno == EPERM || errno == 0)
            return fail(Refused, "the invoking user cannot read " + source + " as a project file");
        return fail(Failed, "cannot read " + source);
    }
    if (!readsAsProject(*content))
        return refuse(source + " is not a project");
    return install(*content, destination, replacing ? &existing : nullptr);
}
