#include "FakeGateway.h"

#include "pravikdriver/FrameCodec.h"

#include <QTcpSocket>

using Corvane::PravikDriver::FrameCodec;

FakeGateway::FakeGateway(const QString& password, QObject* parent)
    : QObject(parent)
    , m_password(password)
    , m_responder([](const Frame& request) { return QList<Frame> { ack(request) }; })
{
    connect(&m_server, &QTcpServer::newConnection, this, &FakeGateway::onNewConnection);
}

FakeGateway::~FakeGateway()
{
    close();
}

bool FakeGateway::listen(quint16 port)
{
    if (!m_server.listen(QHostAddress::LocalHost, port))
        return false;
    m_port = m_server.serverPort();
    return true;
}

void FakeGateway::close()
{
    m_server.close();
    dropClients();
}

void FakeGateway::dropClients()
{
    const QList<Client> clients = m_clients;
    m_clients.clear();
    for (const Client& client : clients) {
        client.socket->disconnect(this);
        client.socket->abort();
        client.socket->deleteLater();
    }
}

void FakeGateway::stopReading()
{
    for (const Client& client : std::as_const(m_clients)) {
        client.socket->setReadBufferSize(1);
        client.socket->disconnect(this);
    }
}

void FakeGateway::sendEvent(const Message& message)
{
    for (const Client& client : std::as_const(m_clients)) {
        if (client.authenticated)
            send(client.socket, event(message));
    }
}

void FakeGateway::sendRaw(const QByteArray& bytes)
{
    for (const Client& client : std::as_const(m_clients))
        client.socket->write(bytes);
}

FakeGateway::Frame FakeGateway::ack(const Frame& request)
{
    return Frame { Frame::Ack, request.id, 0, {}, {} };
}

FakeGateway::Frame FakeGateway::answer(const Frame& request, const Message& message)
{
    return Frame { Frame::Answer, request.id, 0, {}, message };
}

FakeGateway::Frame FakeGateway::event(const Message& message)
{
    return Frame { Frame::Event, 0, 0, {}, message };
}

void FakeGateway::onNewConnection()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        Client client;
        client.socket = socket;
        client.nonce = FrameCodec::createNonce();
        m_clients.append(client);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_clients.removeIf([socket](const Client& c) { return c.socket == socket; });
            socket->deleteLater();
        });
        send(socket, Frame { Frame::Challenge, 0, 0, client.nonce, {} });
    }
}

void FakeGateway::onReadyRead(QTcpSocket* socket)
{
    auto client = std::find_if(m_clients.begin(), m_clients.end(), [socket](const Client& c) { return c.socket == socket; });
    if (client == m_clients.end())
        return;
    client->pending += socket->readAll();
    qsizetype end;
    while ((end = client->pending.indexOf('\n')) >= 0) {
        const QByteArray line = client->pending.left(end);
        client->pending.remove(0, end + 1);
        m_receivedLines.append(line);
        handleLine(*client, line);
        client = std::find_if(m_clients.begin(), m_clients.end(), [socket](const Client& c) { return c.socket == socket; });
        if (client == m_clients.end())
            return;
    }
}

void FakeGateway::handleLine(Client& client, const QByteArray& line)
{
    const Frame frame = FrameCodec::decode(line);
    if (!client.authenticated) {
        if (frame.verb == Frame::Auth && frame.token == FrameCodec::authenticationResponse(client.nonce, m_password)) {
            client.authenticated = true;
            ++m_logins;
            send(client.socket, Frame { Frame::Welcome, 0, 0, {}, {} });
            emit clientLoggedIn();
        } else {
            ++m_refusedLogins;
            send(client.socket, Frame { Frame::Denied, 0, 0, {}, {} });
        }
        return;
    }
    QTcpSocket* socket = client.socket;
    switch (frame.verb) {
    case Frame::Request:
        m_requests.append(frame.message);
        for (const Frame& reply : m_responder(frame))
            send(socket, reply);
        emit requestReceived();
        break;
    case Frame::Ping:
        if (m_answersPings)
            send(socket, Frame { Frame::Pong, frame.id, 0, {}, {} });
        break;
    default:
        break;
    }
}

void FakeGateway::send(QTcpSocket* socket, const Frame& frame)
{
    socket->write(FrameCodec::encode(frame));
}
