#pragma once

#include <QString>

#include <functional>

namespace Corvane::Log {

// One log line: construct with a severity, stream text into it, and the line
// is written when the object is destroyed.
//
//     Log::Logger(Log::Logger::Error) << Q_FUNC_INFO << " cannot open " << path;
//
// Which lines are written depends on the mode given to initialize(): silent,
// errors, errors and warnings, or verbose (every line). Lines go to standard
// error and, once initialized, to a log file under the XDG state location.
class Logger
{
public:
    enum Severity {
        Trace = 0,
        Error = 1,
        Warning = 2,
    };

    enum Mode {
        Silent = 0,
        Errors = 1,
        ErrorsAndWarnings = 2,
        Verbose = 3,
    };

    // Command-line switches selecting the log mode (compared in lower case).
    static const QString SILENT_ARG;
    static const QString ERRORS_ARG;
    static const QString ERRORS_WARNINGS_ARG;
    static const QString VERBOSE_ARG;

    // Receives every line that passes the mode filter, after it was written.
    using LineObserver = std::function<void(Severity, const QString&)>;

    explicit Logger(Severity severity);
    ~Logger();

    Logger(const Logger&) = delete;
    Logger& operator=(const Logger&) = delete;

    Logger& operator<<(const char* text);
    Logger& operator<<(const QString& text);
    Logger& operator<<(qint64 number);

    // Starts logging for the program: sets the mode and opens the log file
    // "<state dir>/corvane/<applicationName>.log" (the previous one is kept
    // as ".old" once it grows past a limit).
    static void initialize(int mode, const QString& applicationName);
    // Flushes and closes the log file; later lines go to standard error only.
    static void close();

    static int mode();
    // The mode selected by the last log switch among the arguments, or
    // defaultMode when none is present.
    static int modeFromArguments(const QStringList& arguments, int defaultMode = Errors);
    static QString logFilePath();

    // Installs an observer of the written lines (tests, diagnostics) and
    // returns the previous one.
    static LineObserver setLineObserver(LineObserver observer);

private:
    Severity m_severity;
    QString m_text;
};

} // namespace Corvane::Log
