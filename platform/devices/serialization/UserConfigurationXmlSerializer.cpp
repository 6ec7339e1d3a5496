#include "UserConfigurationXmlSerializer.h"

#include "UserConfigurationProperties.h"
#include "UserConfigurationXmlReader.h"
#include "XmlReadLimits.h"
#include "XmlText.h"
#include "AtomicFileWriter.h"

#include <QBuffer>
#include <QLocale>
#include <QXmlStreamWriter>

namespace Corvane::Devices::Serialization {

const int UserConfigurationXmlSerializer::FORMAT_VERSION = 1;

namespace {

QString number(int value)
{
    return QString::number(value);
}

QString number(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

void writeGui(QXmlStreamWriter& xml, const GuiProperties& gui)
{
    xml.writeStartElement(QStringLiteral("gui"));
    xml.writeAttribute(QStringLiteral("language"), XmlText::sanitized(gui.language()));
    xml.writeAttribute(QStringLiteral("dimension"), number(gui.dimension()));
    xml.writeAttribute(QStringLiteral("transparency"), number(gui.transparency()));
    xml.writeAttribute(QStringLiteral("hideLabelsTimeout"), number(gui.hideLabelsTimeout()));
    xml.writeAttribute(QStringLiteral("goHomepageTimeout"), number(gui.goHomepageTimeout()));
    xml.writeAttribute(QStringLiteral("skin"), XmlText::sanitized(gui.skin()));
    xml.writeAttribute(QStringLiteral("temperatureUnit"), number(gui.temperatureUnit()));
    xml.writeAttribute(QStringLiteral("x"), number(gui.position().x()));
    xml.writeAttribute(QStringLiteral("y"), number(gui.position().y()));
    xml.writeAttribute(QStringLiteral("onTop"), number(gui.alwaysOnTop() ? 1 : 0));
    xml.writeAttribute(QStringLiteral("tempConfig"), XmlText::sanitized(gui.tempConfigFileName()));
    xml.writeAttribute(QStringLiteral("installConfig"), XmlText::sanitized(gui.installConfigFileName()));
    xml.writeAttribute(QStringLiteral("lastFolder"), XmlText::sanitized(gui.lastConfigFolderPath()));
    xml.writeAttribute(QStringLiteral("lastDefConfigId"), XmlText::sanitized(gui.lastDefConfigId()));
    xml.writeAttribute(QStringLiteral("lastDefConfigVersion"), number(gui.lastDefConfigVersion()));
    xml.writeAttribute(QStringLiteral("dialogMaximized"), number(gui.isUserConfDialogMaximized() ? 1 : 0));
    xml.writeAttribute(QStringLiteral("dialogWidth"), number(gui.userConfDialogSize().width()));
    xml.writeAttribute(QStringLiteral("dialogHeight"), number(gui.userConfDialogSize().height()));
    const QHash<int, double> scales = gui.carouselScales();
    QList<int> pages = scales.keys();
    std::sort(pages.begin(), pages.end());
    for (int page : pages) {
        xml.writeEmptyElement(QStringLiteral("carouselScale"));
        xml.writeAttribute(QStringLiteral("page"), number(page));
        xml.writeAttribute(QStringLiteral("scale"), number(scales.value(page)));
    }
    xml.writeEndElement();
}

void writeKey(QXmlStreamWriter& xml, const QString& idName, const ItemKey& key)
{
    xml.writeAttribute(idName, number(key.id()));
    xml.writeAttribute(QStringLiteral("sub"), number(key.subId()));
}

template<typename T>
QList<ItemKey> sortedKeys(const QHash<ItemKey, T>& hash)
{
    QList<ItemKey> keys = hash.keys();
    std::sort(keys.begin(), keys.end());
    return keys;
}

void writeDeviceSettings(QXmlStreamWriter& xml, const UserDeviceSettings& settings)
{
    xml.writeStartElement(QStringLiteral("devices"));
    for (const UserDeviceSettings::Favorite& favorite : settings.favorites()) {
        xml.writeEmptyElement(QStringLiteral("favorite"));
        writeKey(xml, QStringLiteral("device"), favorite.key());
        xml.writeAttribute(QStringLiteral("page"), number(favorite.pageType));
        xml.writeAttribute(QStringLiteral("x"), number(favorite.x));
        xml.writeAttribute(QStringLiteral("y"), number(favorite.y));
        xml.writeAttribute(QStringLiteral("scale"), number(favorite.scale));
        xml.writeAttribute(QStringLiteral("onTop"), number(favorite.onTop ? 1 : 0));
        xml.writeAttribute(QStringLiteral("opacity"), number(favorite.opacity));
    }
    const QHash<ItemKey, QString> names = settings.itemNames();
    for (const ItemKey& key : sortedKeys(names)) {
        xml.writeEmptyElement(QStringLiteral("name"));
        writeKey(xml, QStringLiteral("device"), key);
        xml.writeAttribute(QStringLiteral("text"), XmlText::sanitized(names.value(key)));
    }
    const QHash<ItemKey, QList<int>> orders = settings.pageItemsOrders();
    for (const ItemKey& key : sortedKeys(orders)) {
        xml.writeStartElement(QStringLiteral("order"));
        writeKey(xml, QStringLiteral("page"), key);
        for (int id : orders.value(key))
            xml.writeTextElement(QStringLiteral("id"), number(id));
        xml.writeEndElement();
    }
    const QHash<ItemKey, double> tariffs = settings.itemTariffs();
    for (const ItemKey& key : sortedKeys(tariffs)) {
        xml.writeEmptyElement(QStringLiteral("tariff"));
        writeKey(xml, QStringLiteral("device"), key);
        xml.writeAttribute(QStringLiteral("value"), number(tariffs.value(key)));
    }
    xml.writeEndElement();
}

} // namespace

bool UserConfigurationXmlSerializer::read(const QString& path, const QUuid& configId,
                                          UserConfigurationProperties* properties,
                                          bool withDeviceSettings, QString* error)
{
    QByteArray data;
    if (!XmlReadLimits::readFile(path, data, error))
        return false;
    QString reason;
    const bool ok = readData(data, configId, properties, withDeviceSettings, &reason);
    if (!ok)
        XmlReadLimits::reportReadFailure(path, reason,
                                         QT_TRANSLATE_NOOP("Devices", "The user settings \"%1\" cannot be read: %2"),
                                         error);
    return ok;
}

bool UserConfigurationXmlSerializer::readData(const QByteArray& data, const QUuid& configId,
                                              UserConfigurationProperties* properties,
                                              bool withDeviceSettings, QString* error)
{
    if (!properties)
        return false;
    UserConfigurationXmlReader reader;
    UserConfigurationProperties result = *properties;
    if (!reader.read(data, result)) {
        if (error)
            *error = reader.errorString();
        return false;
    }
    if (!withDeviceSettings || reader.configId() != configId)
        result.userSettings().clear();
    *properties = result;
    return true;
}

bool UserConfigurationXmlSerializer::write(const QString& path, const QString& configId,
                                           const UserConfigurationProperties* properties,
                                           QString* error)
{
    if (!properties)
        return false;
    return AtomicFileWriter::write(path, writeData(configId, *properties),
                                   QT_TRANSLATE_NOOP("Devices", "The user settings cannot be saved to \"%1\": %2"),
                                   error);
}

QByteArray UserConfigurationXmlSerializer::writeData(const QString& configId,
                                                     const UserConfigurationProperties& properties)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QXmlStreamWriter xml(&buffer);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(UserConfigurationXmlReader::ROOT_ELEMENT);
    xml.writeAttribute(QStringLiteral("format"), number(FORMAT_VERSION));
    xml.writeAttribute(QStringLiteral("configId"), XmlText::sanitized(configId));
    writeGui(xml, properties.gui());
    writeDeviceSettings(xml, properties.userSettings());
    xml.writeEndElement();
    xml.writeEndDocument();
    return xml.hasError() ? QByteArray() : data;
}

} // namespace Corvane::Devices::Serialization
