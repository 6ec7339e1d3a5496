#include "XmlReadLimits.h"

#include "log/Logger.h"

#include <QCoreApplication>
#include <QFile>

#include <cmath>

namespace Corvane::Devices::Serialization {

const qint64 XmlReadLimits::MAX_FILE_SIZE = 32 * 1024 * 1024;
const int XmlReadLimits::MAX_TEXT_CHARS = 4096;
const int XmlReadLimits::MAX_LIST_ITEMS = 256;
const int XmlReadLimits::MAX_ITEMS = 100000;

namespace {

QString invalidValueError(const QString& name, QStringView value)
{
    return QCoreApplication::translate("Devices", "Invalid value \"%1\" for \"%2\".")
        .arg(value.left(32).toString(), name);
}

} // namespace

int XmlReadLimits::intAttribute(QXmlStreamReader& xml, const QString& name, int defaultValue)
{
    if (!xml.attributes().hasAttribute(name))
        return defaultValue;
    const QStringView text = xml.attributes().value(name);
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok) {
        xml.raiseError(invalidValueError(name, text));
        return defaultValue;
    }
    return value;
}

double XmlReadLimits::doubleAttribute(QXmlStreamReader& xml, const QString& name, double defaultValue)
{
    if (!xml.attributes().hasAttribute(name))
        return defaultValue;
    const QStringView text = xml.attributes().value(name);
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value)) {
        xml.raiseError(invalidValueError(name, text));
        return defaultValue;
    }
    return value;
}

bool XmlReadLimits::boolAttribute(QXmlStreamReader& xml, const QString& name, bool defaultValue)
{
    return intAttribute(xml, name, defaultValue ? 1 : 0) != 0;
}

QString XmlReadLimits::textAttribute(QXmlStreamReader& xml, const QString& name,
                                     const QString& defaultValue)
{
    if (!xml.attributes().hasAttribute(name))
        return defaultValue;
    const QStringView text = xml.attributes().value(name);
    if (text.size() > MAX_TEXT_CHARS) {
        xml.raiseError(QCoreApplication::translate("Devices", "The text of \"%1\" is too long.").arg(name));
        return defaultValue;
    }
    return text.toString();
}

int XmlReadLimits::intElementText(QXmlStreamReader& xml)
{
    const QString text = xml.readElementText();
    if (xml.hasError())
        return 0;
    bool ok = false;
    const int value = QStringView(text).trimmed().toInt(&ok);
    if (!ok)
        xml.raiseError(invalidValueError(xml.name().toString(), text));
    return value;
}

bool XmlReadLimits::readFile(const QString& path, QByteArray& data, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QCoreApplication::translate("Devices", "Cannot open \"%1\": %2")
                         .arg(path, file.errorString());
        return false;
    }
    if (file.size() > MAX_FILE_SIZE) {
        if (error)
            *error = QCoreApplication::translate("Devices", "The file \"%1\" is too large.").arg(path);
        return false;
    }
    data = file.read(MAX_FILE_SIZE + 1);
    if (data.size() > MAX_FILE_SIZE) {
        if (error)
            *error = QCoreApplication::translate("Devices", "The file \"%1\" is too large.").arg(path);
        return false;
    }
    return true;
}

void XmlReadLimits::reportReadFailure(const QString& path, const QString& reason, const char* failureText,
                                      QString* error)
{
    Log::Logger(Log::Logger::Error) << Q_FUNC_INFO << " cannot read " << path << ": " << reason;
    if (error)
        *error = QCoreApplication::translate("Devices", failureText).arg(path, reason);
}

} // namespace Corvane::Devices::Serialization
