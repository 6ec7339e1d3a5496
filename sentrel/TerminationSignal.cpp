#include "TerminationSignal.h"

#include "log/Logger.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <unistd.h>

namespace Corvane::Sentrel {

using Corvane::Log::Logger;

namespace {

// The handler's end [0] and the event loop's end [1].
int s_sockets[2] = {-1, -1};

void closeSockets()
{
    for (int& socket : s_sockets) {
        if (socket >= 0)
            ::close(socket);
        socket = -1;
    }
}

} // namespace

TerminationSignal::TerminationSignal(QObject* parent)
    : QObject(parent)
{
    if (s_sockets[0] >= 0) {
        Logger(Logger::Error) << Q_FUNC_INFO << " SIGTERM is watched already";
        return;
    }
    // Non-blocking: a handler never waits on a full socket, and the reader
    // takes what is there and no more.
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, s_sockets) != 0) {
        Logger(Logger::Error) << Q_FUNC_INFO << " no socket pair: " << std::strerror(errno);
        s_sockets[0] = s_sockets[1] = -1;
        return;
    }
    struct sigaction action = {};
    action.sa_handler = &TerminationSignal::handle;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    if (::sigaction(SIGTERM, &action, &m_previous) != 0) {
        Logger(Logger::Error) << Q_FUNC_INFO << " no SIGTERM handler: " << std::strerror(errno);
        closeSockets();
        return;
    }
    m_notifier = new QSocketNotifier(s_sockets[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignal::onReadable);
}

TerminationSignal::~TerminationSignal()
{
    if (!m_notifier)
        return;
    ::sigaction(SIGTERM, &m_previous, nullptr);
    delete m_notifier;
    closeSockets();
}

// Only async-signal-safe calls here.
void TerminationSignal::handle(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(s_sockets[0], &byte, 1);
    errno = saved;
}

void TerminationSignal::onReadable()
{
    char bytes[64];
    while (::read(s_sockets[1], bytes, sizeof bytes) > 0) {
    }
    Logger(Logger::Warning) << "SIGTERM received: the program quits";
    Q_EMIT received();
}

} // namespace Corvane::Sentrel
