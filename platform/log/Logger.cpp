#include "log/Logger.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>
#include <QStandardPaths>
#include <QStringList>

#include <cstdio>

namespace Corvane::Log {

const QString Logger::SILENT_ARG = QStringLiteral("/logsilent");
const QString Logger::ERRORS_ARG = QStringLiteral("/logerrors");
const QString Logger::ERRORS_WARNINGS_ARG = QStringLiteral("/logwarnings");
const QString Logger::VERBOSE_ARG = QStringLiteral("/logverbose");

namespace {

constexpr qint64 MaxLogFileSize = 4 * 1024 * 1024;

struct LogState
{
    QMutex mutex;
    int mode = Logger::Errors;
    QFile file;
    Logger::LineObserver observer;
};

LogState& state()
{
    static LogState s;
    return s;
}

bool passesMode(Logger::Severity severity, int mode)
{
    switch (severity) {
    case Logger::Error:
        return mode >= Logger::Errors;
    case Logger::Warning:
        return mode >= Logger::ErrorsAndWarnings;
    case Logger::Trace:
        return mode >= Logger::Verbose;
    }
    return false;
}

QChar severityMark(Logger::Severity severity)
{
    switch (severity) {
    case Logger::Error:
        return u'E';
    case Logger::Warning:
        return u'W';
    case Logger::Trace:
        return u'T';
    }
    return u'?';
}

QString stateDirectory()
{
    const QByteArray xdgState = qgetenv("XDG_STATE_HOME");
    if (!xdgState.isEmpty() && QDir::isAbsolutePath(QString::fromLocal8Bit(xdgState)))
        return QString::fromLocal8Bit(xdgState);
    return QDir::homePath() + QStringLiteral("/.local/state");
}

void keepPreviousLog(const QString& path)
{
    if (QFile(path).size() < MaxLogFileSize)
        return;
    const QString old = path + QStringLiteral(".old");
    QFile::remove(old);
    QFile::rename(path, old);
}

} // namespace

Logger::Logger(Severity severity)
    : m_severity(severity)
{
}

Logger::~Logger()
{
    LogState& s = state();
    LineObserver observer;
    {
        QMutexLocker lock(&s.mutex);
        if (!passesMode(m_severity, s.mode))
            return;
        const QByteArray line = (QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz"))
                                 + QStringLiteral(" [") + severityMark(m_severity) + QStringLiteral("] ")
                                 + m_text + u'\n')
                                    .toUtf8();
        std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
        if (s.file.isOpen()) {
            s.file.write(line);
            s.file.flush();
        }
        observer = s.observer;
    }
    if (observer)
        observer(m_severity, m_text);
}

Logger& Logger::operator<<(const char* text)
{
    m_text += QString::fromUtf8(text);
    return *this;
}

Logger& Logger::operator<<(const QString& text)
{
    m_text += text;
    return *this;
}

Logger& Logger::operator<<(qint64 number)
{
    m_text += QString::number(number);
    return *this;
}

void Logger::initialize(int mode, const QString& applicationName)
{
    LogState& s = state();
    QMutexLocker lock(&s.mutex);
    s.mode = qBound(int(Silent), mode, int(Verbose));
    s.file.close();
    if (s.mode == Silent || applicationName.isEmpty())
        return;

    const QString directory = stateDirectory() + QStringLiteral("/corvane");
    if (!QDir().mkpath(directory))
        return;
    const QString path = directory + u'/' + applicationName + QStringLiteral(".log");
    keepPreviousLog(path);
    s.file.setFileName(path);
    if (!s.file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        std::fprintf(stderr, "Cannot open log file %s\n", qPrintable(path));
}

void Logger::close()
{
    LogState& s = state();
    QMutexLocker lock(&s.mutex);
    s.file.close();
}

int Logger::mode()
{
    LogState& s = state();
    QMutexLocker lock(&s.mutex);
    return s.mode;
}

int Logger::modeFromArguments(const QStringList& arguments, int defaultMode)
{
    int mode = defaultMode;
    for (const QString& argument : arguments) {
        const QString lower = argument.toLower();
        if (lower == SILENT_ARG)
            mode = Silent;
        else if (lower == ERRORS_ARG)
            mode = Errors;
        else if (lower == ERRORS_WARNINGS_ARG)
            mode = ErrorsAndWarnings;
        else if (lower == VERBOSE_ARG)
            mode = Verbose;
    }
    return mode;
}

QString Logger::logFilePath()
{
    LogState& s = state();
    QMutexLocker lock(&s.mutex);
    return s.file.isOpen() ? s.file.fileName() : QString();
}

Logger::LineObserver Logger::setLineObserver(LineObserver observer)
{
    LogState& s = state();
    QMutexLocker lock(&s.mutex);
    std::swap(s.observer, observer);
    return observer;
}

} // namespace Corvane::Log
