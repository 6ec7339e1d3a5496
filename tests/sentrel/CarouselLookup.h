#pragma once

#include "navigation/NavigationControl.h"

// Where the carousel shows a device's icon, as the tests find it.
namespace CarouselLookup {

// The icon with this id among those on the carousel, or an empty one.
inline Corvane::Gadgets::Models::NavigationIcon shownIcon(const Corvane::Gadgets::NavigationControl* carousel, int id)
{
    for (const Corvane::Gadgets::Models::NavigationIcon& icon : carousel->icons())
        if (icon.id() == id)
            return icon;
    return {};
}

// The segment showing the icon with this id, or -1.
inline int segmentOf(const Corvane::Gadgets::NavigationControl* carousel, int id)
{
    const QList<Corvane::Gadgets::Models::NavigationIcon> icons = carousel->icons();
    for (int i = 0; i < icons.size(); ++i)
        if (icons.at(i).id() == id)
            return carousel->getSegmentIndexByIcon(i);
    return -1;
}

} // namespace CarouselLookup
