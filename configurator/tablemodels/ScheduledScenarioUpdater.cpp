#include "tablemodels/ScheduledScenarioUpdater.h"

namespace Corvane::Configurator::TableModels {

using Devices::DeviceAddress;
using Devices::ScheduledScenarioItem;

namespace {

ScheduledScenarioItem absentItem()
{
    return ScheduledScenarioItem(false, ScheduledScenarioItem::Cen, 0,
                                 DeviceAddress(DeviceAddress::DEFAULT_AREA_VALUE, DeviceAddress::DEFAULT_POINT_VALUE,
                                               DeviceAddress::DEFAULT_LEVEL_VALUE,
                                               DeviceAddress::DEFAULT_INTERFACE_VALUE));
}

} // namespace

ScheduledScenarioUpdater::ScheduledScenarioUpdater()
    : ScheduledScenarioUpdater(absentItem(), absentItem(), absentItem(), absentItem())
{
}

ScheduledScenarioUpdater::ScheduledScenarioUpdater(const ScheduledScenarioItem& enable, const ScheduledScenarioItem& disable,
                                                   const ScheduledScenarioItem& start, const ScheduledScenarioItem& stop)
    : m_enable(enable)
    , m_disable(disable)
    , m_start(start)
    , m_stop(stop)
{
}

} // namespace Corvane::Configurator::TableModels
