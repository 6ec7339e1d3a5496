#include "StartupArguments.h"

#include "log/Logger.h"

#include <QFileInfo>

namespace Corvane::Configurator {

using Log::Logger;

StartupArguments StartupArguments::parse(const QStringList& arguments)
{
    const QList<QPair<QString, int>> switches{{Logger::SILENT_ARG.toLower(), Logger::Silent},
                                              {Logger::ERRORS_ARG.toLower(), Logger::Errors},
                                              {Logger::ERRORS_WARNINGS_ARG.toLower(), Logger::ErrorsAndWarnings},
                                              {Logger::VERBOSE_ARG.toLower(), Logger::Verbose}};
    StartupArguments result;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString lowered = arguments.at(i).toLower();
        bool isSwitch = false;
        for (const auto& [text, mode] : switches) {
            if (lowered == text) {
                result.logMode = mode;
                isSwitch = true;
            }
        }
        if (isSwitch || i == 0)
            continue;
        const QFileInfo file(arguments.at(i));
        if (file.isFile())
            result.fileToOpen = file.absoluteFilePath();
    }
    return result;
}

} // namespace Corvane::Configurator
