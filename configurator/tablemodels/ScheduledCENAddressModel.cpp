#include "tablemodels/ScheduledCENAddressModel.h"

#include "DeviceTreeItem.h"
#include "devices/ConfigUtilities.h"
#include "devices/Utilities.h"
#include "devices/addressverification/AddressVerifier.h"

namespace Corvane::Configurator::TableModels {

using Devices::DeviceAddress;
using Devices::AddressVerification::AddressVerifier;

ScheduledCENAddressModel::ScheduledCENAddressModel(const DeviceAddress& address, QObject* parent)
    : BaseAddressTreeModel(address, ADDRESS_TYPE, parent)
{
    setupModelData(address);
}

ScheduledCENAddressModel::~ScheduledCENAddressModel()
{
    // A hidden Interface address row is still ours.
    if (!m_header->containsChild(m_interface))
        delete m_interface;
}

void ScheduledCENAddressModel::setupModelData(const DeviceAddress& address)
{
    beginResetModel();
    m_header = new DeviceTreeItem({tr("CEN command address"), -1, -1, HeaderField, QVariant()}, rootNode());
    rootNode()->appendChild(m_header);
    m_area = new DeviceTreeItem(rowValues(tr("A"), AreaField, address.area(),
                                          Devices::Utilities::areaIdToString(address.area())), m_header);
    m_point = new DeviceTreeItem(rowValues(tr("PL"), PointField, address.point(), QString::number(address.point())),
                                 m_header);
    m_level = new DeviceTreeItem(rowValues(tr("Level"), LevelField, address.level(),
                                           Devices::ConfigUtilities::levelToString(address.level())), m_header);
    m_interface = new DeviceTreeItem(rowValues(tr("Interface address"), InterfaceField, address.interface(),
                                               QString::number(address.interface())), m_header);
    for (DeviceTreeItem* row : {m_area, m_point, m_level})
        m_header->appendChild(row);
    if (address.level() == DeviceAddress::LEVEL_LOCAL_BUS)
        m_header->appendChild(m_interface);
    endResetModel();
}

DeviceAddress ScheduledCENAddressModel::createAddress() const
{
    const DeviceAddress address(rowValue(m_area), rowValue(m_point), rowValue(m_level), rowValue(m_interface));
    // A new item holds A1 PL1 on the private riser as "not set"; chosen in
    // this dialog, that address goes without the interface (it applies on
    // the local bus only), so that it is told apart from the placeholder.
    if (address.isDefaultOrEmpty() && address.level() != DeviceAddress::LEVEL_LOCAL_BUS)
        return address.cloneWithInterface(DeviceAddress::EMPTY_INT_VALUE);
    return address;
}

void ScheduledCENAddressModel::getPointIdValues(QList<int>& values) const
{
    AddressVerifier::pointIdValues(addressType(), values, 0);
}

void ScheduledCENAddressModel::getLevelValues(QList<int>& values) const
{
    AddressVerifier::levelValues(addressType(), values, rowValue(m_area));
}

void ScheduledCENAddressModel::updateVisibleRows()
{
    const int level = rowValue(m_level);
    if (level == DeviceAddress::LEVEL_PRIVATE_RISER)
        detachRow(m_interface);
    else if (level == DeviceAddress::LEVEL_LOCAL_BUS)
        attachRow(m_header, m_interface);
}

} // namespace Corvane::Configurator::TableModels
