// corvane-activate-project -- SOURCE DESTINATION
//
// Run as root through pkexec by the Configurator when the active project's
// folder is not writable by the user. Puts the project SOURCE in place as
// DESTINATION atomically: the content goes into an unnamed file in
// DESTINATION's folder (O_TMPFILE), is synced, named beside DESTINATION
// ("<DESTINATION>.XXXXXX", six hex digits) and renamed over it, then the
// folder is synced. On file systems without unnamed files the temporary is
// named from the start; such temporaries that a killed helper or writer
// left are removed by the next run (a live writer's, which it holds
// locked, stay).
//
// Root's rights serve only to write DESTINATION. SOURCE is opened and read
// with the rights of the user who ran pkexec (PKEXEC_UID; the real user
// when run without pkexec), so no file that user cannot read gets copied,
// and it must read as a project (an XML document whose root is <project>
// with an id and a version). DESTINATION must be a ".vtprj" file.
//
// Refuses relative paths, a destination that is a folder or a symbolic link
// and a path through a symbolic link; only DESTINATION's own folder is made
// (mode 0755) when missing, and only in a folder that exists. The project
// holds the gateways' passwords: a new file belongs to the invoking user
// (who runs the control program that reads it) and has mode 0600; a
// replaced one keeps its owner and mode. No shell is involved and no path
// is interpreted.
#include <QByteArray>
#include <QRandomGenerator>
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

#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

enum ExitCode { Ok = 0, Usage = 2, Refused = 3, Failed = 4 };

constexpr const char PROJECT_EXTENSION[] = ".vtprj";
constexpr off_t MAX_PROJECT_SIZE = 32 * 1024 * 1024;
constexpr mode_t NEW_FILE_MODE = 0600;
constexpr mode_t NEW_FOLDER_MODE = 0755;
constexpr int MAX_TEMPORARY_NAME_TRIES = 100;
constexpr std::size_t TEMPORARY_SUFFIX_DIGITS = 6;

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

std::string nameOf(const std::string& path)
{
    return path.substr(path.find_last_of('/') + 1);
}

bool isProjectFileName(const std::string& path)
{
    const std::string name = nameOf(path);
    const std::size_t extension = std::strlen(PROJECT_EXTENSION);
    return name.size() > extension && name.compare(name.size() - extension, extension, PROJECT_EXTENSION) == 0;
}

// Opens the folder of an absolute path one component at a time, refusing a
// symbolic link anywhere on the way (errno ELOOP or ENOTDIR); makes its last
// component when that alone is missing.
int openFolder(const std::string& folder)
{
    std::vector<std::string> components;
    for (std::size_t start = 1; start <= folder.size();) {
        const std::size_t end = std::min(folder.find('/', start), folder.size());
        if (end > start)
            components.push_back(folder.substr(start, end - start));
        start = end + 1;
    }
    int fd = ::open("/", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    for (std::size_t i = 0; i < components.size() && fd >= 0; ++i) {
        const char* name = components[i].c_str();
        const int flags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
        int next = ::openat(fd, name, flags);
        if (next < 0 && errno == ENOENT && i + 1 == components.size()
            && (::mkdirat(fd, name, NEW_FOLDER_MODE) == 0 || errno == EEXIST))
            next = ::openat(fd, name, flags);
        const int error = errno;
        ::close(fd);
        errno = error;
        fd = next;
    }
    return fd;
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

std::string temporaryName(const std::string& name)
{
    char suffix[TEMPORARY_SUFFIX_DIGITS + 1];
    std::snprintf(suffix, sizeof suffix, "%06x", unsigned(QRandomGenerator::global()->bounded(0x1000000)));
    return name + '.' + suffix;
}

// Whether entry is one that temporaryName(name) gives.
bool isTemporaryOf(const std::string& entry, const std::string& name)
{
    return entry.size() == name.size() + 1 + TEMPORARY_SUFFIX_DIGITS && entry.compare(0, name.size(), name) == 0
        && entry[name.size()] == '.'
        && entry.find_first_not_of("0123456789abcdef", name.size() + 1) == std::string::npos;
}

// Removes the temporaries of name that killed writers left in the folder:
// regular files that no live writer holds locked.
void removeLeftTemporaries(int folder, const std::string& name)
{
    const int listed = ::dup(folder);
    DIR* entries = listed >= 0 ? ::fdopendir(listed) : nullptr;
    if (!entries) {
        if (listed >= 0)
            ::close(listed);
        return;
    }
    while (const dirent* entry = ::readdir(entries)) {
        struct stat named {};
        if (!isTemporaryOf(entry->d_name, name)
            || ::fstatat(folder, entry->d_name, &named, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(named.st_mode))
            continue;
        const int fd = ::openat(folder, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat opened {};
        if (::fstat(fd, &opened) == 0 && opened.st_dev == named.st_dev && opened.st_ino == named.st_ino
            && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlinkat(folder, entry->d_name, 0);
        ::close(fd);
    }
    ::closedir(entries);
}

// Who owns a file.
struct Owner
{
    uid_t user;
    gid_t group;
};

// The owner of a new file: the invoking user, in the user's own group
// (unchanged when the user has no entry).
Owner ownerOf(uid_t user)
{
    const passwd* entry = ::getpwuid(user);
    return {user, entry ? entry->pw_gid : static_cast<gid_t>(-1)};
}

// The file to put in place: its folder (open), its name there, the file it
// replaces (null when new) and the owner of a new one.
struct Target
{
    int folder;
    std::string name;
    const struct stat* replaced;
    Owner owner;
};

// Writes content into fd, gives it its owner and mode and syncs it.
bool fill(int fd, const QByteArray& content, const Target& target)
{
    if (!writeAll(fd, content.constData(), size_t(content.size())))
        return false;
    const struct stat* replaced = target.replaced;
    const Owner owner = replaced ? Owner{replaced->st_uid, replaced->st_gid} : target.owner;
    // Without root (run by hand) the file stays its writer's.
    const bool owned = ::fchown(fd, owner.user, owner.group) == 0 || errno == EPERM;
    return owned && ::fchmod(fd, replaced ? (replaced->st_mode & 07777) : NEW_FILE_MODE) == 0 && ::fsync(fd) == 0;
}

// Closes fd, and removes temporary when not empty; errno stays.
void discard(int fd, const Target& target, const std::string& temporary)
{
    const int error = errno;
    if (!temporary.empty())
        ::unlinkat(target.folder, temporary.c_str(), 0);
    ::close(fd);
    errno = error;
}

// Writes content into an unnamed file in the target's folder and names it
// once complete. Returns the open, locked file and sets temporary; -1 with
// errno on failure, unsupported set when the system has no unnamed files or
// cannot name them.
int writeUnnamed(const QByteArray& content, const Target& target, std::string& temporary, bool& unsupported)
{
    unsupported = false;
    const int fd = ::openat(target.folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, NEW_FILE_MODE);
    if (fd < 0) {
        unsupported = errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL;
        return -1;
    }
    ::flock(fd, LOCK_EX); // held until the rename: see removeLeftTemporaries()
    bool named = false;
    if (fill(fd, content, target)) {
        const std::string self = "/proc/self/fd/" + std::to_string(fd);
        for (int attempt = 0; attempt < MAX_TEMPORARY_NAME_TRIES && !named; ++attempt) {
            temporary = temporaryName(target.name);
            named = ::linkat(AT_FDCWD, self.c_str(), target.folder, temporary.c_str(), AT_SYMLINK_FOLLOW) == 0
                || (errno == ENOENT && ::linkat(fd, "", target.folder, temporary.c_str(), AT_EMPTY_PATH) == 0);
            if (!named && errno != EEXIST)
                break;
        }
        unsupported = !named && (errno == ENOENT || errno == EPERM);
    }
    if (named)
        return fd;
    discard(fd, target, {});
    return -1;
}

// Writes content into a temporary named from the start (file systems without
// unnamed files); as writeUnnamed() otherwise.
int writeNamed(const QByteArray& content, const Target& target, std::string& temporary)
{
    int fd = -1;
    for (int attempt = 0; attempt < MAX_TEMPORARY_NAME_TRIES && fd < 0; ++attempt) {
        temporary = temporaryName(target.name);
        fd = ::openat(target.folder, temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                      NEW_FILE_MODE);
        if (fd < 0 && errno != EEXIST)
            return -1;
    }
    if (fd < 0)
        return -1;
    ::flock(fd, LOCK_EX); // held until the rename: see removeLeftTemporaries()
    if (fill(fd, content, target))
        return fd;
    discard(fd, target, temporary);
    return -1;
}

int install(const QByteArray& content, int folder, const std::string& destination, uid_t user)
{
    const std::string name = nameOf(destination);
    struct stat existing {};
    const bool replacing = ::fstatat(folder, name.c_str(), &existing, AT_SYMLINK_NOFOLLOW) == 0;
    if (replacing && !S_ISREG(existing.st_mode))
        return refuse("the destination is not a regular file");
    removeLeftTemporaries(folder, name);
    const Target target{folder, name, replacing ? &existing : nullptr, ownerOf(user)};
    std::string temporary;
    bool unsupported = false;
    int output = writeUnnamed(content, target, temporary, unsupported);
    if (output < 0 && unsupported)
        output = writeNamed(content, target, temporary);
    if (output < 0)
        return fail(Failed, "cannot write a file in " + parentOf(destination));
    if (::renameat(folder, temporary.c_str(), folder, name.c_str()) != 0) {
        discard(output, target, temporary);
        return fail(Failed, "cannot replace " + destination);
    }
    // Closed only now: until the rename, the lock kept the temporary from
    // being taken for one left behind.
    ::close(output);
    ::fsync(folder);
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

    const std::string folderPath = parentOf(destination);
    const int folder = openFolder(folderPath);
    if (folder < 0) {
        if (errno == ELOOP || errno == ENOTDIR)
            return refuse("a symbolic link or a file is on the way to " + folderPath);
        if (errno == ENOENT)
            return refuse("a folder on the way to " + folderPath + " does not exist");
        return fail(Failed, "cannot open or create " + folderPath);
    }
    const int code = install(*content, folder, destination, *user);
    ::close(folder);
    return code;
}
