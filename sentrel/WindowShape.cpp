#include "WindowShape.h"

#include "XcbAtom.h"

#include <QGuiApplication>
#include <QVector>
#include <QWidget>
#include <QWindow>

#include <xcb/shape.h>
#include <xcb/xcb.h>

namespace Corvane::Sentrel {

namespace {

std::optional<bool> desktopBlendsForTesting;

} // namespace

WindowShape::WindowShape(QWidget* window)
    : m_window(window)
{
}

bool WindowShape::isX11() const
{
    return QGuiApplication::platformName() == QLatin1String("xcb") && xcbConnection();
}

bool WindowShape::compositingManagerRuns() const
{
    xcb_connection_t* connection = xcbConnection();
    const xcb_atom_t selection = XcbAtom::of(connection, "_NET_WM_CM_S0", true);
    if (selection == XCB_ATOM_NONE)
        return false;
    const XcbReply<xcb_get_selection_owner_reply_t> owner(
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, selection), nullptr),
        &std::free);
    return owner && owner->owner != XCB_WINDOW_NONE;
}

WindowShape::Kind WindowShape::kind() const
{
    return isX11() && compositingManagerRuns() ? Kind::Input : Kind::Bounding;
}

bool WindowShape::desktopBlends() const
{
    if (desktopBlendsForTesting)
        return *desktopBlendsForTesting;
    return !isX11() || compositingManagerRuns();
}

void WindowShape::setDesktopBlendsForTesting(std::optional<bool> blends)
{
    desktopBlendsForTesting = blends;
}

// The window system window as it is now: Qt makes it anew when it shows a
// window whose "stay on top" hint changed, while the widget's winId() still
// names the old one.
WId WindowShape::nativeWindow() const
{
    const QWindow* handle = m_window->windowHandle();
    return handle ? handle->winId() : m_window->winId();
}

void WindowShape::apply(const QRegion& region)
{
    m_region = region;
    const WId window = nativeWindow();
    // A window system window made anew (a change of the window's flags) has
    // no shape, while the widget still holds its mask and would not send an
    // unchanged one again.
    const bool madeAnew = window != m_appliedTo;
    m_appliedTo = window;
    if (!isX11())
        return;
    if (compositingManagerRuns()) {
        m_window->clearMask();
        setX11InputShape(region);
    } else {
        if (madeAnew)
            m_window->clearMask();
        // A masked window is painted only within its mask: what a wider
        // mask uncovers has never been drawn and is drawn now.
        const QRegion uncovered = region - m_window->mask();
        m_window->setMask(region.isEmpty() ? QRegion(0, 0, 1, 1) : region);
        if (!uncovered.isEmpty())
            m_window->update(uncovered);
    }
}

QRegion WindowShape::inDevicePixels(const QRegion& region, qreal ratio)
{
    if (ratio == 1.0)
        return region;
    QRegion scaled;
    for (const QRect& r : region)
        scaled += QRectF(QPointF(r.topLeft()) * ratio, QSizeF(r.size()) * ratio).toAlignedRect();
    return scaled;
}

// Qt scales the bounding shape to the screen's pixels itself; the input
// shape goes to the X server as it is, so it is scaled here.
void WindowShape::setX11InputShape(const QRegion& region)
{
    const QRegion native = inDevicePixels(region, m_window->devicePixelRatio());
    QVector<xcb_rectangle_t> rectangles;
    rectangles.reserve(native.rectCount());
    for (const QRect& r : native)
        rectangles.append({int16_t(r.x()), int16_t(r.y()), uint16_t(r.width()), uint16_t(r.height())});
    xcb_connection_t* connection = xcbConnection();
    xcb_shape_rectangles(connection, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_INPUT, XCB_CLIP_ORDERING_UNSORTED,
                         xcb_window_t(nativeWindow()), 0, 0, uint32_t(rectangles.size()), rectangles.constData());
    xcb_flush(connection);
}

} // namespace Corvane::Sentrel
