#pragma once

#include "pravikdriver/Frame.h"

#include <QList>
#include <QObject>
#include <QTcpServer>

#include <functional>

class QTcpSocket;

// A gateway for tests: listens on 127.0.0.1, asks every client for the
// protocol password by challenge and response, records the requests and
// answers them as the test scripts. By default every request gets an ACK.
class FakeGateway : public QObject
{
    Q_OBJECT

public:
    using Frame = Corvane::PravikDriver::Frame;
    using Message = Corvane::PravikDriver::Message;
    // The frames to send for a request.
    using Responder = std::function<QList<Frame>(const Frame& request)>;

    explicit FakeGateway(const QString& password, QObject* parent = nullptr);
    ~FakeGateway() override;

    bool listen(quint16 port = 0);
    quint16 port() const { return m_port; }
    // Stops listening and drops every client.
    void close();
    void dropClients();

    void setResponder(Responder responder) { m_responder = std::move(responder); }
    void setAnswersPings(bool answers) { m_answersPings = answers; }
    // Stops reading from the clients, so that what they send piles up.
    void stopReading();
    void sendEvent(const Message& message);
    void sendRaw(const QByteArray& bytes);

    QList<Message> requests() const { return m_requests; }
    QList<QByteArray> receivedLines() const { return m_receivedLines; }
    int logins() const { return m_logins; }
    int refusedLogins() const { return m_refusedLogins; }
    int clientCount() const { return int(m_clients.size()); }

    static Frame ack(const Frame& request);
    static Frame answer(const Frame& request, const Message& message);
    static Frame event(const Message& message);

Q_SIGNALS:
    void requestReceived();
    void clientLoggedIn();

private:
    struct Client
    {
        QTcpSocket* socket = nullptr;
        QByteArray nonce;
        QByteArray pending;
        bool authenticated = false;
    };

    void onNewConnection();
    void onReadyRead(QTcpSocket* socket);
    void handleLine(Client& client, const QByteArray& line);
    void send(QTcpSocket* socket, const Frame& frame);

    QString m_password;
    QTcpServer m_server;
    quint16 m_port = 0;
    QList<Client> m_clients;
    Responder m_responder;
    bool m_answersPings = true;
    QList<Message> m_requests;
    QList<QByteArray> m_receivedLines;
    int m_logins = 0;
    int m_refusedLogins = 0;
};
