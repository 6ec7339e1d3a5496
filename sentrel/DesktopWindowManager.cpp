#include "DesktopWindowManager.h"

#include "XcbAtom.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

namespace Corvane::Sentrel {

namespace {

XcbReply<xcb_get_property_reply_t> property(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t name,
                                            xcb_atom_t type)
{
    return XcbReply<xcb_get_property_reply_t>(
        xcb_get_property_reply(connection, xcb_get_property(connection, 0, window, name, type, 0, 256), nullptr),
        &std::free);
}

} // namespace

QString DesktopWindowManager::name()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return QString();
    xcb_connection_t* connection = xcbConnection();
    if (!connection)
        return QString();
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const auto check = property(connection, root, XcbAtom::of(connection, "_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW);
    if (!check || check->format != 32 || xcb_get_property_value_length(check.get()) < 4)
        return QString();
    const xcb_window_t window = *static_cast<const xcb_window_t*>(xcb_get_property_value(check.get()));
    const auto name =
        property(connection, window, XcbAtom::of(connection, "_NET_WM_NAME"), XcbAtom::of(connection, "UTF8_STRING"));
    if (!name || name->format != 8)
        return QString();
    return QString::fromUtf8(static_cast<const char*>(xcb_get_property_value(name.get())),
                             xcb_get_property_value_length(name.get()));
}

bool DesktopWindowManager::movesManagedWindows(const QString& name)
{
    return name == QLatin1String("Weston WM");
}

} // namespace Corvane::Sentrel
