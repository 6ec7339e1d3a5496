#include "tablemodels/AddressTreeModel.h"

#include "DeviceTreeItem.h"
#include "devices/ConfigUtilities.h"
#include "devices/Utilities.h"
#include "devices/addressverification/AddressVerifier.h"

namespace Corvane::Configurator::TableModels {

using Devices::ConfigUtilities;
using Devices::DeviceAddress;
using Devices::AddressVerification::AddressVerifier;

AddressTreeModel::AddressTreeModel(const DeviceAddress& address, int addressType, QObject* parent)
    : BaseAddressTreeModel(address, addressType, parent)
{
    setupModelData(address);
}

AddressTreeModel::~AddressTreeModel()
{
    // Rows out of the tree are still ours.
    for (DeviceTreeItem* row : {m_point, m_interface}) {
        if (!m_header->containsChild(row))
            delete row;
    }
}

void AddressTreeModel::setupModelData(const DeviceAddress& address)
{
    beginResetModel();
    m_header = new DeviceTreeItem({tr("KWB Address"), -1, -1, HeaderField, QVariant()}, rootNode());
    rootNode()->appendChild(m_header);
    m_area = new DeviceTreeItem(rowValues(tr("A"), AreaField, address.area(),
                                          Devices::Utilities::areaIdToString(address.area())), m_header);
    m_point = new DeviceTreeItem(rowValues(tr("PL"), PointField, address.point(),
                                           QString::number(address.point())), m_header);
    m_level = new DeviceTreeItem(rowValues(tr("Level"), LevelField, address.level(),
                                           ConfigUtilities::levelToString(address.level())), m_header);
    m_interface = new DeviceTreeItem(rowValues(tr("Interface address"), InterfaceField, address.interface(),
                                               QString::number(address.interface())), m_header);
    m_header->appendChild(m_area);
    if (address.area() != DeviceAddress::ADDRESS_GEN)
        m_header->appendChild(m_point);
    m_header->appendChild(m_level);
    if (address.level() == DeviceAddress::LEVEL_LOCAL_BUS)
        m_header->appendChild(m_interface);
    endResetModel();
}

DeviceAddress AddressTreeModel::createAddress() const
{
    return DeviceAddress(rowValue(m_area), rowValue(m_point), rowValue(m_level), rowValue(m_interface));
}

void AddressTreeModel::getPointIdValues(QList<int>& values) const
{
    AddressVerifier::pointIdValues(addressType(), values, rowValue(m_area));
}

void AddressTreeModel::getLevelValues(QList<int>& values) const
{
    AddressVerifier::levelValues(addressType(), values, rowValue(m_area));
}

void AddressTreeModel::validate()
{
    const DeviceAddress address = createAddress();
    const DeviceAddress snapped = AddressVerifier::validate(address, addressType());
    if (snapped == address)
        return;
    setRowValue(m_area, snapped.area(), Devices::Utilities::areaIdToString(snapped.area()),
                ConfigUtilities::getAddressValueIconPath(snapped.area()));
    setRowValue(m_point, snapped.point(), Devices::Utilities::pointIdToString(snapped.point()),
                ConfigUtilities::getAddressValueIconPath(snapped.point()));
    setRowValue(m_level, snapped.level(), ConfigUtilities::levelToString(snapped.level()),
                ConfigUtilities::getAddressLevelIconPath(snapped.level()));
    setRowValue(m_interface, snapped.interface(), QString::number(snapped.interface()),
                ConfigUtilities::getAddressValueIconPath(snapped.interface()));
}

void AddressTreeModel::updateVisibleRows()
{
    showHideItems();
}

void AddressTreeModel::detach(DeviceTreeItem* row)
{
    if (!m_header->containsChild(row))
        return;
    const int position = row->row();
    beginRemoveRows(indexOfItem(m_header, 0), position, position);
    m_header->removeChild(row);
    endRemoveRows();
}

void AddressTreeModel::showHideItems()
{
    const QModelIndex header = indexOfItem(m_header, 0);
    if (rowValue(m_level) != DeviceAddress::LEVEL_LOCAL_BUS) {
        detach(m_interface);
    } else if (!m_header->containsChild(m_interface)) {
        const int position = m_header->childCount();
        beginInsertRows(header, position, position);
        m_header->appendChild(m_interface);
        endInsertRows();
    }
    if (rowValue(m_area) == DeviceAddress::ADDRESS_GEN) {
        detach(m_point);
    } else if (!m_header->containsChild(m_point)) {
        const int position = m_area->row() + 1;
        beginInsertRows(header, position, position);
        m_header->insertChild(m_point, m_area);
        endInsertRows();
    }
}

} // namespace Corvane::Configurator::TableModels
