#include "CommandLine.h"

#include "log/Logger.h"
#include "utilities/PathProvider.h"

#include <QFileInfo>

namespace Corvane::Sentrel {

using Corvane::Log::Logger;

const QString CommandLine::NO_SERVER_SWITCH = QStringLiteral("/noserver");

bool CommandLine::isRegularFile(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

CommandLine CommandLine::read(const QStringList& arguments)
{
    CommandLine result;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        const QString lower = argument.toLower();
        if (lower == NO_SERVER_SWITCH) {
            result.m_noServer = true;
        } else if (lower == Logger::SILENT_ARG) {
            result.m_logMode = Logger::Silent;
        } else if (lower == Logger::ERRORS_ARG) {
            result.m_logMode = Logger::Errors;
        } else if (lower == Logger::ERRORS_WARNINGS_ARG) {
            result.m_logMode = Logger::ErrorsAndWarnings;
        } else if (lower == Logger::VERBOSE_ARG) {
            result.m_logMode = Logger::Verbose;
        } else if (i > 0 && QFileInfo::exists(argument)) {
            if (!isRegularFile(argument)) {
                result.m_refusals.append(QStringLiteral("%1: not a regular file").arg(argument));
                continue;
            }
            const QFileInfo file(argument);
            result.m_projectPath = file.absoluteFilePath();
            if (file.fileName() != Utilities::PathProvider::DEMO_PROJECT_FILENAME)
                result.m_projectFolder = file.absolutePath();
        }
    }
    return result;
}

} // namespace Corvane::Sentrel
