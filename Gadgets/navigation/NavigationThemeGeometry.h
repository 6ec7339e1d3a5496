#pragma once

#include <QPainterPath>

namespace Corvane::Gadgets {

class NavigationControl;

// What the carousel's theme marks out: the segments with their expand
// indicators and content places, the animation path, the places the command
// rings open in and the hotspot; and, computed from them for the carousel's
// current geometry, the track the travelling icons follow.
class NavigationThemeGeometry
{
public:
    explicit NavigationThemeGeometry(NavigationControl& carousel);

    // Builds the segments the theme draws, replacing any built before.
    void createSegments();
    // Read when the carousel is built and again when the theme changes.
    void read();
    // Fills the icons animation's cache unless it is still valid.
    void updateTrackCache();

private:
    void deleteSegments();
    void readHotspot();

    NavigationControl& m_carousel;
    QPainterPath m_animationPath;
};

} // namespace Corvane::Gadgets
