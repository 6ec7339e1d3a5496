#include "UpdaterArguments.h"

#include "utilities/Globals.h"

#include <QHash>

namespace Corvane::Updater {

using Utilities::Globals;

UpdaterArguments UpdaterArguments::parse(const QStringList& arguments)
{
    QHash<QString, ArgumentSwitch> switches{
        {Globals::UPDATER_AUTOMATIC_UPDATE_ARGUMENT_SWITCH, AutomaticUpdate},
        {Globals::UPDATER_INI_FILE_LOCATION_ARGUMENT_SWITCH, IniFileLocation},
        {Globals::UPDATER_LOCALE_ARGUMENT_SWITCH, Locale},
    };
    UpdaterArguments result;
    for (qsizetype i = 1; i < arguments.size() && !switches.isEmpty(); ++i) {
        const auto found = switches.constFind(arguments.at(i));
        if (found == switches.constEnd())
            continue;
        const ArgumentSwitch argumentSwitch = found.value();
        switches.erase(found);
        const bool hasValue = i + 1 < arguments.size();
        switch (argumentSwitch) {
        case AutomaticUpdate:
            result.automatic = true;
            return result;
        case IniFileLocation:
            if (hasValue)
                result.iniPath = arguments.at(++i);
            break;
        case Locale:
            if (hasValue)
                result.locale = arguments.at(++i);
            break;
        }
    }
    return result;
}

} // namespace Corvane::Updater
