#include "utilities/SingleInstanceGuard.h"

#include "log/Logger.h"
#include "utilities/PathProvider.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

#include <cerrno>
#include <optional>

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Corvane::Utilities {

namespace {

constexpr int HandOverTimeoutMs = 2000;
constexpr mode_t PrivateMode = 0700;

using Log::Logger;

// The hand-over is the arguments in UTF-8, separated by NUL characters
// (which no argument can hold), after their length in bytes as a 32-bit
// big-endian number.
const int HEADER_BYTES = 4;

// The bytes an argument takes in the hand-over, its separator included.
qint64 encodedSize(const QString& argument)
{
    return argument.toUtf8().size() + 1;
}

QByteArray encode(const QStringList& arguments)
{
    const QByteArray text = arguments.join(QChar(0)).toUtf8();
    QByteArray bytes;
    QDataStream(&bytes, QIODevice::WriteOnly) << quint32(text.size());
    return bytes + text;
}

QStringList decode(const QByteArray& text)
{
    return QString::fromUtf8(text).split(QChar(0));
}

// Why path is not a folder that only this user can enter (a real folder, not
// a symbolic link, of the effective user, mode 0700); empty when it is. With
// fixMode, a folder of the user open to others is closed to them first.
QString privateFolderProblem(const QString& path, bool fixMode)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (lstat(name.constData(), &status) != 0)
        return qt_error_string();
    if (S_ISLNK(status.st_mode))
        return QStringLiteral("a symbolic link");
    if (!S_ISDIR(status.st_mode))
        return QStringLiteral("not a folder");
    if (status.st_uid != geteuid())
        return QStringLiteral("owned by uid %1").arg(status.st_uid);
    if ((status.st_mode & 0777) == PrivateMode)
        return {};
    if (!fixMode)
        return QStringLiteral("mode %1 instead of 700").arg(status.st_mode & 0777, 3, 8, QLatin1Char('0'));
    if (chmod(name.constData(), PrivateMode) != 0)
        return qt_error_string();
    return privateFolderProblem(path, false);
}

// Makes path and its missing parents, each of mode 0700, and checks that it
// is a private folder. Folders are made only inside a folder of this user:
// never in another user's (a root shell that kept the user's home, say).
QString makePrivateFolder(const QString& path)
{
    QString existing = QDir::cleanPath(path);
    QStringList missing;
    struct stat status {};
    while (stat(QFile::encodeName(existing).constData(), &status) != 0) {
        const int error = errno;
        const QString parent = QFileInfo(existing).path();
        if (error != ENOENT || parent == existing)
            return qt_error_string(error);
        missing.prepend(existing);
        existing = parent;
    }
    if (!missing.isEmpty() && (!S_ISDIR(status.st_mode) || status.st_uid != geteuid()))
        return QStringLiteral("%1 is not a folder of this user").arg(existing);
    for (const QString& folder : std::as_const(missing)) {
        if (mkdir(QFile::encodeName(folder).constData(), PrivateMode) != 0 && errno != EEXIST)
            return qt_error_string();
    }
    return privateFolderProblem(path, true);
}

// The folder of the sockets: the runtime folder when it is private to the
// user, else the private folder in the user's cache; empty when neither can
// be had. What was refused, and why, goes to warnings.
QString socketFolder(QStringList& warnings)
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty()) {
        const QString problem = QDir::isAbsolutePath(runtime) ? privateFolderProblem(runtime, false)
                                                               : QStringLiteral("not an absolute path");
        if (problem.isEmpty())
            return runtime;
        warnings << QStringLiteral("the runtime folder %1 is not used: %2").arg(runtime, problem);
    }
    const QString fallback = QDir(PathProvider::cachePath()).filePath(QStringLiteral("instances"));
    const QString problem = makePrivateFolder(fallback);
    if (problem.isEmpty())
        return fallback;
    warnings << QStringLiteral("the folder %1 is not used: %2").arg(fallback, problem);
    return {};
}

// The effective uid of the process at the other end of socket.
std::optional<uid_t> peerUid(const QLocalSocket& socket)
{
    ucred credentials {};
    socklen_t size = sizeof(credentials);
    if (getsockopt(int(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &credentials, &size) != 0)
        return std::nullopt;
    return credentials.uid;
}

QString uidText(std::optional<uid_t> uid)
{
    return uid ? QString::number(*uid) : QStringLiteral("unknown");
}

} // namespace

SingleInstanceGuard::SingleInstanceGuard(const QString& key, QObject* parent)
    : QObject(parent)
    , m_key(key)
{
}

SingleInstanceGuard::~SingleInstanceGuard() = default;

QString SingleInstanceGuard::socketPath(const QString& key)
{
    QStringList warnings;
    const QString folder = socketFolder(warnings);
    return folder.isEmpty() ? QString() : QDir(folder).filePath(key + QStringLiteral(".instance"));
}

bool SingleInstanceGuard::start(const QStringList& arguments)
{
    if (m_server || m_running)
        return m_running;

    const QString folder = socketFolder(m_warnings);
    if (folder.isEmpty()) {
        // Anywhere else another user could take the socket and receive the
        // arguments, so this instance runs alone.
        m_warnings << QStringLiteral("no private folder for the socket of %1: running without single-instance protection")
                          .arg(m_key);
        return false;
    }
    const QString path = QDir(folder).filePath(m_key + QStringLiteral(".instance"));

    // Serialises concurrent starts, so two of them never both listen.
    QLockFile lock(path + QStringLiteral(".lock"));
    lock.tryLock(HandOverTimeoutMs);

    m_running = handOver(path, arguments);
    if (!m_running)
        listen(path);
    return m_running;
}

bool SingleInstanceGuard::isRunning() const
{
    return m_running;
}

bool SingleInstanceGuard::isListening() const
{
    return m_server && m_server->isListening();
}

QStringList SingleInstanceGuard::warnings() const
{
    return m_warnings;
}

QStringList SingleInstanceGuard::withinHandOverLimit(const QStringList& arguments)
{
    if (arguments.isEmpty())
        return arguments;
    // The program path always goes; then as many of the
    // last arguments as fit, since the last ones are those that count.
    qint64 size = encodedSize(arguments.first());
    qsizetype first = arguments.size();
    while (first > 1 && size + encodedSize(arguments.at(first - 1)) <= MAX_HAND_OVER_BYTES)
        size += encodedSize(arguments.at(--first));
    if (first == 1)
        return arguments;
    return QStringList { arguments.first() } + arguments.mid(first);
}

bool SingleInstanceGuard::handOver(const QString& path, const QStringList& arguments)
{
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(HandOverTimeoutMs))
        return false;
    const std::optional<uid_t> uid = peerUid(socket);
    if (uid != geteuid()) {
        m_warnings << QStringLiteral("the socket %1 is held by uid %2, not this user: the arguments are not handed over")
                          .arg(path, uidText(uid));
        socket.abort();
        return false;
    }
    const QStringList handedOver = withinHandOverLimit(arguments);
    if (handedOver.size() < arguments.size())
        m_warnings << QStringLiteral("the arguments exceed the hand-over limit of %1 bytes: the first %2 of them are dropped")
                          .arg(MAX_HAND_OVER_BYTES)
                          .arg(arguments.size() - handedOver.size());
    socket.write(encode(handedOver));
    const bool written = socket.waitForBytesWritten(HandOverTimeoutMs) || socket.bytesToWrite() == 0;
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(HandOverTimeoutMs);
    return written;
}

bool SingleInstanceGuard::listen(const QString& path)
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstanceGuard::onNewConnection);
    if (m_server->listen(path))
        return true;
    // No instance of this user answered on the socket: it was left behind by
    // one that ended without closing it, or taken by another user.
    QLocalServer::removeServer(path);
    if (m_server->listen(path))
        return true;
    m_warnings << QStringLiteral("cannot listen on %1: %2").arg(path, m_server->errorString());
    return false;
}

void SingleInstanceGuard::onNewConnection()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        const std::optional<uid_t> uid = peerUid(*socket);
        if (uid != geteuid()) {
            Logger(Logger::Warning) << Q_FUNC_INFO << " refused a connection from uid " << uidText(uid)
                                    << ": only this user's later starts hand over";
            socket->abort();
            socket->deleteLater();
            continue;
        }
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        if (socket->bytesAvailable() > 0)
            onReadyRead(socket);
    }
}

// Waits, without reading, until the whole hand-over has arrived; its length
// comes first, so that one over the limit is refused before it is read.
void SingleInstanceGuard::onReadyRead(QLocalSocket* socket)
{
    if (socket->bytesAvailable() < HEADER_BYTES)
        return;
    quint32 length = 0;
    QDataStream(socket->peek(HEADER_BYTES)) >> length;
    if (length > MAX_HAND_OVER_BYTES) {
        Logger(Logger::Warning) << Q_FUNC_INFO << " a later start sent " << qint64(length)
                                << " bytes, over the hand-over limit of " << MAX_HAND_OVER_BYTES
                                << " bytes: its arguments are dropped";
        socket->abort();
        return;
    }
    if (socket->bytesAvailable() < HEADER_BYTES + qint64(length))
        return;
    socket->skip(HEADER_BYTES);
    const QStringList arguments = decode(socket->read(length));
    socket->disconnectFromServer();
    Q_EMIT argumentsReceived(arguments);
}

} // namespace Corvane::Utilities
