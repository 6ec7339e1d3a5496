#pragma once

#include "hosting/BaseQMLWrapper.h"

namespace Corvane::Gadgets::Utilities {

// The root item of a data window: hosts a webserver information face of its own making, which
// goes with the wrapper.
class WebServerQMLWrapper : public BaseQMLWrapper
{
    Q_OBJECT

public:
    explicit WebServerQMLWrapper(QGraphicsItem* parent = nullptr);
};

} // namespace Corvane::Gadgets::Utilities
