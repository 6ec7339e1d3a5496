#pragma once

#include "BaseObservable.h"
#include "DeviceAddress.h"

#include <QString>

namespace Corvane::Devices {

// A command of an air conditioner: a description and an address whose area
// is the scenario number the gateway runs. Owned by its device, which
// observes it.
class ThermoregulationCommandProperties : public BaseObservable
{
public:
    static const int EMPTY_ID;

    ThermoregulationCommandProperties(const DeviceAddress& address, const QString& description,
                                      int id = EMPTY_ID);

    int id() const { return m_id; }
    DeviceAddress address() const { return m_address; }
    void setAddress(const DeviceAddress& address);
    QString description() const { return m_description; }
    void setDescription(const QString& description);

    bool operator==(const ThermoregulationCommandProperties& other) const;
    bool operator!=(const ThermoregulationCommandProperties& other) const { return !(*this == other); }

private:
    friend class ThermoregulationDeviceProperties;
    void setId(int id) { m_id = id; }

    int m_id;
    DeviceAddress m_address;
    QString m_description;
};

} // namespace Corvane::Devices
