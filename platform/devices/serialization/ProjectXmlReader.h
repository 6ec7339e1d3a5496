#pragma once

#include "XmlReadGuard.h"

#include <QSet>
#include <QString>
#include <QXmlStreamReader>

#include <memory>

namespace Corvane::Devices {
class BaseDeviceProperties;
class Configuration;
class DeviceAddress;
class ScenarioDeviceProperties;
class ThermoregulationDeviceProperties;
}

namespace Corvane::Devices::Serialization {

// Reads a project from XML. Unknown elements and unknown device types are
// skipped, missing attributes take their defaults; anything malformed (not
// XML, wrong root, truncated, duplicate ids, bad numbers, oversized texts)
// fails the whole read, so a project is never half loaded.
class ProjectXmlReader
{
public:
    static const QString ROOT_ELEMENT;

    std::unique_ptr<Configuration> read(const QByteArray& data);
    QString errorString() const { return m_guard.errorString(); }

private:
    void readProject(Configuration& project);
    void readGui(Configuration& project);
    void readWebServer(Configuration& project);
    void readDevice(Configuration& project, int serverId);
    BaseDeviceProperties* createDevice(int id, int type, const QString& description);
    void readFamilyAttributes(BaseDeviceProperties& device);
    void readFamilyElement(BaseDeviceProperties& device);
    void readScenarioItem(ScenarioDeviceProperties& scenario);
    void readCommand(ThermoregulationDeviceProperties& thermo, bool isOffCommand);
    DeviceAddress readAddress();
    bool claimId(int id);

    QXmlStreamReader m_xml;
    XmlReadGuard m_guard{m_xml, QT_TRANSLATE_NOOP("Devices", "The file holds too many devices.")};
    QSet<int> m_ids;
};

} // namespace Corvane::Devices::Serialization
