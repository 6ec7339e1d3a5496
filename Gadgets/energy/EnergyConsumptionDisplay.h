#pragma once

#include "controls/SvgControlObject.h"
#include "energy/AbstractEnergyConsumptionDisplay.h"
#include "energy/GadgetsCommon.h"

namespace Corvane::Gadgets {

class EnergyConsumptionChartDisplay;
class EnergyConsumptionTableDisplay;

// Holds the chart and the table form of the consumption series and shows
// exactly one of them; switching keeps the data of both.
class EnergyConsumptionDisplay : public SvgControlObject, public AbstractEnergyConsumptionDisplay
{
    Q_OBJECT

public:
    EnergyConsumptionDisplay(Utilities::RendererContainer* renderer, SvgControlObject* parent);

    GadgetsCommon::ConsumptionDisplay display() const { return m_display; }
    void setDisplay(const GadgetsCommon::ConsumptionDisplay& display);
    GadgetsCommon::ConsumptionDisplay nextDisplay() const;
    void advanceToNextDisplay();
    EnergyConsumptionChartDisplay* chartDisplay() const { return m_chartDisplay; }
    EnergyConsumptionTableDisplay* tableDisplay() const { return m_tableDisplay; }

    // Gives the series to the one display named.
    void setData(const Series& data, GadgetsCommon::ConsumptionDisplay display);
    void setData(const Series& data) override;
    bool hasData() const override;
    void setXAxisLabel(const QString& label) override;
    void setYAxisLabel(const QString& label) override;
    void setVisibility(bool visible) override;

private:
    EnergyConsumptionChartDisplay* m_chartDisplay;
    EnergyConsumptionTableDisplay* m_tableDisplay;
    QList<AbstractEnergyConsumptionDisplay*> m_displays;
    GadgetsCommon::ConsumptionDisplay m_display = GadgetsCommon::ChartDisplay;
};

} // namespace Corvane::Gadgets
