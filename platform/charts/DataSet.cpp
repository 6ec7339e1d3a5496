#include "charts/DataSet.h"

#include <limits>

namespace Corvane::Charts {

DataSet::DataSet(int firstX, const QList<double>& values, const QString& name, int colour)
    : m_firstX(firstX)
    , m_values(values)
    , m_name(name)
    , m_colour(colour)
{
}

void DataSet::setDataColor(int colour, int edgeColour, int, int)
{
    m_colour = colour;
    m_edgeColour = edgeColour;
}

double DataSet::valueAt(int x) const
{
    const int index = x - m_firstX;
    if (index < 0 || index >= m_values.size())
        return std::numeric_limits<double>::quiet_NaN();
    return m_values.at(index);
}

} // namespace Corvane::Charts
