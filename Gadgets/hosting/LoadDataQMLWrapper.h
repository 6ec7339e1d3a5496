#pragma once

#include "hosting/BaseQMLWrapper.h"

namespace Corvane::Gadgets::Utilities {

// The root item of a data window: hosts a load-management face of its own making, which
// goes with the wrapper.
class LoadDataQMLWrapper : public BaseQMLWrapper
{
    Q_OBJECT

public:
    explicit LoadDataQMLWrapper(QGraphicsItem* parent = nullptr);
};

} // namespace Corvane::Gadgets::Utilities
