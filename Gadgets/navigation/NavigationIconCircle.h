#pragma once

#include "models/NavigationIcon.h"

#include <QList>

namespace Corvane::Gadgets {

// Index arithmetic on the carousel's circular icon list, whose last entry is
// the empty gap between the end and the start when the list is longer than
// the ring of segments.
class NavigationIconCircle
{
public:
    // index reduced into 0 .. count - 1; 0 for an empty list.
    static int wrap(int index, int count);
    // The index of the icon with the id, or -1.
    static int indexOfId(const QList<Models::NavigationIcon>& icons, int id);
    // Moves a negative first index into the list keeping the distance to the
    // other end (the quotient of the value by count truncates toward zero).
    static double raiseIntoList(double value, int count);
};

} // namespace Corvane::Gadgets
