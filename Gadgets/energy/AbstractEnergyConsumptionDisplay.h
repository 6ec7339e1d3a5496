#pragma once

#include <QList>
#include <QPair>
#include <QString>

namespace Corvane::Gadgets {

// One series of consumption values shown one way or another (chart, table):
// the x label of each entry with its values, one per stacked layer.
class AbstractEnergyConsumptionDisplay
{
public:
    using Series = QList<QPair<QString, QList<double>>>;

    virtual ~AbstractEnergyConsumptionDisplay() = default;

    virtual void setData(const Series& data) = 0;
    virtual bool hasData() const = 0;
    virtual void setXAxisLabel(const QString& label) = 0;
    virtual void setYAxisLabel(const QString& label) = 0;
    virtual void setVisibility(bool visible) = 0;
};

} // namespace Corvane::Gadgets
