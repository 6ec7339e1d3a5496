#include "devices/serialization/AtomicFileWriter.h"

#include "FullDisk.h"
#include "LogCapture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

#include <sys/stat.h>

using Corvane::Devices::Serialization::AtomicFileWriter;

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

mode_t modeOf(const QString& path)
{
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

class WriteCallSwap
{
public:
    explicit WriteCallSwap(AtomicFileWriter::WriteCall call)
        : m_previous(AtomicFileWriter::setWriteCall(call))
    {
    }
    ~WriteCallSwap() { AtomicFileWriter::setWriteCall(m_previous); }

private:
    AtomicFileWriter::WriteCall m_previous;
};

} // namespace

class tst_AtomicFileWriter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writesAndReplaces();
    void failingWriteKeepsOldFile_data();
    void failingWriteKeepsOldFile();
    void realFullDiskKeepsOldFile_data();
    void realFullDiskKeepsOldFile();
};

void tst_AtomicFileWriter::writesAndReplaces()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("file.xml");
    QString reason;
    QVERIFY(AtomicFileWriter::write(path, "first", reason));
    QCOMPARE(readAll(path), QByteArray("first"));
    const mode_t mask = ::umask(022);
    ::umask(mask);
    QCOMPARE(modeOf(path), mode_t(0666 & ~mask));

    // A replaced file keeps its mode; a link keeps pointing at it.
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    const QString link = dir.filePath("link.xml");
    QVERIFY(QFile::link(path, link));
    QVERIFY(AtomicFileWriter::write(link, "second", reason));
    QCOMPARE(readAll(path), QByteArray("second"));
    QCOMPARE(modeOf(path), mode_t(0600));
    QVERIFY(QFileInfo(link).isSymLink());

    QVERIFY(!AtomicFileWriter::write(path, QByteArray(), reason));
    QVERIFY(!AtomicFileWriter::write(dir.path(), "into a folder", reason));
    QCOMPARE(readAll(path), QByteArray("second"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::System), (QStringList{"file.xml", "link.xml"}));
}

void tst_AtomicFileWriter::failingWriteKeepsOldFile_data()
{
    QTest::addColumn<bool>("existing");
    QTest::addColumn<qint64>("room"); // bytes written before the disk is full

    QTest::newRow("full disk") << true << qint64(0);
    QTest::newRow("room for a part") << true << qint64(4096);
    QTest::newRow("room for all but one byte") << true << qint64(projectSized('n').size() - 1);
    QTest::newRow("new file on a full disk") << false << qint64(0);
    QTest::newRow("new file, room for a part") << false << qint64(100);
}

void tst_AtomicFileWriter::failingWriteKeepsOldFile()
{
    QFETCH(bool, existing);
    QFETCH(qint64, room);
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
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             existing ? QStringList{"project.vtprj"} : QStringList());

    // With room again the same write goes through.
    QString reason;
    QVERIFY(AtomicFileWriter::write(path, projectSized('n'), reason));
    QCOMPARE(readAll(path), projectSized('n'));
}

void tst_AtomicFileWriter::realFullDiskKeepsOldFile_data()
{
    QTest::addColumn<qint64>("free"); // bytes left free on the file system

    QTest::newRow("full") << qint64(0);
    QTest::newRow("one page free") << qint64(4096);
}

void tst_AtomicFileWriter::realFullDiskKeepsOldFile()
{
    QFETCH(qint64, free);
    // A 64 KiB file system of our own.
    const QString folder = FullDisk::smallFileSystemFolder(64 * 1024);
    if (folder.isEmpty())
        return; // ran in a child, or skipped
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
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), (QStringList{"filler", "project.vtprj"}));
}

QTEST_GUILESS_MAIN(tst_AtomicFileWriter)
#include "tst_atomicfilewriter.moc"
