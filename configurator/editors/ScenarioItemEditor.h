#pragma once

#include "devices/ScheduledScenarioItem.h"
#include "editors/BasePropertyEditorControl.h"

class QModelIndex;

namespace Corvane::Configurator {
namespace TableModels {
class ScenarioItemModel;
}
}

namespace Corvane::Configurator::Editors {

// The pane of one scheduled-scenario item, editing a copy of it.
class ScenarioItemEditor : public BasePropertyEditorControl
{
    Q_OBJECT

public:
    ScenarioItemEditor(const Devices::ScheduledScenarioItem& item, const QString& title, QWidget* parent = nullptr);

    bool presence() const;
    // Writes the presence (when it differs) and shows the table.
    void setPresence(bool presence);
    Devices::ScheduledScenarioItem createItem() const;
    TableModels::ScenarioItemModel* model() const { return m_model; }

Q_SIGNALS:
    void presenceChanged();

public Q_SLOTS:
    void dataChanged(const QModelIndex& index);
    void currentIndexChanged(const QModelIndex& current, const QModelIndex& previous);

private:
    void fitToRows();

    TableModels::ScenarioItemModel* m_model;
};

} // namespace Corvane::Configurator::Editors
