#include "editdelegates/ScenarioEditDelegate.h"

#include "devices/ScenarioDeviceProperties.h"
#include "editors/AddressEditor.h"
#include "editors/ScheduledScenarioEditor.h"
#include "log/Logger.h"
#include "tablemodels/BaseTableModel.h"
#include "tablemodels/ScenarioAddressTableModel.h"
#include "tablemodels/ScenarioPlusAddressModel.h"
#include "tablemodels/ScheduledScenarioUpdater.h"

namespace Corvane::Configurator::EditDelegates {

using Devices::ScenarioDeviceProperties;
using TableModels::Column;

namespace {

constexpr int SCENARIO_TYPE = 1002;
constexpr int SCENARIO_PLUS_TYPE = 1003;
constexpr int SCHEDULED_SCENARIO_TYPE = 9002;

} // namespace

QWidget* ScenarioEditDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                            const QModelIndex& index) const
{
    const TableModels::BaseTableModel* tableModel = model(index);
    const auto* scenario =
        dynamic_cast<const ScenarioDeviceProperties*>(tableModel ? tableModel->device(index.row()) : nullptr);
    if (!scenario || index.column() != tableModel->columnIndex(Column::Address))
        return BaseDeviceEditDelegate::createEditor(parent, option, index);
    switch (scenario->deviceType()) {
    case SCHEDULED_SCENARIO_TYPE:
        return adoptDialogEditor(new Editors::ScheduledScenarioEditor(*scenario, parent));
    case SCENARIO_PLUS_TYPE: {
        auto* dialog = new Editors::AddressEditor(parent);
        dialog->setModel(new TableModels::ScenarioPlusAddressModel(scenario->address(), scenario->level(), dialog));
        return adoptDialogEditor(dialog);
    }
    case SCENARIO_TYPE: {
        auto* dialog = new Editors::AddressEditor(parent);
        dialog->setModel(new TableModels::ScenarioAddressTableModel(scenario->address(), scenario->scenarioNumber(), dialog));
        return adoptDialogEditor(dialog);
    }
    default:
        return BaseDeviceEditDelegate::createEditor(parent, option, index);
    }
}

void ScenarioEditDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    // The dialogs start from the device's own values.
    if (qobject_cast<Editors::BaseEditorDialog*>(editor))
        return;
    BaseDeviceEditDelegate::setEditorData(editor, index);
}

void ScenarioEditDelegate::setModelData(QWidget* editor, QAbstractItemModel* itemModel, const QModelIndex& index) const
{
    const TableModels::BaseTableModel* tableModel = model(index);
    auto* scenario = dynamic_cast<ScenarioDeviceProperties*>(tableModel ? tableModel->device(index.row()) : nullptr);
    if (!scenario || index.column() != tableModel->columnIndex(Column::Address)) {
        BaseDeviceEditDelegate::setModelData(editor, itemModel, index);
        return;
    }
    if (scenario->deviceType() == SCHEDULED_SCENARIO_TYPE) {
        auto* dialog = qobject_cast<Editors::ScheduledScenarioEditor*>(editor);
        if (!dialog || !dialog->accepted())
            return;
        const TableModels::ScheduledScenarioUpdater items(dialog->createEnableItem(), dialog->createDisableItem(),
                                                          dialog->createStartItem(), dialog->createStopItem());
        itemModel->setData(index, QVariant::fromValue(items), Qt::EditRole);
        Log::Logger(Log::Logger::Trace) << "Scheduled scenario items changed of device " << scenario->description();
        return;
    }
    auto* dialog = qobject_cast<Editors::AddressEditor*>(editor);
    if (!dialog || !dialog->accepted())
        return;
    itemModel->setData(index, QVariant::fromValue(dialog->createAddress()), Qt::EditRole);
    if (scenario->deviceType() == SCENARIO_PLUS_TYPE)
        scenario->setLevel(dialog->additionalParameter());
    else if (scenario->deviceType() == SCENARIO_TYPE)
        scenario->setScenarioNumber(dialog->additionalParameter());
    Log::Logger(Log::Logger::Trace) << "Scenario parameters changed of device " << scenario->description();
    // The Parameters text shows the number or level too.
    emit itemModel->dataChanged(index, index);
}

} // namespace Corvane::Configurator::EditDelegates
