#pragma once

#include "editors/BaseEditorDialog.h"

class QAbstractItemDelegate;
class QAbstractItemModel;
class QItemSelection;
class QTableView;

namespace Corvane::Devices {
class ThermoregulationDeviceProperties;
}

namespace Corvane::Configurator {
namespace TableModels {
class BaseModel;
class ThermoregFanModel;
class ThermoregModeModel;
class ThermoregSwingModel;
class ThermoregTemperatureEditModel;
}
}

namespace Corvane::Configurator::Editors {

class BasePropertyEditorControl;

// The advanced parameters of an air conditioner, edited on copies in four
// panes: Temperature (range and step), Mode, Fan speed and Swing.
class ThermoregAdvancedEditor : public BaseEditorDialog
{
    Q_OBJECT

public:
    explicit ThermoregAdvancedEditor(const Devices::ThermoregulationDeviceProperties* device, QWidget* parent = nullptr);

    TableModels::ThermoregTemperatureEditModel* temperatureModel() const { return m_temperatureModel; }
    TableModels::ThermoregModeModel* modesModel() const { return m_modesModel; }
    TableModels::ThermoregFanModel* fanModel() const { return m_fanModel; }
    TableModels::ThermoregSwingModel* swingModel() const { return m_swingModel; }
    // The panes in the order shown.
    QList<BasePropertyEditorControl*> panes() const { return m_panes; }

public Q_SLOTS:
    void temperatureEditorSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected);
    void modeEditorSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected);
    void fanEditorSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected);
    void swingEditorSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected);

private:
    void init(const Devices::ThermoregulationDeviceProperties& device);
    BasePropertyEditorControl* addPane(const QString& title, TableModels::BaseModel* model,
                                       QAbstractItemDelegate* delegate);
    void showHelpOfCurrent(int pane);

    TableModels::ThermoregTemperatureEditModel* m_temperatureModel = nullptr;
    TableModels::ThermoregModeModel* m_modesModel = nullptr;
    TableModels::ThermoregFanModel* m_fanModel = nullptr;
    TableModels::ThermoregSwingModel* m_swingModel = nullptr;
    QList<BasePropertyEditorControl*> m_panes;
};

} // namespace Corvane::Configurator::Editors
