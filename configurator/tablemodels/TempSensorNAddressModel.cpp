#include "tablemodels/TempSensorNAddressModel.h"

#include "DeviceTreeItem.h"
#include "devices/Utilities.h"
#include "devices/addressverification/AddressVerifier.h"

namespace Corvane::Configurator::TableModels {

using Devices::DeviceAddress;
using Devices::AddressVerification::AddressVerifier;

TempSensorNAddressModel::TempSensorNAddressModel(const DeviceAddress& address, QObject* parent)
    : BaseAddressTreeModel(address, ADDRESS_TYPE, parent)
{
    setupModelData(address);
}

void TempSensorNAddressModel::setupModelData(const DeviceAddress& address)
{
    beginResetModel();
    auto* header = new DeviceTreeItem({tr("KWB Address"), -1, -1, HeaderField, QVariant()}, rootNode());
    rootNode()->appendChild(header);
    m_zoneA = new DeviceTreeItem(
        rowValues(tr("ZA"), AreaField, address.area(), Devices::Utilities::areaIdToString(address.area())), header);
    m_zoneB = new DeviceTreeItem(rowValues(tr("ZB"), PointField, address.point(), QString::number(address.point())),
                                 header);
    header->appendChild(m_zoneA);
    header->appendChild(m_zoneB);
    endResetModel();
}

DeviceAddress TempSensorNAddressModel::createAddress() const
{
    return DeviceAddress(rowValue(m_zoneA), rowValue(m_zoneB), DeviceAddress::EMPTY_INT_VALUE,
                         DeviceAddress::EMPTY_INT_VALUE);
}

void TempSensorNAddressModel::getPointIdValues(QList<int>& values) const
{
    AddressVerifier::pointIdValues(addressType(), values, rowValue(m_zoneA));
}

void TempSensorNAddressModel::validate()
{
    QList<int> points;
    getPointIdValues(points);
    setRowValue(m_zoneB, AddressVerifier::nearest(rowValue(m_zoneB), points));
}

HelpMessage TempSensorNAddressModel::zoneHelpMessage(int fieldType)
{
    if (fieldType == AreaField)
        return {tr("ZA"), tr("Enter value of ZA configurator")};
    if (fieldType == PointField)
        return {tr("ZB"), tr("Enter value of ZB configurator")};
    return {};
}

HelpMessage TempSensorNAddressModel::getHelpMessage(const QModelIndex& index) const
{
    const int fieldType = getFieldType(index);
    if (fieldType == AreaField || fieldType == PointField)
        return zoneHelpMessage(fieldType);
    return BaseAddressTreeModel::getHelpMessage(index);
}

} // namespace Corvane::Configurator::TableModels
