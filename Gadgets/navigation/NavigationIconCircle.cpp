#include "navigation/NavigationIconCircle.h"

namespace Corvane::Gadgets {

int NavigationIconCircle::wrap(int index, int count)
{
    return count > 0 ? ((index % count) + count) % count : 0;
}

int NavigationIconCircle::indexOfId(const QList<Models::NavigationIcon>& icons, int id)
{
    for (int i = 0; i < icons.size(); ++i) {
        if (icons.at(i).id() == id)
            return i;
    }
    return -1;
}

double NavigationIconCircle::raiseIntoList(double value, int count)
{
    return value - double(int(value) / count * count) + count;
}

} // namespace Corvane::Gadgets
