#include "utilities/SingleInstanceGuard.h"

#include "log/Logger.h"

#include <QDataStream>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

namespace Corvane::Utilities {

namespace {

constexpr int HandOverTimeoutMs = 2000;

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

bool SingleInstanceGuard::handOver(const QStringList& arguments)
{
    QLocalSocket socket;
    socket.connectToServer(socketPath(m_key));
    if (!socket.waitForConnected(HandOverTimeoutMs))
        return false;
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
