#pragma once

#include "devices/ScheduledScenarioItem.h"
#include "editors/BaseEditorDialog.h"

namespace Corvane::Devices {
class ScenarioDeviceProperties;
}

namespace Corvane::Configurator::Editors {

class ScenarioItemEditor;

// The dialog of a scheduled scenario: one pane per item (Enable, Disable,
// Start, Stop), each editing a copy. Enable and Disable are present or
// absent together.
class ScheduledScenarioEditor : public BaseEditorDialog
{
    Q_OBJECT

public:
    static constexpr int MIN_WIDTH = 350;
    static constexpr int MIN_HEIGHT = 585;

    explicit ScheduledScenarioEditor(const Devices::ScenarioDeviceProperties& properties, QWidget* parent = nullptr);

    QSize sizeHint() const override { return {MIN_WIDTH, MIN_HEIGHT}; }

    Devices::ScheduledScenarioItem createEnableItem() const;
    Devices::ScheduledScenarioItem createDisableItem() const;
    Devices::ScheduledScenarioItem createStartItem() const;
    Devices::ScheduledScenarioItem createStopItem() const;

    ScenarioItemEditor* enableEditor() const { return m_enable; }
    ScenarioItemEditor* disableEditor() const { return m_disable; }
    ScenarioItemEditor* startEditor() const { return m_start; }
    ScenarioItemEditor* stopEditor() const { return m_stop; }

public Q_SLOTS:
    void enablePresenceChanged();
    void disablePresenceChanged();

private:
    ScenarioItemEditor* addPane(const Devices::ScheduledScenarioItem& item, const QString& title);

    ScenarioItemEditor* m_enable;
    ScenarioItemEditor* m_disable;
    ScenarioItemEditor* m_start;
    ScenarioItemEditor* m_stop;
};

} // namespace Corvane::Configurator::Editors
