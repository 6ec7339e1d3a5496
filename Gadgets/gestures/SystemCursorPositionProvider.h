#pragma once

#include "gestures/CursorPositionProvider.h"

namespace Corvane::Gadgets::Gestures {

// Reads the position of the system's mouse cursor.
class SystemCursorPositionProvider : public CursorPositionProvider
{
public:
    QPoint position() const override;
};

} // namespace Corvane::Gadgets::Gestures
