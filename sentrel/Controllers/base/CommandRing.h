#pragma once

#include "commandcontrol/CommandControl.h"

#include <functional>

namespace Corvane::Gadgets {
class NavigationControl;
}

namespace Corvane::Sentrel::Controllers {

// The ring of command buttons that a page opens beside a device's icon on
// the carousel: the control, the device it is open for, and its opening and
// closing. The page controller connects the control's signals and decides
// which buttons a device gets. The control is built when first needed:
// building one is costly, and many rings are never opened in a session.
class CommandRing
{
public:
    // Called once with the control when it is built, to connect its signals.
    using BuiltHandler = std::function<void(Gadgets::CommandControl*)>;
    // Where a ring opens on the carousel: the first level around the icons,
    // the second around the first ring.
    enum Level { FirstLevel, SecondLevel };

    // navigation may be null (a controller without a window): the ring then
    // never shows. A ring of the first level drawn with the command-control
    // renderer.
    explicit CommandRing(Gadgets::NavigationControl* navigation, BuiltHandler built = {});
    // A ring drawn with the renderer, opening on the carousel's level.
    CommandRing(Gadgets::NavigationControl* navigation, const QString& renderer, Level level, BuiltHandler built = {});
    ~CommandRing();

    CommandRing(const CommandRing&) = delete;
    CommandRing& operator=(const CommandRing&) = delete;

    // The ring's control, built now if it is not yet.
    Gadgets::CommandControl* control() const;
    bool isBuilt() const { return m_control != nullptr; }
    // The device whose ring is open; 0 when none.
    int selectedDeviceId() const { return m_selectedDeviceId; }
    void clearSelection() { m_selectedDeviceId = 0; }

    // When the ring is open for deviceId: takes it off the carousel, shows
    // the labels again, clears the selection and returns true.
    bool closeIfOpenFor(int deviceId);
    // Shows the buttons around the icon's segment and selects the icon; a
    // device without commands is only selected.
    void open(const Gadgets::Models::NavigationIcon& icon, int segment,
              const QList<Gadgets::CommandControl::ButtonData>& buttons);

    // A button of a ring (or a favourite's command panel) drawn with the
    // theme renderer.
    static Gadgets::CommandControl::ButtonData button(const QString& renderer, const QString& buttonId);

    // Shows the buttons on a first-level ring beside the icon on the
    // carousel's segment.
    static void fillBesideIcon(Gadgets::CommandControl* control, const Gadgets::NavigationControl& navigation,
                               int segment, const QList<Gadgets::CommandControl::ButtonData>& buttons);
    // Shows the buttons on a second-level ring, on the chosen segment set,
    // beside the first ring's button.
    static void fillBesideButton(Gadgets::CommandControl* control, const Gadgets::NavigationControl& navigation,
                                 const Gadgets::CommandControl& first, const QString& buttonId, bool useEvenSegments,
                                 const QList<Gadgets::CommandControl::ButtonData>& buttons);

private:
    // A ring control drawn with the renderer, with its origin on the
    // carousel's level (none without a carousel) and its buttons arranged.
    static Gadgets::CommandControl* createControl(const QString& renderer, const Gadgets::NavigationControl* navigation,
                                                  Level level);
    // A ring sits on its placeholder on the carousel at the carousel's
    // scale: its segments are measured there, against the carousel's points.
    static void placeOn(Gadgets::CommandControl* control, const Gadgets::NavigationControl& navigation, Level level);

    Gadgets::NavigationControl* m_navigation;
    const QString m_renderer;
    const Level m_level;
    const BuiltHandler m_built;
    // Built on first use; a cache, so built from const accessors too.
    mutable Gadgets::CommandControl* m_control = nullptr;
    int m_selectedDeviceId = 0;
};

} // namespace Corvane::Sentrel::Controllers
