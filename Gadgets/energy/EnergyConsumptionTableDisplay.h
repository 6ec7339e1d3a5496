#pragma once

#include "controls/SvgControlObject.h"
#include "energy/AbstractEnergyConsumptionDisplay.h"

namespace Corvane::Gadgets {

namespace Models {
class EnergyDataViewTableModel;
}
class GraphicsTable;
class ScrollArea;

// The consumption series as a two-column table (slot label, first value)
// that scrolls vertically inside the face's table placeholder.
class EnergyConsumptionTableDisplay : public SvgControlObject, public AbstractEnergyConsumptionDisplay
{
    Q_OBJECT

public:
    static const QString TABLE_PLACEHOLDER_ID;
    static const QString ENERGY_VIEW_TABLE_CONTROL_ID;

    EnergyConsumptionTableDisplay(Utilities::RendererContainer* renderer, SvgControlObject* parent);

    Models::EnergyDataViewTableModel* model() const { return m_model; }
    GraphicsTable* table() const { return m_table; }
    ScrollArea* scrollArea() const { return m_scrollArea; }

    void setData(const Series& data) override;
    bool hasData() const override;
    void setXAxisLabel(const QString& label) override;
    void setYAxisLabel(const QString& label) override;
    void setVisibility(bool visible) override;
    void readThemeSettings(bool force) override;

public slots:
    void onTableDimensionsChanged();

private:
    Models::EnergyDataViewTableModel* m_model;
    ScrollArea* m_scrollArea;
    GraphicsTable* m_table;
};

} // namespace Corvane::Gadgets
