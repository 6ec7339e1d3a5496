#pragma once

#include <QRegion>
#include <qwindowdefs.h>

#include <optional>

class QWidget;

namespace Corvane::Sentrel {

// Applies a window's click-through shape. On X11 with a compositing manager
// the region becomes the window's input shape (set through xcb-shape, as Qt
// offers no input-only shape): the translucent pixels still show what lies
// behind and let clicks through. Without a compositing manager transparent
// pixels would show black, so the region becomes the bounding shape
// (QWidget::setMask), which also cuts the drawing. Elsewhere (offscreen,
// other platforms) the region is only recorded.
class WindowShape
{
public:
    enum class Kind { Input, Bounding };

    explicit WindowShape(QWidget* window);

    // Which kind of shape apply() sets now.
    Kind kind() const;
    // Whether the desktop blends translucent pixels with what lies behind:
    // not on X11 without a compositing manager.
    bool desktopBlends() const;
    // For tests without an X server: what desktopBlends() answers instead
    // of asking the window system (nullopt: ask it again).
    static void setDesktopBlendsForTesting(std::optional<bool> blends);
    // region, in device-independent pixels, is the window's shape.
    void apply(const QRegion& region);
    // A region of device-independent pixels in the pixels of a screen with
    // that device pixel ratio: every pixel that it touches.
    static QRegion inDevicePixels(const QRegion& region, qreal ratio);
    // The region last applied, and the window system window it went to.
    QRegion region() const { return m_region; }
    WId appliedTo() const { return m_appliedTo; }
    // The window system window that the window shows in now.
    WId nativeWindow() const;

private:
    bool isX11() const;
    bool compositingManagerRuns() const;
    void setX11InputShape(const QRegion& region);

    QWidget* m_window;
    QRegion m_region;
    WId m_appliedTo = 0;
};

} // namespace Corvane::Sentrel
