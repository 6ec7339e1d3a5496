#include "LaterStartRequest.h"

#include "CommandLine.h"

#include "devices/Configuration.h"
#include "log/Logger.h"

#include <QDir>
#include <QSet>

namespace Corvane::Sentrel {

using Log::Logger;

QString LaterStartRequest::projectToOpen(const QStringList& arguments)
{
    static const QStringList switches{CommandLine::NO_SERVER_SWITCH, Logger::SILENT_ARG, Logger::ERRORS_ARG,
                                      Logger::ERRORS_WARNINGS_ARG, Logger::VERBOSE_ARG};
    QSet<QString> looked;
    for (qsizetype i = arguments.size() - 1; i >= 1; --i) {
        const QString& argument = arguments.at(i);
        if (switches.contains(argument.toLower()) || looked.contains(argument))
            continue;
        looked.insert(argument);
        const QString reason = refusalOf(argument);
        if (reason.isEmpty()) {
            if (i > 1)
                Logger(Logger::Trace) << "A later start named " << qint64(i - 1)
                                      << " arguments before its last project; they are passed over";
            return argument;
        }
        Logger(Logger::Warning) << Q_FUNC_INFO << " a later start named " << argument << ", refused: " << reason;
    }
    return QString();
}

QString LaterStartRequest::refusalOf(const QString& argument)
{
    if (QDir::isRelativePath(argument))
        return QStringLiteral("not an absolute path");
    if (!CommandLine::isRegularFile(argument))
        return QStringLiteral("not an existing regular file");
    if (QString error; !Devices::Configuration::isFileValid(argument, &error))
        return error.isEmpty() ? QStringLiteral("not a readable project") : error;
    return QString();
}

} // namespace Corvane::Sentrel
