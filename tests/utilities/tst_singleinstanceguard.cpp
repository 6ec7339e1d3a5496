#include "utilities/SingleInstanceGuard.h"

#include "LogCapture.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

#include <functional>
#include <memory>
#include <thread>

#include <sys/fsuid.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

using Corvane::Utilities::SingleInstanceGuard;

namespace {

// The user "nobody": another user than the one running the tests (root).
constexpr uid_t OtherUser = 65534;

enum class RuntimeFolder { Private, Unset, Missing, OpenToOthers, OtherUsers };
enum class CacheFolder { Private, OpenToOthers, OtherUsers, SymbolicLink, File, InOtherUsersCache };

// Short, like the programs' keys: a socket's path has at most 107 bytes.
QString uniqueKey()
{
    return QStringLiteral("T.") + QUuid::createUuid().toString(QUuid::Id128);
}

bool isRoot()
{
    return geteuid() == 0;
}

// Whether path is a real folder of this user that no one else may enter.
bool isPrivateFolder(const QString& path)
{
    struct stat status {};
    return lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISDIR(status.st_mode)
           && status.st_uid == geteuid() && (status.st_mode & 0777) == 0700;
}

bool setOwner(const QString& path, uid_t owner)
{
    return lchown(QFile::encodeName(path).constData(), owner, gid_t(-1)) == 0;
}

sockaddr_un socketAddress(const QByteArray& path)
{
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, path.constData(), sizeof(address.sun_path));
    return address;
}

// Runs body in a child process of another user, which still reaches the
// test's private folders (its file-system uid stays root's), as a process of
// another user reaches a socket in a shared folder. The peer credentials of
// its sockets show the other user. The child writes one byte to ready when
// body calls it; returns the child's id.
pid_t runAsOtherUser(const std::function<int(int ready)>& body, int ready)
{
    const pid_t child = fork();
    if (child != 0)
        return child;
    // A child left waiting for a peer that never comes ends on its own.
    alarm(30);
    if (setresuid(uid_t(-1), OtherUser, uid_t(-1)) != 0)
        _exit(100);
    setfsuid(0);
    if (geteuid() != OtherUser || setfsuid(uid_t(-1)) != 0)
        _exit(101);
    _exit(body(ready));
}

int exitCode(pid_t child)
{
    int status = 0;
    if (waitpid(child, &status, 0) != child)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Listens at path, takes one connection and reads it to its end; exits with
// 1 when anything arrived, 0 when nothing did.
int listenForOneConnection(const QByteArray& path, int ready)
{
    const sockaddr_un address = socketAddress(path);
    const int server = socket(AF_UNIX, SOCK_STREAM, 0);
    if (bind(server, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0 || listen(server, 1) != 0)
        return 102;
    if (write(ready, "r", 1) != 1)
        return 103;
    const int connection = accept(server, nullptr, nullptr);
    char buffer[4096];
    ssize_t total = 0;
    for (ssize_t n; (n = read(connection, buffer, sizeof(buffer))) > 0;)
        total += n;
    return total > 0 ? 1 : 0;
}

// Connects to path, sends bytes and waits until the other end closes.
int sendAndWaitForClose(const QByteArray& path, const QByteArray& bytes)
{
    const sockaddr_un address = socketAddress(path);
    const int client = socket(AF_UNIX, SOCK_STREAM, 0);
    if (::connect(client, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0)
        return 102;
    if (write(client, bytes.constData(), size_t(bytes.size())) != bytes.size())
        return 103;
    char buffer[64];
    while (read(client, buffer, sizeof(buffer)) > 0) {
    }
    return 0;
}

// A whole hand-over as a later start sends it: its length, then the
// arguments separated by NUL characters.
QByteArray handOverBytes(const QStringList& arguments)
{
    const QByteArray text = arguments.join(QChar(0)).toUtf8();
    QByteArray bytes;
    QDataStream(&bytes, QIODevice::WriteOnly) << quint32(text.size());
    return bytes + text;
}

} // namespace

class tst_SingleInstanceGuard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void firstStartListens();
    void secondStartHandsOverArguments();
    void keysAreSeparate();
    void staleSocketIsReplaced();
    void socketFolder_data();
    void socketFolder();
    void cacheFolder_data();
    void cacheFolder();
    void listenerOfAnotherUserGetsNoArguments();
    void clientOfAnotherUserIsIgnored();
    void longArgumentListsKeepTheirEnd_data();
    void longArgumentListsKeepTheirEnd();
    void oversizedHandOverIsRefusedWithALogLine();

private:
    QString runtimePath() const { return m_home->filePath("runtime"); }
    QString cachePath() const { return m_home->filePath("cache"); }
    QString fallbackPath() const { return cachePath() + "/corvane/instances"; }

    std::unique_ptr<QTemporaryDir> m_home;
};

// Every test gets a runtime folder of its own, private to the user, and a
// cache folder that does not exist yet.
void tst_SingleInstanceGuard::init()
{
    m_home = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/sig-XXXXXX"));
    QVERIFY(m_home->isValid());
    QVERIFY(QDir().mkdir(runtimePath()));
    QVERIFY(QFile::setPermissions(runtimePath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimePath()));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(cachePath()));
}

void tst_SingleInstanceGuard::firstStartListens()
{
    SingleInstanceGuard first(uniqueKey());
    QVERIFY(!first.start({"prog"}));
    QVERIFY(!first.isRunning());
    QVERIFY(first.isListening());
}

void tst_SingleInstanceGuard::secondStartHandsOverArguments()
{
    const QString key = uniqueKey();
    SingleInstanceGuard first(key);
    QVERIFY(!first.start({"prog"}));
    QSignalSpy received(&first, &SingleInstanceGuard::argumentsReceived);

    const QStringList arguments{"prog", "/locale", "it_IT", "/home/u/My Project.vtprj", QString::fromUtf8("√ü")};
    SingleInstanceGuard second(key);
    QVERIFY(second.start(arguments));
    QVERIFY(second.isRunning());
    QVERIFY(!second.isListening());
    QVERIFY(received.wait());
    QCOMPARE(received.at(0).at(0).toStringList(), arguments);

    SingleInstanceGuard third(key);
    QVERIFY(third.start({"prog", "again"}));
    QTRY_COMPARE(received.count(), 2);
    QCOMPARE(received.at(1).at(0).toStringList(), (QStringList{"prog", "again"}));
}

void tst_SingleInstanceGuard::keysAreSeparate()
{
    SingleInstanceGuard first(uniqueKey());
    SingleInstanceGuard other(uniqueKey());
    QVERIFY(!first.start({"a"}));
    QVERIFY(!other.start({"b"}));
    QVERIFY(other.isListening());
}

void tst_SingleInstanceGuard::staleSocketIsReplaced()
{
    const QString key = uniqueKey();
    // A socket file left behind by an instance that crashed.
    QFile stale(SingleInstanceGuard::socketPath(key));
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.close();

    SingleInstanceGuard guard(key);
    QVERIFY(!guard.start({"prog"}));
    QVERIFY(guard.isListening());
}

// The socket goes in the runtime folder only when it is a real folder of the
// user that no one else may enter; otherwise in a private folder of the
// user's cache.
void tst_SingleInstanceGuard::socketFolder_data()
{
    QTest::addColumn<RuntimeFolder>("runtime");
    QTest::addColumn<bool>("inRuntimeFolder");
    QTest::newRow("runtime folder private to the user") << RuntimeFolder::Private << true;
    QTest::newRow("no runtime folder") << RuntimeFolder::Unset << false;
    QTest::newRow("runtime folder named but missing") << RuntimeFolder::Missing << false;
    QTest::newRow("runtime folder open to others") << RuntimeFolder::OpenToOthers << false;
    QTest::newRow("runtime folder of another user") << RuntimeFolder::OtherUsers << false;
}

void tst_SingleInstanceGuard::socketFolder()
{
    QFETCH(RuntimeFolder, runtime);
    QFETCH(bool, inRuntimeFolder);
    switch (runtime) {
    case RuntimeFolder::Private:
        break;
    case RuntimeFolder::Unset:
        qunsetenv("XDG_RUNTIME_DIR");
        break;
    case RuntimeFolder::Missing:
        QVERIFY(QDir(runtimePath()).removeRecursively());
        break;
    case RuntimeFolder::OpenToOthers:
        QVERIFY(QFile::setPermissions(runtimePath(), QFile::permissions(runtimePath()) | QFile::ReadOther
                                                         | QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup));
        break;
    case RuntimeFolder::OtherUsers:
        if (!isRoot())
            QSKIP("giving a folder to another user takes root");
        QVERIFY(setOwner(runtimePath(), OtherUser));
        break;
    }

    const QString key = uniqueKey();
    SingleInstanceGuard guard(key);
    QVERIFY(!guard.start({"prog"}));
    QVERIFY(guard.isListening());
    const QFileInfo socket(SingleInstanceGuard::socketPath(key));
    QCOMPARE(socket.absolutePath(), inRuntimeFolder ? runtimePath() : fallbackPath());
    QVERIFY(socket.exists());
    QVERIFY(isPrivateFolder(socket.absolutePath()));
    if (runtime == RuntimeFolder::OpenToOthers)
        QVERIFY(QFile::permissions(runtimePath()) & QFile::ReadOther);
    // A runtime folder named but refused is worth a warning.
    QCOMPARE(guard.warnings().isEmpty(), runtime == RuntimeFolder::Private || runtime == RuntimeFolder::Unset);
}

// The private folder in the user's cache, as it may be found: used when it
// is (or can be made) private to the user, refused otherwise. Without a safe
// folder the program neither hands its arguments over nor listens.
void tst_SingleInstanceGuard::cacheFolder_data()
{
    QTest::addColumn<CacheFolder>("cache");
    QTest::addColumn<bool>("usable");
    QTest::newRow("private") << CacheFolder::Private << true;
    QTest::newRow("of the user, open to others") << CacheFolder::OpenToOthers << true;
    QTest::newRow("made first by another user") << CacheFolder::OtherUsers << false;
    QTest::newRow("symbolic link to a private folder") << CacheFolder::SymbolicLink << false;
    QTest::newRow("a file") << CacheFolder::File << false;
    QTest::newRow("missing, in a cache folder of another user") << CacheFolder::InOtherUsersCache << false;
}

void tst_SingleInstanceGuard::cacheFolder()
{
    QFETCH(CacheFolder, cache);
    QFETCH(bool, usable);
    qunsetenv("XDG_RUNTIME_DIR");
    const QString elsewhere = m_home->filePath("elsewhere");
    QVERIFY(QDir().mkpath(QFileInfo(fallbackPath()).absolutePath()));
    QVERIFY(QDir().mkdir(elsewhere));
    QVERIFY(QFile::setPermissions(elsewhere, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    switch (cache) {
    case CacheFolder::Private:
        QVERIFY(QDir().mkdir(fallbackPath()));
        QVERIFY(QFile::setPermissions(fallbackPath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        break;
    case CacheFolder::OpenToOthers:
        QVERIFY(QDir().mkdir(fallbackPath()));
        QVERIFY(QFile::setPermissions(fallbackPath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                          | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther));
        break;
    case CacheFolder::OtherUsers:
        if (!isRoot())
            QSKIP("giving a folder to another user takes root");
        QVERIFY(QDir().mkdir(fallbackPath()));
        QVERIFY(QFile::setPermissions(fallbackPath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QVERIFY(setOwner(fallbackPath(), OtherUser));
        break;
    case CacheFolder::SymbolicLink:
        QVERIFY(QFile::link(elsewhere, fallbackPath()));
        break;
    case CacheFolder::File: {
        QFile file(fallbackPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        break;
    }
    case CacheFolder::InOtherUsersCache:
        if (!isRoot())
            QSKIP("giving a folder to another user takes root");
        QVERIFY(QDir(cachePath()).removeRecursively());
        QVERIFY(QDir().mkdir(cachePath()));
        QVERIFY(setOwner(cachePath(), OtherUser));
        break;
    }

    const QString key = uniqueKey();
    SingleInstanceGuard first(key);
    SingleInstanceGuard later(key);
    QVERIFY(!first.start({"prog"}));
    QCOMPARE(first.isListening(), usable);
    QCOMPARE(later.start({"prog", "/home/u/house.vtprj"}), usable);
    QVERIFY(!later.isListening());
    QCOMPARE(first.warnings().join(u'\n').contains("without single-instance protection"), !usable);
    QCOMPARE(isPrivateFolder(fallbackPath()), usable);
    QVERIFY(QDir(elsewhere).isEmpty());
    if (cache == CacheFolder::InOtherUsersCache)
        QVERIFY(QDir(cachePath()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System));
}

// A process of another user listening at the socket's path: a later start
// tells it nothing and becomes the running instance itself.
void tst_SingleInstanceGuard::listenerOfAnotherUserGetsNoArguments()
{
    if (!isRoot())
        QSKIP("a process of another user takes root");
    const QString key = uniqueKey();
    const QByteArray path = QFile::encodeName(SingleInstanceGuard::socketPath(key));
    int ready[2];
    QCOMPARE(pipe(ready), 0);
    const pid_t listener = runAsOtherUser([&](int out) { return listenForOneConnection(path, out); }, ready[1]);
    close(ready[1]);
    char byte = 0;
    QCOMPARE(read(ready[0], &byte, 1), ssize_t(1));
    close(ready[0]);

    SingleInstanceGuard later(key);
    const bool handedOver = later.start({"prog", "/home/u/house.vtprj"});
    const int received = exitCode(listener);
    QVERIFY(!handedOver);
    QCOMPARE(received, 0);
    QVERIFY(later.warnings().join(u'\n').contains(QStringLiteral("held by uid %1").arg(OtherUser)));
    QVERIFY(later.isListening());
}

// A client of another user: the running instance drops it unread.
void tst_SingleInstanceGuard::clientOfAnotherUserIsIgnored()
{
    if (!isRoot())
        QSKIP("a process of another user takes root");
    const QString key = uniqueKey();
    SingleInstanceGuard first(key);
    QVERIFY(!first.start({"prog"}));
    QSignalSpy received(&first, &SingleInstanceGuard::argumentsReceived);
    LogCapture log;

    const QByteArray path = QFile::encodeName(SingleInstanceGuard::socketPath(key));
    const QByteArray bytes = handOverBytes({"prog", "/home/other/trap.vtprj"});
    const pid_t client = runAsOtherUser([&](int) { return sendAndWaitForClose(path, bytes); }, -1);
    QTRY_VERIFY(log.contains(QStringLiteral("uid %1").arg(OtherUser)));
    QCOMPARE(exitCode(client), 0);
    QCOMPARE(received.count(), 0);

    // The user's own later start still gets through.
    SingleInstanceGuard later(key);
    QVERIFY(later.start({"prog", "/home/u/house.vtprj"}));
    QTRY_COMPARE(received.count(), 1);
    QCOMPARE(received.at(0).at(0).toStringList(), (QStringList{"prog", "/home/u/house.vtprj"}));
}

// A later start's arguments travel whole when they fit the hand-over's size
// limit; beyond it the program path and the last arguments that fit are
// handed over, and the start warns of what it dropped.
void tst_SingleInstanceGuard::longArgumentListsKeepTheirEnd_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("fits");
    QTest::newRow("10,000 arguments") << 10000 << true;
    QTest::newRow("30,000 arguments") << 30000 << false;
}

void tst_SingleInstanceGuard::longArgumentListsKeepTheirEnd()
{
    QFETCH(int, count);
    QFETCH(bool, fits);
    const QString key = uniqueKey();
    SingleInstanceGuard first(key);
    QVERIFY(!first.start({"prog"}));
    QSignalSpy received(&first, &SingleInstanceGuard::argumentsReceived);

    QStringList arguments{"prog"};
    for (int i = 0; i < count; ++i)
        arguments.append(QStringLiteral("/home/user/projects/house-%1.vtprj").arg(i, 5, 10, QLatin1Char('0')));
    // The later start blocks until its bytes are taken: it runs in a thread
    // of its own, as it would in a process of its own.
    bool handedOver = false;
    QStringList warnings;
    std::thread later([&] {
        SingleInstanceGuard guard(key);
        handedOver = guard.start(arguments);
        warnings = guard.warnings();
    });
    const bool arrived = received.wait(10000);
    later.join();
    QVERIFY(handedOver);
    QVERIFY(arrived);
    const QStringList argumentsReceived = received.at(0).at(0).toStringList();
    QCOMPARE(argumentsReceived.first(), QStringLiteral("prog"));
    QCOMPARE(argumentsReceived.last(), arguments.last());
    QCOMPARE(argumentsReceived.size() == arguments.size(), fits);
    QCOMPARE(argumentsReceived,
             QStringList{"prog"} + arguments.mid(arguments.size() - argumentsReceived.size() + 1));
    QCOMPARE(warnings.join(u'\n').contains("hand-over limit"), !fits);
}

// A client that does not keep to the limit: the running instance drops what
// it sends, unread, and says so.
void tst_SingleInstanceGuard::oversizedHandOverIsRefusedWithALogLine()
{
    const QString key = uniqueKey();
    SingleInstanceGuard first(key);
    QVERIFY(!first.start({"prog"}));
    QSignalSpy received(&first, &SingleInstanceGuard::argumentsReceived);
    LogCapture log;
    QLocalSocket client;
    client.connectToServer(SingleInstanceGuard::socketPath(key));
    QVERIFY(client.waitForConnected(2000));
    // The length of the hand-over comes first: this one announces 2 GiB.
    client.write(QByteArray(4096, '\x7f'));
    QTRY_VERIFY(log.contains("hand-over limit"));
    QCOMPARE(received.count(), 0);
}

QTEST_GUILESS_MAIN(tst_SingleInstanceGuard)
#include "tst_singleinstanceguard.moc"
