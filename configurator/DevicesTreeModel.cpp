#include "DevicesTreeModel.h"

#include "DeviceTreeItem.h"

#include <QFileIconProvider>
#include <QIcon>

namespace Corvane::Configurator {

DevicesTreeModel::DevicesTreeModel(const QMap<int, QString>& servers, QObject* parent)
    : BaseTreeModel(parent)
{
    setupModelData(servers);
}

DeviceTreeItem* DevicesTreeModel::appendNode(DeviceTreeItem* parent, const QString& text, NodeType type, int serverId)
{
    auto* item = new DeviceTreeItem({text, int(type), serverId}, parent);
    parent->appendChild(item);
    return item;
}

void DevicesTreeModel::setupModelData(const QMap<int, QString>& servers)
{
    beginResetModel();
    clearTree();
    rootNode()->setData(QList<QVariant>{QStringLiteral("Root Item"), 0, -1});
    DeviceTreeItem* gadget = appendNode(rootNode(), tr("Gadget"), NodeGadget, -1);
    appendNode(gadget, tr("General parameters"), NodeGeneralParams, -1);
    m_plantListItem = appendNode(gadget, tr("Plant list"), NodePlantList, -1);
    for (auto it = servers.cbegin(); it != servers.cend(); ++it)
        attachSeverNode(it.key(), it.value(), m_plantListItem);
    endResetModel();
}

void DevicesTreeModel::attachSeverNode(int serverId, const QString& description, DeviceTreeItem* parent)
{
    DeviceTreeItem* plant = appendNode(parent, description, NodePlant, serverId);
    appendNode(plant, tr("Lighting"), NodeLights, serverId);
    appendNode(plant, tr("Sensors"), NodeSensors, serverId);
    appendNode(plant, tr("Automation"), NodeAutomation, serverId);
    appendNode(plant, tr("Scenarios"), NodeScenarios, serverId);
    appendNode(plant, tr("Thermoregulation"), NodeThermoregulation, serverId);
    appendNode(plant, tr("Sound system"), NodeSoundSystem, serverId);
    appendNode(plant, tr("Energy data"), NodeEnergy, serverId);
    appendNode(plant, tr("Load management"), NodeLoad, serverId);
}

void DevicesTreeModel::updateDescriptions(const QMap<int, QString>& servers)
{
    if (!m_plantListItem)
        return;
    for (int row = 0; row < m_plantListItem->childCount(); ++row) {
        DeviceTreeItem* plant = m_plantListItem->child(row);
        const auto found = servers.constFind(plant->data(SERVER_COLUMN).toInt());
        if (found == servers.cend())
            continue;
        plant->setData(found.value(), TEXT_COLUMN);
        const QModelIndex index = createIndex(row, TEXT_COLUMN, plant);
        emit dataChanged(index, index);
    }
}

DevicesTreeModel::NodeType DevicesTreeModel::nodeType(const QModelIndex& index) const
{
    if (!index.isValid() || index.model() != this)
        return None;
    return NodeType(itemAt(index)->data(TYPE_COLUMN).toInt());
}

int DevicesTreeModel::serverId(const QModelIndex& index) const
{
    if (!index.isValid() || index.model() != this)
        return -1;
    return itemAt(index)->data(SERVER_COLUMN).toInt();
}

QString DevicesTreeModel::iconPath(NodeType type)
{
    switch (type) {
    case NodeGadget: return QStringLiteral(":/Images/gadget.png");
    case NodeGeneralParams: return QStringLiteral(":/Images/general_parameters.png");
    case NodePlantList: return QStringLiteral(":/Images/plant.png");
    case NodePlant: return QStringLiteral(":/Images/webserver.png");
    case NodeLights: return QStringLiteral(":/Images/lights.png");
    case NodeSensors: return QStringLiteral(":/Images/move_light_sensor.png");
    case NodeAutomation: return QStringLiteral(":/Images/up_down.png");
    case NodeScenarios: return QStringLiteral(":/Images/scenario.png");
    case NodeThermoregulation: return QStringLiteral(":/Images/termo.png");
    case NodeSoundSystem: return QStringLiteral(":/Images/SoundSystem.png");
    case NodeEnergy: return QStringLiteral(":/Images/EnergyDataSystem.png");
    case NodeLoad: return QStringLiteral(":/Images/loadmanagement_system.png");
    case None: break;
    }
    return {};
}

QVariant DevicesTreeModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.model() != this)
        return {};
    if (role == Qt::DisplayRole)
        return itemAt(index)->data(index.column());
    if (role == Qt::DecorationRole) {
        const QString path = iconPath(nodeType(index));
        return path.isEmpty() ? QFileIconProvider().icon(QFileIconProvider::Folder) : QIcon(path);
    }
    return {};
}

QVariant DevicesTreeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    return rootNode()->data(section);
}

Qt::ItemFlags DevicesTreeModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::NoItemFlags;
}

HelpMessage DevicesTreeModel::getHelpMessage(const QModelIndex& index) const
{
    switch (nodeType(index)) {
    case NodeGadget: return {tr("Gadget"), QString()};
    case NodeGeneralParams: return {tr("General parameters"), QString()};
    case NodePlantList: return {tr("Plant list"), tr("Add plant")};
    case NodePlant: return {tr("Plant"), tr("Remove plant")};
    case NodeLights: return {tr("Lighting"), tr("Add, remove and set actuators")};
    case NodeSensors: return {tr("Sensors"), tr("Add, remove and set sensors")};
    case NodeAutomation: return {tr("Automation"), tr("Add, remove and set shutters")};
    case NodeScenarios: return {tr("Scenarios"), tr("Add, remove and set scenarios")};
    case NodeThermoregulation: return {tr("Thermoregulation"), tr("Add, remove and set temperature probes")};
    case NodeEnergy: return {tr("Energy data"), tr("Add, remove and set energy devices")};
    default: return s_emptyMessage;
    }
}

} // namespace Corvane::Configurator
