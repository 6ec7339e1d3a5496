#pragma once

#include "DevicesTreeModel.h"

#include <QList>

namespace Corvane::Configurator {

// What the enable state of the editor's actions depends on.
struct ActionContext
{
    bool hasProject = false;
    bool hasChanges = false;
    int webServerCount = 0;
    DevicesTreeModel::NodeType node = DevicesTreeModel::None;
    // Ids of the device table's rows, in row order, and of the selected rows.
    QList<int> rowIds;
    QList<int> selectedIds;
};

// Which actions are enabled in a context.
struct ActionStates
{
    bool add = false;
    bool removeAll = false;
    bool remove = false;
    bool moveDown = false;
    bool moveUp = false;
    bool saveAs = false;
    bool activate = false;
    bool save = false;

    bool operator==(const ActionStates&) const = default;
};

class ActionRules
{
public:
    ActionRules() = delete;

    static ActionStates evaluate(const ActionContext& context);
};

} // namespace Corvane::Configurator
