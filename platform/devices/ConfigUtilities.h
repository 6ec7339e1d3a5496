#pragma once

#include "DeviceAddress.h"

#include <QList>
#include <QString>

namespace Corvane::Devices {

class ScenarioDeviceProperties;

// Texts and icon paths the Configurator shows for device values.
class ConfigUtilities
{
public:
    ConfigUtilities() = delete;

    // The address as the device type's rule shows it, e.g. "A1 PL5",
    // "GEN", "GR 12", "A1 PL5 I2" on the local bus.
    static QString addressString(const DeviceAddress& address, int deviceType);
    static QString addressStringForType(const DeviceAddress& address, int addressType);

    static QString getTrueString();
    static QString getFalseString();
    static QString getYesNoString(bool value);
    static QString getEnabledString(bool value);
    static QString getBoolIconPath(int value);

    // "3, 12" or "-" when there is no group.
    static QString getGroupsString(const QList<int>& groups);
    static QString getDeviceIconPath(int deviceType);
    static bool hasIconForDevice(int deviceType);

    static QString getAddressValueIconPath(int value);
    static QString getAddressLevelIconPath(int level);
    static QString levelToString(int level);

    static QString getIpTypeString(int ipAddressType);
    static QString getScenarioParamsString(const ScenarioDeviceProperties& scenario);
    static QString getSoundSystemTypeString(int type);
    static QString getSoundSystemIconPath(int type);
    static QString getTemperatureString(int unit);
};

} // namespace Corvane::Devices
