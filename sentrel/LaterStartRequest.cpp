#include "LaterStartRequest.h"

#include "CommandLine.h"
#include "Settings.h"

#include "log/Logger.h"
#include "utilities/HandOverChoice.h"

namespace Corvane::Sentrel {

using Log::Logger;

QString LaterStartRequest::projectToOpen(const QStringList& arguments)
{
    static const QStringList switches{CommandLine::NO_SERVER_SWITCH, Logger::SILENT_ARG, Logger::ERRORS_ARG,
                                      Logger::ERRORS_WARNINGS_ARG, Logger::VERBOSE_ARG};
    return Utilities::HandOverChoice(arguments, switches).choose(&Settings::readProjectAhead);
}

} // namespace Corvane::Sentrel
