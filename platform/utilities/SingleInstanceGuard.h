#pragma once

#include <QObject>
#include <QStringList>

class QLocalServer;
class QLocalSocket;

namespace Corvane::Utilities {

// Keeps one instance of a program per key and user. The first instance
// listens on a local socket named after the key; a later start connects to
// it, hands over its arguments and learns that it must end.
//
// The socket lives in a folder that only the user can enter: the runtime
// folder when it is a real folder of the user with mode 0700, else the
// folder "instances" of PathProvider::cachePath(), made 0700 (a folder there
// of another user, or a symbolic link, is refused). Both ends check that the
// other is a process of the same user. Without such a folder the instance
// neither hands over nor listens: it runs unguarded, with a warning.
class SingleInstanceGuard : public QObject
{
    Q_OBJECT

public:
    explicit SingleInstanceGuard(const QString& key, QObject* parent = nullptr);
    ~SingleInstanceGuard() override;

    // Hands arguments to a running instance of the key, or, when none runs,
    // starts listening as the running instance. Returns isRunning().
    bool start(const QStringList& arguments);

    // Whether another instance held the key and received the arguments.
    bool isRunning() const;
    bool isListening() const;

    // What start() found to tell (a socket folder refused, no safe folder,
    // a running instance of another user, arguments over the hand-over's
    // limit). start() runs before a program sets up its log, so the program
    // writes them once it can.
    QStringList warnings() const;

    // Full path of the local socket used for key, its folder made when
    // missing; empty when no safe folder can be had.
    static QString socketPath(const QString& key);
    // The arguments that fit the hand-over's size limit (their UTF-8 text):
    // the program path and as many of the last arguments as fit; the others
    // are dropped.
    static QStringList withinHandOverLimit(const QStringList& arguments);
    static constexpr qint64 MAX_HAND_OVER_BYTES = 1024 * 1024;

Q_SIGNALS:
    // In the running instance: a later start handed over its arguments.
    void argumentsReceived(const QStringList& arguments);

private:
    bool handOver(const QString& path, const QStringList& arguments);
    bool listen(const QString& path);
    void onNewConnection();
    void onReadyRead(QLocalSocket* socket);

    QString m_key;
    QLocalServer* m_server = nullptr;
    bool m_running = false;
    QStringList m_warnings;
};

} // namespace Corvane::Utilities
