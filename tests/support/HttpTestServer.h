#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QStringList>
#include <QUrl>

class QTcpServer;
class QTcpSocket;

// A small HTTP/1.1 server on 127.0.0.1 for tests. Each path gets a scripted
// response; unknown paths get 404. Every connection serves one request and
// is closed after the answer.
class HttpTestServer : public QObject
{
    Q_OBJECT

public:
    struct Response
    {
        int status = 200;
        QByteArray body;
        // Bytes of the body sent before the connection is closed; -1 sends
        // all of it. The announced Content-Length stays the body's size.
        qint64 sendBytes = -1;
        // Wait before the answer starts.
        int delayMs = 0;
        // Read the request and never answer.
        bool neverAnswer = false;
        // With chunkSize > 0 the body goes out in chunks of this size, one
        // every chunkIntervalMs.
        int chunkSize = 0;
        int chunkIntervalMs = 0;
        // Further header lines, each ending in "\r\n" (a redirect's Location).
        QByteArray headers;
    };

    explicit HttpTestServer(QObject* parent = nullptr);

    // Listens on 127.0.0.1 on a free port.
    bool listen();
    quint16 port() const;
    // "http://127.0.0.1:<port>" followed by path.
    QUrl url(const QString& path = QString()) const;

    void setResponse(const QString& path, const Response& response);
    void setResponse(const QString& path, int status, const QByteArray& body);
    QStringList requestedPaths() const;
    // Bytes of body sent so far in the answers of path.
    qint64 sentBodyBytes(const QString& path) const { return m_sentBodyBytes.value(path); }
    // Answers of path, sent in chunks, whose connection the client closed
    // before the whole body was sent.
    int abandonedAnswers(const QString& path) const { return m_abandonedAnswers.value(path); }

    // A port of 127.0.0.1 on which nobody listens.
    static quint16 closedPort();

private:
    void onNewConnection();
    void onReadyRead(QTcpSocket* socket);
    void answer(QTcpSocket* socket, const QString& path);
    void sendBody(QTcpSocket* socket, const QString& path, const Response& response);

    QTcpServer* m_server;
    QHash<QString, Response> m_responses;
    QStringList m_requestedPaths;
    QHash<QString, qint64> m_sentBodyBytes;
    QHash<QString, int> m_abandonedAnswers;
};
