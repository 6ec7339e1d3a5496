#pragma once

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
    QString errorString() const { return m_error; }

private:
    void readRoot(UserConfigurationProperties& properties);
    void readGui(GuiProperties& gui);
    void readDeviceSettings(UserDeviceSettings& settings);
    void readOrder(UserDeviceSettings& settings);
    bool countItem();
    void fail(const QString& message);

    QXmlStreamReader m_xml;
    QUuid m_configId;
    int m_items = 0;
    QString m_error;
};

} // namespace Corvane::Devices::Serialization
