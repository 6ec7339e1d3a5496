#include "ConfigUtilities.h"

#include "DeviceTypeTable.h"
#include "ScenarioDeviceProperties.h"
#include "Utilities.h"
#include "addressverification/AddressVerifier.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

namespace Corvane::Devices {

namespace {

const QString ICONS_PATH = QStringLiteral(":/devices/icons/");

} // namespace

QString ConfigUtilities::addressString(const DeviceAddress& address, int deviceType)
{
    return addressStringForType(address, DeviceTypeTable::addressType(deviceType));
}

QString ConfigUtilities::addressStringForType(const DeviceAddress& address, int addressType)
{
    using AddressVerification::AddressVerifier;
    const AddressVerification::AddressRule rule = AddressVerifier::rule(addressType);
    if (address.isGeneral())
        return Utilities::areaIdToString(address.area());
    if (address.isAmbient() || address.isGroup())
        return Utilities::areaIdToString(address.area()) + QLatin1Char(' ')
            + Utilities::pointIdToString(address.point());

    QStringList parts;
    parts << QStringLiteral("A") + Utilities::areaIdToString(address.area());
    if (!rule.pointsFor(address.area()).isEmpty())
        parts << QStringLiteral("PL") + Utilities::pointIdToString(address.point());
    const bool busLevels = rule.levels.contains(DeviceAddress::LEVEL_LOCAL_BUS)
        && rule.interfaceOnLocalBusOnly;
    if (!rule.levels.isEmpty() && !busLevels)
        parts << QStringLiteral("L") + Utilities::pointIdToString(address.level());
    if (busLevels && address.level() == DeviceAddress::LEVEL_LOCAL_BUS)
        parts << QStringLiteral("I") + Utilities::pointIdToString(address.interface());
    return parts.join(QLatin1Char(' '));
}

QString ConfigUtilities::getTrueString()
{
    return QCoreApplication::translate("Devices", "Yes");
}

QString ConfigUtilities::getFalseString()
{
    return QCoreApplication::translate("Devices", "No");
}

QString ConfigUtilities::getYesNoString(bool value)
{
    return value ? getTrueString() : getFalseString();
}

QString ConfigUtilities::getEnabledString(bool value)
{
    return value ? QCoreApplication::translate("Devices", "Enabled") : QCoreApplication::translate("Devices", "Disabled");
}

QString ConfigUtilities::getBoolIconPath(int value)
{
    return ICONS_PATH + (value ? QStringLiteral("true.svg") : QStringLiteral("false.svg"));
}

QString ConfigUtilities::getGroupsString(const QList<int>& groups)
{
    if (groups.isEmpty())
        return QStringLiteral("-");
    QStringList texts;
    for (int group : groups)
        texts << QString::number(group);
    return texts.join(QStringLiteral(", "));
}

QString ConfigUtilities::getDeviceIconPath(int deviceType)
{
    static const QStringList groupIcons = {
        QString(), QStringLiteral("group_lights"), QStringLiteral("group_automation"),
        QStringLiteral("group_scenarios"), QStringLiteral("group_thermoregulation"),
        QStringLiteral("group_sensors"), QStringLiteral("group_webservers"),
        QStringLiteral("group_soundsources"), QStringLiteral("group_amplifiers"),
        QStringLiteral("group_energy"), QStringLiteral("group_load"),
    };
    const QString name = groupIcons.value(DeviceTypeTable::group(deviceType));
    return name.isEmpty() ? QString() : ICONS_PATH + name + QStringLiteral(".svg");
}

bool ConfigUtilities::hasIconForDevice(int deviceType)
{
    const QString path = getDeviceIconPath(deviceType);
    return !path.isEmpty() && QFile::exists(path);
}

QString ConfigUtilities::getAddressValueIconPath(int value)
{
    if (value == DeviceAddress::ADDRESS_GEN)
        return ICONS_PATH + QStringLiteral("address_general.svg");
    if (value == DeviceAddress::ADDRESS_AMB)
        return ICONS_PATH + QStringLiteral("address_ambient.svg");
    if (value == DeviceAddress::ADDRESS_GR)
        return ICONS_PATH + QStringLiteral("address_group.svg");
    return ICONS_PATH + QStringLiteral("address_point.svg");
}

QString ConfigUtilities::getAddressLevelIconPath(int level)
{
    return ICONS_PATH
        + (level == DeviceAddress::LEVEL_LOCAL_BUS ? QStringLiteral("level_local_bus.svg")
                                                   : QStringLiteral("level_private_riser.svg"));
}

QString ConfigUtilities::levelToString(int level)
{
    if (level == DeviceAddress::LEVEL_LOCAL_BUS)
        return QCoreApplication::translate("Devices", "Local bus");
    if (level == DeviceAddress::LEVEL_PRIVATE_RISER)
        return QCoreApplication::translate("Devices", "Private riser");
    return Utilities::pointIdToString(level);
}

QString ConfigUtilities::getIpTypeString(int ipAddressType)
{
    return ipAddressType == 1 ? QCoreApplication::translate("Devices", "Univocal code") : QCoreApplication::translate("Devices", "Static IP");
}

QString ConfigUtilities::getScenarioParamsString(const ScenarioDeviceProperties& scenario)
{
    switch (scenario.deviceType()) {
    case 1002:
        return QCoreApplication::translate("Devices", "%1, scenario %2")
            .arg(addressString(scenario.address(), 1002))
            .arg(scenario.scenarioNumber());
    case 1003:
        // A scenario PLUS is addressed by A alone; its level is the scenario's own.
        return QCoreApplication::translate("Devices", "A%1, level %2")
            .arg(Utilities::areaIdToString(scenario.address().area()))
            .arg(scenario.level());
    case 9002: {
        QStringList present;
        if (scenario.enableItem().presence())
            present << QCoreApplication::translate("Devices", "enable");
        if (scenario.disableItem().presence())
            present << QCoreApplication::translate("Devices", "disable");
        if (scenario.startItem().presence())
            present << QCoreApplication::translate("Devices", "start");
        if (scenario.stopItem().presence())
            present << QCoreApplication::translate("Devices", "stop");
        return present.isEmpty() ? QCoreApplication::translate("Devices", "No command") : present.join(QStringLiteral(", "));
    }
    default:
        return QString();
    }
}

QString ConfigUtilities::getSoundSystemTypeString(int type)
{
    return type == 0 ? QCoreApplication::translate("Devices", "Basic") : QCoreApplication::translate("Devices", "All areas");
}

QString ConfigUtilities::getSoundSystemIconPath(int type)
{
    return ICONS_PATH + (type == 0 ? QStringLiteral("sound_basic.svg") : QStringLiteral("sound_all_areas.svg"));
}

QString ConfigUtilities::getTemperatureString(int unit)
{
    return unit == 1 ? QCoreApplication::translate("Devices", "°F") : QCoreApplication::translate("Devices", "°C");
}

} // namespace Corvane::Devices
