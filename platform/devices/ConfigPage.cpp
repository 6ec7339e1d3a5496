#include "ConfigPage.h"

#include <QCoreApplication>
#include <QList>

namespace Corvane::Devices {

ConfigPage::ConfigPage(int id, PageType pageType, const QString& description)
    : m_id(id)
    , m_pageType(pageType)
    , m_description(description)
{
}

QList<ConfigPage::PageType> ConfigPage::allPageTypes()
{
    return {Scenarios, Lighting, Automation, Energy, Thermoregulation,
            LoadManagement, LightSensors, PresenceSensors, WebServers, SoundSystem};
}

QString ConfigPage::pageTypeName(PageType pageType)
{
    switch (pageType) {
    case Scenarios:
        return QCoreApplication::translate("Devices", "Scenarios");
    case Lighting:
        return QCoreApplication::translate("Devices", "Lighting");
    case Automation:
        return QCoreApplication::translate("Devices", "Automation");
    case Energy:
        return QCoreApplication::translate("Devices", "Energy");
    case Thermoregulation:
        return QCoreApplication::translate("Devices", "Thermoregulation");
    case LoadManagement:
        return QCoreApplication::translate("Devices", "Load management");
    case LightSensors:
        return QCoreApplication::translate("Devices", "Light sensors");
    case PresenceSensors:
        return QCoreApplication::translate("Devices", "Presence sensors");
    case WebServers:
        return QCoreApplication::translate("Devices", "Web servers");
    case SoundSystem:
        return QCoreApplication::translate("Devices", "Sound system");
    }
    return QString();
}

bool ConfigPage::operator==(const ConfigPage& other) const
{
    return m_id == other.m_id && m_pageType == other.m_pageType
        && m_description == other.m_description;
}

} // namespace Corvane::Devices
