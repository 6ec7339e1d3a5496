#pragma once

#include "AtomicFileWriter.h"

#include <QByteArray>
#include <QString>
#include <QUuid>

namespace Corvane::Devices {
class Configuration;
}

namespace Corvane::Devices::Serialization {

// Reads and writes project files (".vtprj").
class XmlSerializer
{
public:
    static const int FORMAT_VERSION;

    XmlSerializer() = delete;

    // A new project owned by the caller, or null with a readable error.
    static Configuration* read(const QString& path, QString* error = nullptr);
    static Configuration* readData(const QByteArray& data, QString* error = nullptr);
    // Sanitizes the project, then replaces path atomically: on failure the
    // old file stays as it was and false is returned. A new file gets
    // newFileMode less the umask; a replaced one keeps its mode.
    static bool write(Configuration& project, const QString& path, QString* error = nullptr,
                      mode_t newFileMode = AtomicFileWriter::SHARED_MODE);
    // The file content; empty when the project cannot be encoded.
    static QByteArray writeData(const Configuration& project);
    // The id and version of a project file without reading its devices.
    static bool readIdVersion(const QString& path, QUuid& id, int& version);
};

} // namespace Corvane::Devices::Serialization
