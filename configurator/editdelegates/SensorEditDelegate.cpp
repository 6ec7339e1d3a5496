#include "editdelegates/SensorEditDelegate.h"

#include "devices/BaseDeviceProperties.h"
#include "editors/AddressEditor.h"
#include "tablemodels/BaseTableModel.h"
#include "tablemodels/SensorAddressModel.h"

namespace Corvane::Configurator::EditDelegates {

QWidget* SensorEditDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                          const QModelIndex& index) const
{
    const TableModels::BaseTableModel* tableModel = model(index);
    const Devices::BaseDeviceProperties* device = tableModel ? tableModel->device(index.row()) : nullptr;
    if (device && index.column() == tableModel->columnIndex(TableModels::Column::Address)) {
        auto* dialog = new Editors::AddressEditor(parent);
        dialog->setModel(new TableModels::SensorAddressModel(device->address(), dialog));
        return adoptDialogEditor(dialog);
    }
    return BaseDeviceEditDelegate::createEditor(parent, option, index);
}

void SensorEditDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (qobject_cast<Editors::AddressEditor*>(editor))
        return;
    BaseDeviceEditDelegate::setEditorData(editor, index);
}

} // namespace Corvane::Configurator::EditDelegates
