#pragma once

#include "hosting/BaseQMLWrapper.h"

namespace Corvane::Gadgets::Utilities {

// The root item of a data window: hosts an energy data gadget (view and tariff faces) of its own making, which
// goes with the wrapper.
class EnergyDataQMLWrapper : public BaseQMLWrapper
{
    Q_OBJECT

public:
    explicit EnergyDataQMLWrapper(QGraphicsItem* parent = nullptr);
};

} // namespace Corvane::Gadgets::Utilities
