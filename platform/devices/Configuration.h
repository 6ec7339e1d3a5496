#pragma once

#include "BaseDeviceProperties.h"
#include "BaseObservable.h"
#include "ConfigPage.h"
#include "GuiProperties.h"
#include "WebServerDeviceProperties.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QUuid>

#include <memory>
#include <vector>

namespace Corvane::Devices {

// A project: its identity, its gateways (plants) and the devices behind each
// one, in project order, plus the project's language and temperature unit.
//
// The project owns its objects and observes them: any setter of any object
// it holds marks the project changed and reaches the project's observer.
// Validation marks are kept apart; they are neither changes nor saved.
class Configuration : public BaseObservable
{
public:
    static const int MAX_DESCRIPTION_CHARS;
    static const int MAX_SOUND_SOURCES_BASIC;
    static const int MAX_SOUND_SOURCES_ALL_AREAS;

    // generateId: give the project a fresh id (else it stays null until
    // set). reservedIds: ids the project must never hand out to a device.
    explicit Configuration(bool generateId = true, const QSet<int>& reservedIds = {});
    ~Configuration() override;

    Configuration(const Configuration&) = delete;
    Configuration& operator=(const Configuration&) = delete;

    // A new empty project (the caller owns it).
    static Configuration* empty();
    // A new small project with one gateway and a few lights (the caller owns it).
    static Configuration* test();
    // True when path holds a readable project; error tells why not.
    static bool isFileValid(const QString& path, QString* error = nullptr);

    QUuid id() const { return m_id; }
    void setId(const QUuid& id) { m_id = id; }
    int version() const { return m_version; }
    void setVersion(int version) { m_version = version; }
    void generateNewId();
    void resetVersion();
    void incrementVersion();

    bool hasChanges() const { return m_hasChanges; }
    void clearChanges() { m_hasChanges = false; }
    void registerChange(const ChangeArgs& args, BaseObservable* source) override;

    GuiProperties& guiProperties() { return m_guiProperties; }
    const GuiProperties& guiProperties() const { return m_guiProperties; }

    // Pages follow from the content: one per page type that has devices, in
    // ConfigPage::allPageTypes() order, the page type serving as the id.
    QList<ConfigPage> pages() const;

    QList<WebServerDeviceProperties*> webServers() const;
    // Every device that is not a gateway, in project order.
    QList<BaseDeviceProperties*> devices() const;
    int devicesCount() const { return int(m_devices.size()); }
    bool isEmpty() const { return m_webServers.empty() && m_devices.empty(); }

    // A device or gateway, or null.
    BaseDeviceProperties* getDeviceById(int id) const;
    WebServerDeviceProperties* getWebServerById(int id) const;
    // The gateway of a device, or -1.
    int getServerForDevice(int deviceId) const;
    // The devices of group in project order; serverId -1 takes every gateway.
    // clearList empties list first, else the devices are appended.
    void getDevicesByGroup(QList<BaseDeviceProperties*>& list,
                           BaseDeviceProperties::DeviceGroup group, int serverId = -1,
                           bool clearList = true) const;

    // Adds a gateway; returns its id. Takes ownership.
    int addDevice(WebServerDeviceProperties* server);
    // Adds a device to a gateway and returns its id. Takes ownership; a
    // device without an id or with an id in use gets a fresh one. Returns
    // emtpyDeviceId() (and deletes the device) when the gateway is unknown
    // or the device is a gateway.
    int addDevice(int serverId, BaseDeviceProperties* device);
    // Removes a device, or a gateway with all its devices.
    bool removeDevice(int id);
    // Moves a device (or gateway) to the place of its neighbour and the
    // neighbour to the device's place.
    bool moveDevice(int id, int neighbourId);

    // Sound system of a gateway: 0 basic, 1 all areas.
    int soundSystemType(int serverId) const;
    void setSoundSystemType(int type, int serverId);
    int maxSoundSourcesCount(int serverId) const;
    // The address rule of a device within this project (the sound system
    // of its gateway decides the rule of sources and amplifiers).
    int deviceAddressType(const BaseDeviceProperties& device) const;

    void clearDevicesErrors();
    void addDevicesWithError(const QList<int>& ids, int errorType);
    QList<int> deviceErrors(int id) const;
    QList<int> devicesWithErrors() const;

    // Brings the content in line before a write: trims descriptions, clamps
    // numbers into their ranges. Notifies only what it changes.
    void sanitize(int maxDescriptionChars = MAX_DESCRIPTION_CHARS);

private:
    int nextFreeId() const;
    bool isIdInUse(int id) const;
    int indexOfDevice(int id) const;
    int indexOfServer(int id) const;
    void adopt(BaseDeviceProperties* device, int id);

    QUuid m_id;
    int m_version = 0;
    bool m_hasChanges = false;
    QSet<int> m_reservedIds;
    GuiProperties m_guiProperties;
    std::vector<std::unique_ptr<WebServerDeviceProperties>> m_webServers;
    std::vector<std::unique_ptr<BaseDeviceProperties>> m_devices;
    QHash<int, BaseDeviceProperties*> m_byId;
    QHash<int, int> m_serverOfDevice;
    QHash<int, QList<int>> m_errors;
};

} // namespace Corvane::Devices
