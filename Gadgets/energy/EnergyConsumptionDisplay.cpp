#include "energy/EnergyConsumptionDisplay.h"

#include "energy/EnergyConsumptionChartDisplay.h"
#include "energy/EnergyConsumptionTableDisplay.h"

namespace Corvane::Gadgets {

using namespace GadgetsCommon;

EnergyConsumptionDisplay::EnergyConsumptionDisplay(Utilities::RendererContainer* renderer, SvgControlObject* parent)
    : SvgControlObject(renderer, parent)
    , m_chartDisplay(new EnergyConsumptionChartDisplay(renderer, this))
    , m_tableDisplay(new EnergyConsumptionTableDisplay(renderer, this))
{
    addToChildrensList(m_chartDisplay);
    m_displays.append(m_chartDisplay);
    addToChildrensList(m_tableDisplay);
    m_displays.append(m_tableDisplay);
    setDisplay(ChartDisplay);
}

void EnergyConsumptionDisplay::setDisplay(const ConsumptionDisplay& display)
{
    if (display < ChartDisplay || display > TableDisplay)
        return;
    m_display = display;
    for (int i = 0; i < int(m_displays.size()); ++i)
        m_displays.at(i)->setVisibility(i == display);
}

ConsumptionDisplay EnergyConsumptionDisplay::nextDisplay() const
{
    return ConsumptionDisplay((m_display + 1) % 2);
}

void EnergyConsumptionDisplay::advanceToNextDisplay()
{
    setDisplay(nextDisplay());
}

void EnergyConsumptionDisplay::setData(const Series& data, ConsumptionDisplay display)
{
    if (display >= ChartDisplay && display < int(m_displays.size()))
        m_displays.at(display)->setData(data);
}

void EnergyConsumptionDisplay::setData(const Series& data)
{
    for (AbstractEnergyConsumptionDisplay* display : std::as_const(m_displays))
        display->setData(data);
}

bool EnergyConsumptionDisplay::hasData() const
{
    return std::all_of(m_displays.cbegin(), m_displays.cend(),
                       [](const AbstractEnergyConsumptionDisplay* display) { return display->hasData(); });
}

void EnergyConsumptionDisplay::setXAxisLabel(const QString& label)
{
    for (AbstractEnergyConsumptionDisplay* display : std::as_const(m_displays))
        display->setXAxisLabel(label);
}

void EnergyConsumptionDisplay::setYAxisLabel(const QString& label)
{
    for (AbstractEnergyConsumptionDisplay* display : std::as_const(m_displays))
        display->setYAxisLabel(label);
}

void EnergyConsumptionDisplay::setVisibility(bool visible)
{
    setVisible(visible);
}

} // namespace Corvane::Gadgets
