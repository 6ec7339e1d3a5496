#pragma once

#include <QHash>
#include <QList>

namespace Corvane::Devices::AddressVerification {

// The valid values of each address field under one address type. An empty
// list means the field does not apply (it is kept as it is and not checked).
struct AddressRule
{
    QList<int> areas;
    // Points of a given area; areas not listed take defaultPoints.
    QHash<int, QList<int>> pointsByArea;
    QList<int> defaultPoints;
    QList<int> levels;
    QList<int> interfaces;
    // The interface applies only on the local bus level.
    bool interfaceOnLocalBusOnly = true;

    QList<int> pointsFor(int area) const { return pointsByArea.value(area, defaultPoints); }
};

} // namespace Corvane::Devices::AddressVerification
