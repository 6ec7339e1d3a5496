#pragma once

#include "XmlReadGuard.h"

#include <QString>
#include <QUuid>
#include <QXmlStreamReader>

namespace Corvane::Devices {
class GuiProperties;
class UserConfigurationProperties;
class UserDeviceSettings;
}

namespace Corvane::Devices::Serialization {

// Reads a user settings file. Unknown elements are skipped, missing
// attributes keep the values already held; malformed content fails the read.
class UserConfigurationXmlReader
{
public:
    static const QString ROOT_ELEMENT;

    bool read(const QByteArray& data, UserConfigurationProperties& properties);
    QUuid configId() const { return m_configId; }
    QString errorString() const { return m_guard.errorString(); }

private:
    void readRoot(UserConfigurationProperties& properties);
    void readGui(GuiProperties& gui);
    void readDeviceSettings(UserDeviceSettings& settings);
    void readOrder(UserDeviceSettings& settings);

    QXmlStreamReader m_xml;
    XmlReadGuard m_guard{m_xml, QT_TRANSLATE_NOOP("Devices", "The file holds too many entries.")};
    QUuid m_configId;
};

} // namespace Corvane::Devices::Serialization
