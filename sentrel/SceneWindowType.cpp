#include "SceneWindowType.h"

#include "XcbAtom.h"

#include <QGuiApplication>
#include <QList>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace Corvane::Sentrel {

namespace {

xcb_connection_t* x11Connection()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

QList<xcb_atom_t> atomList(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t name)
{
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(connection, xcb_get_property(connection, 0, window, name, XCB_ATOM_ATOM, 0, 32),
                               nullptr),
        &std::free);
    QList<xcb_atom_t> atoms;
    if (!reply || reply->format != 32)
        return atoms;
    const auto* values = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / int(sizeof(xcb_atom_t));
    for (int i = 0; i < count; ++i)
        atoms.append(values[i]);
    return atoms;
}

// Qt's X11 window makes the types in this property of a QWindow the first
// of its window system window whenever it makes that window or changes its
// flags (the value of the tool bar's type in Qt's X11 window types).
const char* const QtWindowTypesProperty = "_q_xcb_wm_window_type";
constexpr int QtToolBarType = 0x000008;

void prependToolBar(xcb_connection_t* connection, WId window)
{
    const xcb_atom_t property = XcbAtom::of(connection, "_NET_WM_WINDOW_TYPE");
    const xcb_atom_t toolBar = XcbAtom::of(connection, "_NET_WM_WINDOW_TYPE_TOOLBAR");
    if (property == XCB_ATOM_NONE || toolBar == XCB_ATOM_NONE)
        return;
    QList<xcb_atom_t> types = atomList(connection, xcb_window_t(window), property);
    if (!types.isEmpty() && types.first() == toolBar)
        return;
    types.removeAll(toolBar);
    types.prepend(toolBar);
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window), property, XCB_ATOM_ATOM, 32,
                        uint32_t(types.size()), types.constData());
    xcb_flush(connection);
}

} // namespace

void SceneWindowType::markAsToolBar(QWidget* window)
{
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return;
    // The widget's winId() keeps naming the first window system window when
    // Qt makes it anew for a change of flags; the QWindow names the new one.
    window->winId();
    QWindow* handle = window->windowHandle();
    handle->setProperty(QtWindowTypesProperty, QtToolBarType);
    prependToolBar(connection, handle->winId());
}

} // namespace Corvane::Sentrel
