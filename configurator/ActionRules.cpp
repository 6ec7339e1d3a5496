#include "ActionRules.h"

#include "DefaultDevices.h"

namespace Corvane::Configurator {

namespace {

// Moving is possible with two rows or more, a selection, and no selected
// row already at the end it would move past.
bool canMove(const ActionContext& context, bool towardsEnd)
{
    if (context.rowIds.size() < 2 || context.selectedIds.isEmpty())
        return false;
    const int endId = towardsEnd ? context.rowIds.constLast() : context.rowIds.constFirst();
    return !context.selectedIds.contains(endId);
}

} // namespace

ActionStates ActionRules::evaluate(const ActionContext& context)
{
    ActionStates states;
    states.add = context.node == DevicesTreeModel::NodePlantList || DefaultDevices::isFamilyNode(context.node);
    states.removeAll = !context.rowIds.isEmpty()
        || (context.hasProject && context.node == DevicesTreeModel::NodePlantList && context.webServerCount > 0);
    states.remove = context.node == DevicesTreeModel::NodePlant || !context.selectedIds.isEmpty();
    states.moveDown = canMove(context, true);
    states.moveUp = canMove(context, false);
    states.saveAs = context.hasProject;
    states.activate = context.hasProject;
    states.save = context.hasProject && context.hasChanges;
    return states;
}

} // namespace Corvane::Configurator
