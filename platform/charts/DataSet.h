#pragma once

#include "charts/ChartColor.h"

#include <QList>
#include <QString>

namespace Corvane::Charts {

// One series of a layer: values at consecutive x positions from a first
// position, its name and colours. A value that is not finite is no value.
class DataSet
{
public:
    DataSet(int firstX, const QList<double>& values, const QString& name, int colour);

    void setDataColor(int colour, int edgeColour = ChartColor::DefaultColor, int shadowColour = ChartColor::DefaultColor,
                      int shadowEdgeColour = ChartColor::DefaultColor);

    int firstX() const { return m_firstX; }
    int count() const { return int(m_values.size()); }
    // The value at x position, NaN where the set has none.
    double valueAt(int x) const;
    QString name() const { return m_name; }
    int dataColor() const { return m_colour; }
    // The edge colour; the default value means the layer's border colour.
    int edgeColor() const { return m_edgeColour; }

private:
    int m_firstX;
    QList<double> m_values;
    QString m_name;
    int m_colour;
    int m_edgeColour = ChartColor::DefaultColor;
};

} // namespace Corvane::Charts
