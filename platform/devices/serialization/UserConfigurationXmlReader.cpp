#include "UserConfigurationXmlReader.h"

#include "UserConfigurationProperties.h"
#include "UserConfigurationXmlSerializer.h"
#include "XmlReadLimits.h"

#include <QCoreApplication>

namespace Corvane::Devices::Serialization {

const QString UserConfigurationXmlReader::ROOT_ELEMENT = QStringLiteral("userSettings");

namespace {

using L = XmlReadLimits;

// Far more favourite windows than fit on any desktop.
const int MAX_FAVORITES = 1000;

// Scales of pages this version does not know are dropped.
bool isKnownPageType(int page)
{
    for (ConfigPage::PageType known : ConfigPage::allPageTypes()) {
        if (known == page)
            return true;
    }
    return false;
}

} // namespace

bool UserConfigurationXmlReader::read(const QByteArray& data, UserConfigurationProperties& properties)
{
    m_guard.start(data);
    m_configId = QUuid();
    if (m_guard.enterRoot(ROOT_ELEMENT, QT_TRANSLATE_NOOP("Devices", "The file does not hold user settings.")))
        readRoot(properties);
    return !m_guard.hasFailed();
}

void UserConfigurationXmlReader::readRoot(UserConfigurationProperties& properties)
{
    const int format = L::intAttribute(m_xml, QStringLiteral("format"),
                                       UserConfigurationXmlSerializer::FORMAT_VERSION);
    if (!m_xml.hasError() && format > UserConfigurationXmlSerializer::FORMAT_VERSION) {
        m_guard.fail(QCoreApplication::translate("Devices", "The user settings were written by a newer version of the program."));
        return;
    }
    m_configId = QUuid(L::textAttribute(m_xml, QStringLiteral("configId")));
    UserDeviceSettings settings;
    while (!m_xml.hasError() && m_xml.readNextStartElement()) {
        if (m_xml.name() == QLatin1String("gui"))
            readGui(properties.gui());
        else if (m_xml.name() == QLatin1String("devices"))
            readDeviceSettings(settings);
        else
            m_xml.skipCurrentElement();
    }
    if (m_guard.finish())
        properties.userSettings() = settings;
}

void UserConfigurationXmlReader::readGui(GuiProperties& gui)
{
    gui.setLanguage(L::textAttribute(m_xml, QStringLiteral("language"), gui.language()));
    gui.setDimension(L::intAttribute(m_xml, QStringLiteral("dimension"), gui.dimension()));
    gui.setTransparency(L::intAttribute(m_xml, QStringLiteral("transparency"), gui.transparency()));
    gui.setHideLabelsTimeout(L::intAttribute(m_xml, QStringLiteral("hideLabelsTimeout"), gui.hideLabelsTimeout()));
    gui.setGoHomepageTimeout(L::intAttribute(m_xml, QStringLiteral("goHomepageTimeout"), gui.goHomepageTimeout()));
    gui.setSkin(L::textAttribute(m_xml, QStringLiteral("skin"), gui.skin()));
    gui.setTemperatureUnit(L::intAttribute(m_xml, QStringLiteral("temperatureUnit"), gui.temperatureUnit()) == 1 ? 1 : 0);
    gui.setPosition(QPoint(L::intAttribute(m_xml, QStringLiteral("x"), gui.position().x()),
                           L::intAttribute(m_xml, QStringLiteral("y"), gui.position().y())));
    gui.setAlwaysOnTop(L::boolAttribute(m_xml, QStringLiteral("onTop"), gui.alwaysOnTop()));
    gui.setTempConfigFileName(L::textAttribute(m_xml, QStringLiteral("tempConfig"), gui.tempConfigFileName()));
    gui.setInstallConfigFileName(L::textAttribute(m_xml, QStringLiteral("installConfig"), gui.installConfigFileName()));
    gui.setLastConfigFolderPath(L::textAttribute(m_xml, QStringLiteral("lastFolder"), gui.lastConfigFolderPath()));
    gui.setLastDefConfigId(L::textAttribute(m_xml, QStringLiteral("lastDefConfigId"), gui.lastDefConfigId()));
    gui.setLastDefConfigVersion(L::intAttribute(m_xml, QStringLiteral("lastDefConfigVersion"), gui.lastDefConfigVersion()));
    gui.setIsUserConfDialogMaximized(L::boolAttribute(m_xml, QStringLiteral("dialogMaximized"), gui.isUserConfDialogMaximized()));
    gui.setUserConfDialogSize(QSize(L::intAttribute(m_xml, QStringLiteral("dialogWidth"), gui.userConfDialogSize().width()),
                                    L::intAttribute(m_xml, QStringLiteral("dialogHeight"), gui.userConfDialogSize().height())));
    while (!m_xml.hasError() && m_xml.readNextStartElement()) {
        if (m_xml.name() == QLatin1String("carouselScale") && m_guard.countItem()) {
            const int page = L::intAttribute(m_xml, QStringLiteral("page"), 0);
            const double scale = L::doubleAttribute(m_xml, QStringLiteral("scale"),
                                                    GuiProperties::DEFAULT_CAROUSEL_SCALE);
            if (isKnownPageType(page))
                gui.setCarouselScale(ConfigPage::PageType(page), scale);
        }
        m_xml.skipCurrentElement();
    }
}

void UserConfigurationXmlReader::readDeviceSettings(UserDeviceSettings& settings)
{
    while (!m_xml.hasError() && m_xml.readNextStartElement()) {
        const QStringView name = m_xml.name();
        if (!m_guard.countItem())
            return;
        const int device = L::intAttribute(m_xml, QStringLiteral("device"), 0);
        const int sub = L::intAttribute(m_xml, QStringLiteral("sub"), ItemKey::INVALID_SUB_ID);
        if (name == QLatin1String("favorite")) {
            if (settings.favorites().size() >= MAX_FAVORITES) {
                m_guard.fail(QCoreApplication::translate("Devices", "The file holds too many favourites."));
                return;
            }
            settings.addFavorite(UserDeviceSettings::Favorite(
                device, sub, L::intAttribute(m_xml, QStringLiteral("page"), 0),
                L::intAttribute(m_xml, QStringLiteral("x"), 0), L::intAttribute(m_xml, QStringLiteral("y"), 0),
                L::doubleAttribute(m_xml, QStringLiteral("scale"), 1.0),
                L::boolAttribute(m_xml, QStringLiteral("onTop"), false),
                L::doubleAttribute(m_xml, QStringLiteral("opacity"), 1.0)));
        } else if (name == QLatin1String("name")) {
            settings.setItemName(device, L::textAttribute(m_xml, QStringLiteral("text")), sub);
        } else if (name == QLatin1String("order")) {
            readOrder(settings);
            continue;
        } else if (name == QLatin1String("tariff")) {
            settings.setItemTariff(device, sub, L::doubleAttribute(m_xml, QStringLiteral("value"), 0.0));
        }
        m_xml.skipCurrentElement();
    }
}

void UserConfigurationXmlReader::readOrder(UserDeviceSettings& settings)
{
    const int page = L::intAttribute(m_xml, QStringLiteral("page"), 0);
    const int sub = L::intAttribute(m_xml, QStringLiteral("sub"), ItemKey::INVALID_SUB_ID);
    QList<int> ids;
    while (!m_xml.hasError() && m_xml.readNextStartElement()) {
        if (m_xml.name() != QLatin1String("id")) {
            m_xml.skipCurrentElement();
            continue;
        }
        if (!m_guard.countItem())
            return;
        ids.append(L::intElementText(m_xml));
    }
    settings.setPageItemsOrder(page, ids, sub);
}

} // namespace Corvane::Devices::Serialization
