#include "Driver.h"

#include "DriverClock.h"
#include "DriverTimer.h"
#include "Frame.h"
#include "FrameCodec.h"
#include "PravikEnums.h"
#include "PravikListener.h"
#include "log/Logger.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTcpSocket>

#include <limits>

namespace Corvane::PravikDriver {

using Log::Logger;

namespace {

const int MAX_BACKOFF_DOUBLINGS = 16;
// The longest the driver handles received frames before it lets the event
// loop run; input, painting and the other timers wait no longer than this.
const int READ_SLICE_MS = 8;

} // namespace

Driver::Driver(QObject* parent, DriverClock* clock)
    : QObject(parent)
    , m_clock(clock ? clock : DriverClock::system())
    , m_socket(new QTcpSocket(this))
    , m_buffer(FrameCodec::MAX_FRAME_LENGTH)
    , m_connectTimer(m_clock->createTimer(this))
    , m_heartbeatTimer(m_clock->createTimer(this))
    , m_silenceTimer(m_clock->createTimer(this))
    , m_responseTimer(m_clock->createTimer(this))
    , m_reconnectTimer(m_clock->createTimer(this))
    , m_closeTimer(m_clock->createTimer(this))
    , m_healthTimer(m_clock->createTimer(this))
{
    for (DriverTimer* timer :
         { m_connectTimer, m_silenceTimer, m_responseTimer, m_reconnectTimer, m_closeTimer, m_healthTimer })
        timer->setSingleShot(true);
    connect(m_socket, &QTcpSocket::connected, this, &Driver::onSocketConnected);
    connect(m_socket, &QTcpSocket::disconnected, this, &Driver::onSocketDisconnected);
    connect(m_socket, &QTcpSocket::errorOccurred, this, &Driver::onSocketError);
    connect(m_socket, &QTcpSocket::readyRead, this, &Driver::onReadyRead);
    connect(m_connectTimer, &DriverTimer::timeout, this, &Driver::onConnectTimeout);
    connect(m_heartbeatTimer, &DriverTimer::timeout, this, &Driver::onHeartbeat);
    connect(m_silenceTimer, &DriverTimer::timeout, this, &Driver::onSilence);
    connect(m_responseTimer, &DriverTimer::timeout, this, &Driver::onResponseTimerTick);
    connect(m_reconnectTimer, &DriverTimer::timeout, this, &Driver::onReconnectTimer);
    connect(m_closeTimer, &DriverTimer::timeout, this, &Driver::onCloseTimeout);
    connect(m_healthTimer, &DriverTimer::timeout, this, &Driver::onHealthCheck);
}

Driver::~Driver()
{
    m_socket->disconnect(this);
    m_socket->abort();
}

void Driver::setTiming(const Timing& timing)
{
    m_timing = timing;
}

void Driver::setTcpConnection(const QString& address, quint16 port, const QString& password)
{
    const bool moved = address != m_host || port != m_port || password != m_password;
    m_host = address;
    m_port = port;
    m_password = password;
    m_initialized = true;
    if (!moved || !m_monitorOpened || m_closing)
        return;
    if (m_state == Authenticating || m_state == Connected) {
        // The session with the old address ends; reconnection takes the new one.
        m_state = Idle;
        m_socket->abort();
        connectionEnded();
    } else if (m_state != Idle) {
        connectToGateway();
    }
}

void Driver::openMonitorConnection(bool reconnectsAutomatically, bool reconnectsOnResponseTimeout)
{
    m_reconnectsAutomatically = reconnectsAutomatically;
    m_reconnectsOnResponseTimeout = reconnectsOnResponseTimeout;
    m_monitorOpened = true;
    m_authenticationRefused = false;
    if (m_closing)
        return;
    if (m_host.isEmpty()) {
        Logger(Logger::Error) << Q_FUNC_INFO << " no gateway address set";
        return;
    }
    if (m_state == Idle || m_state == WaitingToReconnect)
        connectToGateway();
}

bool Driver::defaultReconnectsAutomatically(int connectionType)
{
    return connectionType == MONITOR_CONNECTION;
}

bool Driver::defaultReconnectsOnResponseTimeout(int connectionType)
{
    return connectionType == MONITOR_CONNECTION;
}

int Driver::waitForResponseTimeout()
{
    return Timing().responseTimeout;
}

void Driver::setIsClosing(bool closing)
{
    if (!closing) {
        m_closing = false;
        m_readyToCloseReported = false;
        return;
    }
    if (m_closing)
        return;
    m_closing = true;
    m_readyToCloseReported = false;
    for (DriverTimer* timer :
         { m_connectTimer, m_heartbeatTimer, m_silenceTimer, m_responseTimer, m_reconnectTimer, m_healthTimer })
        timer->stop();
    m_pendingRequests.clear();
    const bool connected = m_state == Connected;
    m_state = Idle;
    m_sessionStarted = false;
    if (m_socket->state() == QAbstractSocket::UnconnectedState) {
        reportReadyToClose();
        return;
    }
    m_closeTimer->start(m_timing.closeTimeout);
    if (connected)
        send(Frame { Frame::Bye, 0, 0, {}, {} });
    m_socket->disconnectFromHost();
    if (m_socket->state() == QAbstractSocket::UnconnectedState)
        reportReadyToClose();
}

void Driver::registerListener(PravikListener* listener)
{
    if (listener && !m_listeners.contains(listener))
        m_listeners.append(listener);
}

void Driver::unregisterListener(PravikListener* listener)
{
    m_listeners.removeAll(listener);
}

bool Driver::isMonitorConnected() const
{
    return m_state == Connected;
}

bool Driver::transmit(const Message& request)
{
    if (m_state != Connected) {
        Logger(Logger::Warning) << Q_FUNC_INFO << " no connection to the gateway, request dropped";
        return false;
    }
    const Frame frame { Frame::Request, m_nextRequestId, request.priority(), {}, request };
    const QByteArray line = FrameCodec::encode(frame);
    // An address or parameter the protocol cannot carry must not break the framing.
    if (FrameCodec::decode(line.chopped(1)).verb != Frame::Request) {
        Logger(Logger::Error) << Q_FUNC_INFO << " request for \"" << request.address() << "\" cannot be sent, dropped";
        return false;
    }
    if (m_pendingRequests.size() >= MAX_PENDING_REQUESTS) {
        Logger(Logger::Warning) << Q_FUNC_INFO << " too many unanswered requests, the oldest is forgotten";
        m_pendingRequests.erase(m_pendingRequests.begin());
    }
    const int id = m_nextRequestId;
    m_nextRequestId = m_nextRequestId == std::numeric_limits<int>::max() ? 1 : m_nextRequestId + 1;
    m_pendingRequests.insert(id, PendingRequest { request, m_clock->monotonicMsecs() });
    if (!m_responseTimer->isActive())
        m_responseTimer->start(m_timing.responseTimeout);
    m_socket->write(line);
    return true;
}

void Driver::handleGatewayMessage(const Message&, const Message&, bool)
{
}

void Driver::connectToGateway()
{
    m_reconnectTimer->stop();
    m_buffer.clear();
    m_state = Idle;
    m_socket->abort();
    m_state = Connecting;
    Logger(Logger::Trace) << "Connecting to gateway " << m_host << ":" << qint64(m_port);
    m_connectTimer->start(m_timing.connectTimeout);
    m_socket->connectToHost(m_host, m_port);
}

void Driver::onSocketConnected()
{
    m_connectTimer->stop();
    m_state = Authenticating;
    m_sessionStarted = true;
    m_session = SessionRecord();
    m_lastAttemptRefused = false;
    m_silenceTimer->start(m_timing.responseTimeout);
    notifyConnectionEvent(&PravikListener::connected);
}

void Driver::onSocketDisconnected()
{
    if (m_closing) {
        reportReadyToClose();
        return;
    }
    if (m_state == Authenticating || m_state == Connected) {
        Logger(Logger::Warning) << Q_FUNC_INFO << " gateway " << m_host << " closed the connection";
        m_state = Idle;
        connectionEnded();
    }
}

void Driver::onSocketError()
{
    if (m_closing) {
        reportReadyToClose();
        return;
    }
    const QString text = m_socket->errorString();
    if (m_state == Connecting) {
        const bool refused = m_socket->error() == QAbstractSocket::ConnectionRefusedError;
        // A gateway that is down refuses an attempt every second: the
        // refusals after the first are traces.
        Logger(refused && m_lastAttemptRefused ? Logger::Trace : Logger::Warning)
            << Q_FUNC_INFO << " cannot connect to " << m_host << ": " << text;
        m_lastAttemptRefused = refused;
        connectingFailed(text, refused);
    } else if (m_state == Authenticating || m_state == Connected) {
        if (m_socket->error() == QAbstractSocket::RemoteHostClosedError)
            onSocketDisconnected();
        else
            dropConnection(Error(Error::ConnectionLost, text), true);
    }
}

void Driver::onConnectTimeout()
{
    if (m_state != Connecting)
        return;
    Logger(Logger::Warning) << Q_FUNC_INFO << " connecting to " << m_host << " timed out";
    m_lastAttemptRefused = false;
    connectingFailed(QStringLiteral("Connection timed out"), false);
}

// Only a refusal says that the gateway's host is there and nobody listens
// (the gateway restarting): trying again costs it nothing. A time-out or an
// unreachable host may be a network or a host that is away for long, and
// each attempt there waits for its end: those keep the growing delay.
void Driver::connectingFailed(const QString& text, bool refused)
{
    m_connectTimer->stop();
    m_state = Idle;
    m_socket->abort();
    notifyError(&PravikListener::connectionError, Error(Error::ConnectionFailed, text));
    if (refused)
        retryRefusedConnection();
    else
        scheduleReconnect();
}

void Driver::onReadyRead()
{
    // A continuation already waits for its turn: the new data is read then,
    // behind the data received before it.
    if (!m_readingContinues)
        readFrames();
}

void Driver::readFrames()
{
    const auto receiving = [this] { return m_state == Authenticating || m_state == Connected; };
    QElapsedTimer slice;
    slice.start();
    QByteArray line;
    while (receiving()) {
        if (!m_buffer.takeLine(&line)) {
            if (m_socket->bytesAvailable() <= 0)
                return;
            m_buffer.append(m_socket->read(FrameCodec::MAX_FRAME_LENGTH));
            if (m_buffer.takeOverflow()) {
                Logger(Logger::Warning) << Q_FUNC_INFO << " oversized frame from " << m_host << " dropped";
                dropConnection(Error(Error::ProtocolError, QStringLiteral("Oversized frame")), false);
                return;
            }
            continue;
        }
        if (line.isEmpty() || line == "\r")
            continue;
        const Frame frame = FrameCodec::decode(line);
        if (frame.verb == Frame::Invalid) {
            Logger(Logger::Warning) << Q_FUNC_INFO << " malformed frame from " << m_host << " dropped";
            dropConnection(Error(Error::ProtocolError, QStringLiteral("Malformed frame")), false);
            return;
        }
        m_silenceTimer->start(m_state == Connected ? m_timing.silenceLimit : m_timing.responseTimeout);
        handleFrame(frame);
        if (slice.elapsed() >= READ_SLICE_MS) {
            continueReadingLater();
            return;
        }
    }
}

void Driver::continueReadingLater()
{
    m_readingContinues = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_readingContinues = false;
            readFrames();
        },
        Qt::QueuedConnection);
}

void Driver::handleFrame(const Frame& frame)
{
    if (m_state == Authenticating) {
        handleAuthenticationFrame(frame);
        return;
    }
    m_session.heard = true;
    if (!m_healthTimer->isActive())
        checkSessionHealth();
    switch (frame.verb) {
    case Frame::Answer:
    case Frame::Ack:
    case Frame::Nack:
        handleAnswerFrame(frame);
        break;
    case Frame::Event:
        handleGatewayMessage(frame.message, Message::Empty, true);
        break;
    case Frame::Ping:
        send(Frame { Frame::Pong, frame.id, 0, {}, {} });
        break;
    case Frame::Pong:
        break;
    case Frame::Bye:
        Logger(Logger::Warning) << Q_FUNC_INFO << " gateway " << m_host << " ended the session";
        m_state = Idle;
        m_socket->abort();
        connectionEnded();
        break;
    default:
        dropConnection(Error(Error::ProtocolError, QStringLiteral("Unexpected frame")), false);
        break;
    }
}

void Driver::handleAuthenticationFrame(const Frame& frame)
{
    switch (frame.verb) {
    case Frame::Challenge:
        send(Frame { Frame::Auth, 0, 0, FrameCodec::authenticationResponse(frame.token, m_password), {} });
        break;
    case Frame::Welcome:
        m_state = Connected;
        startHealthCheck();
        m_heartbeatTimer->start(m_timing.heartbeatInterval);
        m_silenceTimer->start(m_timing.silenceLimit);
        Logger(Logger::Trace) << "Authenticated at gateway " << m_host;
        notifyConnectionEvent(&PravikListener::authenticated);
        break;
    case Frame::Denied:
        Logger(Logger::Error) << Q_FUNC_INFO << " gateway " << m_host << " refused the password";
        m_authenticationRefused = true;
        dropConnection(Error(Error::AuthenticationFailed, QStringLiteral("Password refused")), true);
        break;
    default:
        dropConnection(Error(Error::ProtocolError, QStringLiteral("Unexpected frame during login")), false);
        break;
    }
}

void Driver::handleAnswerFrame(const Frame& frame)
{
    const auto pending = m_pendingRequests.constFind(frame.id);
    const Message request = pending == m_pendingRequests.cend() ? Message::Empty : pending->request;
    if (frame.verb == Frame::Answer) {
        handleGatewayMessage(frame.message, request, false);
        return;
    }
    if (pending == m_pendingRequests.cend())
        return;
    m_pendingRequests.remove(frame.id);
    m_session.answered = true;
    restartResponseTimer();
    const int type = frame.verb == Frame::Ack ? PravikEnums::Ack : PravikEnums::Nack;
    handleGatewayMessage(Message(type, request.systemType(), request.address(), 0, 0), request, false);
}

void Driver::send(const Frame& frame)
{
    m_socket->write(FrameCodec::encode(frame));
}

void Driver::dropConnection(const Error& error, bool asConnectionError)
{
    // Every drop but a lost connection is the gateway's fault.
    if (error.code() != Error::ConnectionLost)
        m_session.faulted = true;
    m_state = Idle;
    m_socket->abort();
    notifyError(asConnectionError ? &PravikListener::connectionError : &PravikListener::communicationError, error);
    connectionEnded();
}

void Driver::connectionEnded()
{
    if (sessionWasAnswered() && m_reconnectAttempts > 0) {
        Logger(Logger::Trace) << "Session with gateway " << m_host << " was answered";
        m_reconnectAttempts = 0;
    }
    for (DriverTimer* timer : { m_connectTimer, m_heartbeatTimer, m_silenceTimer, m_responseTimer, m_healthTimer })
        timer->stop();
    m_pendingRequests.clear();
    m_buffer.clear();
    const bool hadSession = m_sessionStarted;
    m_sessionStarted = false;
    if (hadSession)
        notifyConnectionEvent(&PravikListener::disconnected);
    scheduleReconnect();
}

// A session that did its work: logged in, its requests answered (one at
// least, none left waiting) and no fault. A gateway restarted at that point
// is looked for again from the minimum delay; one that ends its sessions
// before or right after its first answers still finds the delay growing.
bool Driver::sessionWasAnswered() const
{
    return m_session.loggedIn && m_session.answered && m_pendingRequests.isEmpty() && !m_session.faulted;
}

// The jitter keeps the clients of one gateway from all coming back at once.
int Driver::reconnectDelay(const Timing& timing, int attempts, double random)
{
    const qint64 base = qint64(timing.reconnectMinimumDelay) << qBound(0, attempts, MAX_BACKOFF_DOUBLINGS);
    const double jitter = 0.8 + 0.4 * qBound(0.0, random, 1.0);
    return int(qMin<double>(timing.reconnectMaximumDelay, double(base) * jitter));
}

bool Driver::reconnects() const
{
    return m_reconnectsAutomatically && m_monitorOpened && !m_closing && !m_authenticationRefused && m_state == Idle;
}

void Driver::scheduleReconnect()
{
    if (!reconnects())
        return;
    const int delay = reconnectDelay(m_timing, m_reconnectAttempts, QRandomGenerator::global()->generateDouble());
    m_reconnectAttempts = qMin(m_reconnectAttempts + 1, MAX_BACKOFF_DOUBLINGS);
    waitToReconnect(delay);
}

// The next attempt follows after the minimum delay; the attempts counted
// for the back-off stay as they were, for the next session to fail.
void Driver::retryRefusedConnection()
{
    if (reconnects())
        waitToReconnect(reconnectDelay(m_timing, 0, QRandomGenerator::global()->generateDouble()));
}

void Driver::waitToReconnect(int delay)
{
    m_state = WaitingToReconnect;
    Logger(Logger::Trace) << "Reconnecting to gateway " << m_host << " in " << qint64(delay) << " ms";
    m_reconnectTimer->start(delay);
}

void Driver::onReconnectTimer()
{
    if (m_state == WaitingToReconnect && !m_closing)
        connectToGateway();
}

void Driver::onHeartbeat()
{
    if (m_state == Connected)
        send(Frame { Frame::Ping, ++m_heartbeatCounter, 0, {}, {} });
}

void Driver::onSilence()
{
    if (m_state != Authenticating && m_state != Connected)
        return;
    Logger(Logger::Warning) << Q_FUNC_INFO << " gateway " << m_host << " stopped answering";
    dropConnection(Error(Error::GatewaySilent, QStringLiteral("Gateway stopped answering")), true);
}

void Driver::onResponseTimerTick()
{
    bool expired = false;
    for (auto it = m_pendingRequests.begin(); it != m_pendingRequests.end();) {
        if (ageOf(*it) >= m_timing.responseTimeout) {
            expired = true;
            it = m_pendingRequests.erase(it);
        } else {
            ++it;
        }
    }
    if (!expired) {
        restartResponseTimer();
        return;
    }
    Logger(Logger::Warning) << Q_FUNC_INFO << " gateway " << m_host << " did not answer in time";
    m_session.faulted = true;
    const Error error(Error::ResponseTimeout, QStringLiteral("No answer from the gateway"));
    if (m_reconnectsOnResponseTimeout && m_state == Connected) {
        dropConnection(error, false);
        return;
    }
    notifyError(&PravikListener::communicationError, error);
    restartResponseTimer();
}

void Driver::restartResponseTimer()
{
    if (m_pendingRequests.isEmpty()) {
        m_responseTimer->stop();
        return;
    }
    qint64 oldest = 0;
    for (const PendingRequest& pending : std::as_const(m_pendingRequests))
        oldest = qMax(oldest, ageOf(pending));
    m_responseTimer->start(int(qMax<qint64>(0, m_timing.responseTimeout - oldest)));
}

qint64 Driver::ageOf(const PendingRequest& pending) const
{
    return m_clock->monotonicMsecs() - pending.sentAt;
}

// A gateway that logs in and then fails at once (a bad frame, BYE, silence)
// must not be reconnected at the minimum delay for ever: the delay grows
// from one failed session to the next and starts again only from a session
// that was answered or has proven healthy.
void Driver::startHealthCheck()
{
    m_session.loggedIn = true;
    m_session.loggedInAt = m_clock->monotonicMsecs();
    m_healthTimer->start(m_timing.healthySessionPeriod);
}

void Driver::onHealthCheck()
{
    checkSessionHealth();
}

void Driver::checkSessionHealth()
{
    if (m_state != Connected || m_session.faulted || !m_session.heard || m_reconnectAttempts == 0)
        return;
    if (m_clock->monotonicMsecs() - m_session.loggedInAt < m_timing.healthySessionPeriod)
        return;
    Logger(Logger::Trace) << "Session with gateway " << m_host << " is healthy";
    m_reconnectAttempts = 0;
}

void Driver::onCloseTimeout()
{
    m_socket->abort();
    reportReadyToClose();
}

void Driver::reportReadyToClose()
{
    if (!m_closing || m_readyToCloseReported)
        return;
    m_readyToCloseReported = true;
    m_closeTimer->stop();
    // Queued, so that callers never see the report inside setIsClosing().
    QMetaObject::invokeMethod(this, &Driver::readyToClose, Qt::QueuedConnection);
}

void Driver::notifyConnectionEvent(void (PravikListener::*callback)(const Driver*, bool))
{
    const QList<PravikListener*> listeners = m_listeners;
    for (PravikListener* listener : listeners) {
        if (m_listeners.contains(listener))
            (listener->*callback)(this, true);
    }
}

void Driver::notifyError(void (PravikListener::*callback)(const Driver*, bool, const Error&), const Error& error)
{
    const QList<PravikListener*> listeners = m_listeners;
    for (PravikListener* listener : listeners) {
        if (m_listeners.contains(listener))
            (listener->*callback)(this, true, error);
    }
}

} // namespace Corvane::PravikDriver
