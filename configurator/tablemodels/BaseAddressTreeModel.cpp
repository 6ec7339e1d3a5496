#include "tablemodels/BaseAddressTreeModel.h"

#include "DeviceTreeItem.h"
#include "devices/ConfigUtilities.h"
#include "devices/Utilities.h"
#include "devices/addressverification/AddressVerifier.h"

#include <QIcon>

namespace Corvane::Configurator::TableModels {

using Devices::ConfigUtilities;
using Devices::AddressVerification::AddressVerifier;

BaseAddressTreeModel::BaseAddressTreeModel(const Devices::DeviceAddress&, int addressType, QObject* parent)
    : BaseTreeModel(parent)
    , m_addressType(addressType)
{
    rootNode()->setData(QList<QVariant>{QStringLiteral("Root Item"), 0, -1, 0, QVariant()});
}

void BaseAddressTreeModel::getAreaIdValues(QList<int>& values) const
{
    AddressVerifier::areaIdValues(addressType(), values);
}

void BaseAddressTreeModel::getPointIdValues(QList<int>&) const
{
}

void BaseAddressTreeModel::getLevelValues(QList<int>&) const
{
}

void BaseAddressTreeModel::getInterfaceValues(QList<int>& values) const
{
    AddressVerifier::interfaceValues(addressType(), values);
}

QString BaseAddressTreeModel::valueText(int fieldType, int value)
{
    switch (fieldType) {
    case AreaField:
        return Devices::Utilities::areaIdToString(value);
    case LevelField:
        return ConfigUtilities::levelToString(value);
    default:
        return QString::number(value);
    }
}

QList<QVariant> BaseAddressTreeModel::rowValues(const QString& caption, int fieldType, int value, const QString& text)
{
    const QString iconPath = fieldType == LevelField ? ConfigUtilities::getAddressLevelIconPath(value)
                                                     : ConfigUtilities::getAddressValueIconPath(value);
    return {caption, text, value, fieldType, QIcon(iconPath)};
}

QVariant BaseAddressTreeModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.model() != this)
        return {};
    const DeviceTreeItem* row = itemAt(index);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::UserRole:
        return row->data(index.column());
    case Qt::DecorationRole:
        if (index.column() == TextColumn && row->data(ValueColumn).isValid())
            return row->data(IconColumn);
        return {};
    default:
        return {};
    }
}

bool BaseAddressTreeModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.model() != this || !itemAt(index))
        return false;
    DeviceTreeItem* row = itemAt(index);
    if (role == Qt::DecorationRole) {
        row->setData(value, IconColumn);
        emit dataChanged(index.siblingAtColumn(0), index.siblingAtColumn(IconColumn));
        return true;
    }
    const int number = value.toInt();
    row->setData(number, ValueColumn);
    row->setData(valueText(row->data(FieldTypeColumn).toInt(), number), TextColumn);
    emit dataChanged(index.siblingAtColumn(0), index.siblingAtColumn(IconColumn));
    validate();
    updateVisibleRows();
    return true;
}

Qt::ItemFlags BaseAddressTreeModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (index.column() == TextColumn)
        return Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled;
}

HelpMessage BaseAddressTreeModel::getHelpMessage(const QModelIndex& index) const
{
    switch (getFieldType(index)) {
    case AreaField:
        return {tr("A"), tr("Enter value of A configurator")};
    case PointField:
        return {tr("PL"), tr("Enter value of PL configurator")};
    case LevelField:
        return {tr("Level"), tr("Enter value of Level configurator")};
    case InterfaceField:
        return {tr("Interface address"), tr("Enter value of Interface address configurator")};
    case ScenarioLevelField:
        return {tr("Scenario level"), tr("Set scenario level")};
    case ScenarioNumberField:
        return {tr("Scenario number"), tr("Set scenario number")};
    default:
        return {};
    }
}

int BaseAddressTreeModel::getFieldType(const QModelIndex& index) const
{
    if (!index.isValid() || index.model() != this)
        return HeaderField;
    return itemAt(index)->data(FieldTypeColumn).toInt();
}

QVariant BaseAddressTreeModel::getValueForIndex(const QModelIndex& index) const
{
    if (!index.isValid() || index.model() != this)
        return {};
    return itemAt(index)->data(ValueColumn);
}

int BaseAddressTreeModel::rowValue(const DeviceTreeItem* row)
{
    return row->data(ValueColumn).toInt();
}

QModelIndex BaseAddressTreeModel::indexOfItem(const DeviceTreeItem* item, int column) const
{
    const DeviceTreeItem* parentItem = item ? item->parentItem() : nullptr;
    if (!parentItem || !parentItem->containsChild(item))
        return {};
    return createIndex(item->row(), column, const_cast<DeviceTreeItem*>(item));
}

void BaseAddressTreeModel::setRowValue(DeviceTreeItem* row, int value)
{
    const int fieldType = row->data(FieldTypeColumn).toInt();
    const QString iconPath = fieldType == LevelField ? ConfigUtilities::getAddressLevelIconPath(value)
                                                     : ConfigUtilities::getAddressValueIconPath(value);
    setRowValue(row, value, valueText(fieldType, value), iconPath);
}

void BaseAddressTreeModel::setRowValue(DeviceTreeItem* row, int value, const QString& text, const QString& iconPath)
{
    if (rowValue(row) == value && row->data(TextColumn).toString() == text)
        return;
    row->setData(value, ValueColumn);
    row->setData(text, TextColumn);
    row->setData(QIcon(iconPath), IconColumn);
    const QModelIndex first = indexOfItem(row, 0);
    if (first.isValid())
        emit dataChanged(first, first.siblingAtColumn(IconColumn));
}

void BaseAddressTreeModel::detachRow(DeviceTreeItem* row)
{
    DeviceTreeItem* parentItem = row->parentItem();
    if (!parentItem || !parentItem->containsChild(row))
        return;
    const int position = row->row();
    beginRemoveRows(indexOfItem(parentItem, 0), position, position);
    parentItem->removeChild(row);
    endRemoveRows();
}

void BaseAddressTreeModel::attachRow(DeviceTreeItem* parent, DeviceTreeItem* row)
{
    if (parent->containsChild(row))
        return;
    const int position = parent->childCount();
    beginInsertRows(indexOfItem(parent, 0), position, position);
    parent->appendChild(row);
    endInsertRows();
}

} // namespace Corvane::Configurator::TableModels
