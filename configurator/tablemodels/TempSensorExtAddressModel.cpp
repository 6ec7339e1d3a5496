#include "tablemodels/TempSensorExtAddressModel.h"

#include "DeviceTreeItem.h"
#include "devices/Utilities.h"

namespace Corvane::Configurator::TableModels {

using Devices::DeviceAddress;

TempSensorExtAddressModel::TempSensorExtAddressModel(const DeviceAddress& address, QObject* parent)
    : BaseAddressTreeModel(address, ADDRESS_TYPE, parent)
{
    setupModelData(address);
}

void TempSensorExtAddressModel::setupModelData(const DeviceAddress& address)
{
    beginResetModel();
    auto* header = new DeviceTreeItem({tr("KWB Address"), -1, -1, HeaderField, QVariant()}, rootNode());
    rootNode()->appendChild(header);
    m_number = new DeviceTreeItem(
        rowValues(tr("N"), AreaField, address.area(), Devices::Utilities::areaIdToString(address.area())), header);
    header->appendChild(m_number);
    endResetModel();
}

DeviceAddress TempSensorExtAddressModel::createAddress() const
{
    return DeviceAddress(rowValue(m_number), DeviceAddress::EMPTY_INT_VALUE, DeviceAddress::EMPTY_INT_VALUE,
                         DeviceAddress::EMPTY_INT_VALUE);
}

void TempSensorExtAddressModel::getAreaIdValues(QList<int>& values) const
{
    values.clear();
    for (int number = 1; number <= 9; ++number)
        values.append(number);
}

HelpMessage TempSensorExtAddressModel::getHelpMessage(const QModelIndex& index) const
{
    if (getFieldType(index) == AreaField)
        return {tr("N"), tr("Enter value of N configurator")};
    return BaseAddressTreeModel::getHelpMessage(index);
}

} // namespace Corvane::Configurator::TableModels
