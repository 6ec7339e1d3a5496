#include "energy/EnergyConsumptionTableDisplay.h"

#include "energy/EnergyDataViewTableModel.h"
#include "energy/GraphicsTable.h"
#include "scroll/ScrollArea.h"

#include <cmath>
#include <limits>

namespace Corvane::Gadgets {

const QString EnergyConsumptionTableDisplay::TABLE_PLACEHOLDER_ID = QStringLiteral("table_placeholder");
const QString EnergyConsumptionTableDisplay::ENERGY_VIEW_TABLE_CONTROL_ID = QStringLiteral("energy_view");

namespace {

// An entry without values, or with a value that is no number, shows an empty
// cell rather than a made-up 0.
double firstValue(const QList<double>& values)
{
    return values.isEmpty() ? std::numeric_limits<double>::quiet_NaN() : values.first();
}

} // namespace

EnergyConsumptionTableDisplay::EnergyConsumptionTableDisplay(Utilities::RendererContainer* renderer,
                                                             SvgControlObject* parent)
    : SvgControlObject(renderer, parent)
    , m_model(new Models::EnergyDataViewTableModel(this))
    , m_scrollArea(new ScrollArea(this))
{
    m_model->setThemeElementId(ENERGY_VIEW_TABLE_CONTROL_ID);
    const QRectF placeholder = boundsOnElement(TABLE_PLACEHOLDER_ID);
    m_scrollArea->setBounds(placeholder);
    m_scrollArea->setParentItem(this);
    addToChildrensList(m_scrollArea);
    m_table = new GraphicsTable(m_scrollArea->childrenContainer());
    m_scrollArea->childrenContainer()->addToChildrensList(m_table);
    connect(m_table, &GraphicsTable::dimensionsChanged, this, &EnergyConsumptionTableDisplay::onTableDimensionsChanged);
    // The table starts at the top-left corner of the scrolled content.
    m_table->setBounds(QRectF(QPointF(0, 0), placeholder.size()));
    m_table->setModel(m_model);
    m_table->recalculateCellsBounds();
}

void EnergyConsumptionTableDisplay::setData(const Series& data)
{
    m_model->clear();
    if (data.isEmpty())
        return;
    m_scrollArea->scrollToValues(0, 0);
    for (const auto& [label, values] : data)
        m_model->addItem(Models::EnergyDataViewTableItem(label, firstValue(values)));
}

bool EnergyConsumptionTableDisplay::hasData() const
{
    return m_model->rowCount() > 0;
}

void EnergyConsumptionTableDisplay::setXAxisLabel(const QString& label)
{
    m_model->setXLabel(label);
}

void EnergyConsumptionTableDisplay::setYAxisLabel(const QString& label)
{
    m_model->setYLabel(label);
}

void EnergyConsumptionTableDisplay::setVisibility(bool visible)
{
    setVisible(visible);
}

void EnergyConsumptionTableDisplay::readThemeSettings(bool force)
{
    if (force)
        m_model->readThemeSettings();
}

void EnergyConsumptionTableDisplay::onTableDimensionsChanged()
{
    m_scrollArea->updateChildren();
}

} // namespace Corvane::Gadgets
