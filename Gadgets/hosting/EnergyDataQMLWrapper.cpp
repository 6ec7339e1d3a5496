#include "hosting/EnergyDataQMLWrapper.h"

#include "energy/EnergyDataContainer.h"

namespace Corvane::Gadgets::Utilities {

EnergyDataQMLWrapper::EnergyDataQMLWrapper(QGraphicsItem* parent)
    : BaseQMLWrapper(parent)
{
    setMainControl(new EnergyDataContainer(nullptr));
}

} // namespace Corvane::Gadgets::Utilities
