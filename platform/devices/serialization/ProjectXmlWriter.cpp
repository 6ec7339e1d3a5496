#include "ProjectXmlWriter.h"

#include "Configuration.h"
#include "EnergyDeviceProperties.h"
#include "LoadDeviceProperties.h"
#include "ScenarioDeviceProperties.h"
#include "ThermoregulationDeviceProperties.h"
#include "XmlSerializer.h"
#include "XmlText.h"

#include <QBuffer>
#include <QLocale>

namespace Corvane::Devices::Serialization {

namespace {

QString number(int value)
{
    return QString::number(value);
}

QString number(double value)
{
    // Shortest text that reads back to the same double.
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QString flag(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

QByteArray ProjectXmlWriter::write(const Configuration& project)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    m_xml.setDevice(&buffer);
    m_xml.setAutoFormatting(true);
    m_xml.writeStartDocument();
    m_xml.writeStartElement(QStringLiteral("project"));
    m_xml.writeAttribute(QStringLiteral("format"), number(XmlSerializer::FORMAT_VERSION));
    m_xml.writeAttribute(QStringLiteral("id"), project.id().toString(QUuid::WithoutBraces));
    m_xml.writeAttribute(QStringLiteral("version"), number(project.version()));

    m_xml.writeEmptyElement(QStringLiteral("gui"));
    m_xml.writeAttribute(QStringLiteral("language"), XmlText::sanitized(project.guiProperties().language()));
    m_xml.writeAttribute(QStringLiteral("temperatureUnit"),
                         number(project.guiProperties().temperatureUnit()));

    for (const WebServerDeviceProperties* server : project.webServers())
        writeWebServer(project, *server);

    m_xml.writeEndElement();
    m_xml.writeEndDocument();
    m_hasError = m_xml.hasError();
    m_xml.setDevice(nullptr);
    return data;
}

void ProjectXmlWriter::writeWebServer(const Configuration& project,
                                      const WebServerDeviceProperties& server)
{
    m_xml.writeStartElement(QStringLiteral("webserver"));
    m_xml.writeAttribute(QStringLiteral("id"), number(server.id()));
    m_xml.writeAttribute(QStringLiteral("type"), number(server.deviceType()));
    m_xml.writeAttribute(QStringLiteral("description"), XmlText::sanitized(server.description()));
    m_xml.writeAttribute(QStringLiteral("viewer"), flag(server.viewerEnabled()));
    m_xml.writeAttribute(QStringLiteral("soundSystemType"), number(server.soundSystemType()));

    const DeviceNetworkAddress net = server.networkAddress();
    m_xml.writeEmptyElement(QStringLiteral("net"));
    m_xml.writeAttribute(QStringLiteral("type"), number(net.ipAddressType()));
    m_xml.writeAttribute(QStringLiteral("ip"), XmlText::sanitized(net.ip()));
    m_xml.writeAttribute(QStringLiteral("uc"), number(net.uc()));
    m_xml.writeAttribute(QStringLiteral("password"), XmlText::sanitized(net.password()));
    m_xml.writeAttribute(QStringLiteral("port"), number(net.port()));
    m_xml.writeAttribute(QStringLiteral("fc"), number(net.fc()));

    for (const BaseDeviceProperties* device : project.devices()) {
        if (project.getServerForDevice(device->id()) == server.id())
            writeDevice(*device);
    }
    m_xml.writeEndElement();
}

void ProjectXmlWriter::writeDevice(const BaseDeviceProperties& device)
{
    m_xml.writeStartElement(QStringLiteral("device"));
    m_xml.writeAttribute(QStringLiteral("id"), number(device.id()));
    m_xml.writeAttribute(QStringLiteral("group"), number(int(device.deviceGroup())));
    m_xml.writeAttribute(QStringLiteral("type"), number(device.deviceType()));
    m_xml.writeAttribute(QStringLiteral("description"), XmlText::sanitized(device.description()));
    writeFamilyAttributes(device);
    writeAddress(device.address());
    writeFamilyElements(device);
    m_xml.writeEndElement();
}

void ProjectXmlWriter::writeFamilyAttributes(const BaseDeviceProperties& device)
{
    if (const auto* scenario = dynamic_cast<const ScenarioDeviceProperties*>(&device)) {
        m_xml.writeAttribute(QStringLiteral("number"), number(scenario->scenarioNumber()));
        m_xml.writeAttribute(QStringLiteral("level"), number(scenario->level()));
    } else if (const auto* thermo = dynamic_cast<const ThermoregulationDeviceProperties*>(&device)) {
        m_xml.writeAttribute(QStringLiteral("fancoil"), flag(thermo->hasFancoil()));
        m_xml.writeAttribute(QStringLiteral("showOff"), flag(thermo->showOffCommand()));
        m_xml.writeAttribute(QStringLiteral("min"), number(thermo->minTemperature()));
        m_xml.writeAttribute(QStringLiteral("max"), number(thermo->maxTemperature()));
        m_xml.writeAttribute(QStringLiteral("step"), number(thermo->step()));
        m_xml.writeAttribute(QStringLiteral("swing"), flag(thermo->swingPresence()));
    } else if (const auto* meter = dynamic_cast<const EnergyDeviceProperties*>(&device)) {
        m_xml.writeAttribute(QStringLiteral("unit"), number(meter->measurementUnit()));
        m_xml.writeAttribute(QStringLiteral("energyType"), number(meter->energyDeviceType()));
    } else if (const auto* load = dynamic_cast<const LoadDeviceProperties*>(&device)) {
        m_xml.writeAttribute(QStringLiteral("centralUnit"), flag(load->hasCentralUnit()));
    }
}

void ProjectXmlWriter::writeFamilyElements(const BaseDeviceProperties& device)
{
    if (const auto* scenario = dynamic_cast<const ScenarioDeviceProperties*>(&device)) {
        if (scenario->deviceType() != 9002)
            return;
        writeItem(QStringLiteral("enable"), scenario->enableItem());
        writeItem(QStringLiteral("disable"), scenario->disableItem());
        writeItem(QStringLiteral("start"), scenario->startItem());
        writeItem(QStringLiteral("stop"), scenario->stopItem());
    } else if (const auto* thermo = dynamic_cast<const ThermoregulationDeviceProperties*>(&device)) {
        writeCommand(QStringLiteral("off"), thermo->offCommand());
        for (const ThermoregulationCommandProperties* command : thermo->commands())
            writeCommand(QStringLiteral("command"), *command);
        writeIntList(QStringLiteral("mode"), thermo->airConditioningModes());
        writeIntList(QStringLiteral("fan"), thermo->fanSettings());
    } else if (const auto* economic = dynamic_cast<const EconomicDeviceProperties*>(&device)) {
        writeEconomic(*economic);
    }
}

void ProjectXmlWriter::writeAddress(const DeviceAddress& address)
{
    m_xml.writeStartElement(QStringLiteral("address"));
    m_xml.writeAttribute(QStringLiteral("a"), number(address.area()));
    m_xml.writeAttribute(QStringLiteral("pl"), number(address.point()));
    m_xml.writeAttribute(QStringLiteral("level"), number(address.level()));
    m_xml.writeAttribute(QStringLiteral("interface"), number(address.interface()));
    m_xml.writeAttribute(QStringLiteral("pul"), number(address.pul()));
    writeIntList(QStringLiteral("group"), address.groups());
    m_xml.writeEndElement();
}

void ProjectXmlWriter::writeItem(const QString& kind, const ScheduledScenarioItem& item)
{
    m_xml.writeStartElement(QStringLiteral("item"));
    m_xml.writeAttribute(QStringLiteral("kind"), XmlText::sanitized(kind));
    m_xml.writeAttribute(QStringLiteral("presence"), flag(item.presence()));
    m_xml.writeAttribute(QStringLiteral("cen"), number(int(item.cenType())));
    m_xml.writeAttribute(QStringLiteral("button"), number(item.pushButton()));
    writeAddress(item.address());
    m_xml.writeEndElement();
}

void ProjectXmlWriter::writeCommand(const QString& element,
                                    const ThermoregulationCommandProperties& command)
{
    m_xml.writeStartElement(element);
    m_xml.writeAttribute(QStringLiteral("id"), number(command.id()));
    m_xml.writeAttribute(QStringLiteral("description"), XmlText::sanitized(command.description()));
    writeAddress(command.address());
    m_xml.writeEndElement();
}

void ProjectXmlWriter::writeEconomic(const EconomicDeviceProperties& device)
{
    m_xml.writeEmptyElement(QStringLiteral("economic"));
    m_xml.writeAttribute(QStringLiteral("enabled"), flag(device.isEconomicEvaluationEnabled()));
    m_xml.writeAttribute(QStringLiteral("currency"), number(device.currency()));
    m_xml.writeAttribute(QStringLiteral("tariff"), number(device.tariff()));
}

void ProjectXmlWriter::writeIntList(const QString& element, const QList<int>& values)
{
    for (int value : values)
        m_xml.writeTextElement(element, number(value));
}

} // namespace Corvane::Devices::Serialization
