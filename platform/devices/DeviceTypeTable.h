#pragma once

#include "DeviceTypeInfo.h"

namespace Corvane::Devices {

// The table of every device type the system knows: its group (the
// Configurator's numbering), its family code (the runtime's numbering), the
// pages that show it and its address rule. Both numberings are kept because
// each program sorts by its own.
class DeviceTypeTable
{
public:
    // Family codes.
    static const int FAMILY_LIGHTING;
    static const int FAMILY_SCENARIOS;
    static const int FAMILY_SENSORS;
    static const int FAMILY_AUTOMATION;
    static const int FAMILY_THERMOREGULATION;
    static const int FAMILY_WEBSERVER;
    static const int FAMILY_SOUND_SOURCE;
    static const int FAMILY_AMPLIFIER;
    static const int FAMILY_ENERGY;
    static const int FAMILY_LOAD;

    DeviceTypeTable() = delete;

    static const QList<DeviceTypeInfo>& rows();
    static bool isKnownType(BaseDeviceProperties::DeviceType type);
    // The row of type; a row with group NoGroup for an unknown type.
    static DeviceTypeInfo info(BaseDeviceProperties::DeviceType type);
    static BaseDeviceProperties::DeviceGroup group(BaseDeviceProperties::DeviceType type);
    static int familyCode(BaseDeviceProperties::DeviceType type);
    static int addressType(BaseDeviceProperties::DeviceType type);
    // The types of a group, in table order.
    static QList<BaseDeviceProperties::DeviceType> typesOfGroup(BaseDeviceProperties::DeviceGroup group);
    // The type a new device of the group starts with.
    static BaseDeviceProperties::DeviceType defaultType(BaseDeviceProperties::DeviceGroup group);
};

} // namespace Corvane::Devices
