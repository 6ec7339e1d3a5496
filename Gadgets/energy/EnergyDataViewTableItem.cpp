#include "energy/EnergyDataViewTableItem.h"

namespace Corvane::Gadgets::Models {

EnergyDataViewTableItem::EnergyDataViewTableItem(const QString& x, double y)
    : m_x(x)
    , m_y(y)
{
}

} // namespace Corvane::Gadgets::Models
