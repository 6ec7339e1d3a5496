#include "gestures/SystemCursorPositionProvider.h"

#include <QCursor>

namespace Corvane::Gadgets::Gestures {

QPoint SystemCursorPositionProvider::position() const
{
    return QCursor::pos();
}

} // namespace Corvane::Gadgets::Gestures
