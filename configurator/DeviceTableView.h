#pragma once

#include <QList>
#include <QTableView>

namespace Corvane::Devices {
class BaseDeviceProperties;
}

namespace Corvane::Configurator {

namespace TableModels {
class BaseTableModel;
}

// The device table of a page; whole rows are selected. Reaches the devices
// through its BaseTableModel.
class DeviceTableView : public QTableView
{
    Q_OBJECT

public:
    explicit DeviceTableView(QWidget* parent = nullptr);

    using QTableView::edit;

    void removeDevice(int id);
    int devicesCount() const;
    QList<Devices::BaseDeviceProperties*> devices() const;
    // Id of the device in the current row, -1 for none.
    int selectedDeviceId() const;
    // Ids of the selected rows in selection order, each once.
    void selectedDevices(QList<int>& ids) const;
    bool hasSelectedDevice() const;

    // Whether a cell's editor is open (the text typed into it is not in
    // the project yet).
    bool isEditing() const { return state() == EditingState; }
    // Writes the open cell editor's value into the model and closes it, as
    // leaving the cell would; a cell's own dialog is left to its buttons.
    void commitOpenEditor();

Q_SIGNALS:
    // A cell's editor was opened or closed.
    void editingChanged();

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    TableModels::BaseTableModel* tableModel() const;
};

} // namespace Corvane::Configurator
