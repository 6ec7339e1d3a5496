#include "utilities/Globals.h"

#include <QCoreApplication>

namespace Corvane::Utilities {

const QString Globals::UPDATER_AUTOMATIC_UPDATE_ARGUMENT_SWITCH = QStringLiteral("/automaticupdate");
const QString Globals::UPDATER_INI_FILE_LOCATION_ARGUMENT_SWITCH = QStringLiteral("/inifile");
const QString Globals::UPDATER_LOCALE_ARGUMENT_SWITCH = QStringLiteral("/locale");

namespace {

QtMessageHandler previousHandler = nullptr;

void noDebugOutputHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtDebugMsg)
        return;
    if (previousHandler)
        previousHandler(type, context, message);
}

} // namespace

QString Globals::defaultSkinName()
{
    return QCoreApplication::translate("Corvane::Utilities::Globals", "Default");
}

QString Globals::productFamily()
{
    return QStringLiteral("Vantrel");
}

int Globals::company()
{
    return 2;
}

QString Globals::gadgetsLibName()
{
    return QStringLiteral("Gadgets");
}

QString Globals::devicesLibName()
{
    return QStringLiteral("Devices");
}

QString Globals::platformLibName()
{
    return QStringLiteral("Platform");
}

QString Globals::configuratorAppName()
{
    return QStringLiteral("VantrelConfig");
}

QString Globals::sentrelAppName()
{
    return QStringLiteral("TalveraVantrel");
}

QString Globals::appKey(const QString& applicationName, const QString& organisationName)
{
    return organisationName + u'.' + applicationName;
}

void Globals::installNoDebugOutputMsgHandlerIfNeeded()
{
    if (qEnvironmentVariableIsSet("CORVANE_DEBUG"))
        return;
    QtMessageHandler previous = qInstallMessageHandler(noDebugOutputHandler);
    if (previous != noDebugOutputHandler)
        previousHandler = previous;
}

} // namespace Corvane::Utilities
