#include "Utilities.h"

#include "DeviceAddress.h"

#include <QCoreApplication>

namespace Corvane::Devices::Utilities {

int emtpyDeviceId()
{
    return 0;
}

QString areaIdToString(int area)
{
    if (area == DeviceAddress::ADDRESS_GEN)
        return QCoreApplication::translate("Devices", "GEN");
    if (area == DeviceAddress::ADDRESS_AMB)
        return QCoreApplication::translate("Devices", "AMB");
    if (area == DeviceAddress::ADDRESS_GR)
        return QCoreApplication::translate("Devices", "GR");
    return pointIdToString(area);
}

QString pointIdToString(int point)
{
    if (point == DeviceAddress::EMPTY_INT_VALUE)
        return QStringLiteral("-");
    return QString::number(point);
}

} // namespace Corvane::Devices::Utilities
