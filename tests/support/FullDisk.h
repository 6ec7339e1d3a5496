#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <sys/types.h>

// Full disks for tests, two ways:
// - a write call for AtomicFileWriter::setWriteCall() that fails with ENOSPC
//   once a number of bytes went through, as a nearly full disk does;
// - a real small file system: the test starts a child of its own program in
//   a private mount namespace (root and unshare(1) needed), where the child
//   mounts a tmpfs that only it sees and fills it.
class FullDisk
{
public:
    FullDisk() = delete;

    // Lets bytes through until the budget is spent, then fails with ENOSPC
    // (a write crossing the budget writes the part that fits).
    static ssize_t limitedWrite(int fd, const void* data, size_t size);
    static void setBudget(qint64 bytes);

    // Why a child with its own mount namespace cannot be started here; empty
    // when it can.
    static QString isolationUnavailable();
    // Runs this test program again in a private mount namespace with the
    // given arguments (a test function name, for example) and waits; returns
    // the exit code (-1 when it did not end normally). In the child,
    // childFolder() is folder. The child's standard output goes to output,
    // its error output to ours.
    static int runInChild(const QStringList& arguments, const QString& folder, QByteArray* output);
    // The folder given to runInChild(); empty outside such a child.
    static QString childFolder();
    // In the child: mounts a tmpfs of sizeBytes over folder.
    static bool mountTmpfs(const QString& folder, qint64 sizeBytes, QString* error);
    // Writes one file into folder until the file system is full, then frees
    // leaveFree bytes of it; true when a write failed with ENOSPC.
    static bool fill(const QString& folder, qint64 leaveFree = 0);
    // Bytes still free on the file system holding folder.
    static qint64 freeBytes(const QString& folder);
};
