#pragma once

class QWidget;

namespace Corvane::Sentrel {

// Tells the window manager and the compositing manager that a scene window
// is a tool bar. The scene windows cover the whole desktop and are
// transparent but for what they draw; a compositing manager that draws a
// drop shadow under an ordinary or a utility window (xcompmgr -c) would
// darken the whole desktop with it. Compositing managers leave tool bars,
// docks, splash screens and notifications without a shadow; of these only a
// tool bar takes the focus and stacks as the utility window Qt makes of it,
// so the window keeps Qt's types and gets the tool bar's in front of them.
class SceneWindowType
{
public:
    SceneWindowType() = delete;

    // On X11 only. The window system window that the window shows in now
    // gets the type, and so does every one that Qt makes for it later,
    // before it maps: window managers read the type when they take a window
    // in.
    static void markAsToolBar(QWidget* window);
};

} // namespace Corvane::Sentrel
