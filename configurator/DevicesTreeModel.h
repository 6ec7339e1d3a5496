#pragma once

#include "tablemodels/BaseTreeModel.h"

#include <QMap>

namespace Corvane::Configurator {

// The pages of a project: the gadget with its general parameters and the
// list of plants, and under each plant one node per device family. Each node
// holds its text, its NodeType and the server id of its plant (-1 outside).
class DevicesTreeModel : public TableModels::BaseTreeModel
{
    Q_OBJECT

public:
    enum NodeType {
        None = 0,
        NodeGadget = 1,
        NodeGeneralParams = 2,
        NodePlantList = 3,
        NodePlant = 4,
        NodeLights = 7,
        NodeSensors = 8,
        NodeAutomation = 9,
        NodeScenarios = 10,
        NodeThermoregulation = 11,
        NodeSoundSystem = 12,
        NodeEnergy = 13,
        NodeLoad = 14,
    };
    Q_ENUM(NodeType)

    static constexpr int TEXT_COLUMN = 0;
    static constexpr int TYPE_COLUMN = 1;
    static constexpr int SERVER_COLUMN = 2;

    explicit DevicesTreeModel(const QMap<int, QString>& servers, QObject* parent = nullptr);

    // Rebuilds the tree from server id -> plant description (a reset).
    void setupModelData(const QMap<int, QString>& servers);
    // Appends a plant node with its family nodes under parent.
    void attachSeverNode(int serverId, const QString& description, DeviceTreeItem* parent);
    // Gives the plants of the map's ids their new texts.
    void updateDescriptions(const QMap<int, QString>& servers);

    NodeType nodeType(const QModelIndex& index) const;
    int serverId(const QModelIndex& index) const;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    HelpMessage getHelpMessage(const QModelIndex& index) const override;

    static QString iconPath(NodeType type);

private:
    DeviceTreeItem* appendNode(DeviceTreeItem* parent, const QString& text, NodeType type, int serverId);

    DeviceTreeItem* m_plantListItem = nullptr;
};

} // namespace Corvane::Configurator
