#pragma once

#include "BaseDeviceProperties.h"

#include <QString>

#include <memory>

namespace Corvane::Devices {

// A device as a running program sees it: its own copy of the project's
// properties, its gateway and its last known state. Owning the copy keeps
// the device valid after the project it came from is gone.
class BaseDevice
{
public:
    BaseDevice(const BaseDeviceProperties& properties, int serverId);
    virtual ~BaseDevice();

    BaseDevice(const BaseDevice&) = delete;
    BaseDevice& operator=(const BaseDevice&) = delete;

    const BaseDeviceProperties& properties() const { return *m_properties; }
    int id() const { return m_properties->id(); }
    int serverId() const { return m_serverId; }
    BaseDeviceProperties::DeviceType deviceType() const { return m_properties->deviceType(); }
    DeviceAddress address() const { return m_properties->address(); }
    int familyCode() const { return m_properties->familyCode(); }

    // The custom name when the user gave one, else the project description.
    QString name() const;
    void setCustomName(const QString& name);
    bool hasCustomName() const { return !m_customName.isEmpty(); }

    bool isStatusKnown() const { return m_statusKnown; }
    void setStatusKnown(bool known) { m_statusKnown = known; }

    virtual bool takesPartInStatusRequest() const { return true; }
    virtual bool supportsRefresh() const { return true; }
    virtual bool hasSliderValue() const { return false; }
    virtual bool showsSliderImage() const { return hasSliderValue(); }
    virtual double currentValue() const { return 0.0; }
    virtual double valueMinimum() const { return 0.0; }
    virtual double valueMaximum() const { return 100.0; }
    virtual double valueStep() const { return 1.0; }
    // The name shown for a part of the device; the device's own name for
    // ItemKey::INVALID_SUB_ID and unknown parts.
    virtual QString displayName(int subId) const;

protected:
    template<typename T>
    const T& propertiesAs() const { return static_cast<const T&>(*m_properties); }

private:
    std::unique_ptr<BaseDeviceProperties> m_properties;
    int m_serverId;
    QString m_customName;
    bool m_statusKnown = false;
};

} // namespace Corvane::Devices
