#include "tablemodels/ThermoregNotControlledAddrModel.h"

#include "DeviceTreeItem.h"
#include "devices/Utilities.h"
#include "devices/addressverification/AddressVerifier.h"
#include "tablemodels/TempSensorNAddressModel.h"

namespace Corvane::Configurator::TableModels {

using Devices::DeviceAddress;
using Devices::AddressVerification::AddressVerifier;

namespace {

constexpr int SLAVE_ADDRESS_TYPE = 9;

} // namespace

ThermoregNotControlledAddrModel::ThermoregNotControlledAddrModel(const DeviceAddress& address, int addressType,
                                                                 QObject* parent)
    : BaseAddressTreeModel(address, addressType, parent)
    , m_thirdCaption(addressType == SLAVE_ADDRESS_TYPE ? tr("Slave") : tr("N"))
{
    setupModelData(address);
}

void ThermoregNotControlledAddrModel::setupModelData(const DeviceAddress& address)
{
    beginResetModel();
    auto* header = new DeviceTreeItem({tr("KWB Address"), -1, -1, HeaderField, QVariant()}, rootNode());
    rootNode()->appendChild(header);
    m_zoneA = new DeviceTreeItem(
        rowValues(tr("ZA"), AreaField, address.area(), Devices::Utilities::areaIdToString(address.area())), header);
    m_zoneB = new DeviceTreeItem(rowValues(tr("ZB"), PointField, address.point(), QString::number(address.point())),
                                 header);
    m_third = new DeviceTreeItem(
        rowValues(m_thirdCaption, InterfaceField, address.level(), QString::number(address.level())), header);
    header->appendChild(m_zoneA);
    header->appendChild(m_zoneB);
    header->appendChild(m_third);
    endResetModel();
}

DeviceAddress ThermoregNotControlledAddrModel::createAddress() const
{
    return DeviceAddress(rowValue(m_zoneA), rowValue(m_zoneB), rowValue(m_third), DeviceAddress::EMPTY_INT_VALUE);
}

void ThermoregNotControlledAddrModel::getPointIdValues(QList<int>& values) const
{
    AddressVerifier::pointIdValues(addressType(), values, rowValue(m_zoneA));
}

void ThermoregNotControlledAddrModel::validate()
{
    QList<int> points;
    getPointIdValues(points);
    setRowValue(m_zoneB, AddressVerifier::nearest(rowValue(m_zoneB), points));
}

void ThermoregNotControlledAddrModel::getInterfaceValues(QList<int>& values) const
{
    AddressVerifier::levelValues(addressType(), values, rowValue(m_zoneA));
}

HelpMessage ThermoregNotControlledAddrModel::getHelpMessage(const QModelIndex& index) const
{
    const int fieldType = getFieldType(index);
    if (fieldType == AreaField || fieldType == PointField)
        return TempSensorNAddressModel::zoneHelpMessage(fieldType);
    if (fieldType == InterfaceField)
        return {m_thirdCaption, tr("Enter value of %1 configurator").arg(m_thirdCaption)};
    return BaseAddressTreeModel::getHelpMessage(index);
}

} // namespace Corvane::Configurator::TableModels
