#include "DeviceTableView.h"

#include "devices/BaseDeviceProperties.h"
#include "editors/BaseEditorDialog.h"
#include "tablemodels/BaseTableModel.h"

namespace Corvane::Configurator {

using Devices::BaseDeviceProperties;
using TableModels::BaseTableModel;

DeviceTableView::DeviceTableView(QWidget* parent)
    : QTableView(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
}

BaseTableModel* DeviceTableView::tableModel() const
{
    return qobject_cast<BaseTableModel*>(model());
}

void DeviceTableView::removeDevice(int id)
{
    if (BaseTableModel* model = tableModel())
        model->removeDevice(id);
}

int DeviceTableView::devicesCount() const
{
    const BaseTableModel* model = tableModel();
    return model ? model->rowCount() : 0;
}

QList<BaseDeviceProperties*> DeviceTableView::devices() const
{
    const BaseTableModel* model = tableModel();
    return model ? model->devices() : QList<BaseDeviceProperties*>();
}

int DeviceTableView::selectedDeviceId() const
{
    const BaseTableModel* model = tableModel();
    if (!model || !selectionModel())
        return -1;
    const QModelIndex current = selectionModel()->currentIndex();
    const BaseDeviceProperties* device = current.isValid() ? model->device(current.row()) : nullptr;
    return device ? device->id() : -1;
}

void DeviceTableView::selectedDevices(QList<int>& ids) const
{
    const BaseTableModel* model = tableModel();
    if (!model || !selectionModel())
        return;
    const QItemSelection selection = selectionModel()->selection();
    for (const QItemSelectionRange& range : selection) {
        for (const QModelIndex& index : range.indexes()) {
            const BaseDeviceProperties* device = model->device(index.row());
            if (device && !ids.contains(device->id()))
                ids.append(device->id());
        }
    }
}

bool DeviceTableView::hasSelectedDevice() const
{
    QList<int> ids;
    selectedDevices(ids);
    return !ids.isEmpty();
}

void DeviceTableView::commitOpenEditor()
{
    if (!isEditing())
        return;
    QWidget* editor = indexWidget(currentIndex());
    if (!editor || qobject_cast<Editors::BaseEditorDialog*>(editor))
        return;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

bool DeviceTableView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    const bool wasEditing = isEditing();
    const bool opened = QTableView::edit(index, trigger, event);
    if (isEditing() != wasEditing)
        emit editingChanged();
    return opened;
}

void DeviceTableView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    const bool wasEditing = isEditing();
    QTableView::closeEditor(editor, hint);
    if (isEditing() != wasEditing)
        emit editingChanged();
}

} // namespace Corvane::Configurator
