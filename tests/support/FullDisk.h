#pragma once

#include <QString>

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

    // For a test that writes onto a real full disk. In the test program as
    // started: runs the current test function (and data row) again in a child
    // with a private mount namespace and takes the child's result as its own,
    // or skips the test where no such child can be started; returns an empty
    // string, and the test returns. In that child: mounts a tmpfs of
    // sizeBytes that only the child sees and returns its folder.
    static QString smallFileSystemFolder(qint64 sizeBytes);

    // Writes one file into folder until the file system is full, then frees
    // leaveFree bytes of it; true when a write failed with ENOSPC.
    static bool fill(const QString& folder, qint64 leaveFree = 0);
};
