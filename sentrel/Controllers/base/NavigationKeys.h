#pragma once

class QKeyEvent;

namespace Corvane::Gadgets {
class CommandControl;
class NavigationControl;
} // namespace Corvane::Gadgets

namespace Corvane::Sentrel::Controllers {

// The keyboard on the carousel. Left and right turn the open command ring,
// or the carousel when none is open; up and down move the selected label's
// slider, applied on release; Return or Enter presses the ring's current
// button (released with the key) or clicks the selected icon; Escape closes
// the inner ring, then the outer one, then goes back or home.
class NavigationKeys
{
public:
    // The inner command ring when open, else the outer one, or null.
    static Gadgets::CommandControl* activeCommandControl(const Gadgets::NavigationControl* navigation);
    static void press(Gadgets::NavigationControl* navigation, const QKeyEvent* event);
    static void release(Gadgets::NavigationControl* navigation, const QKeyEvent* event);

private:
    static bool isReturnOrEnter(int key);
    static void turn(Gadgets::NavigationControl* navigation, bool previous);
    static void moveSlider(Gadgets::NavigationControl* navigation, bool down);
    static void enter(Gadgets::NavigationControl* navigation, const QKeyEvent* event);
    static void escape(Gadgets::NavigationControl* navigation);
};

} // namespace Corvane::Sentrel::Controllers
