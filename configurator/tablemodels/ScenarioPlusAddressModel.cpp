#include "tablemodels/ScenarioPlusAddressModel.h"

#include "DeviceTreeItem.h"
#include "devices/Utilities.h"

namespace Corvane::Configurator::TableModels {

using Devices::DeviceAddress;

namespace {

void appendRange(QList<int>& values, int last)
{
    for (int value = 0; value <= last; ++value)
        values.append(value);
}

} // namespace

ScenarioPlusAddressModel::ScenarioPlusAddressModel(const DeviceAddress& address, int level, QObject* parent)
    : BaseAddressTreeModel(address, ADDRESS_TYPE, parent)
{
    setupModelData(address, level);
}

void ScenarioPlusAddressModel::setupModelData(const DeviceAddress& address, int level)
{
    beginResetModel();
    auto* header = new DeviceTreeItem({tr("Scenario PLUS command"), -1, -1, HeaderField, QVariant()}, rootNode());
    rootNode()->appendChild(header);
    m_level = new DeviceTreeItem(rowValues(tr("Level"), ScenarioLevelField, level,
                                           Devices::Utilities::areaIdToString(level)), header);
    m_address = new DeviceTreeItem(rowValues(tr("Address"), AreaField, address.area(),
                                             Devices::Utilities::areaIdToString(address.area())), header);
    header->appendChild(m_level);
    header->appendChild(m_address);
    endResetModel();
}

DeviceAddress ScenarioPlusAddressModel::createAddress() const
{
    return DeviceAddress(rowValue(m_address), DeviceAddress::EMPTY_INT_VALUE, DeviceAddress::EMPTY_INT_VALUE,
                         DeviceAddress::EMPTY_INT_VALUE);
}

int ScenarioPlusAddressModel::additionalParameter() const
{
    return rowValue(m_level);
}

void ScenarioPlusAddressModel::getAreaIdValues(QList<int>& values) const
{
    appendRange(values, MAX_ADDRESS);
}

void ScenarioPlusAddressModel::getPointIdValues(QList<int>& values) const
{
    appendRange(values, MAX_LEVEL);
}

HelpMessage ScenarioPlusAddressModel::getHelpMessage(const QModelIndex& index) const
{
    if (getFieldType(index) == AreaField)
        return {tr("Address"), tr("Set the address of the Scenario PLUS")};
    return BaseAddressTreeModel::getHelpMessage(index);
}

} // namespace Corvane::Configurator::TableModels
