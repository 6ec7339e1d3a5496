#pragma once

#include "devices/DeviceAddress.h"
#include "editors/BaseEditorDialog.h"

#include <QList>

class QModelIndex;
class QScrollArea;
class QTableView;

namespace Corvane::Devices {
class ThermoregulationCommandProperties;
class ThermoregulationDeviceProperties;
}

namespace Corvane::Configurator {
namespace TableModels {
class ThermoregulationOffCmdModel;
}
}

namespace Corvane::Configurator::Editors {

class ThermoregulationCommandEditor;

// The favourite commands of a basic air conditioner and its OFF command,
// edited on copies: the OFF command's presence and address above, one
// collapsible pane per favourite command below. The favourite commands and
// the shown OFF command together stay within the device's maximum.
class ThermoregCommandsEditor : public BaseEditorDialog
{
    Q_OBJECT

public:
    explicit ThermoregCommandsEditor(const Devices::ThermoregulationDeviceProperties* device, QWidget* parent = nullptr);

    QList<ThermoregulationCommandEditor*> commandEditors() const { return m_editors; }
    // The first pane editing the command with id, or null.
    ThermoregulationCommandEditor* getEditor(int id) const;
    ThermoregulationCommandEditor* selectedEditor() const { return m_selected; }
    // The panes plus the OFF command when shown.
    int commandsCount() const;
    bool offCommandPresence() const;
    Devices::DeviceAddress offCmdAddress() const;
    TableModels::ThermoregulationOffCmdModel* offCommandModel() const { return m_offModel; }
    QTableView* offCommandView() const { return m_offView; }

public Q_SLOTS:
    void onEditorSelected();
    void onOffCmdPresenceChanged();
    void offCommandEditorClicked(const QModelIndex& index);

protected:
    void onAddClicked() override;
    void onRemoveClicked() override;

private:
    void initializeOffCommandEditor(const Devices::ThermoregulationDeviceProperties& device);
    void addEditor(const Devices::ThermoregulationCommandProperties& command);
    void removeEditor(ThermoregulationCommandEditor* editor);
    void selectEditor(ThermoregulationCommandEditor* editor);
    void updateEditorTitles();
    void showLimitReached();

    QList<ThermoregulationCommandEditor*> m_editors;
    ThermoregulationCommandEditor* m_selected = nullptr;
    int m_addressType = 0;
    QWidget* m_panes = nullptr;
    QVBoxLayout* m_panesLayout = nullptr;
    QScrollArea* m_scrollArea = nullptr;
    QTableView* m_offView = nullptr;
    TableModels::ThermoregulationOffCmdModel* m_offModel = nullptr;
};

} // namespace Corvane::Configurator::Editors
