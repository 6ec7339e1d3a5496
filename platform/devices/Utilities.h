#pragma once

#include <QString>

// Small helpers around device ids and address fields.
namespace Corvane::Devices::Utilities {

// The id of a device not yet added to a project; a project gives every
// device it takes a positive id of its own.
int emtpyDeviceId();
// The text of an area or point value: the name of a special area, "-" for
// an empty field, else the number.
QString areaIdToString(int area);
QString pointIdToString(int point);

} // namespace Corvane::Devices::Utilities
