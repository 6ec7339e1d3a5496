#pragma once

#include <QPoint>

namespace Corvane::Gadgets::Gestures {

// Source of the cursor position, in global screen coordinates, that the
// gesture recogniser samples. The default reads the system cursor; tests
// replace it with a scripted one.
class CursorPositionProvider
{
public:
    virtual ~CursorPositionProvider() = default;
    virtual QPoint position() const = 0;
};

} // namespace Corvane::Gadgets::Gestures
