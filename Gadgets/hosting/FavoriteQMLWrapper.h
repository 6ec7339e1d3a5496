#pragma once

#include "hosting/BaseQMLWrapper.h"

namespace Corvane::Gadgets::Utilities {

// The root item of a favourite window: hosts a favourite control of its own
// making, which goes with the wrapper.
class FavoriteQMLWrapper : public BaseQMLWrapper
{
    Q_OBJECT

public:
    explicit FavoriteQMLWrapper(QGraphicsItem* parent = nullptr);
};

} // namespace Corvane::Gadgets::Utilities
