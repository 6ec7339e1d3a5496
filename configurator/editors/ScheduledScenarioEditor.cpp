#include "editors/ScheduledScenarioEditor.h"

#include "devices/ScenarioDeviceProperties.h"
#include "editors/ScenarioItemEditor.h"

#include <QVBoxLayout>

namespace Corvane::Configurator::Editors {

ScheduledScenarioEditor::ScheduledScenarioEditor(const Devices::ScenarioDeviceProperties& properties, QWidget* parent)
    : BaseEditorDialog(false, parent)
    , m_enable(addPane(properties.enableItem(), tr("Enable")))
    , m_disable(addPane(properties.disableItem(), tr("Disable")))
    , m_start(addPane(properties.startItem(), tr("Start")))
    , m_stop(addPane(properties.stopItem(), tr("Stop")))
{
    setMinimumSize(MIN_WIDTH, MIN_HEIGHT);
    contentLayout()->setSpacing(0);
    contentLayout()->addStretch(100);
    connect(m_enable, &ScenarioItemEditor::presenceChanged, this, &ScheduledScenarioEditor::enablePresenceChanged);
    connect(m_disable, &ScenarioItemEditor::presenceChanged, this, &ScheduledScenarioEditor::disablePresenceChanged);
}

ScenarioItemEditor* ScheduledScenarioEditor::addPane(const Devices::ScheduledScenarioItem& item, const QString& title)
{
    auto* pane = new ScenarioItemEditor(item, title, this);
    contentLayout()->addWidget(pane);
    connect(pane, &ScenarioItemEditor::helpMessageChanged, this, &BaseEditorDialog::displayHelpMessage);
    return pane;
}

void ScheduledScenarioEditor::enablePresenceChanged()
{
    if (m_enable->presence() != m_disable->presence())
        m_disable->setPresence(m_enable->presence());
}

void ScheduledScenarioEditor::disablePresenceChanged()
{
    if (m_enable->presence() != m_disable->presence())
        m_enable->setPresence(m_disable->presence());
}

Devices::ScheduledScenarioItem ScheduledScenarioEditor::createEnableItem() const
{
    return m_enable->createItem();
}

Devices::ScheduledScenarioItem ScheduledScenarioEditor::createDisableItem() const
{
    return m_disable->createItem();
}

Devices::ScheduledScenarioItem ScheduledScenarioEditor::createStartItem() const
{
    return m_start->createItem();
}

Devices::ScheduledScenarioItem ScheduledScenarioEditor::createStopItem() const
{
    return m_stop->createItem();
}

} // namespace Corvane::Configurator::Editors
