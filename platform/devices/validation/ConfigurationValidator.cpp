#include "ConfigurationValidator.h"

#include "ConfigUtilities.h"
#include "Configuration.h"
#include "DeviceTypeTable.h"
#include "EnergyDeviceProperties.h"
#include "ScenarioDeviceProperties.h"
#include "StringConsts.h"
#include "ThermoregulationDeviceProperties.h"
#include "addressverification/AddressVerifier.h"
#include "serialization/XmlSerializer.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QStringList>

#include <memory>

namespace Corvane::Devices::Validation {

const int ConfigurationValidator::HAS_WARNINGS = 0x1;
const int ConfigurationValidator::HAS_ERRORS = 0x2;
const int ConfigurationValidator::DEFAULT_MAX_DEVICES_PER_TYPE = 500;

namespace {

using AddressVerification::AddressVerifier;

// The name of a group's page in the Configurator's tree.
QString pageName(BaseDeviceProperties::DeviceGroup group)
{
    static const QHash<int, const char*> pages = {
        {BaseDeviceProperties::Lights, QT_TRANSLATE_NOOP("Devices", "Lighting")},
        {BaseDeviceProperties::Sensors, QT_TRANSLATE_NOOP("Devices", "Sensors")},
        {BaseDeviceProperties::Automation, QT_TRANSLATE_NOOP("Devices", "Automation")},
        {BaseDeviceProperties::Scenarios, QT_TRANSLATE_NOOP("Devices", "Scenarios")},
        {BaseDeviceProperties::Thermoregulation, QT_TRANSLATE_NOOP("Devices", "Thermoregulation")},
        {BaseDeviceProperties::SoundSources, QT_TRANSLATE_NOOP("Devices", "Sound system")},
        {BaseDeviceProperties::Amplifiers, QT_TRANSLATE_NOOP("Devices", "Sound system")},
        {BaseDeviceProperties::Energy, QT_TRANSLATE_NOOP("Devices", "Energy data")},
        {BaseDeviceProperties::Load, QT_TRANSLATE_NOOP("Devices", "Load management")},
        {BaseDeviceProperties::WebServers, QT_TRANSLATE_NOOP("Devices", "Plant list")},
    };
    const char* name = pages.value(group);
    return name ? QCoreApplication::translate("Devices", name) : QString();
}

int rowOf(const QList<BaseDeviceProperties*>& rows, int id)
{
    for (int row = 0; row < rows.size(); ++row) {
        if (rows.at(row)->id() == id)
            return row;
    }
    return -1;
}

// Where the user finds a device in the Configurator: its page in the tree
// (under its plant when there are several) and its row in the page's table;
// its type when it has no such place.
QString devicePlace(const Configuration& project, const BaseDeviceProperties& device)
{
    const QList<WebServerDeviceProperties*> servers = project.webServers();
    QList<BaseDeviceProperties*> rows(servers.cbegin(), servers.cend());
    QString page = pageName(device.deviceGroup());
    const int serverId = project.getServerForDevice(device.id());
    if (serverId >= 0) {
        project.getDevicesByGroup(rows, device.deviceGroup(), serverId);
        if (servers.size() > 1)
            page = QCoreApplication::translate("Devices", "%1 > %2").arg(project.getWebServerById(serverId)->description(), page);
    }
    const int row = rowOf(rows, device.id());
    if (row < 0 || page.isEmpty())
        return StringConsts::getDeviceTypeString(device.deviceType());
    return QCoreApplication::translate("Devices", "%1, row %2").arg(page).arg(row + 1);
}

bool isNamed(const BaseDeviceProperties& device)
{
    return !device.description().trimmed().isEmpty();
}

// A device within a sentence: its name, or where it is when it has none.
QString deviceName(const Configuration& project, const BaseDeviceProperties& device)
{
    return isNamed(device) ? QStringLiteral("\"%1\"").arg(device.description())
                           : QCoreApplication::translate("Devices", "the device at %1").arg(devicePlace(project, device));
}

QString deviceFinding(const Configuration& project, const BaseDeviceProperties& device, const QString& problem)
{
    if (isNamed(device))
        return QCoreApplication::translate("Devices", "Device \"%1\": %2").arg(device.description(), problem);
    return QCoreApplication::translate("Devices", "The device at %1: %2").arg(devicePlace(project, device), problem);
}

void addError(QList<ValidationItem>& items, const Configuration& project, const BaseDeviceProperties& device,
              const QString& problem, int errorType)
{
    items.append(ValidationItem(ValidationItem::Error, deviceFinding(project, device, problem), {device.id()}, errorType));
}

void addWarning(QList<ValidationItem>& items, const Configuration& project, const BaseDeviceProperties& device,
                const QString& problem, int errorType)
{
    items.append(ValidationItem(ValidationItem::Warning, deviceFinding(project, device, problem), {device.id()}, errorType));
}

// The address space a device's messages are addressed in. Lights,
// automation, sensors, amplifiers, meters and loads each have a system of
// their own (their group). Scenarios and thermoregulation devices write their
// addresses each in a form of their own (scenario module, Scenario PLUS;
// probe, external probe, basic or advanced air conditioner), except the two
// kinds of zone, which are both known by their zone number.
int addressFamily(const BaseDeviceProperties& device)
{
    switch (device.deviceGroup()) {
    case BaseDeviceProperties::Scenarios:
        return device.deviceType();
    case BaseDeviceProperties::Thermoregulation:
        return device.deviceType() == 8004 ? 8003 : device.deviceType();
    default:
        return device.deviceGroup();
    }
}

// What identifies a device on the bus: its address family and address (PUL
// and groups aside) and, for scenarios run by a scenario module, the
// scenario number.
QString addressKey(int serverId, const BaseDeviceProperties& device)
{
    const DeviceAddress address = device.address();
    const auto* scenario = dynamic_cast<const ScenarioDeviceProperties*>(&device);
    return QStringLiteral("%1/%2/%3/%4/%5/%6/%7")
        .arg(serverId)
        .arg(addressFamily(device))
        .arg(scenario ? scenario->scenarioNumber() : 0)
        .arg(address.area())
        .arg(address.point())
        .arg(address.level())
        .arg(address.interface());
}

// "A", "A and B", "A, B and C".
QString joinedNames(const QStringList& names)
{
    if (names.size() < 2)
        return names.join(QString());
    return QCoreApplication::translate("Devices", "%1 and %2").arg(names.mid(0, names.size() - 1).join(QStringLiteral(", ")), names.last());
}

QString normalizedIp(const QString& ip)
{
    QStringList parts;
    for (const QString& part : ip.split(QLatin1Char('.')))
        parts << QString::number(part.trimmed().toInt());
    return parts.join(QLatin1Char('.'));
}

bool isPasswordValid(const QString& password)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{5,9}$"));
    return digits.match(password).hasMatch();
}

} // namespace

bool ConfigurationValidator::validate(const Configuration* project, QList<ValidationItem>& items,
                                      int maxDevicesPerType)
{
    if (!project)
        return false;
    const int firstNew = items.size();
    validateWebServers(*project, items);
    for (const BaseDeviceProperties* device : project->devices())
        validateDevice(*project, *device, items);
    validateLimits(*project, items, maxDevicesPerType);
    validateSoundSystems(*project, items);
    validateDuplicateAddresses(*project, items);
    for (int i = firstNew; i < items.size(); ++i) {
        if (items.at(i).itemType() == ValidationItem::Error)
            return false;
    }
    return true;
}

int ConfigurationValidator::issues(const Configuration* project)
{
    QList<ValidationItem> items;
    if (!project)
        return HAS_ERRORS;
    ConfigurationValidator::validate(project, items);
    int result = 0;
    for (const ValidationItem& item : items)
        result |= item.itemType() == ValidationItem::Error ? HAS_ERRORS : HAS_WARNINGS;
    return result;
}

QString ConfigurationValidator::configurationHasErrorsMessage()
{
    return QCoreApplication::translate("Devices", "The project contains errors and cannot be used. "
              "Open it in the Configurator to correct them.");
}

bool ConfigurationValidator::isValid(const QString& path, QString* error)
{
    const std::unique_ptr<Configuration> project(Serialization::XmlSerializer::read(path, error));
    if (!project)
        return false;
    QList<ValidationItem> items;
    if (ConfigurationValidator::validate(project.get(), items))
        return true;
    if (error) {
        QStringList errors;
        for (const ValidationItem& item : items) {
            if (item.itemType() == ValidationItem::Error)
                errors << item.itemString();
        }
        *error = configurationHasErrorsMessage() + QLatin1Char('\n') + errors.join(QLatin1Char('\n'));
    }
    return false;
}

bool ConfigurationValidator::isIpAddressValid(const QString& ip)
{
    const QStringList parts = ip.split(QLatin1Char('.'));
    if (parts.size() != 4)
        return false;
    for (const QString& part : parts) {
        bool ok = false;
        const QString trimmed = part.trimmed();
        const int value = trimmed.toInt(&ok);
        if (!ok || trimmed.isEmpty() || trimmed.size() > 3 || value < 0 || value > 255
            || trimmed.startsWith(QLatin1Char('+')) || trimmed.startsWith(QLatin1Char('-')))
            return false;
    }
    return true;
}

void ConfigurationValidator::validateWebServers(const Configuration& project,
                                                QList<ValidationItem>& items)
{
    const QList<WebServerDeviceProperties*> servers = project.webServers();
    if (servers.isEmpty()) {
        items.append(ValidationItem(ValidationItem::Warning, QCoreApplication::translate("Devices", "The project has no gateway."), {},
                                    ValidationItem::NoWebServer));
        return;
    }
    QHash<QString, QList<int>> byIp;
    QHash<int, QList<int>> byUc;
    for (const WebServerDeviceProperties* server : servers) {
        validateWebServer(project, *server, items);
        const DeviceNetworkAddress net = server->networkAddress();
        if (net.ipAddressType() == DeviceNetworkAddress::StaticIp && isIpAddressValid(net.ip()))
            byIp[normalizedIp(net.ip())].append(server->id());
        else if (net.ipAddressType() == DeviceNetworkAddress::DynamicIp)
            byUc[net.uc()].append(server->id());
    }
    for (auto it = byIp.constBegin(); it != byIp.constEnd(); ++it) {
        if (it.value().size() > 1)
            items.append(ValidationItem(ValidationItem::Error,
                                        QCoreApplication::translate("Devices", "Several gateways use the IP address %1.").arg(it.key()),
                                        it.value(), ValidationItem::DuplicateIp));
    }
    for (auto it = byUc.constBegin(); it != byUc.constEnd(); ++it) {
        if (it.value().size() > 1 && it.key() != DeviceNetworkAddress::UC_DEFAULT_VALUE)
            items.append(ValidationItem(ValidationItem::Error,
                                        QCoreApplication::translate("Devices", "Several gateways use the univocal code %1.").arg(it.key()),
                                        it.value(), ValidationItem::InvalidUc));
    }
}

void ConfigurationValidator::validateWebServer(const Configuration& project, const WebServerDeviceProperties& server,
                                               QList<ValidationItem>& items)
{
    const DeviceNetworkAddress net = server.networkAddress();
    if (net.ipAddressType() == DeviceNetworkAddress::StaticIp) {
        if (!isIpAddressValid(net.ip()))
            addError(items, project, server, QCoreApplication::translate("Devices", "the IP address \"%1\" is not valid.").arg(net.ip()),
                     ValidationItem::InvalidIp);
        else if (normalizedIp(net.ip()) == DeviceNetworkAddress::IP_DEFAULT_VALUE)
            addError(items, project, server, QCoreApplication::translate("Devices", "the IP address is not set."), ValidationItem::InvalidIp);
    } else if (net.uc() == DeviceNetworkAddress::UC_DEFAULT_VALUE || net.uc() < 0) {
        addError(items, project, server, QCoreApplication::translate("Devices", "the univocal code is not set."), ValidationItem::InvalidUc);
    }
    if (!isPasswordValid(net.password()))
        addError(items, project, server, QCoreApplication::translate("Devices", "the password must have 5 to 9 digits."),
                 ValidationItem::InvalidPassword);
    if (server.description().trimmed().isEmpty())
        addWarning(items, project, server, QCoreApplication::translate("Devices", "the description is empty."), ValidationItem::EmptyDescription);
}

void ConfigurationValidator::validateDevice(const Configuration& project,
                                            const BaseDeviceProperties& device,
                                            QList<ValidationItem>& items)
{
    if (device.description().trimmed().isEmpty())
        addWarning(items, project, device, QCoreApplication::translate("Devices", "the description is empty."), ValidationItem::EmptyDescription);
    const int addressType = project.deviceAddressType(device);
    if (!AddressVerifier::isValid(device.address().cloneWithPulAndGroups(0, {}), addressType))
        addError(items, project, device, QCoreApplication::translate("Devices", "the address is not valid."), ValidationItem::InvalidAddress);
    for (int group : device.address().groups()) {
        if (group < DeviceAddress::MIN_GROUP || group > DeviceAddress::MAX_GROUP) {
            addError(items, project, device, QCoreApplication::translate("Devices", "the group %1 is not valid.").arg(group),
                     ValidationItem::InvalidAddress);
            break;
        }
    }
    if (device.address().groups().size() > DeviceAddress::MAX_GROUPS_COUNT)
        addError(items, project, device, QCoreApplication::translate("Devices", "the device belongs to more than %1 groups.").arg(DeviceAddress::MAX_GROUPS_COUNT),
                 ValidationItem::InvalidAddress);

    if (const auto* scenario = dynamic_cast<const ScenarioDeviceProperties*>(&device)) {
        validateScenario(project, *scenario, items);
    } else if (const auto* thermo = dynamic_cast<const ThermoregulationDeviceProperties*>(&device)) {
        validateThermoregulation(project, *thermo, items);
    } else if (const auto* meter = dynamic_cast<const EnergyDeviceProperties*>(&device)) {
        if (!EnergyDeviceProperties::allowedUnitsForDeviceType(meter->deviceType()).contains(meter->measurementUnit()))
            addError(items, project, device, QCoreApplication::translate("Devices", "the unit does not suit the meter."), ValidationItem::ValueOutOfRange);
    }
    const auto* economic = dynamic_cast<const EconomicDeviceProperties*>(&device);
    if (economic && !EconomicDeviceProperties::isTariffValid(economic->tariff()))
        addError(items, project, device, QCoreApplication::translate("Devices", "the tariff is out of range."), ValidationItem::ValueOutOfRange);
}

void ConfigurationValidator::validateScenario(const Configuration& project, const ScenarioDeviceProperties& scenario,
                                              QList<ValidationItem>& items)
{
    if (scenario.deviceType() == 1002
        && (scenario.scenarioNumber() < ScenarioDeviceProperties::MIN_SCENARIO_NUMBER
            || scenario.scenarioNumber() > ScenarioDeviceProperties::MAX_SCENARIO_NUMBER))
        addError(items, project, scenario, QCoreApplication::translate("Devices", "the scenario number must be between %1 and %2.")
                                      .arg(ScenarioDeviceProperties::MIN_SCENARIO_NUMBER)
                                      .arg(ScenarioDeviceProperties::MAX_SCENARIO_NUMBER),
                 ValidationItem::ValueOutOfRange);
    if (scenario.deviceType() == 1003
        && (scenario.level() < ScenarioDeviceProperties::MIN_LEVEL
            || scenario.level() > ScenarioDeviceProperties::MAX_LEVEL))
        addError(items, project, scenario, QCoreApplication::translate("Devices", "the level must be between %1 and %2.")
                                      .arg(ScenarioDeviceProperties::MIN_LEVEL)
                                      .arg(ScenarioDeviceProperties::MAX_LEVEL),
                 ValidationItem::ValueOutOfRange);
    if (scenario.deviceType() != 9002)
        return;

    const QList<QPair<QString, ScheduledScenarioItem>> scheduled = {
        {QCoreApplication::translate("Devices", "enable"), scenario.enableItem()},
        {QCoreApplication::translate("Devices", "disable"), scenario.disableItem()},
        {QCoreApplication::translate("Devices", "start"), scenario.startItem()},
        {QCoreApplication::translate("Devices", "stop"), scenario.stopItem()},
    };
    for (const auto& [name, item] : scheduled) {
        if (!item.presence())
            continue;
        // A CEN item starts at the placeholder A1 PL1 (riser, interface 1):
        // no address chosen yet. A CEN PLUS item has only A, and A 1 is one.
        if (item.cenType() == ScheduledScenarioItem::Cen && item.address().isDefaultOrEmpty())
            addError(items, project, scenario, QCoreApplication::translate("Devices", "the address of the %1 command is not set.").arg(name),
                     ValidationItem::InvalidScheduledItem);
        else if (!AddressVerifier::isValid(item.address().cloneWithPulAndGroups(0, {}), item.addressType()))
            addError(items, project, scenario, QCoreApplication::translate("Devices", "the address of the %1 command is not valid.").arg(name),
                     ValidationItem::InvalidScheduledItem);
        if (item.pushButton() < 0 || item.pushButton() > item.maxPushButton())
            addError(items, project, scenario, QCoreApplication::translate("Devices", "the push button of the %1 command must be between 0 and %2.")
                                          .arg(name)
                                          .arg(item.maxPushButton()),
                     ValidationItem::InvalidScheduledItem);
    }
}

void ConfigurationValidator::validateThermoregulation(const Configuration& project,
                                                      const ThermoregulationDeviceProperties& thermo,
                                                      QList<ValidationItem>& items)
{
    if (thermo.deviceType() == 4003) {
        const double low = ThermoregulationDeviceProperties::MIN_TEMPERATURE;
        const double high = ThermoregulationDeviceProperties::MAX_TEMPERATURE;
        if (thermo.minTemperature() > thermo.maxTemperature() || thermo.minTemperature() < low
            || thermo.maxTemperature() > high || thermo.step() <= 0)
            addError(items, project, thermo, QCoreApplication::translate("Devices", "the temperatures (minimum %1, maximum %2, step %3) must lie between %4 and %5, the minimum below the maximum.")
                                        .arg(QString::number(thermo.minTemperature(), 'g', 6),
                                             QString::number(thermo.maxTemperature(), 'g', 6),
                                             QString::number(thermo.step(), 'g', 6), QString::number(low),
                                             QString::number(high)),
                     ValidationItem::InvalidTemperatures);
    }
    if (thermo.deviceType() != 4001)
        return;
    if (thermo.commandsCount() > ThermoregulationDeviceProperties::MAX_COMMANDS_COUNT)
        addError(items, project, thermo, QCoreApplication::translate("Devices", "the device has more than %1 commands.")
                                    .arg(ThermoregulationDeviceProperties::MAX_COMMANDS_COUNT),
                 ValidationItem::TooManyCommands);
    const int commandType = ThermoregulationDeviceProperties::COMMAND_ADDRESS_TYPE;
    if (thermo.showOffCommand()
        && !AddressVerifier::isValid(thermo.offCommand().address().cloneWithPulAndGroups(0, {}), commandType))
        addError(items, project, thermo, QCoreApplication::translate("Devices", "the address of the OFF command is not valid."),
                 ValidationItem::InvalidAddress);
    for (const ThermoregulationCommandProperties* command : thermo.commands()) {
        if (!AddressVerifier::isValid(command->address().cloneWithPulAndGroups(0, {}), commandType))
            addError(items, project, thermo, QCoreApplication::translate("Devices", "the address of the command \"%1\" is not valid.").arg(command->description()),
                     ValidationItem::InvalidAddress);
    }
}

void ConfigurationValidator::validateLimits(const Configuration& project,
                                            QList<ValidationItem>& items, int maxDevicesPerType)
{
    QHash<int, QList<int>> byGroup;
    for (const BaseDeviceProperties* device : project.devices())
        byGroup[device->deviceGroup()].append(device->id());
    for (auto it = byGroup.constBegin(); it != byGroup.constEnd(); ++it) {
        if (it.value().size() > maxDevicesPerType)
            items.append(ValidationItem(ValidationItem::Error,
                                        QCoreApplication::translate("Devices", "The project holds %1 devices of one kind; at most %2 are allowed.")
                                            .arg(it.value().size())
                                            .arg(maxDevicesPerType),
                                        it.value(), ValidationItem::TooManyDevices));
    }
}

void ConfigurationValidator::validateSoundSystems(const Configuration& project,
                                                  QList<ValidationItem>& items)
{
    for (const WebServerDeviceProperties* server : project.webServers()) {
        QList<BaseDeviceProperties*> sources;
        project.getDevicesByGroup(sources, BaseDeviceProperties::SoundSources, server->id(), true);
        const int maximum = project.maxSoundSourcesCount(server->id());
        if (sources.size() > maximum) {
            QList<int> ids;
            for (const BaseDeviceProperties* source : sources)
                ids.append(source->id());
            items.append(ValidationItem(ValidationItem::Error,
                                        QCoreApplication::translate("Devices", "Gateway \"%1\": %2 sound sources, at most %3 are allowed.")
                                            .arg(server->description())
                                            .arg(sources.size())
                                            .arg(maximum),
                                        ids, ValidationItem::TooManySoundSources));
        }
        QHash<int, QList<int>> byArea;
        for (const BaseDeviceProperties* source : sources)
            byArea[source->address().area()].append(source->id());
        for (auto it = byArea.constBegin(); it != byArea.constEnd(); ++it) {
            if (it.value().size() > 1)
                items.append(ValidationItem(ValidationItem::Error,
                                            QCoreApplication::translate("Devices", "Gateway \"%1\": several sound sources use the address %2.")
                                                .arg(server->description())
                                                .arg(it.key()),
                                            it.value(), ValidationItem::DuplicateSoundSource));
        }
    }
}

void ConfigurationValidator::validateDuplicateAddresses(const Configuration& project,
                                                        QList<ValidationItem>& items)
{
    QHash<QString, QList<int>> byAddress;
    QList<QString> order;
    for (const BaseDeviceProperties* device : project.devices()) {
        if (device->addressType() == 0 || device->deviceGroup() == BaseDeviceProperties::SoundSources)
            continue;
        const QString key = addressKey(project.getServerForDevice(device->id()), *device);
        QList<int>& ids = byAddress[key];
        if (ids.isEmpty())
            order.append(key);
        ids.append(device->id());
    }
    for (const QString& key : order) {
        const QList<int> ids = byAddress.value(key);
        if (ids.size() < 2)
            continue;
        const BaseDeviceProperties* first = project.getDeviceById(ids.first());
        QStringList names;
        for (int id : ids)
            names << deviceName(project, *project.getDeviceById(id));
        items.append(ValidationItem(ValidationItem::Warning,
                                    QCoreApplication::translate("Devices", "The address %1 is shared by %2.")
                                        .arg(ConfigUtilities::addressString(first->address(), first->deviceType()),
                                             joinedNames(names)),
                                    ids, ValidationItem::DuplicateAddress));
    }
}

} // namespace Corvane::Devices::Validation
