#pragma once

#include "AddressRule.h"
#include "devices/DeviceAddress.h"

namespace Corvane::Devices::AddressVerification {

// The address rules: for each address type the values each field may take,
// and the snapping of any address to the nearest valid one. Address types:
//  1 lights and automation, 2 scenario, 3 scenario PLUS, 4 scheduled CEN,
//  5 scheduled CEN PLUS, 6 sensors, 7 external probe, 8 probe zone, 9 and 12
//  zones with a third field (slave, N), 10 air-conditioner commands,
//  11 thermoregulation on the full bus tree, 13 and 14 sound sources,
//  15 and 16 amplifiers, 17 energy meters, 18 loads; 0 has no fields.
class AddressVerifier
{
public:
    AddressVerifier() = delete;

    static AddressRule rule(int addressType);

    static void areaIdValues(int addressType, QList<int>& values);
    static void pointIdValues(int addressType, QList<int>& values, int area);
    static void levelValues(int addressType, QList<int>& values, int area);
    static void interfaceValues(int addressType, QList<int>& values);

    // The nearest valid address: each applicable field in the order area,
    // point, level, interface moves to its nearest valid value; PUL and
    // groups are kept.
    static DeviceAddress validate(const DeviceAddress& address, int addressType);
    static bool isValid(const DeviceAddress& address, int addressType);

    // The value of values nearest to value (the lower one on a tie).
    static int nearest(int value, const QList<int>& values);
};

} // namespace Corvane::Devices::AddressVerification
