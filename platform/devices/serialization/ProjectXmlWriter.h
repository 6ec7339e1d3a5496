#pragma once

#include <QByteArray>
#include <QXmlStreamWriter>

namespace Corvane::Devices {
class BaseDeviceProperties;
class Configuration;
class DeviceAddress;
class EconomicDeviceProperties;
class ScheduledScenarioItem;
class ThermoregulationCommandProperties;
class WebServerDeviceProperties;
}

namespace Corvane::Devices::Serialization {

// Writes a project as XML (numbers in the C locale).
class ProjectXmlWriter
{
public:
    QByteArray write(const Configuration& project);
    // True when the last write could not encode everything.
    bool hasError() const { return m_hasError; }

private:
    void writeWebServer(const Configuration& project, const WebServerDeviceProperties& server);
    void writeDevice(const BaseDeviceProperties& device);
    void writeFamilyAttributes(const BaseDeviceProperties& device);
    void writeFamilyElements(const BaseDeviceProperties& device);
    void writeAddress(const DeviceAddress& address);
    void writeItem(const QString& kind, const ScheduledScenarioItem& item);
    void writeCommand(const QString& element, const ThermoregulationCommandProperties& command);
    void writeEconomic(const EconomicDeviceProperties& device);
    void writeIntList(const QString& element, const QList<int>& values);

    QXmlStreamWriter m_xml;
    bool m_hasError = false;
};

} // namespace Corvane::Devices::Serialization
