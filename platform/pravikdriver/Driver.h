#pragma once

#include "Error.h"
#include "FrameBuffer.h"
#include "Message.h"

#include <QList>
#include <QMap>
#include <QObject>

class QTcpSocket;

namespace Corvane::PravikDriver {

class DriverClock;
class DriverTimer;
class PravikListener;
struct Frame;

// One gateway: its TCP connection (the monitor connection, which carries
// requests, answers and pushed messages), authentication, heartbeat,
// reconnection, response time-out, the closing handshake and the
// listeners. The line protocol is described in README.md. Everything runs in
// the thread that owns the driver; nothing blocks.
class Driver : public QObject
{
    Q_OBJECT

public:
    // Intervals in milliseconds; tests shorten them.
    struct Timing
    {
        int connectTimeout = 10000;
        int responseTimeout = 10000;
        int heartbeatInterval = 20000;
        // A gateway that sends nothing for this long counts as dead.
        int silenceLimit = 50000;
        // Also the wait after a refused connection attempt.
        int reconnectMinimumDelay = 1000;
        int reconnectMaximumDelay = 60000;
        // A session that lasts this long after login, hears from the
        // gateway and sees no fault has proven healthy: the reconnection
        // delay starts again from the minimum, as it does when an answered
        // session ends (see README.md).
        int healthySessionPeriod = 30000;
        int closeTimeout = 3000;
    };

    static constexpr int MONITOR_CONNECTION = 2;
    static constexpr int MAX_PENDING_REQUESTS = 256;

    // A null clock is the computer's clock.
    explicit Driver(QObject* parent = nullptr, DriverClock* clock = nullptr);
    ~Driver() override;

    void setTiming(const Timing& timing);
    Timing timing() const { return m_timing; }

    // Where the gateway is; also marks the driver initialised.
    void setTcpConnection(const QString& address, quint16 port, const QString& password);
    void openMonitorConnection(bool reconnectsAutomatically, bool reconnectsOnResponseTimeout);
    static bool defaultReconnectsAutomatically(int connectionType);
    static bool defaultReconnectsOnResponseTimeout(int connectionType);
    // How long a request waits for its answer, in milliseconds.
    static int waitForResponseTimeout();
    // The wait before reconnection attempt number attempts + 1: the minimum
    // delay doubled per earlier attempt, varied by random (0..1) within
    // +-20 %, never above the maximum delay.
    static int reconnectDelay(const Timing& timing, int attempts, double random);

    void setInitialized(bool initialized) { m_initialized = initialized; }
    bool isInitialized() const { return m_initialized; }

    // Starts closing: the connection is ended and readyToClose() follows
    // once, when it is gone (at once when there is none) or after the close
    // time-out.
    void setIsClosing(bool closing);
    bool isClosing() const { return m_closing; }

public Q_SLOTS:
    virtual void registerListener(Corvane::PravikDriver::PravikListener* listener);
    virtual void unregisterListener(Corvane::PravikDriver::PravikListener* listener);
    virtual bool isMonitorConnected() const;

Q_SIGNALS:
    void readyToClose();

protected:
    QList<PravikListener*> listeners() const { return m_listeners; }
    bool isListenerRegistered(PravikListener* listener) const { return m_listeners.contains(listener); }
    // Sends a request on the authenticated connection; false (and a log
    // line) when there is none.
    bool transmit(const Message& request);
    // Forgets unanswered requests to (system, address) for which accepts()
    // holds; they no longer time out.
    template<typename Predicate>
    void forgetPendingRequests(Predicate accepts);
    // A message from the gateway: an answer to request (pushed false) or a
    // message the gateway sent on its own (request empty, pushed true).
    virtual void handleGatewayMessage(const Message& message, const Message& request, bool pushed);

private Q_SLOTS:
    void onSocketConnected();
    void onSocketDisconnected();
    void onSocketError();
    void onReadyRead();
    void onConnectTimeout();
    void onHeartbeat();
    void onSilence();
    void onResponseTimerTick();
    void onReconnectTimer();
    void onCloseTimeout();
    void onHealthCheck();

private:
    enum State {
        Idle,
        Connecting,
        Authenticating,
        Connected,
        WaitingToReconnect,
    };

    struct PendingRequest
    {
        Message request;
        qint64 sentAt = 0;
    };

    // What the gateway has shown in the current session.
    struct SessionRecord
    {
        bool loggedIn = false;
        qint64 loggedInAt = 0;
        // A frame received since the login.
        bool heard = false;
        // A request ended by ACK or NACK.
        bool answered = false;
        // A bad frame, a response time-out or silence.
        bool faulted = false;
    };

    void connectToGateway();
    // Ends a failed connection attempt: the listeners hear of it and a
    // reconnection is scheduled.
    void connectingFailed(const QString& text, bool refused);
    // Handles the frames received, for one slice of time at most; the
    // rest follows on a later turn of the event loop, so that a flood of
    // frames never keeps the thread from its other work.
    void readFrames();
    void continueReadingLater();
    void handleFrame(const Frame& frame);
    void handleAuthenticationFrame(const Frame& frame);
    void handleAnswerFrame(const Frame& frame);
    void send(const Frame& frame);
    void dropConnection(const Error& error, bool asConnectionError);
    void connectionEnded();
    bool sessionWasAnswered() const;
    bool reconnects() const;
    void scheduleReconnect();
    void retryRefusedConnection();
    void waitToReconnect(int delay);
    void reportReadyToClose();
    void restartResponseTimer();
    qint64 ageOf(const PendingRequest& pending) const;
    void startHealthCheck();
    void checkSessionHealth();
    void notifyConnectionEvent(void (PravikListener::*callback)(const Driver*, bool));
    void notifyError(void (PravikListener::*callback)(const Driver*, bool, const Error&), const Error& error);

    QList<PravikListener*> m_listeners;
    DriverClock* m_clock;
    Timing m_timing;
    QTcpSocket* m_socket;
    FrameBuffer m_buffer;
    QString m_host;
    quint16 m_port = 0;
    QString m_password;
    State m_state = Idle;
    bool m_initialized = false;
    bool m_monitorOpened = false;
    bool m_reconnectsAutomatically = true;
    bool m_reconnectsOnResponseTimeout = true;
    bool m_authenticationRefused = false;
    bool m_sessionStarted = false;
    bool m_closing = false;
    bool m_readyToCloseReported = false;
    int m_reconnectAttempts = 0;
    bool m_lastAttemptRefused = false;
    SessionRecord m_session;
    bool m_readingContinues = false;
    int m_nextRequestId = 1;
    int m_heartbeatCounter = 0;
    QMap<int, PendingRequest> m_pendingRequests;
    DriverTimer* m_connectTimer;
    DriverTimer* m_heartbeatTimer;
    DriverTimer* m_silenceTimer;
    DriverTimer* m_responseTimer;
    DriverTimer* m_reconnectTimer;
    DriverTimer* m_closeTimer;
    DriverTimer* m_healthTimer;
};

template<typename Predicate>
void Driver::forgetPendingRequests(Predicate accepts)
{
    for (auto it = m_pendingRequests.begin(); it != m_pendingRequests.end();) {
        if (accepts(it->request))
            it = m_pendingRequests.erase(it);
        else
            ++it;
    }
}

} // namespace Corvane::PravikDriver
