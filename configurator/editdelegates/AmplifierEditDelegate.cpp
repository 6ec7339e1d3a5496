#include "editdelegates/AmplifierEditDelegate.h"

#include "devices/BaseDeviceProperties.h"
#include "editors/AddressEditor.h"
#include "tablemodels/AmplifierAddressModel.h"
#include "tablemodels/AmplifiersTableModel.h"

namespace Corvane::Configurator::EditDelegates {

using TableModels::AmplifierAddressModel;

QWidget* AmplifierEditDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                             const QModelIndex& index) const
{
    const auto* amplifiers = qobject_cast<const TableModels::AmplifiersTableModel*>(model(index));
    const Devices::BaseDeviceProperties* device = amplifiers ? amplifiers->device(index.row()) : nullptr;
    if (!device || index.column() != amplifiers->columnIndex(TableModels::Column::Address))
        return BaseDeviceEditDelegate::createEditor(parent, option, index);
    const int addressType = amplifiers->soundSystemType() != 0 ? AmplifierAddressModel::ALL_AREAS_ADDRESS_TYPE
                                                               : AmplifierAddressModel::BASIC_ADDRESS_TYPE;
    auto* dialog = new Editors::AddressEditor(parent);
    dialog->setModel(new AmplifierAddressModel(device->address(), addressType, dialog));
    return adoptDialogEditor(dialog);
}

void AmplifierEditDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (qobject_cast<Editors::AddressEditor*>(editor))
        return;
    BaseDeviceEditDelegate::setEditorData(editor, index);
}

} // namespace Corvane::Configurator::EditDelegates
