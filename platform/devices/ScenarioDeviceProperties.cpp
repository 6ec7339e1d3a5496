#include "ScenarioDeviceProperties.h"

namespace Corvane::Devices {

const int ScenarioDeviceProperties::MIN_SCENARIO_NUMBER = 1;
const int ScenarioDeviceProperties::MAX_SCENARIO_NUMBER = 16;
const int ScenarioDeviceProperties::MIN_LEVEL = 0;
const int ScenarioDeviceProperties::MAX_LEVEL = 100;

ScenarioDeviceProperties::ScenarioDeviceProperties(int id, DeviceType type,
                                                   const DeviceAddress& address,
                                                   const QString& description)
    : BaseDeviceProperties(id, type, address, description)
{
}

BaseDeviceProperties* ScenarioDeviceProperties::clone() const
{
    return new ScenarioDeviceProperties(*this);
}

void ScenarioDeviceProperties::setScenarioNumber(int number)
{
    assign(m_scenarioNumber, number);
}

void ScenarioDeviceProperties::setLevel(int level)
{
    assign(m_level, level);
}

void ScenarioDeviceProperties::setItems(const ScheduledScenarioItem& enable,
                                        const ScheduledScenarioItem& disable,
                                        const ScheduledScenarioItem& start,
                                        const ScheduledScenarioItem& stop)
{
    if (m_enableItem == enable && m_disableItem == disable && m_startItem == start
        && m_stopItem == stop)
        return;
    m_enableItem = enable;
    m_disableItem = disable;
    m_startItem = start;
    m_stopItem = stop;
    notifyChange();
}

bool ScenarioDeviceProperties::isEqual(const BaseDeviceProperties& other) const
{
    if (!BaseDeviceProperties::isEqual(other))
        return false;
    const auto& scenario = static_cast<const ScenarioDeviceProperties&>(other);
    return m_scenarioNumber == scenario.m_scenarioNumber && m_level == scenario.m_level
        && m_enableItem == scenario.m_enableItem && m_disableItem == scenario.m_disableItem
        && m_startItem == scenario.m_startItem && m_stopItem == scenario.m_stopItem;
}

} // namespace Corvane::Devices
