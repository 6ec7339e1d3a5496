#include "utilities/SingleInstanceApplication.h"

#include "log/Logger.h"
#include "utilities/SingleInstanceGuard.h"

#include <QFileInfo>

namespace Corvane::Utilities {

using Log::Logger;

SingleInstanceApplication::SingleInstanceApplication(int& argc, char** argv, const QString& key)
    : QApplication(argc, argv)
    , m_guard(new SingleInstanceGuard(key, this))
{
    connect(m_guard, &SingleInstanceGuard::argumentsReceived, this, &SingleInstanceApplication::appStartRequested);
    m_guard->start(withAbsoluteFileArguments(arguments(), QDir::current()));
}

SingleInstanceApplication::~SingleInstanceApplication() = default;

bool SingleInstanceApplication::isRunning() const
{
    return m_guard->isRunning();
}

void SingleInstanceApplication::logStartWarnings() const
{
    const QStringList warnings = m_guard->warnings();
    if (warnings.isEmpty())
        return;
    const bool laterStart = isRunning();
    if (laterStart) {
        const int mode = Logger::modeFromArguments(arguments());
        // Warnings would not be written: the log file is left alone.
        if (mode < Logger::ErrorsAndWarnings)
            return;
        Logger::initialize(mode, applicationName());
    }
    for (const QString& warning : warnings)
        Logger(Logger::Warning) << "Single instance: " << warning;
    if (laterStart)
        Logger::close();
}

QStringList SingleInstanceApplication::withAbsoluteFileArguments(const QStringList& arguments, const QDir& workingFolder)
{
    QStringList result = arguments;
    for (qsizetype i = 1; i < result.size(); ++i) {
        const QString& argument = result.at(i);
        if (argument.isEmpty() || QDir::isAbsolutePath(argument))
            continue;
        const QFileInfo file(workingFolder, argument);
        if (file.exists())
            result[i] = QDir::cleanPath(file.absoluteFilePath());
    }
    return result;
}

} // namespace Corvane::Utilities
