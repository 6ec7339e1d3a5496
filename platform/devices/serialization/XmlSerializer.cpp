#include "XmlSerializer.h"

#include "Configuration.h"
#include "ProjectXmlReader.h"
#include "ProjectXmlWriter.h"
#include "XmlReadLimits.h"
#include "AtomicFileWriter.h"

#include <QXmlStreamReader>

namespace Corvane::Devices::Serialization {

const int XmlSerializer::FORMAT_VERSION = 1;

Configuration* XmlSerializer::read(const QString& path, QString* error)
{
    QByteArray data;
    if (!XmlReadLimits::readFile(path, data, error))
        return nullptr;
    QString reason;
    Configuration* project = readData(data, &reason);
    if (!project)
        XmlReadLimits::reportReadFailure(path, reason,
                                         QT_TRANSLATE_NOOP("Devices", "The project \"%1\" cannot be read: %2"), error);
    return project;
}

Configuration* XmlSerializer::readData(const QByteArray& data, QString* error)
{
    ProjectXmlReader reader;
    std::unique_ptr<Configuration> project = reader.read(data);
    if (!project && error)
        *error = reader.errorString();
    return project.release();
}

bool XmlSerializer::write(Configuration& project, const QString& path, QString* error, mode_t newFileMode)
{
    project.sanitize();
    return AtomicFileWriter::write(path, writeData(project),
                                   QT_TRANSLATE_NOOP("Devices", "The project cannot be saved to \"%1\": %2"), error,
                                   newFileMode);
}

QByteArray XmlSerializer::writeData(const Configuration& project)
{
    ProjectXmlWriter writer;
    const QByteArray data = writer.write(project);
    return writer.hasError() ? QByteArray() : data;
}

bool XmlSerializer::readIdVersion(const QString& path, QUuid& id, int& version)
{
    QByteArray data;
    if (!XmlReadLimits::readFile(path, data, nullptr))
        return false;
    QXmlStreamReader xml(data);
    if (!xml.readNextStartElement() || xml.name() != ProjectXmlReader::ROOT_ELEMENT)
        return false;
    const QUuid fileId(xml.attributes().value(QStringLiteral("id")).toString());
    const int fileVersion = XmlReadLimits::intAttribute(xml, QStringLiteral("version"), 0);
    if (xml.hasError() || fileId.isNull())
        return false;
    id = fileId;
    version = fileVersion;
    return true;
}

} // namespace Corvane::Devices::Serialization
