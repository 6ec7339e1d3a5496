#pragma once

#include "ValidationItem.h"

#include <QList>
#include <QString>

namespace Corvane::Devices {
class BaseDeviceProperties;
class Configuration;
class ScenarioDeviceProperties;
class ThermoregulationDeviceProperties;
class WebServerDeviceProperties;
}

namespace Corvane::Devices::Validation {

// Checks a project before it is activated or loaded. Each finding names the
// device and says what is wrong with it.
class ConfigurationValidator
{
public:
    // Bits of issues().
    static const int HAS_WARNINGS;
    static const int HAS_ERRORS;
    static const int DEFAULT_MAX_DEVICES_PER_TYPE;

    ConfigurationValidator() = delete;

    // Appends the findings to items; true when there is no error.
    static bool validate(const Configuration* project, QList<ValidationItem>& items,
                         int maxDevicesPerType = DEFAULT_MAX_DEVICES_PER_TYPE);

    // HAS_ERRORS and HAS_WARNINGS as found with the default limits.
    static int issues(const Configuration* project);
    static QString configurationHasErrorsMessage();
    // True when path holds a project that reads and validates without errors.
    static bool isValid(const QString& path, QString* error = nullptr);
    // True for an IPv4 address in dotted form (leading zeros allowed).
    static bool isIpAddressValid(const QString& ip);

private:
    static void validateWebServers(const Configuration& project, QList<ValidationItem>& items);
    static void validateWebServer(const Configuration& project, const WebServerDeviceProperties& server,
                                  QList<ValidationItem>& items);
    static void validateDevice(const Configuration& project, const BaseDeviceProperties& device,
                        QList<ValidationItem>& items);
    static void validateScenario(const Configuration& project, const ScenarioDeviceProperties& scenario,
                                 QList<ValidationItem>& items);
    static void validateThermoregulation(const Configuration& project, const ThermoregulationDeviceProperties& thermo,
                                  QList<ValidationItem>& items);
    static void validateLimits(const Configuration& project, QList<ValidationItem>& items,
                               int maxDevicesPerType);
    static void validateSoundSystems(const Configuration& project, QList<ValidationItem>& items);
    static void validateDuplicateAddresses(const Configuration& project, QList<ValidationItem>& items);
};

} // namespace Corvane::Devices::Validation
