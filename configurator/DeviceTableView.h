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

    void removeDevice(int id);
    int devicesCount() const;
    QList<Devices::BaseDeviceProperties*> devices() const;
    // Id of the device in the current row, -1 for none.
    int selectedDeviceId() const;
    // Ids of the selected rows in selection order, each once.
    void selectedDevices(QList<int>& ids) const;
    bool hasSelectedDevice() const;

private:
    TableModels::BaseTableModel* tableModel() const;
};

} // namespace Corvane::Configurator
