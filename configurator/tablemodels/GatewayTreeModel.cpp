#include "tablemodels/GatewayTreeModel.h"

#include "DeviceTreeItem.h"
#include "devices/ConfigUtilities.h"
#include "devices/WebServerDeviceProperties.h"

namespace Corvane::Configurator::TableModels {

using Devices::ConfigUtilities;
using Devices::DeviceNetworkAddress;

GatewayTreeModel::GatewayTreeModel(Devices::WebServerDeviceProperties* webServer, QObject* parent)
    : BaseTreeModel(parent)
    , m_webServer(webServer)
{
    setupModelData();
    showHideItems();
    connect(this, &GatewayTreeModel::dataChanged, this, &GatewayTreeModel::onDataChanged);
}

GatewayTreeModel::~GatewayTreeModel()
{
    // The address row out of the list is the model's alone; the listed rows
    // go with the root.
    for (DeviceTreeItem* row : m_items) {
        if (!rootNode()->containsChild(row))
            delete row;
    }
}

QString GatewayTreeModel::caption(FieldType field)
{
    switch (field) {
    case Description: return tr("Description");
    case AddressType: return tr("Address type");
    case IpAddress: return tr("IP Address");
    case UnivocalCode: return tr("Univocal Code");
    case Password: return tr("PRAVIK Password");
    case Viewer: return tr("Viewer");
    case NoField: break;
    }
    return {};
}

void GatewayTreeModel::setupModelData()
{
    rootNode()->setData(QList<QVariant>{QStringLiteral("Root node"), -1});
    for (int field = Description; field <= Viewer; ++field) {
        auto* row = new DeviceTreeItem({caption(FieldType(field))}, rootNode());
        rootNode()->appendChild(row);
        m_items[field - 1] = row;
    }
}

int GatewayTreeModel::serverId() const
{
    return m_webServer ? m_webServer->id() : -1;
}

GatewayTreeModel::FieldType GatewayTreeModel::getFieldType(const QModelIndex& index) const
{
    if (!index.isValid() || index.model() != this)
        return NoField;
    const DeviceTreeItem* row = itemAt(index);
    for (int field = Description; field <= Viewer; ++field) {
        if (m_items[field - 1] == row)
            return FieldType(field);
    }
    return NoField;
}

int GatewayTreeModel::rowOf(FieldType field) const
{
    if (field == NoField || !rootNode()->containsChild(item(field)))
        return -1;
    return item(field)->row();
}

void GatewayTreeModel::hideItem(FieldType field)
{
    const int row = rowOf(field);
    if (row < 0)
        return;
    beginRemoveRows(QModelIndex(), row, row);
    rootNode()->removeChild(item(field));
    endRemoveRows();
}

void GatewayTreeModel::showItem(FieldType field)
{
    if (rowOf(field) >= 0)
        return;
    const int row = rowOf(AddressType) + 1;
    beginInsertRows(QModelIndex(), row, row);
    rootNode()->insertChild(item(field), item(AddressType));
    endInsertRows();
}

void GatewayTreeModel::showHideItems()
{
    const bool staticIp = !m_webServer || m_webServer->networkAddress().ipAddressType() == DeviceNetworkAddress::StaticIp;
    hideItem(staticIp ? UnivocalCode : IpAddress);
    showItem(staticIp ? IpAddress : UnivocalCode);
}

void GatewayTreeModel::onDataChanged()
{
    showHideItems();
}

QVariant GatewayTreeModel::value(FieldType field, int role) const
{
    const DeviceNetworkAddress address = m_webServer->networkAddress();
    const bool display = role == Qt::DisplayRole;
    switch (field) {
    case Description: return m_webServer->description();
    case AddressType:
        return display ? QVariant(ConfigUtilities::getIpTypeString(address.ipAddressType())) : QVariant(address.ipAddressType());
    case IpAddress: return address.ip();
    case UnivocalCode: return QString::number(address.uc());
    case Password: return address.password();
    case Viewer:
        return display ? QVariant(ConfigUtilities::getEnabledString(m_webServer->viewerEnabled()))
                       : QVariant(m_webServer->viewerEnabled());
    case NoField: break;
    }
    return {};
}

QVariant GatewayTreeModel::data(const QModelIndex& index, int role) const
{
    const FieldType field = getFieldType(index);
    if (field == NoField || !m_webServer || (role != Qt::DisplayRole && role != Qt::EditRole && role != Qt::UserRole))
        return {};
    if (index.column() == 0)
        return caption(field);
    return value(field, role);
}

bool GatewayTreeModel::setData(const QModelIndex& index, const QVariant& value, int /*role*/)
{
    const FieldType field = getFieldType(index);
    if (field == NoField || !m_webServer)
        return false;
    const DeviceNetworkAddress address = m_webServer->networkAddress();
    switch (field) {
    case Description:
        m_webServer->setDescription(value.toString());
        emit serverDescChanged();
        break;
    case AddressType:
        m_webServer->setNetAddress(address.cloneWithType(value.toInt()));
        break;
    case IpAddress:
        m_webServer->setNetAddress(address.cloneWithIP(value.toString()));
        break;
    case UnivocalCode:
        m_webServer->setNetAddress(address.cloneWithUC(value.toInt()));
        break;
    case Password:
        m_webServer->setNetAddress(address.cloneWithPass(value.toString()));
        break;
    case Viewer:
        m_webServer->setViewerEnabled(value.toBool());
        break;
    case NoField:
        return false;
    }
    emit dataChanged(index, index);
    return true;
}

HelpMessage GatewayTreeModel::getHelpMessage(const QModelIndex& index) const
{
    const FieldType field = getFieldType(index);
    switch (field) {
    case Description: return {caption(field), tr("Set the name of the plant")};
    case AddressType: return {caption(field), tr("Choose between static and dynamic (UPnP) IP address")};
    case IpAddress: return {caption(field), tr("Set IP address of WebServer")};
    case UnivocalCode: return {caption(field), tr("Set Univocal Code of WebServer")};
    case Password:
        return {caption(field), tr("Set PravikNet password. It must be 5 to 9 characters long. Only digits are allowed.")};
    case Viewer: return {caption(field), tr("Set whether WebServer will be visible in the application")};
    case NoField: break;
    }
    return s_emptyMessage;
}

} // namespace Corvane::Configurator::TableModels
