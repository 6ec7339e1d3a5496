#include "tablemodels/AmplifierAddressModel.h"

#include "DeviceTreeItem.h"
#include "devices/ConfigUtilities.h"
#include "devices/Utilities.h"
#include "devices/addressverification/AddressVerifier.h"

namespace Corvane::Configurator::TableModels {

using Devices::ConfigUtilities;
using Devices::DeviceAddress;
using Devices::AddressVerification::AddressVerifier;

AmplifierAddressModel::AmplifierAddressModel(const DeviceAddress& address, int addressType, QObject* parent)
    : BaseAddressTreeModel(address, addressType, parent)
{
    setupModelData(address);
}

void AmplifierAddressModel::setupModelData(const DeviceAddress& address)
{
    beginResetModel();
    auto* header = new DeviceTreeItem({tr("Multimedia Address"), -1, -1, MULTIMEDIA_HEADER_FIELD, QVariant()}, rootNode());
    rootNode()->appendChild(header);
    m_area = new DeviceTreeItem(rowValues(tr("A"), AreaField, address.area(),
                                          Devices::Utilities::areaIdToString(address.area())), header);
    m_point = new DeviceTreeItem(rowValues(tr("PF"), PointField, address.point(),
                                           Devices::Utilities::pointIdToString(address.point())), header);
    header->appendChild(m_area);
    header->appendChild(m_point);
    endResetModel();
}

DeviceAddress AmplifierAddressModel::createAddress() const
{
    return DeviceAddress(rowValue(m_area), rowValue(m_point), DeviceAddress::EMPTY_INT_VALUE,
                         DeviceAddress::EMPTY_INT_VALUE);
}

void AmplifierAddressModel::getPointIdValues(QList<int>& values) const
{
    AddressVerifier::pointIdValues(addressType(), values, rowValue(m_area));
}

void AmplifierAddressModel::validate()
{
    const DeviceAddress address = createAddress();
    const DeviceAddress snapped = AddressVerifier::validate(address, addressType());
    if (snapped == address)
        return;
    // Each row that changes is reported, so the dialog shows it at once.
    setRowValue(m_area, snapped.area(), Devices::Utilities::areaIdToString(snapped.area()),
                ConfigUtilities::getAddressValueIconPath(snapped.area()));
    setRowValue(m_point, snapped.point(), Devices::Utilities::pointIdToString(snapped.point()),
                ConfigUtilities::getAddressValueIconPath(snapped.point()));
}

HelpMessage AmplifierAddressModel::getHelpMessage(const QModelIndex& index) const
{
    switch (getFieldType(index)) {
    case MULTIMEDIA_HEADER_FIELD:
        return {tr("Multimedia Address"), tr("Insert multimedia address (A, PF)")};
    case AreaField:
        return {tr("A"), tr("Enter value of A configurator")};
    case PointField:
        return {tr("PF"), tr("Enter value of PF configurator")};
    default:
        return BaseAddressTreeModel::getHelpMessage(index);
    }
}

} // namespace Corvane::Configurator::TableModels
