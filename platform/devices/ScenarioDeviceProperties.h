#pragma once

#include "BaseDeviceProperties.h"
#include "ScheduledScenarioItem.h"

namespace Corvane::Devices {

// A scenario (1002: a scenario number at a scenario module), a scenario PLUS
// (1003: started at a level) or a scheduled scenario (9002: four CEN items).
class ScenarioDeviceProperties : public BaseDeviceProperties
{
public:
    static const int MIN_SCENARIO_NUMBER;
    static const int MAX_SCENARIO_NUMBER;
    static const int MIN_LEVEL;
    static const int MAX_LEVEL;

    ScenarioDeviceProperties(int id, DeviceType type, const DeviceAddress& address,
                             const QString& description);

    BaseDeviceProperties* clone() const override;
    DeviceGroup deviceGroup() const override { return Scenarios; }

    int scenarioNumber() const { return m_scenarioNumber; }
    void setScenarioNumber(int number);
    int level() const { return m_level; }
    void setLevel(int level);

    ScheduledScenarioItem enableItem() const { return m_enableItem; }
    ScheduledScenarioItem disableItem() const { return m_disableItem; }
    ScheduledScenarioItem startItem() const { return m_startItem; }
    ScheduledScenarioItem stopItem() const { return m_stopItem; }
    void setItems(const ScheduledScenarioItem& enable, const ScheduledScenarioItem& disable,
                  const ScheduledScenarioItem& start, const ScheduledScenarioItem& stop);

    bool isEqual(const BaseDeviceProperties& other) const override;

private:
    int m_scenarioNumber = MIN_SCENARIO_NUMBER;
    int m_level = MAX_LEVEL;
    ScheduledScenarioItem m_enableItem;
    ScheduledScenarioItem m_disableItem;
    ScheduledScenarioItem m_startItem;
    ScheduledScenarioItem m_stopItem;
};

} // namespace Corvane::Devices
