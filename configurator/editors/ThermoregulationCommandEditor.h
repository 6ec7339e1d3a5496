#pragma once

#include "devices/DeviceAddress.h"
#include "editors/BasePropertyEditorControl.h"

class QModelIndex;

namespace Corvane::Configurator {
namespace TableModels {
class ThermoregulationCommandModel;
}
}

namespace Corvane::Configurator::Editors {

// The collapsible pane of one favourite command: its description and
// address. Clicking it, or moving in its table, selects it.
class ThermoregulationCommandEditor : public BasePropertyEditorControl
{
    Q_OBJECT

public:
    ThermoregulationCommandEditor(const Devices::DeviceAddress& address, const QString& description, int id,
                                  int addressType, const QString& title, QWidget* parent = nullptr);

    int originalId() const;
    QString description() const;
    Devices::DeviceAddress address() const;
    TableModels::ThermoregulationCommandModel* model() const { return m_model; }

Q_SIGNALS:
    void selected();

public Q_SLOTS:
    void tableClicked(const QModelIndex& index);
    void currentIndexChanged(const QModelIndex& current, const QModelIndex& previous);

protected Q_SLOTS:
    void onShowButtonClicked() override;

private:
    TableModels::ThermoregulationCommandModel* m_model;
};

} // namespace Corvane::Configurator::Editors
