#include "Configuration.h"

#include "ActuatorDeviceProperties.h"
#include "DeviceTypeTable.h"
#include "EconomicDeviceProperties.h"
#include "ScenarioDeviceProperties.h"
#include "ThermoregulationDeviceProperties.h"
#include "Utilities.h"
#include "XmlText.h"
#include "serialization/XmlSerializer.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>

namespace Corvane::Devices {

const int Configuration::MAX_DESCRIPTION_CHARS = 100;
const int Configuration::MAX_SOUND_SOURCES_BASIC = 4;
const int Configuration::MAX_SOUND_SOURCES_ALL_AREAS = 8;

namespace {

template<typename T>
T clamped(T value, T low, T high)
{
    return std::clamp(value, low, high);
}

void sanitizeScenario(ScenarioDeviceProperties& scenario)
{
    scenario.setScenarioNumber(clamped(scenario.scenarioNumber(),
                                       ScenarioDeviceProperties::MIN_SCENARIO_NUMBER,
                                       ScenarioDeviceProperties::MAX_SCENARIO_NUMBER));
    scenario.setLevel(clamped(scenario.level(), ScenarioDeviceProperties::MIN_LEVEL,
                              ScenarioDeviceProperties::MAX_LEVEL));
}

void sanitizeThermoregulation(ThermoregulationDeviceProperties& thermo, int maxChars)
{
    const double low = ThermoregulationDeviceProperties::MIN_TEMPERATURE;
    const double high = ThermoregulationDeviceProperties::MAX_TEMPERATURE;
    thermo.setMinTemperature(clamped(thermo.minTemperature(), low, high));
    thermo.setMaxTemperature(clamped(thermo.maxTemperature(), low, high));
    if (!thermo.canHaveFancoil())
        thermo.setHasFancoil(false);
    for (ThermoregulationCommandProperties* command : thermo.commands())
        command->setDescription(XmlText::sanitized(command->description().left(maxChars)));
}

void sanitizeGroups(BaseDeviceProperties& device)
{
    QList<int> groups;
    for (int group : device.address().groups()) {
        if (group >= DeviceAddress::MIN_GROUP && group <= DeviceAddress::MAX_GROUP
            && !groups.contains(group) && groups.size() < DeviceAddress::MAX_GROUPS_COUNT)
            groups.append(group);
    }
    device.setAddress(device.address().clone(groups));
}

void sanitizeDevice(BaseDeviceProperties& device, int maxChars)
{
    device.setDescription(XmlText::sanitized(device.description().left(maxChars)));
    sanitizeGroups(device);
    if (auto* scenario = dynamic_cast<ScenarioDeviceProperties*>(&device))
        sanitizeScenario(*scenario);
    else if (auto* thermo = dynamic_cast<ThermoregulationDeviceProperties*>(&device))
        sanitizeThermoregulation(*thermo, maxChars);
    else if (auto* economic = dynamic_cast<EconomicDeviceProperties*>(&device))
        economic->setTariff(clamped(economic->tariff(), EconomicDeviceProperties::MIN_TARIFF,
                                    EconomicDeviceProperties::MAX_TARIFF));
}

} // namespace

Configuration::Configuration(bool generateId, const QSet<int>& reservedIds)
    : m_id(generateId ? QUuid::createUuid() : QUuid())
    , m_reservedIds(reservedIds)
{
    m_guiProperties.setObserver(this);
}

Configuration::~Configuration() = default;

Configuration* Configuration::empty()
{
    return new Configuration(true, {});
}

Configuration* Configuration::test()
{
    auto* project = new Configuration(true, {});
    const int server = project->addDevice(new WebServerDeviceProperties(
        Utilities::emtpyDeviceId(),
        DeviceNetworkAddress(DeviceNetworkAddress::StaticIp, QStringLiteral("127.0.0.1"),
                             DeviceNetworkAddress::UC_DEFAULT_VALUE,
                             DeviceNetworkAddress::PASSWORD_DEFAULT_VALUE),
        QCoreApplication::translate("Devices", "Test gateway")));
    for (int point = 1; point <= 3; ++point) {
        project->addDevice(server, new ActuatorDeviceProperties(
                                       Utilities::emtpyDeviceId(), 2003,
                                       DeviceAddress::defaultAddress().cloneWithPointId(point),
                                       QCoreApplication::translate("Devices", "Light %1").arg(point)));
    }
    project->clearChanges();
    return project;
}

bool Configuration::isFileValid(const QString& path, QString* error)
{
    const std::unique_ptr<Configuration> project(Serialization::XmlSerializer::read(path, error));
    return project != nullptr;
}

void Configuration::generateNewId()
{
    m_id = QUuid::createUuid();
}

void Configuration::resetVersion()
{
    m_version = 0;
}

void Configuration::incrementVersion()
{
    ++m_version;
}

void Configuration::registerChange(const ChangeArgs& args, BaseObservable* source)
{
    m_hasChanges = true;
    BaseObservable::registerChange(args, source);
}

QList<ConfigPage> Configuration::pages() const
{
    QSet<int> present;
    for (const auto& device : m_devices) {
        for (ConfigPage::PageType pageType : DeviceTypeTable::info(device->deviceType()).pageTypes)
            present.insert(pageType);
    }
    if (!m_webServers.empty())
        present.insert(ConfigPage::WebServers);

    QList<ConfigPage> result;
    for (ConfigPage::PageType pageType : ConfigPage::allPageTypes()) {
        if (present.contains(pageType))
            result.append(ConfigPage(pageType, pageType, ConfigPage::pageTypeName(pageType)));
    }
    return result;
}

QList<WebServerDeviceProperties*> Configuration::webServers() const
{
    QList<WebServerDeviceProperties*> list;
    list.reserve(int(m_webServers.size()));
    for (const auto& server : m_webServers)
        list.append(server.get());
    return list;
}

QList<BaseDeviceProperties*> Configuration::devices() const
{
    QList<BaseDeviceProperties*> list;
    list.reserve(int(m_devices.size()));
    for (const auto& device : m_devices)
        list.append(device.get());
    return list;
}

BaseDeviceProperties* Configuration::getDeviceById(int id) const
{
    return m_byId.value(id, nullptr);
}

WebServerDeviceProperties* Configuration::getWebServerById(int id) const
{
    const int index = indexOfServer(id);
    return index < 0 ? nullptr : m_webServers[size_t(index)].get();
}

int Configuration::getServerForDevice(int deviceId) const
{
    return m_serverOfDevice.value(deviceId, -1);
}

void Configuration::getDevicesByGroup(QList<BaseDeviceProperties*>& list,
                                      BaseDeviceProperties::DeviceGroup group, int serverId,
                                      bool clearList) const
{
    if (clearList)
        list.clear();
    if (group == BaseDeviceProperties::WebServers) {
        for (const auto& server : m_webServers) {
            if (serverId == -1 || server->id() == serverId)
                list.append(server.get());
        }
        return;
    }
    for (const auto& device : m_devices) {
        if (device->deviceGroup() != group)
            continue;
        if (serverId == -1 || m_serverOfDevice.value(device->id()) == serverId)
            list.append(device.get());
    }
}

int Configuration::addDevice(WebServerDeviceProperties* server)
{
    std::unique_ptr<WebServerDeviceProperties> owned(server);
    const int id = !owned || isIdInUse(owned->id()) || owned->id() <= 0 ? nextFreeId() : owned->id();
    if (!owned || id == Utilities::emtpyDeviceId())
        return Utilities::emtpyDeviceId();
    m_webServers.push_back(std::move(owned));
    adopt(server, id);
    registerChange(ChangeArgs(ChangeArgs::DeviceAdded, id), server);
    return id;
}

int Configuration::addDevice(int serverId, BaseDeviceProperties* device)
{
    std::unique_ptr<BaseDeviceProperties> owned(device);
    if (!owned || owned->deviceGroup() == BaseDeviceProperties::WebServers
        || indexOfServer(serverId) < 0)
        return Utilities::emtpyDeviceId();
    const int id = isIdInUse(owned->id()) || owned->id() <= 0 ? nextFreeId() : owned->id();
    if (id == Utilities::emtpyDeviceId())
        return id;
    BaseDeviceProperties* added = owned.get();
    m_devices.push_back(std::move(owned));
    adopt(added, id);
    m_serverOfDevice.insert(id, serverId);
    registerChange(ChangeArgs(ChangeArgs::DeviceAdded, id), added);
    return id;
}

bool Configuration::removeDevice(int id)
{
    const int serverIndex = indexOfServer(id);
    if (serverIndex >= 0) {
        const QList<int> owned = m_serverOfDevice.keys(id);
        for (int deviceId : owned) {
            m_devices.erase(m_devices.begin() + indexOfDevice(deviceId));
            m_serverOfDevice.remove(deviceId);
            m_byId.remove(deviceId);
            m_errors.remove(deviceId);
        }
        m_webServers.erase(m_webServers.begin() + serverIndex);
    } else {
        const int index = indexOfDevice(id);
        if (index < 0)
            return false;
        m_devices.erase(m_devices.begin() + index);
        m_serverOfDevice.remove(id);
    }
    m_byId.remove(id);
    m_errors.remove(id);
    registerChange(ChangeArgs(ChangeArgs::DeviceRemoved, id), nullptr);
    return true;
}

bool Configuration::moveDevice(int id, int neighbourId)
{
    const int from = indexOfDevice(id);
    const int to = indexOfDevice(neighbourId);
    if (from >= 0 && to >= 0) {
        std::swap(m_devices[size_t(from)], m_devices[size_t(to)]);
    } else {
        const int serverFrom = indexOfServer(id);
        const int serverTo = indexOfServer(neighbourId);
        if (serverFrom < 0 || serverTo < 0)
            return false;
        std::swap(m_webServers[size_t(serverFrom)], m_webServers[size_t(serverTo)]);
    }
    if (id != neighbourId)
        registerChange(ChangeArgs(ChangeArgs::DeviceMoved, id), nullptr);
    return true;
}

int Configuration::soundSystemType(int serverId) const
{
    const WebServerDeviceProperties* server = getWebServerById(serverId);
    return server ? server->soundSystemType() : 0;
}

void Configuration::setSoundSystemType(int type, int serverId)
{
    if (WebServerDeviceProperties* server = getWebServerById(serverId))
        server->setSoundSystemType(type);
}

int Configuration::maxSoundSourcesCount(int serverId) const
{
    if (!getWebServerById(serverId))
        return 0;
    return soundSystemType(serverId) == 0 ? MAX_SOUND_SOURCES_BASIC : MAX_SOUND_SOURCES_ALL_AREAS;
}

int Configuration::deviceAddressType(const BaseDeviceProperties& device) const
{
    const bool allAreas = soundSystemType(getServerForDevice(device.id())) != 0;
    if (device.deviceGroup() == BaseDeviceProperties::SoundSources)
        return allAreas ? 14 : 13;
    if (device.deviceGroup() == BaseDeviceProperties::Amplifiers)
        return allAreas ? 16 : 15;
    return device.addressType();
}

void Configuration::clearDevicesErrors()
{
    m_errors.clear();
}

void Configuration::addDevicesWithError(const QList<int>& ids, int errorType)
{
    for (int id : ids) {
        QList<int>& types = m_errors[id];
        if (!types.contains(errorType))
            types.append(errorType);
    }
}

QList<int> Configuration::deviceErrors(int id) const
{
    return m_errors.value(id);
}

QList<int> Configuration::devicesWithErrors() const
{
    QList<int> ids = m_errors.keys();
    std::sort(ids.begin(), ids.end());
    return ids;
}

void Configuration::sanitize(int maxDescriptionChars)
{
    for (const auto& server : m_webServers)
        server->setDescription(XmlText::sanitized(server->description().left(maxDescriptionChars)));
    for (const auto& device : m_devices)
        sanitizeDevice(*device, maxDescriptionChars);
}

int Configuration::nextFreeId() const
{
    // Above the highest id in use; from 1 upwards once the highest possible
    // id is taken (a file may hold any id).
    int highest = 0;
    for (auto it = m_byId.constBegin(); it != m_byId.constEnd(); ++it)
        highest = std::max(highest, it.key());
    for (int id = highest; id < std::numeric_limits<int>::max();) {
        ++id;
        if (!isIdInUse(id))
            return id;
    }
    for (int id = 1; id < highest; ++id) {
        if (!isIdInUse(id))
            return id;
    }
    return Utilities::emtpyDeviceId();
}

bool Configuration::isIdInUse(int id) const
{
    return m_byId.contains(id) || m_reservedIds.contains(id);
}

int Configuration::indexOfDevice(int id) const
{
    for (size_t i = 0; i < m_devices.size(); ++i) {
        if (m_devices[i]->id() == id)
            return int(i);
    }
    return -1;
}

int Configuration::indexOfServer(int id) const
{
    for (size_t i = 0; i < m_webServers.size(); ++i) {
        if (m_webServers[i]->id() == id)
            return int(i);
    }
    return -1;
}

void Configuration::adopt(BaseDeviceProperties* device, int id)
{
    device->setId(id);
    device->setObserver(this);
    m_byId.insert(id, device);
}

} // namespace Corvane::Devices
