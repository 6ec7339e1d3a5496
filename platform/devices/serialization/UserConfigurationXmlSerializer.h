#pragma once

#include <QByteArray>
#include <QString>
#include <QUuid>

namespace Corvane::Devices {
class UserConfigurationProperties;
}

namespace Corvane::Devices::Serialization {

// Reads and writes the user settings file: the look and behaviour settings
// and, for the project they were made with, favourites, names, page orders
// and tariffs.
class UserConfigurationXmlSerializer
{
public:
    static const int FORMAT_VERSION;

    UserConfigurationXmlSerializer() = delete;

    // Fills properties from path. The look settings are always taken; the
    // device settings only when withDeviceSettings is set and the file was
    // written for the project configId (else they are cleared). On failure
    // properties stay as they were and false is returned.
    static bool read(const QString& path, const QUuid& configId,
                     UserConfigurationProperties* properties, bool withDeviceSettings,
                     QString* error = nullptr);
    static bool readData(const QByteArray& data, const QUuid& configId,
                         UserConfigurationProperties* properties, bool withDeviceSettings,
                         QString* error = nullptr);
    // Replaces path atomically; on failure the old file stays as it was.
    static bool write(const QString& path, const QString& configId,
                      const UserConfigurationProperties* properties, QString* error = nullptr);
    static QByteArray writeData(const QString& configId, const UserConfigurationProperties& properties);
};

} // namespace Corvane::Devices::Serialization
