#include "editdelegates/ActuatorEditDelegate.h"

#include "devices/BaseDeviceProperties.h"
#include "editors/AddressEditor.h"
#include "editors/GroupsEditor.h"
#include "editors/YesNoEditor.h"
#include "tablemodels/AddressTreeModel.h"
#include "tablemodels/BaseTableModel.h"

namespace Corvane::Configurator::EditDelegates {

using TableModels::Column;

QWidget* ActuatorEditDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                            const QModelIndex& index) const
{
    const TableModels::BaseTableModel* tableModel = model(index);
    const Devices::BaseDeviceProperties* device = tableModel ? tableModel->device(index.row()) : nullptr;
    if (!device)
        return BaseDeviceEditDelegate::createEditor(parent, option, index);
    const int column = index.column();
    const Devices::DeviceAddress address = device->address();
    if (column == tableModel->columnIndex(Column::Address)) {
        auto* dialog = new Editors::AddressEditor(parent);
        dialog->setModel(new TableModels::AddressTreeModel(address, ADDRESS_TYPE, dialog));
        return adoptDialogEditor(dialog);
    }
    if (column == tableModel->columnIndex(Column::Pul)) {
        auto* editor = new Editors::YesNoEditor(address.pul() != 0, parent);
        connect(editor, &QComboBox::currentIndexChanged, this, &BaseEditDelegate::endEditing);
        return editor;
    }
    if (column == tableModel->columnIndex(Column::Groups))
        return adoptDialogEditor(new Editors::GroupsEditor(address.groups(), parent));
    return BaseDeviceEditDelegate::createEditor(parent, option, index);
}

void ActuatorEditDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    // Every editor of these cells starts from the device's value.
    if (qobject_cast<Editors::BaseEditorDialog*>(editor) || qobject_cast<Editors::YesNoEditor*>(editor))
        return;
    BaseDeviceEditDelegate::setEditorData(editor, index);
}

void ActuatorEditDelegate::setModelData(QWidget* editor, QAbstractItemModel* itemModel, const QModelIndex& index) const
{
    const TableModels::BaseTableModel* tableModel = model(index);
    if (tableModel && index.column() == tableModel->columnIndex(Column::Pul)) {
        if (auto* yesNo = qobject_cast<Editors::YesNoEditor*>(editor))
            itemModel->setData(index, yesNo->currentData(Qt::UserRole), Qt::EditRole);
        return;
    }
    if (tableModel && index.column() == tableModel->columnIndex(Column::Groups)) {
        auto* groups = qobject_cast<Editors::GroupsEditor*>(editor);
        if (groups && groups->accepted()) {
            QList<int> chosen;
            groups->getSelectedGroups(chosen);
            itemModel->setData(index, QVariant::fromValue(chosen), Qt::EditRole);
        }
        return;
    }
    BaseDeviceEditDelegate::setModelData(editor, itemModel, index);
}

} // namespace Corvane::Configurator::EditDelegates
