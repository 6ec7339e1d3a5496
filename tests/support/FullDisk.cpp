#include "FullDisk.h"

#include "TestChild.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {

std::atomic<qint64> s_budget{0};

constexpr char FOLDER_VARIABLE[] = "CORVANE_FULL_DISK_FOLDER";

QString unsharePath()
{
    return QStandardPaths::findExecutable(QStringLiteral("unshare"));
}

// Runs the program named after it in a private mount namespace.
QStringList isolatingWrapper()
{
    return {unsharePath(), QStringLiteral("--mount"), QStringLiteral("--propagation"), QStringLiteral("private")};
}

// Why a child with its own mount namespace cannot be started here; empty
// when it can.
QString isolationUnavailable()
{
    if (::geteuid() != 0)
        return QStringLiteral("a private mount namespace needs root");
    if (unsharePath().isEmpty())
        return QStringLiteral("unshare(1) is not installed");
    const QStringList wrapper = isolatingWrapper();
    if (QProcess::execute(wrapper.constFirst(), wrapper.mid(1) << QStringLiteral("true")) != 0)
        return QStringLiteral("this system allows no private mount namespace");
    return {};
}

// The folder given to the child; empty outside such a child.
QString childFolder()
{
    return qEnvironmentVariable(FOLDER_VARIABLE);
}

// In the child: mounts a tmpfs of sizeBytes over folder.
bool mountTmpfs(const QString& folder, qint64 sizeBytes, QString* error)
{
    // Nothing mounted here may reach the parent's namespace.
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0
        || !QDir().mkpath(folder)
        || ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                   QByteArray("size=" + QByteArray::number(sizeBytes)).constData())
            != 0) {
        if (error)
            *error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    return true;
}

void runCurrentTestInChild()
{
    const QString unavailable = isolationUnavailable();
    if (!unavailable.isEmpty())
        QSKIP(qPrintable(unavailable));
    QTemporaryDir dir;
    QByteArray output;
    QVERIFY2(TestChild::run(FOLDER_VARIABLE, dir.path(), isolatingWrapper(), {}, &output) == 0, output.constData());
}

} // namespace

ssize_t FullDisk::limitedWrite(int fd, const void* data, size_t size)
{
    const qint64 budget = s_budget.load();
    if (budget <= 0) {
        errno = ENOSPC;
        return -1;
    }
    const size_t allowed = std::min<size_t>(size, size_t(budget));
    const ssize_t written = ::write(fd, data, allowed);
    if (written > 0)
        s_budget -= written;
    return written;
}

void FullDisk::setBudget(qint64 bytes)
{
    s_budget = bytes;
}

QString FullDisk::smallFileSystemFolder(qint64 sizeBytes)
{
    const QString folder = childFolder();
    if (folder.isEmpty()) {
        runCurrentTestInChild();
        return {};
    }
    QString error;
    if (!mountTmpfs(folder, sizeBytes, &error)) {
        QTest::qFail(qPrintable(QStringLiteral("cannot mount a tmpfs on %1: %2").arg(folder, error)), __FILE__,
                     __LINE__);
        return {};
    }
    return folder;
}

bool FullDisk::fill(const QString& folder, qint64 leaveFree)
{
    const int fd = ::open(QFile::encodeName(folder + QStringLiteral("/filler")).constData(),
                          O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    const QByteArray block(4096, 'f');
    qint64 size = 0;
    ssize_t written = 0;
    while ((written = ::write(fd, block.constData(), size_t(block.size()))) > 0)
        size += written;
    const bool full = written < 0 && errno == ENOSPC;
    const bool freed = leaveFree <= 0 || ::ftruncate(fd, std::max<qint64>(0, size - leaveFree)) == 0;
    ::close(fd);
    return full && freed;
}
