#include "DeviceTypeTable.h"

namespace Corvane::Devices {

const int DeviceTypeTable::FAMILY_LIGHTING = 1;
const int DeviceTypeTable::FAMILY_SCENARIOS = 2;
const int DeviceTypeTable::FAMILY_SENSORS = 4;
const int DeviceTypeTable::FAMILY_AUTOMATION = 5;
const int DeviceTypeTable::FAMILY_THERMOREGULATION = 6;
const int DeviceTypeTable::FAMILY_WEBSERVER = 7;
const int DeviceTypeTable::FAMILY_SOUND_SOURCE = 8;
const int DeviceTypeTable::FAMILY_AMPLIFIER = 9;
const int DeviceTypeTable::FAMILY_ENERGY = 10;
const int DeviceTypeTable::FAMILY_LOAD = 11;

namespace {

using Group = BaseDeviceProperties;
using Page = ConfigPage;

QList<DeviceTypeInfo> buildRows()
{
    return {
        {2001, Group::Lights, DeviceTypeTable::FAMILY_LIGHTING, {Page::Lighting}, 1},
        {2002, Group::Lights, DeviceTypeTable::FAMILY_LIGHTING, {Page::Lighting}, 1},
        {2003, Group::Lights, DeviceTypeTable::FAMILY_LIGHTING, {Page::Lighting}, 1},
        {2006, Group::Lights, DeviceTypeTable::FAMILY_LIGHTING, {Page::Lighting}, 1},
        {3001, Group::Automation, DeviceTypeTable::FAMILY_AUTOMATION, {Page::Automation}, 1},
        {3002, Group::Automation, DeviceTypeTable::FAMILY_AUTOMATION, {Page::Automation}, 1},
        {1002, Group::Scenarios, DeviceTypeTable::FAMILY_SCENARIOS, {Page::Scenarios}, 2},
        {1003, Group::Scenarios, DeviceTypeTable::FAMILY_SCENARIOS, {Page::Scenarios}, 3},
        // A scheduled scenario has no address of its own; its items carry theirs.
        {9002, Group::Scenarios, DeviceTypeTable::FAMILY_SCENARIOS, {Page::Scenarios}, 0},
        {8003, Group::Thermoregulation, DeviceTypeTable::FAMILY_THERMOREGULATION, {Page::Thermoregulation}, 8},
        {8004, Group::Thermoregulation, DeviceTypeTable::FAMILY_THERMOREGULATION, {Page::Thermoregulation}, 12},
        {8001, Group::Thermoregulation, DeviceTypeTable::FAMILY_THERMOREGULATION, {Page::Thermoregulation}, 7},
        {8002, Group::Thermoregulation, DeviceTypeTable::FAMILY_THERMOREGULATION, {Page::Thermoregulation}, 9},
        {4001, Group::Thermoregulation, DeviceTypeTable::FAMILY_THERMOREGULATION, {Page::Thermoregulation}, 11},
        {4003, Group::Thermoregulation, DeviceTypeTable::FAMILY_THERMOREGULATION, {Page::Thermoregulation}, 11},
        {21002, Group::Sensors, DeviceTypeTable::FAMILY_SENSORS, {Page::LightSensors, Page::PresenceSensors}, 6},
        {20001, Group::Sensors, DeviceTypeTable::FAMILY_SENSORS, {Page::LightSensors}, 6},
        {21001, Group::Sensors, DeviceTypeTable::FAMILY_SENSORS, {Page::PresenceSensors}, 6},
        {22001, Group::WebServers, DeviceTypeTable::FAMILY_WEBSERVER, {Page::WebServers}, 0},
        {23001, Group::SoundSources, DeviceTypeTable::FAMILY_SOUND_SOURCE, {Page::SoundSystem}, 13},
        {23002, Group::SoundSources, DeviceTypeTable::FAMILY_SOUND_SOURCE, {Page::SoundSystem}, 13},
        {23004, Group::SoundSources, DeviceTypeTable::FAMILY_SOUND_SOURCE, {Page::SoundSystem}, 13},
        {23003, Group::Amplifiers, DeviceTypeTable::FAMILY_AMPLIFIER, {Page::SoundSystem}, 15},
        {7051, Group::Energy, DeviceTypeTable::FAMILY_ENERGY, {Page::Energy}, 17},
        {7061, Group::Energy, DeviceTypeTable::FAMILY_ENERGY, {Page::Energy}, 17},
        {7071, Group::Energy, DeviceTypeTable::FAMILY_ENERGY, {Page::Energy}, 17},
        {7081, Group::Energy, DeviceTypeTable::FAMILY_ENERGY, {Page::Energy}, 17},
        {7091, Group::Energy, DeviceTypeTable::FAMILY_ENERGY, {Page::Energy}, 17},
        {18001, Group::Load, DeviceTypeTable::FAMILY_LOAD, {Page::LoadManagement}, 18},
        {18002, Group::Load, DeviceTypeTable::FAMILY_LOAD, {Page::LoadManagement}, 18},
    };
}

} // namespace

const QList<DeviceTypeInfo>& DeviceTypeTable::rows()
{
    static const QList<DeviceTypeInfo> table = buildRows();
    return table;
}

bool DeviceTypeTable::isKnownType(BaseDeviceProperties::DeviceType type)
{
    return info(type).group != BaseDeviceProperties::NoGroup;
}

DeviceTypeInfo DeviceTypeTable::info(BaseDeviceProperties::DeviceType type)
{
    for (const DeviceTypeInfo& row : rows()) {
        if (row.type == type)
            return row;
    }
    DeviceTypeInfo unknown;
    unknown.type = type;
    return unknown;
}

BaseDeviceProperties::DeviceGroup DeviceTypeTable::group(BaseDeviceProperties::DeviceType type)
{
    return info(type).group;
}

int DeviceTypeTable::familyCode(BaseDeviceProperties::DeviceType type)
{
    return info(type).familyCode;
}

int DeviceTypeTable::addressType(BaseDeviceProperties::DeviceType type)
{
    return info(type).addressType;
}

QList<BaseDeviceProperties::DeviceType> DeviceTypeTable::typesOfGroup(BaseDeviceProperties::DeviceGroup group)
{
    QList<BaseDeviceProperties::DeviceType> types;
    for (const DeviceTypeInfo& row : rows()) {
        if (row.group == group)
            types.append(row.type);
    }
    return types;
}

BaseDeviceProperties::DeviceType DeviceTypeTable::defaultType(BaseDeviceProperties::DeviceGroup group)
{
    switch (group) {
    case BaseDeviceProperties::Lights:
        return 2003;
    case BaseDeviceProperties::Automation:
        return 3001;
    case BaseDeviceProperties::Scenarios:
        return 1002;
    case BaseDeviceProperties::Thermoregulation:
        return 8003;
    case BaseDeviceProperties::Sensors:
        return 21002;
    case BaseDeviceProperties::WebServers:
        return 22001;
    case BaseDeviceProperties::SoundSources:
        return 23001;
    case BaseDeviceProperties::Amplifiers:
        return 23003;
    case BaseDeviceProperties::Energy:
        return 7051;
    case BaseDeviceProperties::Load:
        return 18001;
    case BaseDeviceProperties::NoGroup:
        break;
    }
    return 0;
}

} // namespace Corvane::Devices
