#pragma once

#include "devices/ScheduledScenarioItem.h"

#include <QMetaType>

namespace Corvane::Configurator::TableModels {

// The four items of a scheduled scenario on their way from the editor to
// the scenarios table, carried in one QVariant.
class ScheduledScenarioUpdater
{
public:
    // Four absent CEN items on button 0 at the default address.
    ScheduledScenarioUpdater();
    ScheduledScenarioUpdater(const Devices::ScheduledScenarioItem& enable, const Devices::ScheduledScenarioItem& disable,
                             const Devices::ScheduledScenarioItem& start, const Devices::ScheduledScenarioItem& stop);

    const Devices::ScheduledScenarioItem& enableItem() const { return m_enable; }
    const Devices::ScheduledScenarioItem& disableItem() const { return m_disable; }
    const Devices::ScheduledScenarioItem& startItem() const { return m_start; }
    const Devices::ScheduledScenarioItem& stopItem() const { return m_stop; }

private:
    Devices::ScheduledScenarioItem m_enable;
    Devices::ScheduledScenarioItem m_disable;
    Devices::ScheduledScenarioItem m_start;
    Devices::ScheduledScenarioItem m_stop;
};

} // namespace Corvane::Configurator::TableModels

Q_DECLARE_METATYPE(Corvane::Configurator::TableModels::ScheduledScenarioUpdater)
