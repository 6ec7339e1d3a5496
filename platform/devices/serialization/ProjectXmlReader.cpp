#include "ProjectXmlReader.h"

#include "ActuatorDeviceProperties.h"
#include "AmplifierDeviceProperties.h"
#include "Configuration.h"
#include "DeviceTypeTable.h"
#include "EnergyDeviceProperties.h"
#include "LoadDeviceProperties.h"
#include "ScenarioDeviceProperties.h"
#include "SensorDeviceProperties.h"
#include "ShutterDeviceProperties.h"
#include "SoundSourceDeviceProperties.h"
#include "ThermoregulationDeviceProperties.h"
#include "XmlReadLimits.h"
#include "XmlSerializer.h"
#include "log/Logger.h"

#include <QCoreApplication>

namespace Corvane::Devices::Serialization {

const QString ProjectXmlReader::ROOT_ELEMENT = QStringLiteral("project");

namespace {

using L = XmlReadLimits;

} // namespace

std::unique_ptr<Configuration> ProjectXmlReader::read(const QByteArray& data)
{
    m_guard.start(data);
    m_ids.clear();

    auto project = std::make_unique<Configuration>(false);
    if (m_guard.enterRoot(ROOT_ELEMENT, QT_TRANSLATE_NOOP("Devices", "The file is not a project.")))
        readProject(*project);
    if (m_guard.hasFailed())
        return nullptr;
    project->clearChanges();
    return project;
}

void ProjectXmlReader::readProject(Configuration& project)
{
    const int format = L::intAttribute(m_xml, QStringLiteral("format"), XmlSerializer::FORMAT_VERSION);
    if (!m_xml.hasError() && format > XmlSerializer::FORMAT_VERSION) {
        m_guard.fail(QCoreApplication::translate("Devices", "The project was written by a newer version of the program."));
        return;
    }
    const QUuid id(m_xml.attributes().value(QStringLiteral("id")).toString());
    if (id.isNull()) {
        m_guard.fail(QCoreApplication::translate("Devices", "The project has no valid id."));
        return;
    }
    project.setId(id);
    project.setVersion(L::intAttribute(m_xml, QStringLiteral("version"), 0));

    while (!m_xml.hasError() && m_xml.readNextStartElement()) {
        if (m_xml.name() == QLatin1String("gui"))
            readGui(project);
        else if (m_xml.name() == QLatin1String("webserver"))
            readWebServer(project);
        else
            m_xml.skipCurrentElement();
    }
    m_guard.finish();
}

void ProjectXmlReader::readGui(Configuration& project)
{
    GuiProperties& gui = project.guiProperties();
    gui.setLanguage(L::textAttribute(m_xml, QStringLiteral("language"), gui.language()));
    gui.setTemperatureUnit(L::intAttribute(m_xml, QStringLiteral("temperatureUnit"), 0) == 1 ? 1 : 0);
    m_xml.skipCurrentElement();
}

void ProjectXmlReader::readWebServer(Configuration& project)
{
    const int id = L::intAttribute(m_xml, QStringLiteral("id"), 0);
    if (m_xml.hasError() || !claimId(id))
        return;
    auto* server = new WebServerDeviceProperties(
        id, DeviceNetworkAddress(), L::textAttribute(m_xml, QStringLiteral("description")),
        L::boolAttribute(m_xml, QStringLiteral("viewer"), true));
    server->setSoundSystemType(L::intAttribute(m_xml, QStringLiteral("soundSystemType"), 0));
    project.addDevice(server);

    while (!m_xml.hasError() && m_xml.readNextStartElement()) {
        if (m_xml.name() == QLatin1String("net")) {
            const DeviceNetworkAddress defaults;
            server->setNetAddress(DeviceNetworkAddress(
                L::intAttribute(m_xml, QStringLiteral("type"), defaults.ipAddressType()) == 1 ? 1 : 0,
                L::textAttribute(m_xml, QStringLiteral("ip"), defaults.ip()),
                L::intAttribute(m_xml, QStringLiteral("uc"), defaults.uc()),
                L::textAttribute(m_xml, QStringLiteral("password"), defaults.password()),
                L::intAttribute(m_xml, QStringLiteral("port"), defaults.port()),
                L::intAttribute(m_xml, QStringLiteral("fc"), defaults.fc())));
            m_xml.skipCurrentElement();
        } else if (m_xml.name() == QLatin1String("device")) {
            readDevice(project, id);
        } else {
            m_xml.skipCurrentElement();
        }
    }
}

void ProjectXmlReader::readDevice(Configuration& project, int serverId)
{
    const int id = L::intAttribute(m_xml, QStringLiteral("id"), 0);
    const int type = L::intAttribute(m_xml, QStringLiteral("type"), 0);
    const QString description = L::textAttribute(m_xml, QStringLiteral("description"));
    if (m_xml.hasError() || !claimId(id))
        return;
    std::unique_ptr<BaseDeviceProperties> device(createDevice(id, type, description));
    if (!device) {
        Log::Logger(Log::Logger::Warning) << Q_FUNC_INFO << " skipping device " << qint64(id)
                                          << " of unknown type " << qint64(type);
        m_xml.skipCurrentElement();
        return;
    }
    readFamilyAttributes(*device);
    while (!m_xml.hasError() && m_xml.readNextStartElement()) {
        if (m_xml.name() == QLatin1String("address"))
            device->setAddress(readAddress());
        else
            readFamilyElement(*device);
    }
    if (!m_xml.hasError())
        project.addDevice(serverId, device.release());
}

BaseDeviceProperties* ProjectXmlReader::createDevice(int id, int type, const QString& description)
{
    const DeviceAddress address = DeviceAddress::defaultAddress();
    switch (DeviceTypeTable::group(type)) {
    case BaseDeviceProperties::Lights:
        return new ActuatorDeviceProperties(id, type, address, description);
    case BaseDeviceProperties::Automation:
        return new ShutterDeviceProperties(id, type, address, description);
    case BaseDeviceProperties::Scenarios:
        return new ScenarioDeviceProperties(id, type, address, description);
    case BaseDeviceProperties::Thermoregulation:
        return new ThermoregulationDeviceProperties(id, type, address, description);
    case BaseDeviceProperties::Sensors:
        return new SensorDeviceProperties(id, type, address, description);
    case BaseDeviceProperties::SoundSources:
        return new SoundSourceDeviceProperties(id, type, address, description);
    case BaseDeviceProperties::Amplifiers:
        return new AmplifierDeviceProperties(id, type, address, description);
    case BaseDeviceProperties::Energy:
        return new EnergyDeviceProperties(id, type, address, description);
    case BaseDeviceProperties::Load:
        return new LoadDeviceProperties(id, type, address, description);
    case BaseDeviceProperties::WebServers:
    case BaseDeviceProperties::NoGroup:
        break;
    }
    return nullptr;
}

void ProjectXmlReader::readFamilyAttributes(BaseDeviceProperties& device)
{
    if (auto* scenario = dynamic_cast<ScenarioDeviceProperties*>(&device)) {
        scenario->setScenarioNumber(L::intAttribute(m_xml, QStringLiteral("number"), scenario->scenarioNumber()));
        scenario->setLevel(L::intAttribute(m_xml, QStringLiteral("level"), scenario->level()));
    } else if (auto* thermo = dynamic_cast<ThermoregulationDeviceProperties*>(&device)) {
        thermo->setHasFancoil(L::boolAttribute(m_xml, QStringLiteral("fancoil"), false));
        thermo->setShowOffCommand(L::boolAttribute(m_xml, QStringLiteral("showOff"), false));
        thermo->setMinTemperature(L::doubleAttribute(m_xml, QStringLiteral("min"), thermo->minTemperature()));
        thermo->setMaxTemperature(L::doubleAttribute(m_xml, QStringLiteral("max"), thermo->maxTemperature()));
        thermo->setStep(L::doubleAttribute(m_xml, QStringLiteral("step"), thermo->step()));
        thermo->setSwingPresence(L::boolAttribute(m_xml, QStringLiteral("swing"), false));
        thermo->setAirConditioningModes({});
    } else if (auto* meter = dynamic_cast<EnergyDeviceProperties*>(&device)) {
        meter->setMeasurementUnit(L::intAttribute(m_xml, QStringLiteral("unit"), meter->measurementUnit()));
        meter->setEnergyDeviceType(L::intAttribute(m_xml, QStringLiteral("energyType"), 0) == 1 ? 1 : 0);
    } else if (auto* load = dynamic_cast<LoadDeviceProperties*>(&device)) {
        load->setHasCentralUnit(L::boolAttribute(m_xml, QStringLiteral("centralUnit"), true));
    }
}

void ProjectXmlReader::readFamilyElement(BaseDeviceProperties& device)
{
    const QStringView name = m_xml.name();
    auto* scenario = dynamic_cast<ScenarioDeviceProperties*>(&device);
    auto* thermo = dynamic_cast<ThermoregulationDeviceProperties*>(&device);
    auto* economic = dynamic_cast<EconomicDeviceProperties*>(&device);

    if (scenario && name == QLatin1String("item")) {
        readScenarioItem(*scenario);
    } else if (thermo && (name == QLatin1String("off") || name == QLatin1String("command"))) {
        readCommand(*thermo, name == QLatin1String("off"));
    } else if (thermo && (name == QLatin1String("mode") || name == QLatin1String("fan"))) {
        const bool isMode = name == QLatin1String("mode");
        QList<int> values = isMode ? thermo->airConditioningModes() : thermo->fanSettings();
        const int value = L::intElementText(m_xml);
        if (values.size() >= L::MAX_LIST_ITEMS)
            m_guard.fail(QCoreApplication::translate("Devices", "The file holds too many values in a list."));
        else if (!values.contains(value))
            values.append(value);
        if (isMode)
            thermo->setAirConditioningModes(values);
        else
            thermo->setFanSettings(values);
    } else if (economic && name == QLatin1String("economic")) {
        economic->setIsEconomicEvaluationEnabled(L::boolAttribute(m_xml, QStringLiteral("enabled"), false));
        economic->setCurrency(L::intAttribute(m_xml, QStringLiteral("currency"), 0));
        economic->setTariff(L::doubleAttribute(m_xml, QStringLiteral("tariff"), 0.0));
        m_xml.skipCurrentElement();
    } else {
        m_xml.skipCurrentElement();
    }
}

void ProjectXmlReader::readScenarioItem(ScenarioDeviceProperties& scenario)
{
    const QString kind = L::textAttribute(m_xml, QStringLiteral("kind"));
    const bool presence = L::boolAttribute(m_xml, QStringLiteral("presence"), false);
    const auto cenType = L::intAttribute(m_xml, QStringLiteral("cen"), 0) == 1
        ? ScheduledScenarioItem::CenPlus
        : ScheduledScenarioItem::Cen;
    const int button = L::intAttribute(m_xml, QStringLiteral("button"), 0);
    DeviceAddress address = DeviceAddress::defaultAddress();
    while (!m_xml.hasError() && m_xml.readNextStartElement()) {
        if (m_xml.name() == QLatin1String("address"))
            address = readAddress();
        else
            m_xml.skipCurrentElement();
    }
    const ScheduledScenarioItem item(presence, cenType, button, address);
    ScheduledScenarioItem enable = scenario.enableItem();
    ScheduledScenarioItem disable = scenario.disableItem();
    ScheduledScenarioItem start = scenario.startItem();
    ScheduledScenarioItem stop = scenario.stopItem();
    if (kind == QLatin1String("enable"))
        enable = item;
    else if (kind == QLatin1String("disable"))
        disable = item;
    else if (kind == QLatin1String("start"))
        start = item;
    else if (kind == QLatin1String("stop"))
        stop = item;
    scenario.setItems(enable, disable, start, stop);
}

void ProjectXmlReader::readCommand(ThermoregulationDeviceProperties& thermo, bool isOffCommand)
{
    const int id = L::intAttribute(m_xml, QStringLiteral("id"), ThermoregulationCommandProperties::EMPTY_ID);
    const QString description = L::textAttribute(m_xml, QStringLiteral("description"));
    DeviceAddress address;
    while (!m_xml.hasError() && m_xml.readNextStartElement()) {
        if (m_xml.name() == QLatin1String("address"))
            address = readAddress();
        else
            m_xml.skipCurrentElement();
    }
    if (m_xml.hasError())
        return;
    if (isOffCommand) {
        thermo.offCommand().setAddress(address);
        thermo.offCommand().setDescription(description);
        return;
    }
    if (id <= ThermoregulationDeviceProperties::OFF_COMMAND_ID || thermo.getCommand(id)) {
        m_guard.fail(QCoreApplication::translate("Devices", "A device holds two commands with the same id."));
        return;
    }
    if (!m_guard.countItem())
        return;
    if (thermo.addCommand(new ThermoregulationCommandProperties(address, description, id))
        == ThermoregulationCommandProperties::EMPTY_ID)
        m_guard.fail(QCoreApplication::translate("Devices", "A device holds more commands than allowed."));
}

DeviceAddress ProjectXmlReader::readAddress()
{
    const int area = L::intAttribute(m_xml, QStringLiteral("a"), DeviceAddress::EMPTY_INT_VALUE);
    const int point = L::intAttribute(m_xml, QStringLiteral("pl"), DeviceAddress::EMPTY_INT_VALUE);
    const int level = L::intAttribute(m_xml, QStringLiteral("level"), DeviceAddress::EMPTY_INT_VALUE);
    const int interface = L::intAttribute(m_xml, QStringLiteral("interface"), DeviceAddress::EMPTY_INT_VALUE);
    const int pul = L::intAttribute(m_xml, QStringLiteral("pul"), 0);
    QList<int> groups;
    while (!m_xml.hasError() && m_xml.readNextStartElement()) {
        if (m_xml.name() != QLatin1String("group")) {
            m_xml.skipCurrentElement();
            continue;
        }
        const int group = L::intElementText(m_xml);
        if (groups.size() >= L::MAX_LIST_ITEMS) {
            m_guard.fail(QCoreApplication::translate("Devices", "The file holds too many values in a list."));
            break;
        }
        groups.append(group);
    }
    return DeviceAddress(area, point, level, interface, pul, groups);
}

bool ProjectXmlReader::claimId(int id)
{
    if (id <= 0) {
        m_guard.fail(QCoreApplication::translate("Devices", "A device has no valid id."));
        return false;
    }
    if (m_ids.contains(id)) {
        m_guard.fail(QCoreApplication::translate("Devices", "Two devices have the same id %1.").arg(id));
        return false;
    }
    m_ids.insert(id);
    return m_guard.countItem();
}

} // namespace Corvane::Devices::Serialization
