#include "editdelegates/ThermoregulationEditDelegate.h"

#include "devices/ThermoregulationDeviceProperties.h"
#include "editors/AddressEditor.h"
#include "editors/ThermoregAdvancedEditor.h"
#include "editors/ThermoregCommandsEditor.h"
#include "editors/ThermoregulationCommandEditor.h"
#include "editors/YesNoEditor.h"
#include "tablemodels/AddressTreeModel.h"
#include "tablemodels/TempSensorExtAddressModel.h"
#include "tablemodels/TempSensorNAddressModel.h"
#include "tablemodels/ThermoregFanModel.h"
#include "tablemodels/ThermoregModeModel.h"
#include "tablemodels/ThermoregNotControlledAddrModel.h"
#include "tablemodels/ThermoregSwingModel.h"
#include "tablemodels/ThermoregTemperatureEditModel.h"
#include "tablemodels/ThermoregulationTableModel.h"

namespace Corvane::Configurator::EditDelegates {

using Devices::ThermoregulationCommandProperties;
using Devices::ThermoregulationDeviceProperties;
using TableModels::Column;
using TableModels::ThermoregulationTableModel;

ThermoregulationDeviceProperties* ThermoregulationEditDelegate::device(const QAbstractItemModel* model, int row)
{
    const auto* tableModel = qobject_cast<const TableModels::BaseTableModel*>(model);
    return tableModel ? dynamic_cast<ThermoregulationDeviceProperties*>(tableModel->device(row)) : nullptr;
}

QWidget* ThermoregulationEditDelegate::createAddressEditor(QWidget* parent,
                                                           const ThermoregulationDeviceProperties& device) const
{
    auto* dialog = new Editors::AddressEditor(parent);
    const Devices::DeviceAddress address = device.address();
    const int addressType = device.addressType();
    TableModels::BaseAddressTreeModel* model = nullptr;
    switch (addressType) {
    case TableModels::TempSensorExtAddressModel::ADDRESS_TYPE:
        model = new TableModels::TempSensorExtAddressModel(address, dialog);
        break;
    case 11:
        model = new TableModels::AddressTreeModel(address, addressType, dialog);
        break;
    case 9:
    case 12:
        model = new TableModels::ThermoregNotControlledAddrModel(address, addressType, dialog);
        break;
    default:
        model = new TableModels::TempSensorNAddressModel(address, dialog);
        break;
    }
    dialog->setModel(model);
    return adoptDialogEditor(dialog);
}

QWidget* ThermoregulationEditDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                                    const QModelIndex& index) const
{
    const TableModels::BaseTableModel* tableModel = model(index);
    ThermoregulationDeviceProperties* thermo = device(index.model(), index.row());
    if (!tableModel || !thermo)
        return BaseDeviceEditDelegate::createEditor(parent, option, index);
    const int column = index.column();
    if (column == tableModel->columnIndex(Column::Address))
        return createAddressEditor(parent, *thermo);
    if (column == tableModel->columnIndex(Column::Fancoil)) {
        auto* editor = new Editors::YesNoEditor(thermo->hasFancoil(), parent);
        connect(editor, &QComboBox::currentIndexChanged, this, &BaseEditDelegate::endEditing);
        return editor;
    }
    if (column == tableModel->columnIndex(Column::CommandsParameters)) {
        if (thermo->deviceType() == ThermoregulationTableModel::BASIC_AIR_CONDITIONER)
            return adoptDialogEditor(new Editors::ThermoregCommandsEditor(thermo, parent));
        if (thermo->deviceType() == ThermoregulationTableModel::ADVANCED_AIR_CONDITIONER)
            return adoptDialogEditor(new Editors::ThermoregAdvancedEditor(thermo, parent));
    }
    return BaseDeviceEditDelegate::createEditor(parent, option, index);
}

void ThermoregulationEditDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    // The dialogs and the combo are built on the device's values.
    if (qobject_cast<Editors::BaseEditorDialog*>(editor) || qobject_cast<Editors::YesNoEditor*>(editor))
        return;
    BaseDeviceEditDelegate::setEditorData(editor, index);
}

void ThermoregulationEditDelegate::setModelData(QWidget* editor, QAbstractItemModel* itemModel,
                                                const QModelIndex& index) const
{
    const TableModels::BaseTableModel* tableModel = model(index);
    const int column = index.column();
    if (tableModel && column == tableModel->columnIndex(Column::Fancoil)) {
        if (auto* yesNo = qobject_cast<Editors::YesNoEditor*>(editor))
            itemModel->setData(index, yesNo->currentData(Qt::UserRole), Qt::EditRole);
        return;
    }
    if (!tableModel || column != tableModel->columnIndex(Column::CommandsParameters)) {
        BaseDeviceEditDelegate::setModelData(editor, itemModel, index);
        return;
    }
    ThermoregulationDeviceProperties* thermo = device(itemModel, index.row());
    if (!thermo)
        return;
    if (auto* advanced = qobject_cast<Editors::ThermoregAdvancedEditor*>(editor)) {
        if (!advanced->accepted() || thermo->deviceType() != ThermoregulationTableModel::ADVANCED_AIR_CONDITIONER)
            return;
        thermo->setMinTemperature(advanced->temperatureModel()->minTemp());
        thermo->setMaxTemperature(advanced->temperatureModel()->maxTemp());
        thermo->setStep(advanced->temperatureModel()->step());
        thermo->setAirConditioningModes(advanced->modesModel()->modes());
        thermo->setFanSettings(advanced->fanModel()->fanSettings());
        thermo->setSwingPresence(advanced->swingModel()->presence());
    } else if (auto* commands = qobject_cast<Editors::ThermoregCommandsEditor*>(editor)) {
        if (!commands->accepted() || thermo->deviceType() != ThermoregulationTableModel::BASIC_AIR_CONDITIONER)
            return;
        syncDeviceCommands(thermo, commands);
    } else {
        return;
    }
    // Refreshes the cell's text.
    itemModel->setData(index, QVariant(), Qt::EditRole);
}

void ThermoregulationEditDelegate::syncDeviceCommands(ThermoregulationDeviceProperties* device,
                                                      const Editors::ThermoregCommandsEditor* editor)
{
    if (!device || !editor)
        return;
    // The device counts the shown OFF command against the maximum: hiding it
    // comes before adding, showing it after, so that every command the
    // dialog allowed finds its place.
    if (!editor->offCommandPresence())
        device->setShowOffCommand(false);
    writeCommands(device, editor);
    device->setShowOffCommand(editor->offCommandPresence());
    if (!editor->offCmdAddress().isEmpty())
        device->offCommand().setAddress(editor->offCmdAddress());
}

void ThermoregulationEditDelegate::writeCommands(ThermoregulationDeviceProperties* device,
                                                 const Editors::ThermoregCommandsEditor* editor)
{
    for (const ThermoregulationCommandProperties* command : device->commands()) {
        if (!editor->getEditor(command->id()))
            device->removeCommand(command->id());
    }
    for (const Editors::ThermoregulationCommandEditor* pane : editor->commandEditors()) {
        if (ThermoregulationCommandProperties* command = device->getCommand(pane->originalId())) {
            command->setAddress(pane->address());
            command->setDescription(pane->description());
        } else {
            device->addCommand(
                new ThermoregulationCommandProperties(pane->address(), pane->description(),
                                                      ThermoregulationCommandProperties::EMPTY_ID));
        }
    }
}

} // namespace Corvane::Configurator::EditDelegates
