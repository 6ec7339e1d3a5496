#include "devices/serialization/AtomicFileWriter.h"

#include "FullDisk.h"
#include "LogCapture.h"
#include "Unprivileged.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstdio>
#include <functional>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using Corvane::Devices::Serialization::AtomicFileWriter;

// The writer keeps QSaveFile's guarantees, each tested here both through
// unnamed files and through named temporaries (file systems without unnamed
// files): complete new content or the old file byte for byte; each write
// checked, a full disk fails; a replaced file keeps its mode; a symbolic link
// is followed to its target; a new file gets its mode less the umask; a file
// the user may not write is refused; no temporary is left behind after a
// crash. (That fsync's result is checked no test here can see.)

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.flush();
}

// As large as a real project of the demo's kind.
QByteArray projectSized(char fill)
{
    return "<?xml version=\"1.0\"?>\n<project>" + QByteArray(9600, fill) + "</project>\n";
}

struct stat statOf(const QString& path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        info.st_ino = 0;
    return info;
}

mode_t modeOf(const QString& path)
{
    return statOf(path).st_mode & 07777;
}

QStringList entriesOf(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// Acts as a file system without unnamed files (O_TMPFILE).
int openWithoutUnnamedFiles(const char* path, int flags, mode_t mode)
{
    if ((flags & O_TMPFILE) == O_TMPFILE) {
        errno = EOPNOTSUPP;
        return -1;
    }
    return ::open(path, flags, mode);
}

template<typename Call, Call (*put)(Call)>
class CallSwap
{
public:
    explicit CallSwap(Call call)
        : m_previous(put(call))
    {
    }
    ~CallSwap() { put(m_previous); }
    CallSwap(const CallSwap&) = delete;
    CallSwap& operator=(const CallSwap&) = delete;

private:
    Call m_previous;
};

using WriteCallSwap = CallSwap<AtomicFileWriter::WriteCall, &AtomicFileWriter::setWriteCall>;
using OpenCallSwap = CallSwap<AtomicFileWriter::OpenCall, &AtomicFileWriter::setOpenCall>;

// Writes through unnamed files, or through named temporaries as on a file
// system without them, while it lives.
class TemporaryKind : public OpenCallSwap
{
public:
    explicit TemporaryKind(bool unnamed)
        : OpenCallSwap(unnamed ? nullptr : &openWithoutUnnamedFiles)
    {
    }
};

void addKindRows(const char* name, const std::function<void(QTestData&)>& columns)
{
    for (const bool unnamed : {true, false}) {
        QTestData& row = QTest::addRow("%s, %s", name, unnamed ? "unnamed" : "named");
        row << unnamed;
        columns(row);
    }
}

class Umask
{
public:
    explicit Umask(mode_t mask)
        : m_previous(::umask(mask))
    {
    }
    ~Umask() { ::umask(m_previous); }
    Umask(const Umask&) = delete;
    Umask& operator=(const Umask&) = delete;

private:
    mode_t m_previous;
};

// What a write call sees while the data goes out: the folder of the file
// and the mode of the file written into.
QString s_watchedFolder;
QStringList s_entriesWhileWriting;
mode_t s_modeWhileWriting = 0;

ssize_t watchingWrite(int fd, const void* data, size_t size)
{
    s_entriesWhileWriting = entriesOf(s_watchedFolder);
    struct stat info {};
    s_modeWhileWriting = ::fstat(fd, &info) == 0 ? info.st_mode & 07777 : 0;
    return ::write(fd, data, size);
}

// The child of killedWriterLeavesNoCopy: says so once it is writing, then
// waits there to be killed.
ssize_t writeUntilKilled(int, const void*, size_t)
{
    std::printf("writing\n");
    std::fflush(stdout);
    for (;;)
        ::pause();
}

int writeUntilKilled(const QString& path, bool unnamed)
{
    const TemporaryKind kind(unnamed);
    const WriteCallSwap swap(&writeUntilKilled);
    QString reason;
    AtomicFileWriter::write(path, projectSized('n'), reason);
    return 1;
}

} // namespace

class tst_AtomicFileWriter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writesAndReplaces_data();
    void writesAndReplaces();
    void newFileMode_data();
    void newFileMode();
    void replacedFileKeepsMode_data();
    void replacedFileKeepsMode();
    void unwritableFileRefused_data();
    void unwritableFileRefused();
    void failingWriteKeepsOldFile_data();
    void failingWriteKeepsOldFile();
    void realFullDiskKeepsOldFile_data();
    void realFullDiskKeepsOldFile();
    void nothingNamedWhileWriting_data();
    void nothingNamedWhileWriting();
    void killedWriterLeavesNoCopy_data();
    void killedWriterLeavesNoCopy();
    void leftTemporariesRemoved_data();
    void leftTemporariesRemoved();
};

void tst_AtomicFileWriter::writesAndReplaces_data()
{
    QTest::addColumn<bool>("unnamed");
    addKindRows("write", [](QTestData&) {});
}

void tst_AtomicFileWriter::writesAndReplaces()
{
    QFETCH(bool, unnamed);
    const TemporaryKind kind(unnamed);
    QTemporaryDir dir;
    const QString path = dir.filePath("file.xml");
    QString reason;
    QVERIFY(AtomicFileWriter::write(path, "first", reason));
    QCOMPARE(readAll(path), QByteArray("first"));

    // A link keeps pointing at the file it names, which gets the content.
    const QString link = dir.filePath("link.xml");
    QVERIFY(QFile::link(path, link));
    QVERIFY(AtomicFileWriter::write(link, "second", reason));
    QCOMPARE(readAll(path), QByteArray("second"));
    QVERIFY(QFileInfo(link).isSymLink());

    QVERIFY(!AtomicFileWriter::write(path, QByteArray(), reason));
    QVERIFY(!AtomicFileWriter::write(dir.path(), "into a folder", reason));
    QCOMPARE(readAll(path), QByteArray("second"));
    QCOMPARE(entriesOf(dir.path()), (QStringList{"file.xml", "link.xml"}));
}

void tst_AtomicFileWriter::newFileMode_data()
{
    QTest::addColumn<bool>("unnamed");
    QTest::addColumn<mode_t>("umask");
    QTest::addColumn<mode_t>("newFileMode");
    QTest::addColumn<mode_t>("expected");

    const mode_t shared = AtomicFileWriter::SHARED_MODE;
    const mode_t owner = AtomicFileWriter::PRIVATE_MODE;
    const auto rows = [](mode_t mask, mode_t mode, mode_t expected) {
        return [=](QTestData& row) { row << mask << mode << expected; };
    };
    addKindRows("shared, umask 022", rows(022, shared, 0644));
    addKindRows("shared, umask 002", rows(002, shared, 0664));
    addKindRows("shared, umask 077", rows(077, shared, 0600));
    addKindRows("private, umask 022", rows(022, owner, 0600));
    addKindRows("private, umask 000", rows(000, owner, 0600));
    addKindRows("private, umask 077", rows(077, owner, 0600));
}

void tst_AtomicFileWriter::newFileMode()
{
    QFETCH(bool, unnamed);
    QFETCH(mode_t, umask);
    QFETCH(mode_t, newFileMode);
    QFETCH(mode_t, expected);
    const TemporaryKind kind(unnamed);
    QTemporaryDir dir;
    const QString path = dir.filePath("new.vtprj");
    s_watchedFolder = dir.path();
    QString reason;
    {
        const Umask mask(umask);
        const WriteCallSwap swap(&watchingWrite);
        QVERIFY(AtomicFileWriter::write(path, "content", reason, newFileMode));
    }
    QCOMPARE(modeOf(path), expected);
    // Not readable by more than that while it was written either.
    QCOMPARE(s_modeWhileWriting, expected);
}

void tst_AtomicFileWriter::replacedFileKeepsMode_data()
{
    QTest::addColumn<bool>("unnamed");
    QTest::addColumn<mode_t>("mode");
    QTest::addColumn<mode_t>("newFileMode");

    const auto rows = [](mode_t mode, mode_t newFileMode) {
        return [=](QTestData& row) { row << mode << newFileMode; };
    };
    addKindRows("0600", rows(0600, AtomicFileWriter::SHARED_MODE));
    addKindRows("0640", rows(0640, AtomicFileWriter::SHARED_MODE));
    addKindRows("0666", rows(0666, AtomicFileWriter::SHARED_MODE));
    addKindRows("0604", rows(0604, AtomicFileWriter::SHARED_MODE));
    // The mode of a new file does not apply to one replaced.
    addKindRows("0644, private if new", rows(0644, AtomicFileWriter::PRIVATE_MODE));
}

void tst_AtomicFileWriter::replacedFileKeepsMode()
{
    QFETCH(bool, unnamed);
    QFETCH(mode_t, mode);
    QFETCH(mode_t, newFileMode);
    const TemporaryKind kind(unnamed);
    QTemporaryDir dir;
    const QString path = dir.filePath("kept.vtprj");
    QVERIFY(writeFile(path, "old"));
    QCOMPARE(::chmod(QFile::encodeName(path).constData(), mode), 0);
    s_watchedFolder = dir.path();
    QString reason;
    {
        const WriteCallSwap swap(&watchingWrite);
        QVERIFY(AtomicFileWriter::write(path, "new", reason, newFileMode));
    }
    QCOMPARE(readAll(path), QByteArray("new"));
    QCOMPARE(modeOf(path), mode);
    // The new content was its owner's alone until it was complete.
    QCOMPARE(s_modeWhileWriting, mode_t(0600));
}

void tst_AtomicFileWriter::unwritableFileRefused_data()
{
    QTest::addColumn<bool>("unnamed");
    QTest::addColumn<mode_t>("mode");
    QTest::addColumn<bool>("throughLink");
    QTest::addColumn<bool>("refused");

    const auto rows = [](mode_t mode, bool throughLink, bool refused) {
        return [=](QTestData& row) { row << mode << throughLink << refused; };
    };
    addKindRows("0444", rows(0444, false, true));
    addKindRows("0400", rows(0400, false, true));
    addKindRows("0555", rows(0555, false, true));
    addKindRows("0444 through a link", rows(0444, true, true));
    addKindRows("0644", rows(0644, false, false));
}

void tst_AtomicFileWriter::unwritableFileRefused()
{
    // Root may write any file, as with QSaveFile; a user may not write a
    // read-only one, though the folder would let the rename through.
    if (!Unprivileged::here())
        return;
    QFETCH(bool, unnamed);
    QFETCH(mode_t, mode);
    QFETCH(bool, throughLink);
    QFETCH(bool, refused);
    const TemporaryKind kind(unnamed);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("project.vtprj");
    QVERIFY(writeFile(path, projectSized('o')));
    QCOMPARE(::chmod(QFile::encodeName(path).constData(), mode), 0);
    const QString link = dir.filePath("link.vtprj");
    QVERIFY(QFile::link(path, link));
    const struct stat before = statOf(path);
    QString reason;
    const bool written = AtomicFileWriter::write(throughLink ? link : path, projectSized('n'), reason);
    QCOMPARE(written, !refused);
    const struct stat after = statOf(path);
    QCOMPARE(readAll(path), refused ? projectSized('o') : projectSized('n'));
    QCOMPARE(after.st_ino == before.st_ino, refused);
    QCOMPARE(after.st_mode, before.st_mode);
    if (refused)
        QCOMPARE(reason, qt_error_string(EACCES));
    QCOMPARE(entriesOf(dir.path()), (QStringList{"link.vtprj", "project.vtprj"}));
}

void tst_AtomicFileWriter::failingWriteKeepsOldFile_data()
{
    QTest::addColumn<bool>("unnamed");
    QTest::addColumn<bool>("existing");
    QTest::addColumn<qint64>("room"); // bytes written before the disk is full

    const auto rows = [](bool existing, qint64 room) { return [=](QTestData& row) { row << existing << room; }; };
    addKindRows("full disk", rows(true, 0));
    addKindRows("room for a part", rows(true, 4096));
    addKindRows("room for all but one byte", rows(true, projectSized('n').size() - 1));
    addKindRows("new file on a full disk", rows(false, 0));
    addKindRows("new file, room for a part", rows(false, 100));
}

void tst_AtomicFileWriter::failingWriteKeepsOldFile()
{
    QFETCH(bool, unnamed);
    QFETCH(bool, existing);
    QFETCH(qint64, room);
    const TemporaryKind kind(unnamed);
    QTemporaryDir dir;
    const QString path = dir.filePath("project.vtprj");
    const QByteArray old = projectSized('o');
    if (existing)
        QVERIFY(writeFile(path, old));

    LogCapture log;
    FullDisk::setBudget(room);
    QString error;
    bool written = false;
    {
        const WriteCallSwap swap(&FullDisk::limitedWrite);
        written = AtomicFileWriter::write(path, projectSized('n'), "Cannot write %1: %2", &error);
    }
    QVERIFY(!written);
    QVERIFY2(error.contains(qt_error_string(ENOSPC)), qPrintable(error));
    QVERIFY(!log.errors().isEmpty());
    QCOMPARE(readAll(path), existing ? old : QByteArray("<missing>"));
    QCOMPARE(entriesOf(dir.path()), existing ? QStringList{"project.vtprj"} : QStringList());

    // With room again the same write goes through.
    QString reason;
    QVERIFY(AtomicFileWriter::write(path, projectSized('n'), reason));
    QCOMPARE(readAll(path), projectSized('n'));
}

void tst_AtomicFileWriter::realFullDiskKeepsOldFile_data()
{
    QTest::addColumn<bool>("unnamed");
    QTest::addColumn<qint64>("free"); // bytes left free on the file system

    addKindRows("full", [](QTestData& row) { row << qint64(0); });
    addKindRows("one page free", [](QTestData& row) { row << qint64(4096); });
}

void tst_AtomicFileWriter::realFullDiskKeepsOldFile()
{
    QFETCH(bool, unnamed);
    QFETCH(qint64, free);
    // A 64 KiB file system of our own.
    const QString folder = FullDisk::smallFileSystemFolder(64 * 1024);
    if (folder.isEmpty())
        return; // ran in a child, or skipped
    const TemporaryKind kind(unnamed);
    const QString path = folder + "/project.vtprj";
    const QByteArray old = projectSized('o');
    QVERIFY(writeFile(path, old));
    QVERIFY(FullDisk::fill(folder, free));
    QString reason;
    const bool written = AtomicFileWriter::write(path, projectSized('n'), reason);
    qInfo("%lld bytes free: write %s (%s), file %lld bytes after, unchanged: %s", free,
          written ? "reported done" : "refused", qPrintable(reason), QFileInfo(path).size(),
          readAll(path) == old ? "yes" : "no");
    QVERIFY(!written);
    QCOMPARE(readAll(path), old);
    QCOMPARE(entriesOf(folder), (QStringList{"filler", "project.vtprj"}));
}

void tst_AtomicFileWriter::nothingNamedWhileWriting_data()
{
    QTest::addColumn<bool>("unnamed");
    QTest::addColumn<bool>("existing");

    addKindRows("new file", [](QTestData& row) { row << false; });
    addKindRows("replaced file", [](QTestData& row) { row << true; });
}

void tst_AtomicFileWriter::nothingNamedWhileWriting()
{
    QFETCH(bool, unnamed);
    QFETCH(bool, existing);
    const TemporaryKind kind(unnamed);
    QTemporaryDir dir;
    const QString path = dir.filePath("project.vtprj");
    if (existing)
        QVERIFY(writeFile(path, "old"));
    s_watchedFolder = dir.path();
    QString reason;
    {
        const WriteCallSwap swap(&watchingWrite);
        QVERIFY(AtomicFileWriter::write(path, "new", reason));
    }
    QStringList others = s_entriesWhileWriting;
    others.removeAll("project.vtprj");
    // Where the file system has unnamed files, nothing has a name until the
    // content is complete; else the one temporary beside the file.
    QCOMPARE(others.size(), unnamed ? 0 : 1);
    if (!unnamed)
        QVERIFY2(QRegularExpression("^project\\.vtprj\\.[0-9a-f]{6}$").match(others.constFirst()).hasMatch(),
                 qPrintable(others.constFirst()));
    QCOMPARE(entriesOf(dir.path()), QStringList{"project.vtprj"});
}

void tst_AtomicFileWriter::killedWriterLeavesNoCopy_data()
{
    QTest::addColumn<bool>("unnamed");
    addKindRows("killed while writing", [](QTestData&) {});
}

void tst_AtomicFileWriter::killedWriterLeavesNoCopy()
{
    QFETCH(bool, unnamed);
    QTemporaryDir dir;
    const QString path = dir.filePath("UserConfiguration.xml");
    QVERIFY(writeFile(path, "old"));
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
                {"--write-until-killed", path, unnamed ? "unnamed" : "named"});
    QVERIFY(child.waitForReadyRead(30000));
    QCOMPARE(child.readAllStandardOutput(), QByteArray("writing\n"));
    child.kill();
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(readAll(path), QByteArray("old"));
    // Unnamed, the killed write left nothing; a named temporary is removed by
    // the next write of the file.
    QCOMPARE(entriesOf(dir.path()).size(), unnamed ? 1 : 2);
    const TemporaryKind kind(unnamed);
    QString reason;
    QVERIFY(AtomicFileWriter::write(path, "new", reason));
    QCOMPARE(entriesOf(dir.path()), QStringList{"UserConfiguration.xml"});
}

void tst_AtomicFileWriter::leftTemporariesRemoved_data()
{
    QTest::addColumn<bool>("unnamed");
    QTest::addColumn<QString>("name"); // beside "x.vtprj", whose write is looked at
    QTest::addColumn<QString>("kind"); // "file", "folder", "link", "held" (by a live writer)
    QTest::addColumn<bool>("removed");

    const auto rows = [](const char* name, const char* kind, bool removed) {
        return [=](QTestData& row) { row << QString(name) << QString(kind) << removed; };
    };
    addKindRows("left temporary", rows("x.vtprj.0a9f3c", "file", true));
    addKindRows("all digits", rows("x.vtprj.123456", "file", true));
    addKindRows("backup", rows("x.vtprj.backup", "file", false));
    addKindRows("not hex", rows("x.vtprj.12345g", "file", false));
    addKindRows("upper-case hex", rows("x.vtprj.0A9F3C", "file", false));
    addKindRows("five digits", rows("x.vtprj.12345", "file", false));
    addKindRows("seven digits", rows("x.vtprj.1234567", "file", false));
    addKindRows("another file's temporary", rows("y.vtprj.0a9f3c", "file", false));
    addKindRows("longer name", rows("xx.vtprj.0a9f3c", "file", false));
    addKindRows("folder", rows("x.vtprj.0a9f3c", "folder", false));
    addKindRows("symbolic link", rows("x.vtprj.0a9f3c", "link", false));
    addKindRows("held by a live writer", rows("x.vtprj.0a9f3c", "held", false));
}

void tst_AtomicFileWriter::leftTemporariesRemoved()
{
    QFETCH(bool, unnamed);
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(bool, removed);
    const TemporaryKind temporaries(unnamed);
    QTemporaryDir dir;
    const QString path = dir.filePath("x.vtprj");
    const QString beside = dir.filePath(name);
    QVERIFY(writeFile(dir.filePath("linked"), "linked"));
    if (kind == "folder")
        QVERIFY(QDir().mkpath(beside));
    else if (kind == "link")
        QVERIFY(QFile::link(dir.filePath("linked"), beside));
    else
        QVERIFY(writeFile(beside, "left"));
    QFile held(beside);
    if (kind == "held") {
        QVERIFY(held.open(QIODevice::ReadWrite));
        QCOMPARE(::flock(held.handle(), LOCK_EX), 0);
    }
    QString reason;
    QVERIFY(AtomicFileWriter::write(path, "content", reason));
    QCOMPARE(QFileInfo::exists(beside) || QFileInfo(beside).isSymLink(), !removed);
    QCOMPARE(readAll(dir.filePath("linked")), QByteArray("linked"));
    if (kind == "file" || kind == "held")
        QCOMPARE(readAll(beside), removed ? QByteArray("<missing>") : QByteArray("left"));
    QCOMPARE(readAll(path), QByteArray("content"));
}

int main(int argc, char** argv)
{
    if (argc == 4 && qstrcmp(argv[1], "--write-until-killed") == 0)
        return writeUntilKilled(QString::fromLocal8Bit(argv[2]), qstrcmp(argv[3], "unnamed") == 0);
    QCoreApplication application(argc, argv);
    tst_AtomicFileWriter test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_atomicfilewriter.moc"
