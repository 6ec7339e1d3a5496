#include "AddressVerifier.h"

#include <cstdlib>

namespace Corvane::Devices::AddressVerification {

namespace {

QList<int> range(int first, int last)
{
    QList<int> values;
    values.reserve(last - first + 1);
    for (int value = first; value <= last; ++value)
        values.append(value);
    return values;
}

QList<int> busLevels()
{
    return {DeviceAddress::LEVEL_PRIVATE_RISER, DeviceAddress::LEVEL_LOCAL_BUS};
}

AddressRule busTreeRule()
{
    AddressRule rule;
    rule.areas = range(1, 10) + QList<int>{DeviceAddress::ADDRESS_GEN, DeviceAddress::ADDRESS_AMB,
                                           DeviceAddress::ADDRESS_GR};
    rule.defaultPoints = range(1, 15);
    rule.pointsByArea.insert(DeviceAddress::ADDRESS_GEN, {});
    rule.pointsByArea.insert(DeviceAddress::ADDRESS_AMB, range(1, 10));
    rule.pointsByArea.insert(DeviceAddress::ADDRESS_GR, range(1, 255));
    rule.levels = busLevels();
    rule.interfaces = range(1, 9);
    return rule;
}

AddressRule pointRule(const QList<int>& areas, const QList<int>& points)
{
    AddressRule rule;
    rule.areas = areas;
    rule.defaultPoints = points;
    rule.levels = busLevels();
    rule.interfaces = range(1, 9);
    return rule;
}

AddressRule areaOnlyRule(const QList<int>& areas)
{
    AddressRule rule;
    rule.areas = areas;
    return rule;
}

AddressRule zoneRule(bool withThirdField)
{
    AddressRule rule;
    rule.areas = range(0, 9);
    rule.defaultPoints = range(0, 9);
    // Zone 00 does not exist.
    rule.pointsByArea.insert(0, range(1, 9));
    if (withThirdField)
        rule.levels = range(1, 9);
    rule.interfaceOnLocalBusOnly = false;
    return rule;
}

AddressRule amplifierRule(const QList<int>& areas)
{
    AddressRule rule;
    rule.areas = areas + QList<int>{DeviceAddress::ADDRESS_GEN};
    rule.defaultPoints = range(0, 9);
    rule.pointsByArea.insert(DeviceAddress::ADDRESS_GEN, {});
    return rule;
}

AddressRule buildRule(int addressType)
{
    switch (addressType) {
    case 1:
    case 11:
        return busTreeRule();
    case 2:
    case 4:
        return pointRule(range(1, 10), range(1, 15));
    case 3:
        // A scenario PLUS is addressed by A alone: the level it starts at
        // is the scenario's own, not part of the address.
        return areaOnlyRule(range(0, 255));
    case 5:
        return areaOnlyRule(range(1, 2047));
    case 6:
        return pointRule(range(1, 9), range(1, 9));
    case 7:
        return areaOnlyRule(range(1, 9));
    case 8:
        return zoneRule(false);
    case 9:
    case 12:
        return zoneRule(true);
    case 10:
        return areaOnlyRule(range(1, 255));
    case 13:
        return areaOnlyRule(range(1, 4));
    case 14:
        return areaOnlyRule(range(1, 8));
    case 15:
        return amplifierRule(range(0, 9));
    case 16:
        return amplifierRule(range(1, 8));
    case 17:
        return areaOnlyRule(range(0, 255));
    case 18:
        return areaOnlyRule(range(0, 63));
    default:
        return AddressRule();
    }
}

const int ADDRESS_TYPES_COUNT = 19;

} // namespace

AddressRule AddressVerifier::rule(int addressType)
{
    static const QList<AddressRule> table = [] {
        QList<AddressRule> rules;
        for (int type = 0; type < ADDRESS_TYPES_COUNT; ++type)
            rules.append(buildRule(type));
        return rules;
    }();
    return table.value(addressType);
}

void AddressVerifier::areaIdValues(int addressType, QList<int>& values)
{
    values = rule(addressType).areas;
}

void AddressVerifier::pointIdValues(int addressType, QList<int>& values, int area)
{
    values = rule(addressType).pointsFor(area);
}

void AddressVerifier::levelValues(int addressType, QList<int>& values, int)
{
    values = rule(addressType).levels;
}

void AddressVerifier::interfaceValues(int addressType, QList<int>& values)
{
    values = rule(addressType).interfaces;
}

DeviceAddress AddressVerifier::validate(const DeviceAddress& address, int addressType)
{
    const AddressRule r = rule(addressType);
    DeviceAddress result = address;
    if (!r.areas.isEmpty())
        result = result.cloneWithAreaId(nearest(result.area(), r.areas));
    const QList<int> points = r.pointsFor(result.area());
    if (!points.isEmpty())
        result = result.cloneWithPointId(nearest(result.point(), points));
    if (!r.levels.isEmpty())
        result = result.cloneWithLevel(nearest(result.level(), r.levels));
    const bool interfaceApplies = !r.interfaces.isEmpty()
        && (!r.interfaceOnLocalBusOnly || result.level() == DeviceAddress::LEVEL_LOCAL_BUS);
    if (interfaceApplies)
        result = result.cloneWithInterface(nearest(result.interface(), r.interfaces));
    return result;
}

bool AddressVerifier::isValid(const DeviceAddress& address, int addressType)
{
    return validate(address, addressType) == address;
}

int AddressVerifier::nearest(int value, const QList<int>& values)
{
    if (values.isEmpty() || values.contains(value))
        return value;
    int best = values.first();
    for (int candidate : values) {
        const qint64 distance = std::llabs(qint64(candidate) - value);
        const qint64 bestDistance = std::llabs(qint64(best) - value);
        if (distance < bestDistance || (distance == bestDistance && candidate < best))
            best = candidate;
    }
    return best;
}

} // namespace Corvane::Devices::AddressVerification
