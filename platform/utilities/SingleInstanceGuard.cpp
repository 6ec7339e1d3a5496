#include "utilities/SingleInstanceGuard.h"

#include <QDataStream>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

namespace Corvane::Utilities {

namespace {

constexpr int HandOverTimeoutMs = 2000;
constexpr qint64 MaxMessageSize = 1024 * 1024;

QByteArray encode(const QStringList& arguments)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_6_4);
    stream << arguments;
    return bytes;
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
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(key + QStringLiteral(".instance"));
}

bool SingleInstanceGuard::start(const QStringList& arguments)
{
    if (m_server || m_running)
        return m_running;

    // Serialises concurrent starts, so two of them never both listen.
    QLockFile lock(socketPath(m_key) + QStringLiteral(".lock"));
    lock.tryLock(HandOverTimeoutMs);

    m_running = handOver(arguments);
    if (!m_running)
        listen();
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

bool SingleInstanceGuard::handOver(const QStringList& arguments)
{
    QLocalSocket socket;
    socket.connectToServer(socketPath(m_key));
    if (!socket.waitForConnected(HandOverTimeoutMs))
        return false;
    socket.write(encode(arguments));
    const bool written = socket.waitForBytesWritten(HandOverTimeoutMs) || socket.bytesToWrite() == 0;
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(HandOverTimeoutMs);
    return written;
}

bool SingleInstanceGuard::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstanceGuard::onNewConnection);
    const QString path = socketPath(m_key);
    if (m_server->listen(path))
        return true;
    // Nobody answered on the socket, so it was left behind by an instance
    // that ended without closing it.
    QLocalServer::removeServer(path);
    return m_server->listen(path);
}

void SingleInstanceGuard::onNewConnection()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        if (socket->bytesAvailable() > 0)
            onReadyRead(socket);
    }
}

void SingleInstanceGuard::onReadyRead(QLocalSocket* socket)
{
    if (socket->bytesAvailable() > MaxMessageSize) {
        socket->abort();
        return;
    }
    QDataStream stream(socket);
    stream.setVersion(QDataStream::Qt_6_4);
    stream.startTransaction();
    QStringList arguments;
    stream >> arguments;
    if (!stream.commitTransaction())
        return;
    socket->disconnectFromServer();
    Q_EMIT argumentsReceived(arguments);
}

} // namespace Corvane::Utilities
