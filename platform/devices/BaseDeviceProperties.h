#pragma once

#include "BaseObservable.h"
#include "DeviceAddress.h"

#include <QList>
#include <QString>

namespace Corvane::Devices {

// What the project stores of one device: id, type, description and bus
// address, plus what its family adds. Every setter writes through at once and
// reports the change to the observer (the owning project).
class BaseDeviceProperties : public BaseObservable
{
public:
    using DeviceType = int;

    // The Configurator's grouping of device types (one page of the
    // administration view per group).
    enum DeviceGroup {
        NoGroup = 0,
        Lights = 1,
        Automation = 2,
        Scenarios = 3,
        Thermoregulation = 4,
        Sensors = 5,
        WebServers = 6,
        SoundSources = 7,
        Amplifiers = 8,
        Energy = 9,
        Load = 10,
    };

    BaseDeviceProperties(int id, DeviceType type, const DeviceAddress& address,
                         const QString& description);
    ~BaseDeviceProperties() override = default;

    // A copy of the same family without an observer.
    virtual BaseDeviceProperties* clone() const = 0;
    virtual DeviceGroup deviceGroup() const = 0;

    int id() const { return m_id; }
    DeviceType deviceType() const { return m_deviceType; }
    QString description() const { return m_description; }
    DeviceAddress address() const { return m_address; }

    // The family code of the device type (the runtime's numbering).
    int familyCode() const;
    // The address rule of the device (see AddressVerifier).
    virtual int addressType() const;
    virtual void getAllowedTypes(QList<DeviceType>& types) const;
    bool isAllowedType(DeviceType type) const;

    // Refuses (and logs) a type of another family; values that depend on the
    // type are brought in line in the same step.
    void setDeviceType(DeviceType type);
    void setDescription(const QString& description);
    void setAddress(const DeviceAddress& address);

    // Field by field, the id and every family field included.
    virtual bool isEqual(const BaseDeviceProperties& other) const;

protected:
    // Brings type-dependent values in line after a type change.
    virtual void handleDeviceTypeChanged() {}

private:
    friend class Configuration;
    void setId(int id) { m_id = id; }

    int m_id;
    DeviceType m_deviceType;
    QString m_description;
    DeviceAddress m_address;
};

} // namespace Corvane::Devices
