#pragma once

#include <QList>
#include <QString>

namespace Corvane::Devices {

// One page of a project: the devices of one kind shown together.
class ConfigPage
{
public:
    enum PageType : int {
        Scenarios = 1000,
        Lighting = 2000,
        Automation = 3000,
        Energy = 7000,
        Thermoregulation = 8000,
        LoadManagement = 18000,
        LightSensors = 20000,
        PresenceSensors = 21000,
        WebServers = 22000,
        SoundSystem = 23000,
    };

    ConfigPage(int id, PageType pageType, const QString& description);

    int id() const { return m_id; }
    PageType pageType() const { return m_pageType; }
    QString description() const { return m_description; }

    // Every page type, in the order a project lists its pages.
    static QList<PageType> allPageTypes();
    // The translated name of a page type.
    static QString pageTypeName(PageType pageType);

    bool operator==(const ConfigPage& other) const;

private:
    int m_id;
    PageType m_pageType;
    QString m_description;
};

} // namespace Corvane::Devices
