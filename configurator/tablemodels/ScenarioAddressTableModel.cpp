#include "tablemodels/ScenarioAddressTableModel.h"

#include "DeviceTreeItem.h"
#include "devices/ConfigUtilities.h"
#include "devices/Utilities.h"
#include "devices/addressverification/AddressVerifier.h"

namespace Corvane::Configurator::TableModels {

using Devices::DeviceAddress;
using Devices::AddressVerification::AddressVerifier;

ScenarioAddressTableModel::ScenarioAddressTableModel(const DeviceAddress& address, int scenarioNumber, QObject* parent)
    : BaseAddressTreeModel(address, ADDRESS_TYPE, parent)
{
    setupModelData(address, scenarioNumber);
}

ScenarioAddressTableModel::~ScenarioAddressTableModel()
{
    // A hidden Interface address row is still ours.
    if (!m_header->containsChild(m_interface))
        delete m_interface;
}

void ScenarioAddressTableModel::setupModelData(const DeviceAddress& address, int scenarioNumber)
{
    beginResetModel();
    m_header = new DeviceTreeItem({tr("Scenario command"), -1, -1, HeaderField, QVariant()}, rootNode());
    rootNode()->appendChild(m_header);
    m_scenarioNumber = new DeviceTreeItem(rowValues(tr("Scenario number"), ScenarioNumberField, scenarioNumber,
                                                    QString::number(scenarioNumber)), m_header);
    m_area = new DeviceTreeItem(rowValues(tr("A"), AreaField, address.area(),
                                          Devices::Utilities::areaIdToString(address.area())), m_header);
    m_point = new DeviceTreeItem(rowValues(tr("PL"), PointField, address.point(), QString::number(address.point())),
                                 m_header);
    m_level = new DeviceTreeItem(rowValues(tr("Level"), LevelField, address.level(),
                                           Devices::ConfigUtilities::levelToString(address.level())), m_header);
    m_interface = new DeviceTreeItem(rowValues(tr("Interface address"), InterfaceField, address.interface(),
                                               QString::number(address.interface())), m_header);
    for (DeviceTreeItem* row : {m_scenarioNumber, m_area, m_point, m_level})
        m_header->appendChild(row);
    if (address.level() == DeviceAddress::LEVEL_LOCAL_BUS)
        m_header->appendChild(m_interface);
    endResetModel();
}

DeviceAddress ScenarioAddressTableModel::createAddress() const
{
    return DeviceAddress(rowValue(m_area), rowValue(m_point), rowValue(m_level), rowValue(m_interface));
}

int ScenarioAddressTableModel::additionalParameter() const
{
    return rowValue(m_scenarioNumber);
}

void ScenarioAddressTableModel::getPointIdValues(QList<int>& values) const
{
    // The scenario module's points do not depend on its area.
    AddressVerifier::pointIdValues(addressType(), values, 0);
}

void ScenarioAddressTableModel::getLevelValues(QList<int>& values) const
{
    AddressVerifier::levelValues(addressType(), values, 0);
}

void ScenarioAddressTableModel::updateVisibleRows()
{
    const int level = rowValue(m_level);
    if (level == DeviceAddress::LEVEL_PRIVATE_RISER)
        detachRow(m_interface);
    else if (level == DeviceAddress::LEVEL_LOCAL_BUS)
        attachRow(m_header, m_interface);
}

} // namespace Corvane::Configurator::TableModels
