#pragma once

#include "editdelegates/BaseDeviceEditDelegate.h"

namespace Corvane::Devices {
class ThermoregulationDeviceProperties;
}

namespace Corvane::Configurator {
namespace Editors {
class ThermoregCommandsEditor;
}
}

namespace Corvane::Configurator::EditDelegates {

// The thermoregulation page: the address dialog with the model of the
// device's address type, the Fancoil combo, and the commands or advanced
// parameters dialog of an air conditioner, written into the device only
// when confirmed.
class ThermoregulationEditDelegate : public BaseDeviceEditDelegate
{
    Q_OBJECT

public:
    using BaseDeviceEditDelegate::BaseDeviceEditDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

    // The thermoregulation device of row, or null.
    static Devices::ThermoregulationDeviceProperties* device(const QAbstractItemModel* model, int row);
    // Brings the device's favourite commands and OFF command in line with a
    // confirmed commands dialog.
    static void syncDeviceCommands(Devices::ThermoregulationDeviceProperties* device,
                                   const Editors::ThermoregCommandsEditor* editor);

private:
    QWidget* createAddressEditor(QWidget* parent, const Devices::ThermoregulationDeviceProperties& device) const;
    static void writeCommands(Devices::ThermoregulationDeviceProperties* device,
                              const Editors::ThermoregCommandsEditor* editor);
};

} // namespace Corvane::Configurator::EditDelegates
