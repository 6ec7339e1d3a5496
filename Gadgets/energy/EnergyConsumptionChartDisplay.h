#pragma once

#include "controls/SvgControlObject.h"
#include "energy/AbstractEnergyConsumptionDisplay.h"

#include <QColor>

namespace Corvane::Gadgets {

class GraphicsStackedBarChart;

// The consumption series as a themed stacked bar chart in the face's chart
// placeholder. The chart is rendered at device pixels (its size and its line
// and font scale include the item's effective scale) and shown scaled back,
// so it stays sharp at any gadget size.
class EnergyConsumptionChartDisplay : public SvgControlObject, public AbstractEnergyConsumptionDisplay
{
    Q_OBJECT

public:
    static const QString CHART_PLACEHOLDER_ID;
    static const QString ENERGY_CHART_CONTROL_ID;
    static const QString GRID_COLOR_SUFFIX_ID;
    static const QString ODD_BARS_COLOR_SUFFIX_ID;
    static const QString EVEN_BARS_COLOR_SUFFIX_ID;
    static const QString AXES_VALUES_COLOR_SUFFIX_ID;
    static const QString FONT_SIZE_SUFFIX_ID;
    static const QColor DEFAULT_GRID_COLOR;

    EnergyConsumptionChartDisplay(Utilities::RendererContainer* renderer, SvgControlObject* parent);

    GraphicsStackedBarChart* chart() const { return m_chart; }
    QRectF chartRect() const { return m_chartRect; }
    int fontSize() const { return m_fontSize; }

    void setData(const Series& data) override;
    bool hasData() const override;
    void setXAxisLabel(const QString& label) override;
    void setYAxisLabel(const QString& label) override;
    void setVisibility(bool visible) override;
    void setFontFileName(const QString& fileName);

    void updateControlsScale();
    void updateControlsPosition();
    QPointF updatedControlsPosition() const;

    void setCustomScale(qreal scale) override;
    void scaleHasFinishedChanging() override;
    void setOffset(const QPointF& offset) override;
    void parentOffsetChanged() override;
    void readThemeSettings(bool force) override;

protected:
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;

private:
    // Gives the chart the size, line and font scale and position it is shown
    // at, without drawing it.
    void fitChartToScale();

    QRectF m_chartRect;
    GraphicsStackedBarChart* m_chart;
    int m_fontSize = 0;
};

} // namespace Corvane::Gadgets
