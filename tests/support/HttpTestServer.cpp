#include "HttpTestServer.h"

#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <memory>

namespace {

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 302:
        return "Found";
    case 404:
        return "Not Found";
    case 500:
        return "Internal Server Error";
    default:
        return "Status";
    }
}

} // namespace

HttpTestServer::HttpTestServer(QObject* parent)
    : QObject(parent)
    , m_server(new QTcpServer(this))
{
    connect(m_server, &QTcpServer::newConnection, this, &HttpTestServer::onNewConnection);
}

bool HttpTestServer::listen()
{
    return m_server->listen(QHostAddress::LocalHost, 0);
}

quint16 HttpTestServer::port() const
{
    return m_server->serverPort();
}

QUrl HttpTestServer::url(const QString& path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(path));
}

void HttpTestServer::setResponse(const QString& path, const Response& response)
{
    m_responses.insert(path, response);
}

void HttpTestServer::setResponse(const QString& path, int status, const QByteArray& body)
{
    Response response;
    response.status = status;
    response.body = body;
    setResponse(path, response);
}

QStringList HttpTestServer::requestedPaths() const
{
    return m_requestedPaths;
}

quint16 HttpTestServer::closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

void HttpTestServer::onNewConnection()
{
    while (QTcpSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
    }
}

void HttpTestServer::onReadyRead(QTcpSocket* socket)
{
    if (socket->property("answered").toBool()) {
        socket->readAll();
        return;
    }
    QByteArray request = socket->property("request").toByteArray() + socket->readAll();
    socket->setProperty("request", request);
    if (!request.contains("\r\n\r\n"))
        return;
    socket->setProperty("answered", true);
    const QList<QByteArray> requestLine = request.left(request.indexOf("\r\n")).split(' ');
    const QString path = requestLine.size() >= 2 ? QUrl::fromPercentEncoding(requestLine.at(1)) : QString();
    m_requestedPaths.append(path);
    answer(socket, path);
}

void HttpTestServer::answer(QTcpSocket* socket, const QString& path)
{
    Response notFound;
    notFound.status = 404;
    notFound.body = "not found";
    const Response response = m_responses.value(path, notFound);
    if (response.neverAnswer)
        return;

    QPointer<QTcpSocket> guarded(socket);
    QTimer::singleShot(response.delayMs, this, [this, guarded, path, response] {
        if (!guarded)
            return;
        guarded->write("HTTP/1.1 " + QByteArray::number(response.status) + ' ' + reasonPhrase(response.status)
                       + "\r\nContent-Type: application/octet-stream\r\nContent-Length: "
                       + QByteArray::number(response.body.size()) + "\r\nConnection: close\r\n" + response.headers
                       + "\r\n");
        sendBody(guarded, path, response);
    });
}

void HttpTestServer::sendBody(QTcpSocket* socket, const QString& path, const Response& response)
{
    const QByteArray body =
        response.sendBytes < 0 ? response.body : response.body.left(response.sendBytes);
    if (response.chunkSize <= 0) {
        m_sentBodyBytes[path] += qMax<qint64>(0, socket->write(body));
        socket->disconnectFromHost();
        return;
    }
    auto* timer = new QTimer(socket);
    auto offset = std::make_shared<qsizetype>(0);
    connect(timer, &QTimer::timeout, socket, [this, socket, timer, path, body, offset, chunk = response.chunkSize] {
        m_sentBodyBytes[path] += qMax<qint64>(0, socket->write(body.mid(*offset, chunk)));
        *offset += chunk;
        if (*offset >= body.size()) {
            timer->stop();
            socket->disconnectFromHost();
        }
    });
    connect(socket, &QTcpSocket::disconnected, this, [this, path, offset, size = body.size()] {
        if (*offset < size)
            ++m_abandonedAnswers[path];
    });
    timer->start(response.chunkIntervalMs);
}
